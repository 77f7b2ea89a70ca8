#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The profile store: the program's only access to its two settings files, "\vrendisar.ini" and
// "\bookmark.dat". A small stateful accessor: set the current file, section and key, then read
// or write that one value. The state is shared by every caller and stays until set again, so
// every caller sets all three before its first read or write.
//
// Texts are UTF-8. The file path is a native path (see platform::program_path). A file of the
// program directory is read from and written to where platform::files_to_read and
// platform::file_to_write place it: beside the program, or the user's copy over the installed one.
namespace settings {

void set_profile_file(const std::string& path);
void set_profile_section(const std::string& section);
void set_profile_key(const std::string& key);

// The value of the current key in the current section of the current file: at most 254
// characters (Unicode code points, so up to 1016 bytes of UTF-8, never half a character), or
// the empty text when the file, section or key is missing or unreadable. A parsed copy of the
// file is kept while its size, times and inode stay the same, so a read costs one stat() per
// file read.
std::string read_profile();

// The values of several keys of the current section of the current file, in the order given,
// each as read_profile would answer: one look at the file for all of them, so that a reader of
// several keys sees one version of the file and pays one stat() per file read.
std::vector<std::string> read_profile_keys(const std::vector<std::string>& keys);

// For tests: how many times the store has looked at a file to read it (a stat() each).
long profile_file_looks();

// Stores the value (less any NUL, CR and LF characters) under the current key, creating the
// file, section and key when missing. Names and values round-trip: a value with blanks or
// quotes at its ends is written in quotes. Crash-safe (a temporary file renamed over the old
// one) and under the file's inter-process lock; a failed write leaves the old file as it was.
// True when the file now holds the value: false for a failed write, no current file, or a name
// that would not read back as itself.
bool write_profile(const std::string& value);

// Stores each value under its key in the current section, as write_profile does, in one rewrite
// of the file: a reader sees all of them or none. False, and nothing written, when a name would
// not read back as itself.
using ProfileValues = std::vector<std::pair<std::string, std::string>>;
bool write_profile_values(const ProfileValues& values);

// Removes the current key from the current section of the current file, keeping every other
// byte. Crash-safe and locked like a write; nothing happens when the key is not there. Only the
// file written to loses it: a user's copy, and the installed profile's value shows again. True
// when the file now lacks the key.
bool delete_profile_key();

// Every key of the current section of the current file with its value, in file order (a key
// written twice appears twice; read_profile answers with the first). Empty when the file or
// section is missing. One pass over the file, for callers that want the whole section. A user's
// copy comes before the installed file it is read over, so the first of a name still wins.
std::vector<std::pair<std::string, std::string>> read_profile_section();

// The same keys and values, handed to visit one at a time instead of listed: views that are
// valid only during the call. For a caller that wants one pass over a large section.
using SectionVisitor = std::function<void(std::string_view key, std::string_view value)>;
void visit_profile_section(const SectionVisitor& visit);

// Stores the values that choose picks after its pass over the current section, as
// write_profile_values does, with the pass and the rewrite on the same bytes under the file's
// lock: for values that depend on the others, such as the next free number. The pass sees the
// file written to alone, not an installed file read beneath it. True, writing nothing, when
// choose picks nothing.
using SectionPass = std::function<void(const SectionVisitor& visit)>;
bool update_profile_section(const std::function<ProfileValues(const SectionPass& pass)>& choose);

// Holds the inter-process lock of the current file ("<file>.lock") for as long as it lives, so
// that a caller can make several store calls (read a counter, write the next key) that no other
// copy of the program interleaves with. Store calls made while it is held, and nested
// ProfileLocks, do not lock again.
class ProfileLock {
public:
    ProfileLock();
    ~ProfileLock();
    ProfileLock(const ProfileLock&) = delete;
    ProfileLock& operator=(const ProfileLock&) = delete;

    // False when the lock could not be taken (an unwritable directory, say); the store calls
    // still work, just without the guarantee.
    bool locked() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace settings
