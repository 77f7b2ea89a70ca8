#include "shell/wire.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWindowStateChangeEvent>
#include <algorithm>

#include "layouts/event_hook.h"
#include "layouts/loader.h"
#include "layouts/vrendis2001.h"
#include "layouts/wiring.h"
#include "platform/window_system.h"
#include "shell/handlers.h"

namespace shell {
namespace {

bool leaves_minimised(const QWidget& widget, QEvent* event) {
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    return (change->oldState() & Qt::WindowMinimized) &&
           !(widget.windowState() & Qt::WindowMinimized);
}

bool is_key(QEvent* event, std::initializer_list<int> keys) {
    const auto* press = static_cast<QKeyEvent*>(event);
    return !press->isAutoRepeat() &&
           std::find(keys.begin(), keys.end(), press->key()) != keys.end();
}

void wire_loader(Vrendis2001& window, Loader& loader) {
    // The loader counts as activated when it comes back from its minimised state; the
    // activation that comes with showing it minimised is no request of the user. Where the
    // compositor minimises (Wayland), the loader stands shown and may be activated the moment
    // it appears, so there an activation counts only once the loader has lost the focus (its
    // taskbar entry taken after working elsewhere). A click, Return or Space in it count always.
    // The loader is deleted later than it closes, and may outlive the main window by a moment:
    // only the main window's own loader is answered. Its events are looked at before the loader
    // itself, which is no Loader any more while it is being destroyed.
    new layouts::EventHook(&loader, [main = QPointer<Vrendis2001>(&window), &loader,
                                     deactivated = false](QEvent* event) mutable {
        if (!main)
            return;
        const bool by_program = platform::minimising() == platform::Minimising::by_program;
        bool activated = false;
        bool closed = false;
        switch (event->type()) {
            case QEvent::Close:
                closed = true;
                break;
            case QEvent::WindowDeactivate:
                deactivated = true;
                break;
            case QEvent::WindowActivate:
                activated =
                    by_program ? !(loader.windowState() & Qt::WindowMinimized) : deactivated;
                break;
            case QEvent::WindowStateChange:
                activated = by_program && leaves_minimised(loader, event);
                break;
            case QEvent::MouseButtonRelease:
                activated = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
                break;
            case QEvent::KeyPress:
                activated = is_key(event, {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space});
                break;
            default:
                break;
        }
        if (!(activated || closed) || main->loader != &loader)
            return;
        if (closed)
            loader_Unload(*main);
        else
            loader_Activate(*main);
    });
    layouts::on(window, loader.Label10, &layouts::Control::clicked, loader_Activate);
}

}  // namespace

void wire(Vrendis2001& window) {
    using layouts::Control;
    using layouts::on;

    new layouts::EventHook(&window, [&window](QEvent* event) {
        switch (event->type()) {
            case QEvent::Resize:
            case QEvent::WindowStateChange:  // minimising changes no size, but counts as one
                Form_Resize(window);
                break;
            case QEvent::Close:
                Form_Unload(window);
                break;
            default:
                break;
        }
    });

    on(window, window.mnuopen, &QAction::triggered, mnuopen_Click);
    on(window, window.mnuexit, &QAction::triggered, mnuexit_Click);
    on(window, window.Image8, &Control::clicked, Image8_Click);

    on(window, window.mnusplash, &QAction::triggered, mnusplash_Click);
    on(window, window.vrendis_splash, &Control::clicked, vrendis_splash_Click);
    on(window, window.vrendis_splash, &Control::mouse_move, vrendis_splash_MouseMove);
    on(window, window.Label35, &Control::clicked, Label35_Click);
    on(window, window.Label35, &Control::mouse_move, Label35_MouseMove);
    on(window, window.Check1, &QCheckBox::clicked, Check1_Click);

    on(window, window.Label3, &Control::clicked, Label3_Click);
    on(window, window.mnuabout, &QAction::triggered, mnuabout_Click);
    on(window, window.aboutscroller, &layouts::Timer::tick, aboutscroller_Timer);
    for (Control* headline : std::initializer_list<Control*>{window.about_scroller, window.Label22,
                                                             window.Label23, window.Label24})
        on(window, headline, &Control::double_clicked, about_scroller_DblClick);

    on(window, window.Image3, &Control::mouse_down, Image3_MouseDown);
    on(window, window.Image3, &Control::mouse_move, Image3_MouseMove);
    on(window, window.Image3, &Control::clicked, Image3_Click);
    on(window, window.Image2, &Control::mouse_move, Image2_MouseMove);
    on(window, window.Image4, &Control::mouse_move, Image4_MouseMove);
    on(window, window.Label1, &Control::mouse_move, Label1_MouseMove);
    on(window, window.Label3, &Control::mouse_move, Label3_MouseMove);
    on(window, window.Label1, &Control::clicked, Label1_Click);
    on(window, window.Image9, &Control::clicked, Image9_Click);
    on(window, window.Image9, &Control::mouse_down, Image9_MouseDown);

    QObject::connect(&window, &Vrendis2001::loader_created, &window,
                     [&window](Loader& loader) { wire_loader(window, loader); });
}

void load(Vrendis2001& window) {
    Form_Load(window);
}

}  // namespace shell
