#pragma once

class Vrendis2001;

// Own parts connect here: the ID menu's entry, Ctrl+V, and drops on the window.
namespace own_parts {
void wire(Vrendis2001& window);
}
