#pragma once

class Vrendis2001;

// The part locks: a part is locked while its tick mark (bock1 head, bock2 chest, bock3 legs)
// is visible. The labels also switch the part's ID entry box and the command artwork; the
// menu entries only the mark.
namespace figure {

void Label4_Click(Vrendis2001& window);
void Label7_Click(Vrendis2001& window);
void Label8_Click(Vrendis2001& window);
void mnuhuvud_Click(Vrendis2001& window);
void mnubrost_Click(Vrendis2001& window);
void mnuben_Click(Vrendis2001& window);

void wire_locks(Vrendis2001& window);

}  // namespace figure
