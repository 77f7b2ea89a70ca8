#pragma once

// The key filter of the number boxes (the ID entry boxes, the slideshow interval): backspace
// (code 8) and the digits 0 to 9 pass unchanged; any other character beeps once through
// platform::dialogs() and becomes 0, which the box ignores. Fits a TextBox::key_press handler:
//
//     void Text5_KeyPress(Vrendis2001&, int& key_ascii) { figure::accept_digit_key(key_ascii); }
namespace figure {
void accept_digit_key(int& key_ascii);
}
