#pragma once

class Vrendis2001;

// The bookmark file "\bookmark.dat" beside the executable and the list that mirrors it.
namespace bookmarks {

// Empties the bookmark list and fills it from the file, one row per stored bookmark.
void restore_bookmark_list(Vrendis2001& window);

// Stores the shown figure's ID as the next bookmark and appends it to the list.
void add_current_figure(Vrendis2001& window);

}  // namespace bookmarks
