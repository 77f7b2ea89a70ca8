#pragma once

#include <cstdint>

class Vrendis2001;

// The bookmark list bokmarken_list, which mirrors the bookmark file (settings/bookmark_store.h):
// filled from it once the window has painted, then grown by each add and shrunk by each delete.
// Each row keeps its bookmark number as its item data.
namespace bookmarks {

// Empties the bookmark list and fills it from the file, one row per stored bookmark.
void restore_bookmark_list(Vrendis2001& window);
// The same once the window has painted for the first time, so that a long list does not hold
// back the first figure. Whatever needs the rows earlier (opening the panel, adding a bookmark)
// restores them first with finish_bookmark_restore.
void restore_bookmark_list_after_first_paint(Vrendis2001& window);
// Restores the list now when a restore is still waiting; nothing otherwise.
void finish_bookmark_restore(Vrendis2001& window);

// Stores the shown figure's ID as the next bookmark and appends it to the list. Only beeps
// before a figure is shown; a bookmark the file did not take is reported, not listed.
void add_current_figure(Vrendis2001& window);

// Deletes the bookmark of that number from the file and its row from the list; nothing when no
// row holds the number.
void delete_listed_bookmark(Vrendis2001& window, std::int64_t number);

}  // namespace bookmarks
