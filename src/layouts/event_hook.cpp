#include "layouts/event_hook.h"

#include <utility>

namespace layouts {

EventHook::EventHook(QObject* watched, std::function<void(QEvent*)> handler)
    : QObject(watched), watched_(watched), handler_(std::move(handler)) {
    watched->installEventFilter(this);
}

void EventHook::remove() {
    watched_->removeEventFilter(this);
    deleteLater();
}

bool EventHook::eventFilter(QObject*, QEvent* event) {
    handler_(event);
    return false;
}

}  // namespace layouts
