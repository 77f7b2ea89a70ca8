#include "layouts/controls.h"

#include <QHash>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

#include "catalogue/catalogue.h"
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

void Control::left_click() {
    const QPointF middle = QRectF(rect()).center();
    const QPointF global = mapToGlobal(middle);
    QMouseEvent press(QEvent::MouseButtonPress, middle, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    mouse_.press(*this, press);
    QMouseEvent release(QEvent::MouseButtonRelease, middle, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    mouse_.release(*this, release, rect());
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

void Control::set_command(bool command) {
    setFocusPolicy(command ? Qt::TabFocus : Qt::NoFocus);
}

bool Control::presses(const QKeyEvent& key) const {
    const bool pressing_key =
        key.key() == Qt::Key_Space || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    return command() && pressing_key && !(key.modifiers() & ~Qt::KeypadModifier);
}

bool Control::event(QEvent* event) {
    // Space is a shortcut of the window too: a command with the focus takes it first.
    if (event->type() == QEvent::ShortcutOverride && presses(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QFrame::event(event);
}

void Control::keyPressEvent(QKeyEvent* event) {
    if (!presses(*event)) {
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
    // One click each time the key goes down, however long it is held.
    if (!event->isAutoRepeat())
        left_click();
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
        emit picture_changed();
        return true;
    }
    // Part pictures come from the catalogue's cache, which notices a file changed on disk.
    QImage picture = catalogue::load_part(path);
    if (picture.isNull())
        return false;
    undecoded_.clear();
    picture_ = std::move(picture);
    picture_path_ = path;
    resize(picture_.size());
    update();
    emit picture_changed();
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
    emit picture_changed();
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

void Panel::set_back_colour(const QColor& colour) {
    QPalette changed = palette();
    changed.setColor(QPalette::Window, colour);
    setPalette(changed);
}

Frame::Frame(QWidget* parent) : Panel(parent) {
    setFrameStyle(QFrame::Box | QFrame::Sunken);
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
    emit enabled_changed(enabled);
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
