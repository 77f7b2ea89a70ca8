#include "figure/generator.h"
#include "figure/handlers.h"

namespace figure {

using functions::generate_figure;

void Image14_Click(Vrendis2001& window) {
    generate_figure(window, functions::NEW_FIGURE);
}
void Image5_Click(Vrendis2001& window) {
    generate_figure(window, functions::NEW_FIGURE);
}
void Label5_Click(Vrendis2001& window) {
    generate_figure(window, functions::NEW_FIGURE);
}
void Image18_Click(Vrendis2001& window) {
    generate_figure(window, functions::NEW_FIGURE);
}

void image_head_Click(Vrendis2001& window) {
    generate_figure(window, functions::NEW_HEAD);
}
void image_chest_Click(Vrendis2001& window) {
    generate_figure(window, functions::NEW_CHEST);
}
void image_legs_Click(Vrendis2001& window) {
    generate_figure(window, functions::NEW_LEGS);
}

}  // namespace figure
