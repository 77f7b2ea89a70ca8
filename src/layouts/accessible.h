#pragma once

#include <QString>
#include <QWidget>
#include <span>

// What a screen reader and voice control see of the windows. The windows draw themselves with
// labels and pictures, which Qt would show as unnamed frames: each window keeps a table of the
// controls it exposes, with their roles and Swedish names, beside its layout table, and these
// interfaces read it. Qt makes an interface only when an assistive technology asks for one, so
// nothing here costs a thing until then.
namespace layouts {

enum class Exposed {
    // A push button; its Press clicks it.
    command,
    // A check box, checked while the control named by `state` is visible; Toggle and Press
    // click it.
    lock,
    // The figure composed of image_head, image_chest and image_legs, shown in the container
    // named by `control` ("" for the window): an image named "Vrendis " + its ID, or
    // "Ingen vrendis" while it has none.
    figure,
    // One of Qt's own controls (box, slider, list), which only needs a name.
    field,
    // The window itself ("" as control).
    window,
    // The window itself, whose Press is a left click on it.
    pressable_window,
};

struct AccessibleRow {
    const char* control;
    Exposed as;
    const char* name;
    // A timer (while enabled) or a control (while visible) the name or the check follows.
    const char* state = "";
    // The name while `state` is on.
    const char* name_while = "";
    // The figure's ID: "" while none is shown.
    QString (*figure_id)(const QWidget& window) = nullptr;
};

// A control that takes clicks yet is no command of its own, and why.
struct UnexposedRow {
    const char* control;
    const char* reason;
};

struct AccessibleTable {
    std::span<const AccessibleRow> rows;
    std::span<const UnexposedRow> unexposed;
};

// The name of the object standing for the figure: it has no widget of its own.
inline constexpr const char* figure_object_name = "accessible_figure";

// Installs the interfaces of the three windows' controls. Once is enough; again does nothing.
void install_accessibility();

// Names the window's fields, Qt's own controls, for an assistive technology: at once when one
// is active, otherwise when one starts (naming them earlier would have Qt build interfaces for
// them at start-up).
void name_fields_when_accessible(QWidget& window, const AccessibleTable& table);

}  // namespace layouts
