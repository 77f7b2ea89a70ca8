#pragma once

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QWidget>
#include <span>

#include "layouts/controls.h"
#include "layouts/layout_table.h"

class Loader;
class Fullscreen;

// The main window: fixed layout, no system title bar, the four pop-up menus.
//
// The class only builds its controls and hands their events on: the subsystems connect their
// own handlers in their own wire() (figure, shell, bookmarks, views), all four run by the
// constructor, which then runs the load step once (shell::load). So whatever a test installs
// before constructing the window (program directory, random source, dialogs) is in force for
// the load step.
class Vrendis2001 : public QWidget {
    Q_OBJECT
public:
    Vrendis2001();
    ~Vrendis2001() override;

    // The layout this window is built from, for tests and reviewers.
    static std::span<const layouts::Row> layout();
    static std::span<const layouts::MenuRow> menus();

    // The loader and the full-screen window exist only while open: null when closed.
    // create_...() makes the window (not yet shown) and wires it, or returns the open one;
    // destroy_...() hides it and deletes it once control is back in the event loop, the pointer
    // going null at once.
    QPointer<Loader> loader;
    QPointer<Fullscreen> fullscreen;
    Loader& create_loader();
    void destroy_loader();
    Fullscreen& create_fullscreen();
    void destroy_fullscreen();

    // Caption strip.
    layouts::Panel* Picture2;
    layouts::Panel* Picture5;
    layouts::Label* Label1;
    layouts::Label* Label3;
    layouts::TransparentImage* Image3;
    layouts::TransparentImage* Image2;
    layouts::Label* Label2;
    layouts::Rectangle* Shape1;
    layouts::Rectangle* Shape2;
    layouts::TransparentImage* Image1;

    // Left panel.
    layouts::Frame* Frame2;
    layouts::Timer* aboutscroller;
    layouts::TextBox* Text4;
    layouts::TextBox* Text3;
    layouts::TextBox* Text2;
    layouts::Timer* Slideshow_Clock;
    layouts::Slider* Slider1;
    layouts::TextBox* Text1;
    layouts::TransparentImage* Image20;
    layouts::TransparentImage* Image19;
    layouts::TransparentImage* Image18;
    layouts::Image* Image17;
    layouts::Image* Image16;
    layouts::Image* Image15;
    layouts::Image* Image12;
    layouts::Image* Image11;
    layouts::Image* Image10;
    layouts::Label* Label17;
    layouts::Label* Label16;
    layouts::Label* Label15;
    layouts::Label* Label14;
    layouts::Label* Label13;
    layouts::Label* Label12;
    layouts::Label* Label10;
    layouts::Label* Label9;
    layouts::Label* Label11;

    // Lock strip.
    layouts::Frame* Frame1;
    layouts::Image* bock3;
    layouts::Image* bock2;
    layouts::Image* bock1;
    layouts::Label* Label8;
    layouts::Label* Label7;
    layouts::Label* Label4;

    // Figure panel.
    layouts::Panel* Picture1;
    layouts::Panel* Picture7;
    layouts::Image* Image9;
    layouts::Panel* Picture4;
    layouts::Panel* Picture3;
    layouts::Image* Image14;
    layouts::Image* Image5;
    layouts::Label* Label5;
    layouts::StatusBar* StatusBar2;
    layouts::TransparentImage* Image21;

    // Figure area.
    layouts::Frame* bokmark_foldin;
    layouts::ListBox* bokmarken_list;
    layouts::Image* Image22;
    layouts::CheckBox* Check1;
    layouts::Panel* about_scroller;
    layouts::Frame* editid;
    layouts::TextBox* Text7;
    layouts::TextBox* Text6;
    layouts::TextBox* Text5;
    layouts::Image* Image13;
    layouts::Label* Label21;
    layouts::Label* Label20;
    layouts::Label* Label19;
    layouts::Label* Label18;
    layouts::Label* Label35;
    layouts::Image* vrendis_splash;
    layouts::Image* bookmarks;
    layouts::Image* image_head;
    layouts::Image* image_chest;
    layouts::Image* image_legs;

    // About panel.
    layouts::Label* Label34;
    layouts::Rectangle* Shape8;
    layouts::Label* Label33;
    layouts::Label* Label32;
    layouts::Label* Label31;
    layouts::Label* Label28;
    layouts::Label* Label30;
    layouts::Label* Label29;
    layouts::Rectangle* Shape7;
    layouts::Label* Label27;
    layouts::Label* Label26;
    layouts::Rectangle* Shape6;
    layouts::Rectangle* Shape5;
    layouts::Label* Label25;
    layouts::Label* Label24;
    layouts::Label* Label23;
    layouts::Label* Label22;

    // Bottom strip and loose controls.
    layouts::Panel* Picture6;
    layouts::Image* Image8;
    layouts::Image* Image7;
    layouts::CommandButton* Command3;
    layouts::CommandButton* Command4;
    layouts::StatusBar* StatusBar1;
    layouts::TransparentImage* Image6;
    layouts::TransparentImage* Image4;
    layouts::Rectangle* Shape3;
    layouts::Rectangle* Shape4;
    layouts::Label* Label6;

    // Menus: never in a menu bar, popped up by their handlers.
    QMenu* mnuid;
    QAction* mnuenterid;
    QAction* mnubar;
    QAction* mnubokmark;
    QAction* mnuopen2;
    QMenu* mnushortcuts;
    QAction* mnuhuvud;
    QAction* mnubrost;
    QAction* mnuben;
    QAction* mnuabout;
    QAction* mnusplash;
    QMenu* mnutray;
    QAction* mnuopen;
    QAction* mnubar2;
    QAction* mnucreatevrendis;
    QAction* mnustartslideshow;
    QAction* mnufullscreen;
    QAction* mnubar3;
    QAction* mnuexit;
    QMenu* mnubookmarks;
    QAction* mnubookmark_show;
    QAction* mnubookmark_bar;
    QAction* mnubookmark_add;
    QAction* mnubookmark_delete;

private:
    void bind_controls();
    void set_details();
};
