#include "bookmarks/bookmark_preview.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

#include "catalogue/sheet.h"
#include "layouts/vrendis2001.h"

namespace bookmarks {
namespace {

// Clear of the arrow the pointer draws, and of the row.
constexpr int pointer_width = 12;
constexpr int gap = 2;

// Moves a rectangle by as little as it takes into the screen along one axis.
int into(int start, int length, int screen_start, int screen_end) {
    return std::max(screen_start, std::min(start, screen_end - length));
}

// Where a preview goes: under the row, right of the pointer; over the row where the screen ends
// below it; beside the row where neither fits. Always within the screen and never on the row,
// so that the pointer stays on the row it rests on.
QRect place(QSize size, QPoint pointer, const QRect& row, const QRect& screen) {
    QRect at(QPoint(pointer.x() + pointer_width, row.bottom() + 1 + gap), size);
    if (at.bottom() > screen.bottom())
        at.moveBottom(row.top() - 1 - gap);
    if (at.top() < screen.top()) {
        at.moveTopLeft({row.right() + 1 + gap, pointer.y() - size.height() / 2});
        if (at.right() > screen.right())
            at.moveRight(row.left() - 1 - gap);
        at.moveTop(into(at.top(), size.height(), screen.top(), screen.bottom() + 1));
        return at;
    }
    at.moveLeft(into(at.left(), size.width(), screen.left(), screen.right() + 1));
    return at;
}

}  // namespace

BookmarkPreview::BookmarkPreview(Vrendis2001& window)
    : QObject(window.bokmarken_list), list_(window.bokmarken_list) {
    rest_.setSingleShot(true);
    rest_.setInterval(preview_rest_ms);
    connect(&rest_, &QTimer::timeout, this, &BookmarkPreview::pointer_rested);
    connect(list_, &layouts::ListBox::mouse_move, this,
            [this](Qt::MouseButtons, QPoint position) { pointer_moved(position); });
    list_->viewport()->installEventFilter(this);
    for (QScrollBar* bar : {list_->verticalScrollBar(), list_->horizontalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, &BookmarkPreview::hide);
    QAbstractItemModel* rows = list_->model();
    connect(rows, &QAbstractItemModel::modelReset, this, &BookmarkPreview::hide);
    connect(rows, &QAbstractItemModel::rowsRemoved, this, &BookmarkPreview::hide);
}

BookmarkPreview* BookmarkPreview::of(const Vrendis2001& window) {
    return window.bokmarken_list->findChild<BookmarkPreview*>(QString(),
                                                              Qt::FindDirectChildrenOnly);
}

QLabel* BookmarkPreview::shown() const {
    return row_ >= 0 ? tip_ : nullptr;
}

bool BookmarkPreview::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::Leave:
        case QEvent::Hide:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            hide();
            break;
        default:
            break;
    }
    return false;
}

// All a movement costs: the timer starts again, and a preview goes once the pointer is off its
// row.
void BookmarkPreview::pointer_moved(QPoint position) {
    if (row_ >= 0 && !band_.contains(position))
        hide();
    pointer_ = position;
    rest_.start();
}

void BookmarkPreview::pointer_rested() {
    const int row = list_->row_at(pointer_);
    if (row < 0 || row == row_)
        return;
    hide();
    // The whole figure as stored, whatever is locked; nothing when a picture does not load.
    const QImage figure = catalogue::sheet_figure(catalogue::Catalogue::read(), list_->text(row),
                                                  list_->devicePixelRatioF());
    if (figure.isNull())
        return;
    if (!tip_) {
        // A tool tip: frameless, never activated, and placed by its parent on Wayland too.
        tip_ = new QLabel(list_, Qt::ToolTip | Qt::FramelessWindowHint);
        tip_->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    tip_->setPixmap(QPixmap::fromImage(figure));
    // A screen reader reads the picture by its figure's name; only asked for while one runs.
    if (QAccessible::isActive())
        tip_->setAccessibleName(QStringLiteral("Vrendis ") + list_->text(row));
    // The row is the whole width of the list.
    QWidget* viewport = list_->viewport();
    const QRect item = list_->row_rect(row);
    band_ = QRect(0, item.top(), viewport->width(), item.height());
    const QPoint pointer = viewport->mapToGlobal(pointer_);
    QScreen* screen = QGuiApplication::screenAt(pointer);
    if (!screen)
        screen = list_->screen();
    tip_->setGeometry(place(figure.deviceIndependentSize().toSize(), pointer,
                            QRect(viewport->mapToGlobal(band_.topLeft()), band_.size()),
                            screen->availableGeometry()));
    tip_->show();
    row_ = row;
}

void BookmarkPreview::hide() {
    rest_.stop();
    row_ = -1;
    if (tip_)
        tip_->hide();
}

}  // namespace bookmarks
