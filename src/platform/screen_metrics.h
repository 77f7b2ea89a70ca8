#pragma once

#include <QRect>

class QWidget;

// The screen a window stands on. Handlers go through this interface so that a test can pretend
// any screen size.
namespace platform {

class ScreenMetrics {
public:
    virtual ~ScreenMetrics() = default;
    // The geometry in pixels (position on the desktop and size) of the screen the widget stands
    // on; the primary screen for a widget not shown yet.
    virtual QRect screen_geometry(const QWidget& widget) = 0;
};

// The metrics every handler uses: the widget's QScreen unless a test installed its own; nullptr
// restores the default.
ScreenMetrics& screen_metrics();
void set_screen_metrics(ScreenMetrics* replacement);

}  // namespace platform
