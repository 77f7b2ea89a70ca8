#include <QGuiApplication>
#include <QWindow>
#include <utility>

#include "layouts/vrendis2001.h"
#include "shell/handlers.h"

namespace shell {
namespace {

const QColor link_colour = layouts::colour_of(layouts::white);
const QColor hover_colour = layouts::colour_of(layouts::light_blue);

void system_move(QWidget& window) {
    if (QWindow* handle = window.windowHandle())
        handle->startSystemMove();
}

WindowMover& mover() {
    static WindowMover current = system_move;
    return current;
}

}  // namespace

void set_window_mover(WindowMover replacement) {
    mover() = replacement ? std::move(replacement) : WindowMover(system_move);
}

void start_window_drag(Vrendis2001& window, Qt::MouseButtons buttons) {
    if (buttons & Qt::LeftButton)
        mover()(window);
}

// Any button starts the drag, but only a held left button moves the window.
void Image3_MouseDown(Vrendis2001& window, Qt::MouseButton button) {
    start_window_drag(window, QGuiApplication::mouseButtons() | button);
}

void Image3_MouseMove(Vrendis2001& window) {
    window.Label3->set_fore_colour(link_colour);
    window.Label1->set_fore_colour(link_colour);
}

void Image3_Click(Vrendis2001& window) {
    window.editid->setVisible(false);
}

void Image2_MouseMove(Vrendis2001& window, Qt::MouseButtons buttons) {
    start_window_drag(window, buttons);
}

void Image4_MouseMove(Vrendis2001& window, Qt::MouseButtons buttons) {
    start_window_drag(window, buttons);
}

void Label1_MouseMove(Vrendis2001& window) {
    window.Label1->set_fore_colour(hover_colour);
    window.Label3->set_fore_colour(link_colour);
}

void Label3_MouseMove(Vrendis2001& window) {
    window.Label3->set_fore_colour(hover_colour);
    window.Label1->set_fore_colour(link_colour);
}

void Label1_Click(Vrendis2001& window) {
    window.close();
}

void Image9_Click(Vrendis2001& window) {
    window.editid->setVisible(false);
}

// The menu opens where the button went down, which for a press by key is the arrow's middle.
void Image9_MouseDown(Vrendis2001& window, Qt::MouseButton button, QPoint position) {
    if (button == Qt::LeftButton)
        window.mnuid->popup(window.Image9->mapToGlobal(position));
}

}  // namespace shell
