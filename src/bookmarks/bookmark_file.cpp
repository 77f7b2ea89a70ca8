#include "bookmarks/bookmark_file.h"

#include "layouts/vrendis2001.h"

namespace bookmarks {

// Placeholders until the bookmark file is read and written.
void restore_bookmark_list(Vrendis2001& window) { window.bokmarken_list->clear(); }

void add_current_figure(Vrendis2001&) {}

}  // namespace bookmarks
