#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/screen_metrics.h"

namespace platform {
namespace {

class QtScreenMetrics final : public ScreenMetrics {
public:
    QRect screen_geometry(const QWidget& widget) override {
        const QScreen* screen = widget.screen();
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        return screen ? screen->geometry() : QRect();
    }
};

ScreenMetrics*& installed_metrics() {
    static ScreenMetrics* installed = nullptr;
    return installed;
}

}  // namespace

ScreenMetrics& screen_metrics() {
    static QtScreenMetrics qt_metrics;
    ScreenMetrics* installed = installed_metrics();
    return installed ? *installed : qt_metrics;
}

void set_screen_metrics(ScreenMetrics* replacement) {
    installed_metrics() = replacement;
}

}  // namespace platform
