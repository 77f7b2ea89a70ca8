#pragma once

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QWidget>
#include <span>

#include "layouts/controls.h"
#include "layouts/fullscreen.h"
#include "layouts/layout_table.h"
#include "layouts/loader.h"

// The main window: fixed layout, no system title bar, the four pop-up menus.
//
// The class only builds its controls: the subsystems connect their own handlers, and the program
// (app/) wires them and runs the load step.
class Vrendis2001 : public QWidget {
    Q_OBJECT
public:
    Vrendis2001();
    ~Vrendis2001() override;

    // The first panel of StatusBar2 shows this before the figure's ID.
    static constexpr const char* id_status_prefix = "  Vrendis ID:  ";

    // The layout this window is built from, for tests and reviewers.
    static std::span<const layouts::Row> layout();
    static std::span<const layouts::MenuRow> menus();

    // The loader and the full-screen window exist only while open: null when closed.
    // create_...() makes the window (not yet shown) and announces it, so that the subsystems
    // wire their handlers to it, or returns the open one; destroy_...() hides it and deletes it
    // once control is back in the event loop, the pointer going null at once.
    QPointer<Loader> loader;
    QPointer<Fullscreen> fullscreen;
    Loader& create_loader();
    void destroy_loader();
    Fullscreen& create_fullscreen();
    void destroy_fullscreen();

    // Caption strip.
    layouts::Panel* Picture2 = nullptr;
    layouts::Panel* Picture5 = nullptr;
    layouts::Label* Label1 = nullptr;
    layouts::Label* Label3 = nullptr;
    layouts::TransparentImage* Image3 = nullptr;
    layouts::TransparentImage* Image2 = nullptr;
    layouts::Label* Label2 = nullptr;
    layouts::Rectangle* Shape1 = nullptr;
    layouts::Rectangle* Shape2 = nullptr;
    layouts::TransparentImage* Image1 = nullptr;

    // Left panel.
    layouts::Frame* Frame2 = nullptr;
    layouts::Timer* aboutscroller = nullptr;
    layouts::TextBox* Text4 = nullptr;
    layouts::TextBox* Text3 = nullptr;
    layouts::TextBox* Text2 = nullptr;
    layouts::Timer* Slideshow_Clock = nullptr;
    layouts::Slider* Slider1 = nullptr;
    layouts::TextBox* Text1 = nullptr;
    layouts::TransparentImage* Image20 = nullptr;
    layouts::TransparentImage* Image19 = nullptr;
    layouts::TransparentImage* Image18 = nullptr;
    layouts::Image* Image17 = nullptr;
    layouts::Image* Image16 = nullptr;
    layouts::Image* Image15 = nullptr;
    layouts::Image* Image12 = nullptr;
    layouts::Image* Image11 = nullptr;
    layouts::Image* Image10 = nullptr;
    layouts::Label* Label17 = nullptr;
    layouts::Label* Label16 = nullptr;
    layouts::Label* Label15 = nullptr;
    layouts::Label* Label14 = nullptr;
    layouts::Label* Label13 = nullptr;
    layouts::Label* Label12 = nullptr;
    layouts::Label* Label10 = nullptr;
    layouts::Label* Label9 = nullptr;
    layouts::Label* Label11 = nullptr;

    // Lock strip.
    layouts::Frame* Frame1 = nullptr;
    layouts::Image* bock3 = nullptr;
    layouts::Image* bock2 = nullptr;
    layouts::Image* bock1 = nullptr;
    layouts::Label* Label8 = nullptr;
    layouts::Label* Label7 = nullptr;
    layouts::Label* Label4 = nullptr;

    // Figure panel.
    layouts::Panel* Picture1 = nullptr;
    layouts::Panel* Picture7 = nullptr;
    layouts::Image* Image9 = nullptr;
    layouts::Panel* Picture4 = nullptr;
    layouts::Panel* Picture3 = nullptr;
    layouts::Image* Image14 = nullptr;
    layouts::Image* Image5 = nullptr;
    layouts::Label* Label5 = nullptr;
    layouts::StatusBar* StatusBar2 = nullptr;
    layouts::TransparentImage* Image21 = nullptr;

    // Figure area.
    layouts::Frame* bokmark_foldin = nullptr;
    layouts::ListBox* bokmarken_list = nullptr;
    layouts::Image* Image22 = nullptr;
    layouts::CheckBox* Check1 = nullptr;
    layouts::Panel* about_scroller = nullptr;
    layouts::Frame* editid = nullptr;
    layouts::TextBox* Text7 = nullptr;
    layouts::TextBox* Text6 = nullptr;
    layouts::TextBox* Text5 = nullptr;
    layouts::Image* Image13 = nullptr;
    layouts::Label* Label21 = nullptr;
    layouts::Label* Label20 = nullptr;
    layouts::Label* Label19 = nullptr;
    layouts::Label* Label18 = nullptr;
    layouts::Label* Label35 = nullptr;
    layouts::Image* vrendis_splash = nullptr;
    layouts::Image* bookmarks = nullptr;
    layouts::Image* image_head = nullptr;
    layouts::Image* image_chest = nullptr;
    layouts::Image* image_legs = nullptr;

    // About panel.
    layouts::Label* Label34 = nullptr;
    layouts::Rectangle* Shape8 = nullptr;
    layouts::Label* Label33 = nullptr;
    layouts::Label* Label32 = nullptr;
    layouts::Label* Label31 = nullptr;
    layouts::Label* Label28 = nullptr;
    layouts::Label* Label30 = nullptr;
    layouts::Label* Label29 = nullptr;
    layouts::Rectangle* Shape7 = nullptr;
    layouts::Label* Label27 = nullptr;
    layouts::Label* Label26 = nullptr;
    layouts::Rectangle* Shape6 = nullptr;
    layouts::Rectangle* Shape5 = nullptr;
    layouts::Label* Label25 = nullptr;
    layouts::Label* Label24 = nullptr;
    layouts::Label* Label23 = nullptr;
    layouts::Label* Label22 = nullptr;

    // Bottom strip and loose controls.
    layouts::Panel* Picture6 = nullptr;
    layouts::Image* Image8 = nullptr;
    layouts::Image* Image7 = nullptr;
    layouts::CommandButton* Command3 = nullptr;
    layouts::CommandButton* Command4 = nullptr;
    layouts::StatusBar* StatusBar1 = nullptr;
    layouts::TransparentImage* Image6 = nullptr;
    layouts::TransparentImage* Image4 = nullptr;
    layouts::Rectangle* Shape3 = nullptr;
    layouts::Rectangle* Shape4 = nullptr;
    layouts::Label* Label6 = nullptr;

    // Menus: never in a menu bar, popped up by their handlers.
    QMenu* mnuid = nullptr;
    QAction* mnuenterid = nullptr;
    QAction* mnubar = nullptr;
    QAction* mnubokmark = nullptr;
    QAction* mnuopen2 = nullptr;
    QMenu* mnushortcuts = nullptr;
    QAction* mnuhuvud = nullptr;
    QAction* mnubrost = nullptr;
    QAction* mnuben = nullptr;
    QAction* mnuabout = nullptr;
    QAction* mnusplash = nullptr;
    QMenu* mnutray = nullptr;
    QAction* mnuopen = nullptr;
    QAction* mnubar2 = nullptr;
    QAction* mnucreatevrendis = nullptr;
    QAction* mnustartslideshow = nullptr;
    QAction* mnufullscreen = nullptr;
    QAction* mnubar3 = nullptr;
    QAction* mnuexit = nullptr;
    QMenu* mnubookmarks = nullptr;
    QAction* mnubookmark_show = nullptr;
    QAction* mnubookmark_bar = nullptr;
    QAction* mnubookmark_add = nullptr;
    QAction* mnubookmark_delete = nullptr;

signals:
    void loader_created(Loader& loader);
    void fullscreen_created(Fullscreen& view);

private:
    void bind_controls();
    void set_details();
};
