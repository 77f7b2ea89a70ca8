#pragma once

#include <QString>
#include <cstdint>
#include <vector>

class Vrendis2001;

// The bookmark file "\bookmark.dat" beside the executable and the list that mirrors it.
//
// Section "Bookmarks": "Counter" holds the last number given out, "bookmark_" + number each
// figure ID. Numbers are never reused: a deleted bookmark leaves a gap that the restore skips.
// Each row of bokmarken_list keeps its bookmark number as its item data.
namespace bookmarks {

// Empties the bookmark list and fills it from the file, one row per stored bookmark.
void restore_bookmark_list(Vrendis2001& window);
// The same once the window has painted for the first time, so that a long list does not hold
// back the first figure. The list is hidden until then; whatever needs its rows earlier (opening
// the panel, adding a bookmark) restores it first with finish_bookmark_restore.
void restore_bookmark_list_after_first_paint(Vrendis2001& window);
// Restores the list now when a restore is still waiting; nothing otherwise.
void finish_bookmark_restore(Vrendis2001& window);

// Stores the shown figure's ID as the next bookmark and appends it to the list. Only beeps
// before a figure is shown; a bookmark the file did not take is reported, not listed.
void add_current_figure(Vrendis2001& window);

// Deletes the bookmark of that number from the file and its row from the list; nothing when no
// row holds the number.
void delete_listed_bookmark(Vrendis2001& window, std::int64_t number);

// The file part, without a window.

struct Bookmark {
    std::int64_t number = 0;
    QString id;
};

// The stored bookmarks in number order: keys 1 to the last number given out (the larger of
// the counter and the highest bookmark number) that hold a value.
std::vector<Bookmark> read_bookmarks();

// Stores id under the next number, one above the larger of "Counter" and the highest bookmark
// number, so that existing bookmarks never change. Reads and writes in one rewrite under the
// file's inter-process lock, so that two copies of the program never take the same number.
// The result holds the number and what the file holds under it now: id, or empty when the
// write failed (number 0 when no number could be given out).
Bookmark store_bookmark(const QString& id);

// Removes the bookmark's key; the counter stays. True when the key is gone.
bool delete_bookmark(std::int64_t number);

}  // namespace bookmarks
