#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class Vrendis2001;

// Module `functions`: the figure generator behind most commands that change the figure.
namespace functions {

// The modes: which window is painted, which parts change, where the numbers come from.
inline constexpr std::int16_t NEW_FIGURE = 0;
inline constexpr std::int16_t SLIDESHOW_STEP = 1;
inline constexpr std::int16_t TYPED_ID = 2;
inline constexpr std::int16_t NEW_HEAD = 4;
inline constexpr std::int16_t NEW_CHEST = 5;
inline constexpr std::int16_t NEW_LEGS = 6;
inline constexpr std::int16_t FULLSCREEN_STEP = 7;
inline constexpr std::int16_t FULLSCREEN_HEAD = 8;
inline constexpr std::int16_t FULLSCREEN_CHEST = 9;
inline constexpr std::int16_t FULLSCREEN_LEGS = 10;

// Paints new pictures for the unlocked parts named by the mode, in the main window (with its ID
// holders Text2-Text4 and the ID text of StatusBar2) or in the full-screen window when that is
// open. Does nothing while the main window's slideshow runs (except in SLIDESHOW_STEP) or
// while all three parts are locked. TYPED_ID takes the numbers from Text5-Text7 and shows a
// message box instead when one is missing or names no picture of the catalogue.
void generate_figure(Vrendis2001& window, std::int16_t mode);

// "text > count" for the typed-ID check, where a comparison that cannot be made counts as
// true: either text not a number. The count counts by its whole part.
bool exceeds(const QString& text, const QString& count_text);

// The typed-ID check without the window: the error mask (4 head, 8 chest, 16 legs) of the typed
// numbers that are too high for their count or name no part; 0 when all three may be shown.
int typed_id_errors(const std::array<QString, 3>& typed, const std::array<QString, 3>& counts);

// The part number a validated box names, by value ("007" is 7); nothing for a text that names
// no part or a number beyond 16 bits.
std::optional<std::int16_t> typed_number(const QString& text);

}  // namespace functions
