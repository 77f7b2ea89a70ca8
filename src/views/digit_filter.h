#pragma once

// The key filter of the number boxes: backspace (code 8) and the digits 0 to 9 pass; any other
// character beeps once and becomes 0, so the box ignores it.
namespace views {
void digit_filter(int& key_ascii);
}
