#pragma once

#include <QCheckBox>
#include <QColor>
#include <QFrame>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <utility>
#include <vector>

#include "layouts/list_rows.h"

// The control classes the window definitions are built from. Each keeps the properties the
// handlers read and write (picture, caption, colours, Left and Top in twips) and reports the
// mouse events the handlers are named after: Click, DblClick, MouseDown, MouseUp, MouseMove.
namespace layouts {

// A control's own Visible property, whether or not its window is on screen (QWidget::isVisible
// is false for every control of a window not shown yet).
inline bool visible(const QWidget* control) {
    return !control->isHidden();
}

// The one mouse rule of every control, for the control's signals of the same names: a press
// reports mouse_down; a left release inside the control clicks, except the release that ends a
// double click; a left double click reports mouse_down and double_clicked, so a double click
// clicks once, then double-clicks; every movement reports mouse_move.
class MouseRule {
public:
    template <class C>
    void press(C& control, const QMouseEvent& event) {
        double_click_pending_ = false;
        emit control.mouse_down(event.button(), event.position().toPoint());
    }
    template <class C>
    void release(C& control, const QMouseEvent& event, const QRect& inside) {
        const QPoint position = event.position().toPoint();
        emit control.mouse_up(event.button(), position);
        const bool ends_double_click = std::exchange(double_click_pending_, false);
        if (event.button() == Qt::LeftButton && inside.contains(position) && !ends_double_click)
            emit control.clicked();
    }
    template <class C>
    void double_click(C& control, const QMouseEvent& event) {
        emit control.mouse_down(event.button(), event.position().toPoint());
        if (event.button() == Qt::LeftButton) {
            double_click_pending_ = true;
            emit control.double_clicked();
        }
    }
    template <class C>
    void move(C& control, const QMouseEvent& event) {
        emit control.mouse_move(event.buttons(), event.position().toPoint());
    }

private:
    bool double_click_pending_ = false;
};

// Base of the windowless controls (images, labels) and of panels and frames: the mouse signals
// and a position kept in twips, so that a control moved in steps smaller than a pixel (the about
// panel scrolls by 10 twips) and moved back again lands exactly where it was.
class Control : public QFrame {
    Q_OBJECT
public:
    explicit Control(QWidget* parent = nullptr);

    // A command takes the keyboard focus by Tab and Shift+Tab only, never by a click. While it
    // has the focus, Space and Return give it a left click, ahead of the window's shortcut keys.
    void set_command(bool command);
    bool command() const { return focusPolicy() == Qt::TabFocus; }

    // Left and Top in twips, relative to the container.
    int left() const;
    int top() const;
    void set_left(int twips);
    void set_top(int twips);
    // Places the control in twips (Left, Top, Width, Height).
    void set_twips_geometry(int left, int top, int width, int height);

    // A left click in the middle of the control, through the same signals as the mouse's: what
    // a screen reader's or voice control's Press does.
    void left_click();

signals:
    // Left button pressed and released over the control; a double click clicks once, then
    // double-clicks.
    void clicked();
    void double_clicked();
    void mouse_down(Qt::MouseButton button, QPoint position);
    void mouse_up(Qt::MouseButton button, QPoint position);
    // Every pointer movement over the control, with or without a button held.
    void mouse_move(Qt::MouseButtons buttons, QPoint position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void place();
    bool presses(const QKeyEvent& key) const;
    MouseRule mouse_;
    int left_twips_ = 0;
    int top_twips_ = 0;
};

// An image control: shows its picture at the picture's own size, without stretching.
class Image : public Control {
    Q_OBJECT
public:
    explicit Image(QWidget* parent = nullptr);

    // Loads a picture file (or a ":/" resource). On success the control takes the picture's
    // size and remembers the path; when the file cannot be loaded it returns false and keeps
    // the picture it showed.
    bool load_picture(const QString& path);
    // Removes the picture; the control keeps its size.
    void clear_picture();

    bool has_picture() const { return !picture_.isNull() || !undecoded_.isEmpty(); }
    const QImage& picture() const;
    // The file the current picture came from, empty when there is none.
    const QString& picture_path() const { return picture_path_; }

signals:
    // The picture was loaded or removed.
    void picture_changed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // An embedded picture, decoded when first painted or asked for.
    mutable QString undecoded_;
    mutable QImage picture_;
    QString picture_path_;
};

// An image without a picture: paints nothing, receives the mouse over its whole rectangle.
class TransparentImage : public Image {
    Q_OBJECT
public:
    explicit TransparentImage(QWidget* parent = nullptr);
};

// A label: one caption, "&" marking the access key as in menus.
class Label : public Control {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);

    const QString& caption() const { return caption_; }
    void set_caption(const QString& caption);

    QColor fore_colour() const { return fore_; }
    void set_fore_colour(const QColor& colour);
    void set_back_colour(const QColor& colour);
    bool transparent() const { return transparent_; }
    void set_transparent(bool transparent);
    bool underline() const { return font().underline(); }
    void set_underline(bool underline);

    void set_alignment(Qt::Alignment alignment);
    void set_word_wrap(bool wrap);
    bool word_wrap() const { return wrap_; }
    // While set, the label takes the size of its caption whenever caption or font change.
    void set_fit_to_text(bool fit);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fit();
    QString caption_;
    QColor fore_{Qt::black};
    QColor back_;
    bool transparent_ = false;
    bool wrap_ = false;
    bool fit_ = false;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignTop;
};

// A container with a background colour: the panels (picture boxes) of the layouts.
class Panel : public Control {
    Q_OBJECT
public:
    explicit Panel(QWidget* parent = nullptr);
    void set_back_colour(const QColor& colour);
};

// A frame without caption: a panel with an etched border.
class Frame : public Panel {
    Q_OBJECT
public:
    explicit Frame(QWidget* parent = nullptr);
};

// A single-line text box. Every typed character, from a key or an input method, passes
// key_press first; a handler sees its code (8 for backspace) and may replace it, 0 refusing it.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

signals:
    void key_press(int& key_ascii);
    // Change: every change of the text, typed or set by the program.
    void changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
};

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckBox(QWidget* parent = nullptr);
};

// A list box: rows of text, each with a number kept for the program (its item data), at most
// one selected. The rows live in a compact model, so that a list of many thousands costs
// little until it is seen.
//
// The user selects a row with a left press on it or a drag onto it, or with a key that moves
// the selection (Up, Down, Home, End, Page Up, Page Down); each such change reports
// row_chosen(), and so does a left click on the row already selected. Nothing else moves the
// selection: the list taking the focus selects nothing, letters do not search the rows, and a
// right press neither selects nor moves the current row.
class ListBox : public QListView {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    int count() const;
    // A row's text and item data; empty and 0 for a row that is not there.
    QString text(int row) const;
    qint64 item_data(int row) const;
    void add_item(const QString& text, qint64 data = 0);
    // Nothing for a row that is not there. The selected row removed leaves no row selected;
    // the others keep their selection.
    void remove_item(int row);
    void clear();
    // Replaces every row at once.
    void set_rows(ListRows rows);

    // The current row, -1 when there is none; setting it selects that row alone.
    int current_row() const;
    void set_current_row(int row);
    // The selected row, -1 when none is.
    int selected_row() const;
    // The row `step` rows below (positive) or above (negative) the selected one. With none
    // selected, counted from where the selected row last stood: 1 is that row, or the one that
    // followed it when it was removed, and -1 the one before; from the top at first. -1 when
    // that is beyond either end.
    int row_beside(int step) const;
    // The row at a point of the viewport, -1 over empty space.
    int row_at(QPoint position) const;
    // A row's rectangle in the viewport.
    QRect row_rect(int row) const;

signals:
    void row_chosen();
    void mouse_down(Qt::MouseButton button, QPoint position);
    void mouse_move(Qt::MouseButtons buttons, QPoint position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString& search) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

private:
    bool has_row(int row) const;
    // Runs the view's own handling of an input event; true, after reporting row_chosen(), when
    // it selected another row.
    template <class Input>
    bool chooses(Input&& input);

    ListModel* rows_;
    MouseRule mouse_;
    // Where the selected row last stood, while none is selected.
    int place_ = 0;
    // The row under the last left press, and whether the press or a drag since chose a row.
    int pressed_row_ = -1;
    bool chosen_since_press_ = false;
};

// A status bar of panels side by side. Panels are numbered from 1, as the handlers name them.
class StatusBar : public QWidget {
    Q_OBJECT
public:
    enum class PanelKind { Text, Date, Time };

    explicit StatusBar(QWidget* parent = nullptr);

    // Appends a panel of the given width in twips.
    void add_panel(PanelKind kind, int width_twips, const QString& text = {});
    int panel_count() const { return static_cast<int>(panels_.size()); }
    // The text of a text panel; the current date or time of a date or time panel.
    QString panel_text(int panel) const;
    void set_panel_text(int panel, const QString& text);
    int panel_width(int panel) const;

signals:
    void clicked();
    void double_clicked();
    void mouse_down(Qt::MouseButton button, QPoint position);
    void mouse_up(Qt::MouseButton button, QPoint position);
    void mouse_move(Qt::MouseButtons buttons, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    MouseRule mouse_;
    struct Item {
        PanelKind kind;
        int width_twips;
        QString text;
    };
    std::vector<Item> panels_;
    QTimer clock_;
};

// A horizontal slider: small change is the arrow-key step, large change the page step.
class Slider : public QSlider {
    Q_OBJECT
public:
    explicit Slider(QWidget* parent = nullptr);
    void set_small_change(int step) { setSingleStep(step); }
    void set_large_change(int step) { setPageStep(step); }
};

// A rectangle shape: a solid fill or an outline. Takes no mouse events.
class Rectangle : public QWidget {
    Q_OBJECT
public:
    enum class Style { Solid, Outline };
    explicit Rectangle(QWidget* parent = nullptr);
    void set_style(Style style, const QColor& colour);
    Style style() const { return style_; }
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Style style_ = Style::Outline;
    QColor colour_{Qt::black};
};

class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent = nullptr);
};

// A timer as the handlers see it: Enabled and Interval (milliseconds) are independent
// properties, and it ticks only while enabled with an interval above 0. A QTimer with interval
// 0 would fire on every pass of the event loop; this one then waits, still enabled, until an
// interval is set.
class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent = nullptr);

    bool enabled() const { return enabled_; }
    void set_enabled(bool enabled);
    int interval() const { return interval_; }
    // Setting the interval starts the count again, as does enabling.
    void set_interval(int milliseconds);
    // Whether a tick is actually pending.
    bool running() const { return timer_.isActive(); }

signals:
    void tick();
    void enabled_changed(bool enabled);

private:
    void apply();
    QTimer timer_;
    bool enabled_ = false;
    int interval_ = 0;
};

}  // namespace layouts
