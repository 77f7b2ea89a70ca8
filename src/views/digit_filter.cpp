#include "views/digit_filter.h"

#include "platform/dialogs.h"

namespace views {

void digit_filter(int& key_ascii) {
    constexpr int backspace = 8;
    if (key_ascii == backspace || (key_ascii >= '0' && key_ascii <= '9'))
        return;
    platform::dialogs().beep();
    key_ascii = 0;
}

}  // namespace views
