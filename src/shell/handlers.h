#pragma once

#include <QPoint>
#include <QSystemTrayIcon>
#include <QtGlobal>
#include <functional>

class QWidget;
class Vrendis2001;
class Loader;

// The shell's handlers, named after control and event: start-up and exit, the tray icon, the
// loader, the splash and about panels, window dragging and the caption links.
namespace shell {

// Start-up and exit.
void Form_Load(Vrendis2001& window);
void Form_Resize(Vrendis2001& window);
void Form_Unload(Vrendis2001& window);
void mnuopen_Click(Vrendis2001& window);
void mnuexit_Click(Vrendis2001& window);
// The load step's catalogue sizes: the hint of the ID entry panel and the number of possible
// figures in the status line, read afresh from the profile (again once a part is added).
void show_catalogue_sizes(Vrendis2001& window);

// The tray icon, a child of the window from the load step on; null before and after.
QSystemTrayIcon* tray_icon(Vrendis2001& window);
void tray_Activated(Vrendis2001& window, QSystemTrayIcon::ActivationReason reason);

// Minimise through the loader, restore by activating it.
void Image8_Click(Vrendis2001& window);
void loader_Load(Vrendis2001& window, Loader& loader);
void loader_Activate(Vrendis2001& window);
// The loader closed from outside (a taskbar's "Close"): the program ends, as the window it
// stands for would on closing.
void loader_Unload(Vrendis2001& window);

// The splash panel.
void mnusplash_Click(Vrendis2001& window);
void vrendis_splash_Click(Vrendis2001& window);
void vrendis_splash_MouseMove(Vrendis2001& window, Qt::MouseButtons buttons);
void Label35_Click(Vrendis2001& window);
void Label35_MouseMove(Vrendis2001& window);
void Check1_Click(Vrendis2001& window);

// The about panel.
void Label3_Click(Vrendis2001& window);
void mnuabout_Click(Vrendis2001& window);
void aboutscroller_Timer(Vrendis2001& window);
void about_scroller_DblClick(Vrendis2001& window);

// Dragging and the caption strip.
void Image3_MouseDown(Vrendis2001& window, Qt::MouseButton button);
void Image3_MouseMove(Vrendis2001& window);
void Image3_Click(Vrendis2001& window);
void Image2_MouseMove(Vrendis2001& window, Qt::MouseButtons buttons);
void Image4_MouseMove(Vrendis2001& window, Qt::MouseButtons buttons);
void Label1_MouseMove(Vrendis2001& window);
void Label3_MouseMove(Vrendis2001& window);
void Label1_Click(Vrendis2001& window);
void Image9_Click(Vrendis2001& window);
void Image9_MouseDown(Vrendis2001& window, Qt::MouseButton button, QPoint position);

// Moves the window with the pointer while the left button is held; without it nothing moves.
void start_window_drag(Vrendis2001& window, Qt::MouseButtons buttons);

// What starts a move by the window system; tests put a recorder in its place. An empty
// function restores the real one.
using WindowMover = std::function<void(QWidget& window)>;
void set_window_mover(WindowMover mover);

}  // namespace shell
