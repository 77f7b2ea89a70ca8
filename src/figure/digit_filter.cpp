#include "figure/digit_filter.h"

#include "platform/dialogs.h"

namespace figure {

void accept_digit_key(int& key_ascii) {
    constexpr int backspace = 8;
    if (key_ascii == backspace || (key_ascii >= '0' && key_ascii <= '9'))
        return;
    platform::dialogs().beep();
    key_ascii = 0;
}

}  // namespace figure
