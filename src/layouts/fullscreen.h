#pragma once

#include <QWidget>
#include <span>

#include "layouts/controls.h"
#include "layouts/layout_table.h"

// The full-screen view: borderless, maximised, black. Its load step (placing the parts for the
// screen, the interval of its timer) belongs to the view's handlers.
class Fullscreen : public QWidget {
    Q_OBJECT
public:
    Fullscreen();

    static std::span<const layouts::Row> layout();

    layouts::Timer* Slideshow_Clock;
    layouts::Image* image_head;
    layouts::Image* image_chest;
    layouts::Image* image_legs;
    layouts::TransparentImage* Image1;
    layouts::Label* Label1;
    layouts::Label* Label2;
    layouts::Rectangle* Shape1;
};
