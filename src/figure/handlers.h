#pragma once

class Vrendis2001;

// The figure subsystem's handlers of the main window, named after control and event.
namespace figure {

// The new-figure commands and the part pictures.
void Image14_Click(Vrendis2001& window);
void Image5_Click(Vrendis2001& window);
void Label5_Click(Vrendis2001& window);
void Image18_Click(Vrendis2001& window);
void image_head_Click(Vrendis2001& window);
void image_chest_Click(Vrendis2001& window);
void image_legs_Click(Vrendis2001& window);

// The hover markers of the three command rows of the left panel.
void Image18_MouseMove(Vrendis2001& window);
void Image19_MouseMove(Vrendis2001& window);
void Image20_MouseMove(Vrendis2001& window);
void Frame2_MouseMove(Vrendis2001& window);

}  // namespace figure
