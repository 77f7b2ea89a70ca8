#pragma once

#include <QPoint>
#include <QString>

#include "catalogue/figure_id.h"

class Vrendis2001;

// The bookmark panel: the closed tab `bookmarks`, the open panel `bokmark_foldin` with the list
// and its closing strip `Image22`. While the panel is open the three figure pictures stand
// main_window::bookmark_panel_shift twips further right.
namespace bookmarks {

// The digits of a row's ID: "h12c3l7" gives 12, 3 and 7.
using catalogue::IdDigits;
using catalogue::scan_id;

// Shows the figure of a bookmark's ID text as a row click does, from its slideshow check on:
// nothing while the slideshow runs or all parts are locked; locked parts stay; a figure whose
// unlocked parts' pictures do not all load, or whose digits name no picture, only beeps.
void show_bookmark(Vrendis2001& window, const QString& row_text);
// Whether the pictures of the ID's unlocked parts all load now.
bool bookmark_showable(const Vrendis2001& window, const QString& row_text);

void bookmarks_Click(Vrendis2001& window);
void Image22_Click(Vrendis2001& window);
void mnuopen2_Click(Vrendis2001& window);
// The user chose a row of the list (the list's row_chosen): its bookmark is shown.
void bokmarken_list_Click(Vrendis2001& window);
void bokmarken_list_MouseDown(Vrendis2001& window, Qt::MouseButton button, QPoint position);
void mnubokmark_Click(Vrendis2001& window);
void mnubookmark_add_Click(Vrendis2001& window);
void mnubookmark_delete_Click(Vrendis2001& window);
// Keys while the list has the focus: Up and Down select and show the row above or below (after
// a delete, beside where the deleted row stood), beeping at either end; Return shows the
// selected row, Delete deletes its bookmark as "Radera bokmärke" does. A key it takes comes back
// as 0; the list moves on Home, End, Page Up and Page Down itself.
void bokmarken_list_KeyDown(Vrendis2001& window, int& key_code);

// Hover artwork of the tab and the closing strip.
void bookmarks_MouseMove(Vrendis2001& window);
void Image22_MouseMove(Vrendis2001& window);
void bokmarken_list_MouseMove(Vrendis2001& window);
void image_head_MouseMove(Vrendis2001& window);
void image_chest_MouseMove(Vrendis2001& window);
void image_legs_MouseMove(Vrendis2001& window);
void editid_MouseMove(Vrendis2001& window);
void Picture1_MouseMove(Vrendis2001& window);
void Picture4_MouseMove(Vrendis2001& window);
void Frame1_MouseMove(Vrendis2001& window);

}  // namespace bookmarks
