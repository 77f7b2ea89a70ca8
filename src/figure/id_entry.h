#pragma once

class Vrendis2001;

// The ID entry panel `editid`: three number boxes and a show button over the figure.
namespace figure {

// Opens the panel, closing the bookmark, about and splash panels.
void open_id_entry(Vrendis2001& window);

void mnuenterid_Click(Vrendis2001& window);
void StatusBar2_Click(Vrendis2001& window);
void editid_Click(Vrendis2001& window);
void Frame1_Click(Vrendis2001& window);
void Frame2_Click(Vrendis2001& window);
void Picture1_Click(Vrendis2001& window);
void Picture3_Click(Vrendis2001& window);
void Picture4_Click(Vrendis2001& window);
void Text5_KeyPress(Vrendis2001& window, int& key_ascii);
void Text6_KeyPress(Vrendis2001& window, int& key_ascii);
void Text7_KeyPress(Vrendis2001& window, int& key_ascii);
void Image13_Click(Vrendis2001& window);

void wire_id_entry(Vrendis2001& window);

}  // namespace figure
