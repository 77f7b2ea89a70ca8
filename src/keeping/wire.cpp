#include "keeping/wire.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "keeping/handlers.h"
#include "layouts/event_hook.h"
#include "layouts/vrendis2001.h"
#include "layouts/wiring.h"

namespace keeping {
namespace {

// A press anywhere in the main window outside a text box takes the focus from a text box, so
// that the keys act again, and from a command or the splash's check box, which only Tab and
// Shift+Tab give it: to the control the press gives it to, or to Command4, which holds it at
// start. Qt has moved the focus by the control's own policy before this sees the press.
class ClickFocus : public QObject {
public:
    explicit ClickFocus(Vrendis2001& window) : QObject(&window), window_(window) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress || !watched->isWidgetType())
            return false;
        auto* target = static_cast<QWidget*>(watched);
        if (target->window() != &window_ || qobject_cast<layouts::TextBox*>(target))
            return false;
        const QWidget* focus = window_.focusWidget();
        const bool by_tab_only = focus && focus->focusPolicy() == Qt::TabFocus;
        if (qobject_cast<const layouts::TextBox*>(focus) || by_tab_only)
            window_.Command4->setFocus(Qt::MouseFocusReason);
        return false;
    }

private:
    Vrendis2001& window_;
};

}  // namespace

void wire(Vrendis2001& window) {
    using layouts::on;
    auto* keeping = new Keeping(&window);
    auto with_keeping = [&window, keeping](auto* sender, auto signal,
                                           void (*handler)(Vrendis2001&, Keeping&)) {
        QObject::connect(sender, signal, keeping,
                         [&window, keeping, handler] { handler(window, *keeping); });
    };
    with_keeping(&window, &Vrendis2001::figure_shown, Form_FigureShown);
    with_keeping(window.mnusavepicture, &QAction::triggered, mnusavepicture_Click);
    with_keeping(window.mnuback, &QAction::triggered, mnuback_Click);
    with_keeping(window.mnuforward, &QAction::triggered, mnuforward_Click);
    with_keeping(window.mnusavesheet, &QAction::triggered, mnusavesheet_Click);
    on(window, window.mnuname, &QAction::triggered, mnuname_Click);
    on(window, window.mnucopypicture, &QAction::triggered, mnucopypicture_Click);

    on(window, window.mnukeyfigure, &QAction::triggered, mnukeyfigure_Click);
    on(window, window.mnukeyhead, &QAction::triggered, mnukeyhead_Click);
    on(window, window.mnukeychest, &QAction::triggered, mnukeychest_Click);
    on(window, window.mnukeylegs, &QAction::triggered, mnukeylegs_Click);
    on(window, window.mnukeybookmark, &QAction::triggered, mnukeybookmark_Click);
    on(window, window.mnukeyfullscreen, &QAction::triggered, mnukeyfullscreen_Click);
    // A key no control took reaches the window itself.
    new layouts::EventHook(&window, [&window](QEvent* event) {
        if (event->type() != QEvent::KeyPress)
            return;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!(key->modifiers() & ~Qt::KeypadModifier))
            Form_KeyDown(window, key->key());
    });

    new ClickFocus(window);
}

}  // namespace keeping
