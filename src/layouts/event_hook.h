#pragma once

#include <QEvent>
#include <QObject>
#include <functional>

namespace layouts {

// Hands the events of a window or control that has no signal for them (resize, close,
// activation, its own background's mouse and keys, paint) to a handler, before the watched
// object handles them itself. A child of the watched object, so it lives as long as that.
class EventHook : public QObject {
public:
    EventHook(QObject* watched, std::function<void(QEvent*)> handler);

    // Stops handing on events; the hook is deleted once control is back in the event loop.
    void remove();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QObject* watched_;
    std::function<void(QEvent*)> handler_;
};

}  // namespace layouts
