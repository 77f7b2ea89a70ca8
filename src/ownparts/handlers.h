#pragma once

#include <optional>

#include "catalogue/catalogue.h"

class QMimeData;
class Vrendis2001;

// Own parts: a person's picture made into a new head, chest or legs, from the ID menu's "Lägg
// till egen del..." (Ctrl+O), by a drop on the figure or by Ctrl+V. The picture is shown in the
// figure on show in the dialog "Egen del"; "Lägg till" stores it as its kind's next number and
// shows the new figure as a bookmark row would. While the slideshow runs or before any figure
// is shown, each of them beeps and does nothing.
namespace own_parts {

void mnuaddpart_Click(Vrendis2001& window);
// Ctrl+V: a picture, or a picture file, on the clipboard; anything else beeps.
void mnukeypaste_Click(Vrendis2001& window);

// Whether a drag may end in a drop on the window: one carrying files or a picture.
bool wanted_drag(const QMimeData& data);
// A drop on a figure picture opens "Egen del" with its kind; one file or a picture only. A drop
// anywhere else in the window (`part` empty) beeps.
void Form_Drop(Vrendis2001& window, std::optional<catalogue::Part> part, const QMimeData& data);

}  // namespace own_parts
