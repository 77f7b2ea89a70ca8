#include "layouts/focus_mark.h"

#include <QApplication>
#include <QPainter>

#include "layouts/controls.h"
#include "layouts/layout_table.h"

namespace layouts {
namespace {

// Pixels between the command and its outline.
constexpr int gap = 1;

}  // namespace

FocusMark::FocusMark(QWidget& window) : QWidget(&window) {
    setObjectName(QStringLiteral("focus_mark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusMark::follow(QWidget* focus) {
    if (marked_)
        marked_->removeEventFilter(this);
    auto* control = qobject_cast<Control*>(focus);
    const bool command = control && control->command() && control->window() == window();
    marked_ = command ? control : nullptr;
    if (marked_)
        marked_->installEventFilter(this);
    place();
}

bool FocusMark::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            place();
            break;
        default:
            break;
    }
    return false;
}

void FocusMark::place() {
    if (!marked_ || !marked_->isVisible()) {
        hide();
        return;
    }
    // As much of the command as its containers show, in the window's coordinates.
    QRect shown = marked_->rect();
    for (const QWidget* control = marked_; !control->isWindow();
         control = control->parentWidget()) {
        shown = shown.translated(control->pos()) & control->parentWidget()->rect();
    }
    constexpr int outside = gap + 1;
    setGeometry(shown.adjusted(-outside, -outside, outside, outside));
    raise();
    show();
    update();
}

void FocusMark::paintEvent(QPaintEvent*) {
    // Light-blue dots on a dark-blue line: seen on the black caption strip and on grey alike.
    QPainter painter(this);
    const QRect outline = rect().adjusted(0, 0, -1, -1);
    painter.setPen(colour_of(dark_blue));
    painter.drawRect(outline);
    QPen dots(colour_of(light_blue));
    dots.setStyle(Qt::DotLine);
    painter.setPen(dots);
    painter.drawRect(outline);
}

}  // namespace layouts
