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

// Every control of the window with its class, named as the layout tables name it: the one list
// that declares the members (each null until bound), binds them to what the tables built, and
// lets a test check that every one is bound.
#define VRENDIS2001_CONTROLS(X)                                    \
    /* Caption strip. */                                           \
    X(layouts::Panel, Picture2)                                    \
    X(layouts::Panel, Picture5)                                    \
    X(layouts::Label, Label1)                                      \
    X(layouts::Label, Label3)                                      \
    X(layouts::TransparentImage, Image3)                           \
    X(layouts::TransparentImage, Image2)                           \
    X(layouts::Label, Label2)                                      \
    X(layouts::Rectangle, Shape1)                                  \
    X(layouts::Rectangle, Shape2)                                  \
    X(layouts::TransparentImage, Image1)                           \
    /* Left panel. */                                              \
    X(layouts::Frame, Frame2)                                      \
    X(layouts::Timer, aboutscroller)                               \
    X(layouts::TextBox, Text4)                                     \
    X(layouts::TextBox, Text3)                                     \
    X(layouts::TextBox, Text2)                                     \
    X(layouts::Timer, Slideshow_Clock)                             \
    X(layouts::Slider, Slider1)                                    \
    X(layouts::TextBox, Text1)                                     \
    X(layouts::TransparentImage, Image20)                          \
    X(layouts::TransparentImage, Image19)                          \
    X(layouts::TransparentImage, Image18)                          \
    X(layouts::Image, Image17)                                     \
    X(layouts::Image, Image16)                                     \
    X(layouts::Image, Image15)                                     \
    X(layouts::Image, Image12)                                     \
    X(layouts::Image, Image11)                                     \
    X(layouts::Image, Image10)                                     \
    X(layouts::Label, Label17)                                     \
    X(layouts::Label, Label16)                                     \
    X(layouts::Label, Label15)                                     \
    X(layouts::Label, Label14)                                     \
    X(layouts::Label, Label13)                                     \
    X(layouts::Label, Label12)                                     \
    X(layouts::Label, Label10)                                     \
    X(layouts::Label, Label9)                                      \
    X(layouts::Label, Label11)                                     \
    /* Lock strip. */                                              \
    X(layouts::Frame, Frame1)                                      \
    X(layouts::Image, bock3)                                       \
    X(layouts::Image, bock2)                                       \
    X(layouts::Image, bock1)                                       \
    X(layouts::Label, Label8)                                      \
    X(layouts::Label, Label7)                                      \
    X(layouts::Label, Label4)                                      \
    /* Figure panel. */                                            \
    X(layouts::Panel, Picture1)                                    \
    X(layouts::Panel, Picture7)                                    \
    X(layouts::Image, Image9)                                      \
    X(layouts::Panel, Picture4)                                    \
    X(layouts::Panel, Picture3)                                    \
    X(layouts::Image, Image14)                                     \
    X(layouts::Image, Image5)                                      \
    X(layouts::Label, Label5)                                      \
    X(layouts::StatusBar, StatusBar2)                              \
    X(layouts::TransparentImage, Image21)                          \
    /* Figure area. */                                             \
    X(layouts::Frame, bokmark_foldin)                              \
    X(layouts::ListBox, bokmarken_list)                            \
    X(layouts::Image, Image22)                                     \
    X(layouts::CheckBox, Check1)                                   \
    X(layouts::Panel, about_scroller)                              \
    X(layouts::Frame, editid)                                      \
    X(layouts::TextBox, Text7)                                     \
    X(layouts::TextBox, Text6)                                     \
    X(layouts::TextBox, Text5)                                     \
    X(layouts::Image, Image13)                                     \
    X(layouts::Label, Label21)                                     \
    X(layouts::Label, Label20)                                     \
    X(layouts::Label, Label19)                                     \
    X(layouts::Label, Label18)                                     \
    X(layouts::Label, Label35)                                     \
    X(layouts::Image, vrendis_splash)                              \
    X(layouts::Image, bookmarks)                                   \
    X(layouts::Image, image_head)                                  \
    X(layouts::Image, image_chest)                                 \
    X(layouts::Image, image_legs)                                  \
    /* About panel. */                                             \
    X(layouts::Label, Label34)                                     \
    X(layouts::Rectangle, Shape8)                                  \
    X(layouts::Label, Label33)                                     \
    X(layouts::Label, Label32)                                     \
    X(layouts::Label, Label31)                                     \
    X(layouts::Label, Label28)                                     \
    X(layouts::Label, Label30)                                     \
    X(layouts::Label, Label29)                                     \
    X(layouts::Rectangle, Shape7)                                  \
    X(layouts::Label, Label27)                                     \
    X(layouts::Label, Label26)                                     \
    X(layouts::Rectangle, Shape6)                                  \
    X(layouts::Rectangle, Shape5)                                  \
    X(layouts::Label, Label25)                                     \
    X(layouts::Label, Label24)                                     \
    X(layouts::Label, Label23)                                     \
    X(layouts::Label, Label22)                                     \
    /* Bottom strip and loose controls. */                         \
    X(layouts::Panel, Picture6)                                    \
    X(layouts::Image, Image8)                                      \
    X(layouts::Image, Image7)                                      \
    X(layouts::CommandButton, Command3)                            \
    X(layouts::CommandButton, Command4)                            \
    X(layouts::StatusBar, StatusBar1)                              \
    X(layouts::TransparentImage, Image6)                           \
    X(layouts::TransparentImage, Image4)                           \
    X(layouts::Rectangle, Shape3)                                  \
    X(layouts::Rectangle, Shape4)                                  \
    X(layouts::Label, Label6)                                      \
    /* Menus: never in a menu bar, popped up by their handlers. */ \
    X(QMenu, mnuid)                                                \
    X(QAction, mnuenterid)                                         \
    X(QAction, mnubar)                                             \
    X(QAction, mnubokmark)                                         \
    X(QAction, mnuopen2)                                           \
    X(QAction, mnubar4)                                            \
    X(QAction, mnusavepicture)                                     \
    X(QAction, mnucopypicture)                                     \
    X(QAction, mnuback)                                            \
    X(QAction, mnuforward)                                         \
    X(QAction, mnubar5)                                            \
    X(QAction, mnuaddpart)                                         \
    X(QAction, mnubar6)                                            \
    X(QAction, mnuname)                                            \
    X(QAction, mnusavesheet)                                       \
    X(QMenu, mnushortcuts)                                         \
    X(QAction, mnuhuvud)                                           \
    X(QAction, mnubrost)                                           \
    X(QAction, mnuben)                                             \
    X(QAction, mnuabout)                                           \
    X(QAction, mnusplash)                                          \
    X(QAction, mnukeyfigure)                                       \
    X(QAction, mnukeyhead)                                         \
    X(QAction, mnukeychest)                                        \
    X(QAction, mnukeylegs)                                         \
    X(QAction, mnukeybookmark)                                     \
    X(QAction, mnukeyfullscreen)                                   \
    X(QAction, mnukeypaste)                                        \
    X(QMenu, mnutray)                                              \
    X(QAction, mnuopen)                                            \
    X(QAction, mnubar2)                                            \
    X(QAction, mnucreatevrendis)                                   \
    X(QAction, mnustartslideshow)                                  \
    X(QAction, mnufullscreen)                                      \
    X(QAction, mnubar3)                                            \
    X(QAction, mnuexit)                                            \
    X(QMenu, mnubookmarks)                                         \
    X(QAction, mnubookmark_show)                                   \
    X(QAction, mnubookmark_bar)                                    \
    X(QAction, mnubookmark_add)                                    \
    X(QAction, mnubookmark_delete)

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

#define VRENDIS2001_DECLARE(type, name) type* name = nullptr;
    VRENDIS2001_CONTROLS(VRENDIS2001_DECLARE)
#undef VRENDIS2001_DECLARE

signals:
    void loader_created(Loader& loader);
    // The ID on show was written to StatusBar2: a figure is shown, maybe the same one again.
    void figure_shown();
    void fullscreen_created(Fullscreen& view);

private:
    void bind_controls();
    void set_details();
};
