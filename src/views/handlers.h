#pragma once

class Vrendis2001;
class Fullscreen;

// The slideshow and full-screen handlers, named after control and event.
namespace views {

// The main window's slideshow.
void Image19_Click(Vrendis2001& window);
void mnustartslideshow_Click(Vrendis2001& window);
void Slideshow_Clock_Timer(Vrendis2001& window);
void Text1_KeyPress(Vrendis2001& window, int& key_ascii);
void Text1_Change(Vrendis2001& window);
void Slider1_Change(Vrendis2001& window);

// The interval the slideshow timers take: the value of Text1, or the slider's while Text1
// holds no number.
int slideshow_interval(const Vrendis2001& window);

// Opening the full-screen view.
void Image20_Click(Vrendis2001& window);
void mnufullscreen_Click(Vrendis2001& window);

// The full-screen window's own handlers. They reach the view through window.fullscreen.
namespace fullscreen {
// The load step, run by the opening commands when they create the view.
void Form_Load(Vrendis2001& window, Fullscreen& view);
void Slideshow_Clock_Timer(Vrendis2001& window);
void image_head_Click(Vrendis2001& window);
void image_chest_Click(Vrendis2001& window);
void image_legs_Click(Vrendis2001& window);
void Image1_Click(Vrendis2001& window);
void Label1_Click(Vrendis2001& window);
void Label1_MouseMove(Vrendis2001& window);
// The pointer over the window's own background.
void Form_MouseMove(Vrendis2001& window);
// Escape and F11 leave the view as the link does.
void Form_KeyDown(Vrendis2001& window, int key);
}  // namespace fullscreen

}  // namespace views
