#pragma once

#include <QWidget>
#include <span>

#include "layouts/accessible.h"
#include "layouts/controls.h"
#include "layouts/layout_table.h"

// The full-screen view: borderless, maximised, black. Its load step (placing the parts for the
// screen, the interval of its timer) belongs to the view's handlers.
class Fullscreen : public QWidget {
    Q_OBJECT
public:
    Fullscreen();

    static std::span<const layouts::Row> layout();
    static const layouts::AccessibleTable& accessible();

    layouts::Timer* Slideshow_Clock = nullptr;
    layouts::Image* image_head = nullptr;
    layouts::Image* image_chest = nullptr;
    layouts::Image* image_legs = nullptr;
    layouts::TransparentImage* Image1 = nullptr;
    layouts::Label* Label1 = nullptr;
    layouts::Label* Label2 = nullptr;
    layouts::Rectangle* Shape1 = nullptr;
};
