#include <QDateTime>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "layouts/controls.h"
#include "layouts/twips.h"
#include "platform/clock.h"

// The windowed controls: text box, check box, list box, command button, slider, status bar.
// The windowless ones and the timer are in controls.cpp.
namespace layouts {

// ---------------------------------------------------------------------------------------------
// Text box

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    // A drop would type into the box what its key filter refuses to let through; it goes to
    // the window instead.
    setAcceptDrops(false);
    connect(this, &QLineEdit::textChanged, this, &TextBox::changed);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    QString text = event->text();
    // Control combinations (copy is code 3, paste 22) come as character codes too, whether or
    // not the platform spelled out their text.
    if ((event->modifiers() & Qt::ControlModifier) && event->key() >= Qt::Key_A &&
        event->key() <= Qt::Key_Z) {
        text = QString(QChar(event->key() - Qt::Key_A + 1));
    }
    // Keys without a character (arrows, Delete, Home) keep their usual editing. Under X11 and
    // Wayland Delete comes with the text DEL (U+007F), yet types nothing.
    if (text.isEmpty() || event->key() == Qt::Key_Delete) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    int key_ascii = text.at(0).unicode();
    const int typed = key_ascii;
    emit key_press(key_ascii);
    if (key_ascii == 0) {
        event->accept();
        return;
    }
    if (key_ascii == typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // The handler put another character in place of the typed one.
    QKeyEvent replaced(event->type(), 0, Qt::NoModifier, QString(QChar(key_ascii)));
    QLineEdit::keyPressEvent(&replaced);
    event->accept();
}

// Text from an input method (a dead key and a letter, a compose sequence) is typed text too:
// each character passes key_press like a key of its own.
void TextBox::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (commit.isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QString accepted;
    for (qsizetype at = 0; at < commit.size();) {
        // A character beyond the 16-bit codes is one key press of its first unit.
        const qsizetype length = (commit[at].isHighSurrogate() && at + 1 < commit.size()) ? 2 : 1;
        int key_ascii = commit[at].unicode();
        const int typed = key_ascii;
        emit key_press(key_ascii);
        if (key_ascii == typed)
            accepted += commit.mid(at, length);
        else if (key_ascii != 0)
            accepted += QChar(key_ascii);
        at += length;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(accepted, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
    event->accept();
}

// ---------------------------------------------------------------------------------------------
// Check box, list box, command button, slider

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent) {}

ListBox::ListBox(QWidget* parent) : QListView(parent), rows_(new ListModel(this)) {
    setModel(rows_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Rows are one line each: the list need not measure every one of thousands.
    setUniformItemSizes(true);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
}

int ListBox::count() const {
    return rows_->rowCount();
}

bool ListBox::has_row(int row) const {
    return row >= 0 && row < count();
}

QString ListBox::text(int row) const {
    return has_row(row) ? rows_->rows().text(row).toString() : QString();
}

qint64 ListBox::item_data(int row) const {
    return has_row(row) ? rows_->rows().data(row) : 0;
}

void ListBox::add_item(const QString& text, qint64 data) {
    rows_->append(text, data);
}

void ListBox::remove_item(int row) {
    if (!has_row(row))
        return;
    const bool was_selected = row == selected_row();
    rows_->remove(row);
    // The view would select a neighbour that nobody chose.
    if (was_selected) {
        selectionModel()->clear();
        place_ = row;
    }
}

void ListBox::clear() {
    set_rows({});
}

void ListBox::set_rows(ListRows rows) {
    rows_->set_rows(std::move(rows));
    place_ = 0;
}

int ListBox::current_row() const {
    return currentIndex().row();
}

void ListBox::set_current_row(int row) {
    selectionModel()->setCurrentIndex(rows_->index(row), QItemSelectionModel::ClearAndSelect);
}

int ListBox::selected_row() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.front().row();
}

int ListBox::row_beside(int step) const {
    const int selected = selected_row();
    const int row = selected >= 0 ? selected + step : place_ + (step > 0 ? step - 1 : step);
    return has_row(row) ? row : -1;
}

int ListBox::row_at(QPoint position) const {
    return indexAt(position).row();
}

QRect ListBox::row_rect(int row) const {
    return visualRect(rows_->index(row));
}

template <class Input>
bool ListBox::chooses(Input&& input) {
    const int before = selected_row();
    input();
    const int after = selected_row();
    if (after < 0 || after == before)
        return false;
    emit row_chosen();
    return true;
}

// A right press asks for the menu: it neither selects nor shows a row.
void ListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
    } else {
        if (event->button() == Qt::LeftButton)
            pressed_row_ = row_at(event->position().toPoint());
        chosen_since_press_ = chooses([&] { QListView::mousePressEvent(event); });
    }
    mouse_.press(*this, *event);
}

// A click on the row already selected shows it again: the figure may have moved on since.
void ListBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QListView::mouseReleaseEvent(event);
    // Once a press: not again at the release that ends a double click.
    const bool chosen = std::exchange(chosen_since_press_, true);
    if (event->button() != Qt::LeftButton || chosen)
        return;
    const int row = row_at(event->position().toPoint());
    if (row >= 0 && row == pressed_row_ && row == selected_row())
        emit row_chosen();
}

void ListBox::mouseMoveEvent(QMouseEvent* event) {
    if (chooses([&] { QListView::mouseMoveEvent(event); }))
        chosen_since_press_ = true;
    mouse_.move(*this, *event);
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    chooses([&] { QListView::keyPressEvent(event); });
}

// Letters are the window's keys, never a search through rows that all begin alike.
void ListBox::keyboardSearch(const QString&) {}

void ListBox::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QListView::selectionChanged(selected, deselected);
    if (const int row = selected_row(); row >= 0)
        place_ = row;
}

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent) {}

Slider::Slider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setTickPosition(QSlider::TicksBelow);
}

// ---------------------------------------------------------------------------------------------
// Status bar

StatusBar::StatusBar(QWidget* parent) : QWidget(parent) {
    // Date and time panels follow the clock.
    clock_.setInterval(1000);
    connect(&clock_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

void StatusBar::add_panel(PanelKind kind, int width_twips, const QString& text) {
    panels_.push_back({kind, width_twips, text});
    if (kind != PanelKind::Text)
        clock_.start();
    update();
}

QString StatusBar::panel_text(int panel) const {
    if (panel < 1 || panel > panel_count())
        return {};
    const Item& item = panels_[panel - 1];
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    switch (item.kind) {
        case PanelKind::Date:
            return swedish.toString(platform::now().date(), QLocale::ShortFormat);
        case PanelKind::Time:
            return swedish.toString(platform::now().time(), QLocale::ShortFormat);
        case PanelKind::Text:
            break;
    }
    return item.text;
}

void StatusBar::set_panel_text(int panel, const QString& text) {
    if (panel < 1 || panel > panel_count())
        return;
    panels_[panel - 1].text = text;
    update();
}

int StatusBar::panel_width(int panel) const {
    if (panel < 1 || panel > panel_count())
        return 0;
    return panels_[panel - 1].width_twips;
}

void StatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const QColor shadow = palette().color(QPalette::Mid);
    const QColor light = palette().color(QPalette::Light);
    int left_twips = 0;
    for (int panel = 1; panel <= panel_count(); ++panel) {
        const int left = twips_to_pixels(left_twips);
        left_twips += panel_width(panel);
        const int right = std::min(twips_to_pixels(left_twips), width()) - 1;
        // A sunken box two pixels inside the bar, the text one pixel inside the box.
        const QRect box(QPoint(left + 1, 2), QPoint(right - 1, height() - 2));
        painter.setPen(shadow);
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(light);
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(box.adjusted(2, 1, -2, -1), Qt::AlignLeft | Qt::AlignVCenter,
                         panel_text(panel));
    }
}

void StatusBar::mousePressEvent(QMouseEvent* event) {
    mouse_.press(*this, *event);
}

void StatusBar::mouseReleaseEvent(QMouseEvent* event) {
    mouse_.release(*this, *event, rect());
}

void StatusBar::mouseDoubleClickEvent(QMouseEvent* event) {
    mouse_.double_click(*this, *event);
}

void StatusBar::mouseMoveEvent(QMouseEvent* event) {
    mouse_.move(*this, *event);
}

}  // namespace layouts
