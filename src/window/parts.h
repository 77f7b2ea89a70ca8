#pragma once

#include "catalogue/catalogue.h"
#include "layouts/vrendis2001.h"

// The main window's vocabulary: the controls of each part kind, in the order head, chest, legs.
namespace main_window {

struct PartControls {
    catalogue::Part part;
    layouts::Image* Vrendis2001::*picture;
    layouts::Image* Fullscreen::*fullscreen_picture;
    layouts::TextBox* Vrendis2001::*holder;     // the ID part on show: "h12"
    layouts::TextBox* Vrendis2001::*typed_box;  // the number typed in the ID entry panel
    layouts::Image* Vrendis2001::*lock_mark;    // visible while the part is locked
};

using catalogue::Part;

inline constexpr PartControls part_controls[] = {
    {Part::head, &Vrendis2001::image_head, &Fullscreen::image_head, &Vrendis2001::Text2,
     &Vrendis2001::Text5, &Vrendis2001::bock1},
    {Part::chest, &Vrendis2001::image_chest, &Fullscreen::image_chest, &Vrendis2001::Text3,
     &Vrendis2001::Text6, &Vrendis2001::bock2},
    {Part::legs, &Vrendis2001::image_legs, &Fullscreen::image_legs, &Vrendis2001::Text4,
     &Vrendis2001::Text7, &Vrendis2001::bock3},
};

inline const PartControls& controls_of(Part part) {
    return part_controls[catalogue::index(part)];
}

}  // namespace main_window
