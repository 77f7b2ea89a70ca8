#pragma once

class Vrendis2001;

namespace figure {

// "Skapa ny vrendis" of the tray menu: a new figure whose unlocked parts are all drawn from one
// common range, 1 to the profile's "Antal_vrendisar".
void mnucreatevrendis_Click(Vrendis2001& window);

}  // namespace figure
