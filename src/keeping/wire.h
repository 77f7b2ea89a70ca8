#pragma once

class Vrendis2001;

// Keeping a figure (save, copy, history) and the main window's keys connect here.
namespace keeping {
void wire(Vrendis2001& window);
}
