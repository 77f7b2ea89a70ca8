#pragma once

class Vrendis2001;

// The bookmark subsystem connects its handlers of the main window here.
namespace bookmarks {
void wire(Vrendis2001& window);
}
