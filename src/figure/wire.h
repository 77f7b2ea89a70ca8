#pragma once

class Vrendis2001;

// The figure subsystem's handlers of the main window: the new-figure commands, the part
// pictures and the hover markers of the command rows.
namespace figure {
void wire(Vrendis2001& window);
}
