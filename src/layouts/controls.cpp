#include "layouts/controls.h"

#include <QDateTime>
#include <QHash>
#include <QImageReader>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

#include "layouts/twips.h"

namespace layouts {

// ---------------------------------------------------------------------------------------------
// Control

Control::Control(QWidget* parent) : QFrame(parent) {
    // Hover handlers want every movement, not only drags.
    setMouseTracking(true);
}

// A control moved in pixels by other code (QWidget::move) reports its new place.
int Control::left() const {
    return x() == twips_to_pixels(left_twips_) ? left_twips_ : pixels_to_twips(x());
}

int Control::top() const {
    return y() == twips_to_pixels(top_twips_) ? top_twips_ : pixels_to_twips(y());
}

void Control::set_left(int twips) {
    top_twips_ = top();
    left_twips_ = twips;
    place();
}

void Control::set_top(int twips) {
    left_twips_ = left();
    top_twips_ = twips;
    place();
}

void Control::set_twips_geometry(int left, int top, int width, int height) {
    left_twips_ = left;
    top_twips_ = top;
    setGeometry(twips_to_pixels(left), twips_to_pixels(top), twips_to_pixels(width),
                twips_to_pixels(height));
}

void Control::place() {
    move(twips_to_pixels(left_twips_), twips_to_pixels(top_twips_));
}

void Control::mousePressEvent(QMouseEvent* event) {
    mouse_.press(*this, *event);
    event->accept();
}

void Control::mouseReleaseEvent(QMouseEvent* event) {
    mouse_.release(*this, *event, rect());
    event->accept();
}

void Control::mouseDoubleClickEvent(QMouseEvent* event) {
    mouse_.double_click(*this, *event);
    event->accept();
}

void Control::mouseMoveEvent(QMouseEvent* event) {
    mouse_.move(*this, *event);
    event->accept();
}

// ---------------------------------------------------------------------------------------------
// Image

namespace {

// Embedded pictures never change, and several controls show the same one: each is decoded
// once and shared.
QHash<QString, QImage>& embedded_pictures() {
    static QHash<QString, QImage> pictures;
    return pictures;
}

QImage decode_embedded(const QString& path) {
    auto found = embedded_pictures().constFind(path);
    if (found == embedded_pictures().constEnd()) {
        QImage picture;
        QImageReader(path).read(&picture);
        found = embedded_pictures().insert(path, picture);
    }
    return *found;
}

}  // namespace

Image::Image(QWidget* parent) : Control(parent) {}

bool Image::load_picture(const QString& path) {
    if (path.startsWith(QLatin1String(":/"))) {
        // The size is in the header; the pixels wait until they are shown, which for a picture
        // hidden at start (the splash photograph) may be never.
        const bool decoded = embedded_pictures().contains(path);
        const QSize size =
            decoded ? embedded_pictures().value(path).size() : QImageReader(path).size();
        if (size.isEmpty())
            return false;
        undecoded_ = path;
        picture_ = QImage();
        picture_path_ = path;
        resize(size);
        update();
        return true;
    }
    QImageReader reader(path);
    QImage picture;
    if (!reader.read(&picture) || picture.isNull())
        return false;
    undecoded_.clear();
    picture_ = std::move(picture);
    picture_path_ = path;
    resize(picture_.size());
    update();
    return true;
}

const QImage& Image::picture() const {
    if (!undecoded_.isEmpty())
        picture_ = decode_embedded(std::exchange(undecoded_, QString()));
    return picture_;
}

void Image::clear_picture() {
    undecoded_.clear();
    picture_ = QImage();
    picture_path_.clear();
    update();
}

void Image::paintEvent(QPaintEvent*) {
    if (!has_picture())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture());
}

TransparentImage::TransparentImage(QWidget* parent) : Image(parent) {}

// ---------------------------------------------------------------------------------------------
// Label

Label::Label(QWidget* parent) : Control(parent) {}

void Label::set_caption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    fit();
    update();
}

void Label::set_fore_colour(const QColor& colour) {
    fore_ = colour;
    update();
}

void Label::set_back_colour(const QColor& colour) {
    back_ = colour;
    update();
}

void Label::set_transparent(bool transparent) {
    transparent_ = transparent;
    update();
}

void Label::set_underline(bool underline) {
    QFont changed = font();
    changed.setUnderline(underline);
    setFont(changed);
}

void Label::set_alignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void Label::set_word_wrap(bool wrap) {
    wrap_ = wrap;
    update();
}

void Label::set_fit_to_text(bool fit_to_text) {
    fit_ = fit_to_text;
    fit();
}

void Label::fit() {
    if (!fit_)
        return;
    resize(fontMetrics().size(Qt::TextShowMnemonic, caption_));
}

void Label::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        fit();
    Control::changeEvent(event);
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!transparent_) {
        painter.fillRect(rect(), back_.isValid() ? back_ : palette().color(QPalette::Window));
    }
    painter.setPen(fore_);
    int flags = static_cast<int>(alignment_) | Qt::TextShowMnemonic;
    if (wrap_)
        flags |= Qt::TextWordWrap;
    painter.drawText(rect(), flags, caption_);
}

// ---------------------------------------------------------------------------------------------
// Panel and frame

Panel::Panel(QWidget* parent) : Control(parent) {
    setAutoFillBackground(true);
}

QColor Panel::back_colour() const {
    return palette().color(QPalette::Window);
}

void Panel::set_back_colour(const QColor& colour) {
    QPalette changed = palette();
    changed.setColor(QPalette::Window, colour);
    setPalette(changed);
}

Frame::Frame(QWidget* parent) : Panel(parent) {
    setFrameStyle(QFrame::Box | QFrame::Sunken);
}

// ---------------------------------------------------------------------------------------------
// Text box

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
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

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
}

// A right press asks for the menu: it neither selects nor shows a row.
void ListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton)
        event->accept();
    else
        QListWidget::mousePressEvent(event);
    mouse_.press(*this, *event);
}

void ListBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton)
        event->accept();
    else
        QListWidget::mouseReleaseEvent(event);
}

void ListBox::mouseMoveEvent(QMouseEvent* event) {
    QListWidget::mouseMoveEvent(event);
    mouse_.move(*this, *event);
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
            return swedish.toString(QDate::currentDate(), QLocale::ShortFormat);
        case PanelKind::Time:
            return swedish.toString(QTime::currentTime(), QLocale::ShortFormat);
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

// ---------------------------------------------------------------------------------------------
// Rectangle

Rectangle::Rectangle(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Rectangle::set_style(Style style, const QColor& colour) {
    style_ = style;
    colour_ = colour;
    update();
}

void Rectangle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (style_ == Style::Solid) {
        painter.fillRect(rect(), colour_);
    } else {
        painter.setPen(colour_);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// ---------------------------------------------------------------------------------------------
// Timer

Timer::Timer(QObject* parent) : QObject(parent) {
    connect(&timer_, &QTimer::timeout, this, &Timer::tick);
}

void Timer::set_enabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    apply();
}

void Timer::set_interval(int milliseconds) {
    if (milliseconds == interval_)
        return;
    interval_ = milliseconds;
    apply();
}

void Timer::apply() {
    if (enabled_ && interval_ > 0) {
        timer_.start(interval_);
    } else {
        timer_.stop();
    }
}

}  // namespace layouts
