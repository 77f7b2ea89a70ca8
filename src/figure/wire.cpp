#include "figure/wire.h"

#include "figure/create_new.h"
#include "figure/handlers.h"
#include "layouts/vrendis2001.h"
#include "layouts/wiring.h"

namespace figure {

void wire(Vrendis2001& window) {
    using layouts::Control;
    using layouts::on;
    on(window, window.Image14, &Control::clicked, Image14_Click);
    on(window, window.Image5, &Control::clicked, Image5_Click);
    on(window, window.Label5, &Control::clicked, Label5_Click);
    on(window, window.Image18, &Control::clicked, Image18_Click);
    on(window, window.image_head, &Control::clicked, image_head_Click);
    on(window, window.image_chest, &Control::clicked, image_chest_Click);
    on(window, window.image_legs, &Control::clicked, image_legs_Click);
    on(window, window.mnucreatevrendis, &QAction::triggered, mnucreatevrendis_Click);

    on(window, window.Image18, &Control::mouse_move, Image18_MouseMove);
    on(window, window.Image19, &Control::mouse_move, Image19_MouseMove);
    on(window, window.Image20, &Control::mouse_move, Image20_MouseMove);
    on(window, window.Frame2, &Control::mouse_move, Frame2_MouseMove);
}

}  // namespace figure
