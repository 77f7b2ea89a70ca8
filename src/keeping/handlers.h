#pragma once

#include <QFuture>
#include <QObject>
#include <QString>

#include "catalogue/sheet.h"
#include "keeping/history.h"

class Vrendis2001;

// Keeping a figure: saving and copying its picture, going back and forward through the figures
// shown, and the keys of the main window. Every command here beeps, and changes nothing, where
// it could not do its work: while the slideshow runs or all parts are locked (new figures and
// the history), before any figure is shown (saving, copying, bookmarking) and at either end of
// the history.
namespace keeping {

// What keeping remembers while the program runs; a child of the main window.
class Keeping : public QObject {
public:
    explicit Keeping(QObject* parent) : QObject(parent) {}
    // Sheets still being written when the window goes stop after their current figure.
    ~Keeping() override {
        sheets.cancel();
        sheets.waitForFinished();
    }

    FigureHistory history;
    // The folder of the last saved picture; empty: the user's pictures folder.
    QString last_folder;
    // Set while the history paints one of its figures, which is no new entry.
    bool stepping = false;
    // The contact sheets being written in the background, or the last ones written.
    QFuture<catalogue::SheetSeries> sheets;
};

// The ID menu's new entries.
void mnusavepicture_Click(Vrendis2001& window, Keeping& keeping);
void mnucopypicture_Click(Vrendis2001& window);
void mnuback_Click(Vrendis2001& window, Keeping& keeping);
void mnuforward_Click(Vrendis2001& window, Keeping& keeping);
// The figure of a name typed into a small dialog, painted as a bookmark row paints its figure.
void mnuname_Click(Vrendis2001& window);
// The contact sheet of the bookmark list, written in the background behind a progress dialog.
void mnusavesheet_Click(Vrendis2001& window, Keeping& keeping);

// A figure was shown: the history remembers it.
void Form_FigureShown(Vrendis2001& window, Keeping& keeping);

// The keys of the hidden shortcut menu: Space, 1, 2, 3, B and F11.
void mnukeyfigure_Click(Vrendis2001& window);
void mnukeyhead_Click(Vrendis2001& window);
void mnukeychest_Click(Vrendis2001& window);
void mnukeylegs_Click(Vrendis2001& window);
void mnukeybookmark_Click(Vrendis2001& window);
void mnukeyfullscreen_Click(Vrendis2001& window);

// The keys no control of the window took. Escape closes the topmost of what lies over the
// figure, as the mouse closes it: the scrolling about panel, else the ID panel, else the
// bookmark panel; with nothing open it does nothing. In a text box it is a typed character.
void Form_KeyDown(Vrendis2001& window, int key);

}  // namespace keeping
