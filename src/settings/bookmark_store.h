#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

// The bookmark file "\bookmark.dat" of the program directory, without any window: the bookmark
// list of the main window and the command line read and change it here.
//
// Section "Bookmarks": "Counter" holds the last number given out, "bookmark_" + number each
// figure ID as it was shown. Numbers are never reused: a deleted bookmark leaves a gap that
// reading skips.
namespace settings {

struct Bookmark {
    std::int64_t number = 0;
    QString id;
};

// The stored bookmarks in number order: keys 1 to the last number given out (the larger of
// the counter and the highest bookmark number) that hold a value. Read in one pass over the
// section, so that a counter edited up to billions costs no walk through every number.
std::vector<Bookmark> read_bookmarks();

// The same bookmarks handed to visit one at a time, the ID as UTF-8 and valid only during the
// call: for a reader of many thousands that keeps its own compact copy.
using BookmarkVisitor = std::function<void(std::int64_t number, std::string_view id)>;
void visit_bookmarks(const BookmarkVisitor& visit);

// Stores id under the next number, one above the larger of "Counter" and the highest bookmark
// number, so that existing bookmarks never change. Reads and writes in one rewrite under the
// file's inter-process lock, so that two copies of the program never take the same number.
// The result holds the number and what the file holds under it now: id, or empty when the
// write failed (number 0 when no number could be given out).
Bookmark store_bookmark(const QString& id);

// Removes the bookmark's key; the counter stays. True when the key is gone.
bool delete_bookmark(std::int64_t number);

}  // namespace settings
