#include <QEvent>
#include <QTimer>
#include <cstdio>

#include "layouts/vrendis2001.h"
#include "shell/handlers.h"

namespace shell {
namespace {

// Watches the head picture until it has been painted with a picture in it.
class FirstFigureProbe : public QObject {
public:
    explicit FirstFigureProbe(layouts::Image* head) : QObject(head), head_(head) {
        head->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && head_->has_picture()) {
            head_->removeEventFilter(this);
            // After this paint event, so the picture is on screen when the line is out.
            QTimer::singleShot(0, [] {
                std::fputs("first figure painted\n", stdout);
                std::fflush(stdout);
            });
        }
        return false;
    }

private:
    layouts::Image* head_;
};

}  // namespace

void report_first_figure(Vrendis2001& window) {
    if (qEnvironmentVariableIsEmpty("VRENDIS_REPORT_FIRST_FIGURE"))
        return;
    new FirstFigureProbe(window.image_head);
}

}  // namespace shell
