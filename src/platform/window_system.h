#pragma once

#include <optional>

// What the window system lets the program do with its own windows.
namespace platform {

// Who brings a minimised window back. On X11 the program minimises its windows, shows one
// minimised, restores one itself and is told when the user restores one. Wayland allows none of
// that: a program may only ask to be minimised, is never told, shows no window minimised, and
// only the compositor restores one.
enum class Minimising { by_program, by_compositor };

// The platform's answer, unless a test chose one; nullopt gives back the platform's.
Minimising minimising();
void set_minimising(std::optional<Minimising> choice);

}  // namespace platform
