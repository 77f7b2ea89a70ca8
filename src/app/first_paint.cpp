#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/program.h"
#include "layouts/event_hook.h"
#include "layouts/vrendis2001.h"

namespace app {

void report_first_figure(Vrendis2001& window) {
    // Watches the head picture until it has been painted with a picture in it.
    layouts::Image* head = window.image_head;
    auto probe = std::make_shared<layouts::EventHook*>(nullptr);
    *probe = new layouts::EventHook(head, [&window, head, probe](QEvent* event) {
        if (event->type() != QEvent::Paint || !head->has_picture())
            return;
        (*probe)->remove();
        // After this paint event, so the picture is on screen when the line is out.
        QTimer::singleShot(0, &window, [&window] {
            std::fputs("first figure painted\n", stdout);
            std::fflush(stdout);
            // A timer started now fires after the work the first paint queued (the bookmark
            // restore), when the window answers input again.
            auto* answer = new QTimer(&window);
            answer->setSingleShot(true);
            QObject::connect(answer, &QTimer::timeout, &window, [&window, answer] {
                std::printf("window answers, %d bookmarks listed\n",
                            window.bokmarken_list->count());
                std::fflush(stdout);
                answer->deleteLater();
            });
            answer->start(0);
        });
    });
}

}  // namespace app
