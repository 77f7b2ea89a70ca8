#pragma once

// The whole profile that the old launcher script copied into the user's folder. Read over the
// installed profile key by key, each of its keys would win, and a newer catalogue's counts and
// folders would never reach the user.
namespace settings {

// Once at start: a user's copy of the program profile that holds all seven catalogue keys, its
// folders those of the installed profile, is such a copy. It is kept as "vrendisar.ini.old",
// and the user's copy then holds its splash choice alone. Any other user profile is left as it
// is: keys a user added stay, and win.
void retire_launcher_copy();

}  // namespace settings
