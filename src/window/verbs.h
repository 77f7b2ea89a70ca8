#pragma once

#include <QString>

#include "window/parts.h"

// The main window's verbs: what several handlers do in the same words. A handler keeps its own
// numbered steps and calls these for the steps they share.
namespace main_window {

// A part is locked exactly while its tick mark is visible.
bool locked(const Vrendis2001& window, Part part);
bool all_locked(const Vrendis2001& window);

// The ID on show, Text2 + Text3 + Text4; empty while a holder is empty (no figure shown yet).
QString shown_id(const Vrendis2001& window);

// The main window's slideshow runs while its timer is enabled.
bool slideshow_running(const Vrendis2001& window);

// Shows or hides the splash panel: the photograph, its check box and its closing link.
void set_splash_visible(Vrendis2001& window, bool shown);
void close_splash(Vrendis2001& window);

// Loads a part's picture into the main window and, only when it loaded, sets the part's ID
// holder, so that the ID on show always names what is shown.
bool show_part(Vrendis2001& window, Part part, const QString& path, const QString& part_id);

// Writes "  Vrendis ID:  " and the ID held in Text2, Text3 and Text4 into StatusBar2, and
// announces the figure on show (the history keeps it).
void show_id(Vrendis2001& window);

// How far the open bookmark panel pushes the figure to the right, in twips.
inline constexpr int bookmark_panel_shift = 1250;
// Moves the three figure pictures sideways by twips.
void shift_figure(Vrendis2001& window, int twips);
// Closes the bookmark panel to its plain tab, moving the figure back when the panel was open.
void close_bookmark_panel(Vrendis2001& window);

// The top of the about panel, in twips, while it is closed and when it starts to scroll.
inline constexpr int about_start_top = -60;
// Stops and hides the about panel, back at its start position.
void close_about(Vrendis2001& window);

// Stops the main window's slideshow: the command artwork back to normal, the interval controls
// available again.
void stop_slideshow(Vrendis2001& window);

}  // namespace main_window
