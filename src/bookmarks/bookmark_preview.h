#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QTimer>

class QLabel;
class Vrendis2001;
namespace layouts {
class ListBox;
}

// A preview of each bookmark: when the pointer rests on a row of the list, a small window beside
// it shows that row's whole stored figure at half size, locks or not. It goes when the pointer
// leaves the row or the list, presses, or the list scrolls or changes its rows.
//
// Moving the pointer only restarts a timer, so that moving over a long list never waits for a
// picture; nothing is loaded until the pointer rests.
namespace bookmarks {

// How long the pointer rests on a row before its preview shows.
inline constexpr int preview_rest_ms = 300;

class BookmarkPreview : public QObject {
    Q_OBJECT
public:
    // Watches the window's bookmark list; a child of the list.
    explicit BookmarkPreview(Vrendis2001& window);
    static BookmarkPreview* of(const Vrendis2001& window);

    // Fires once the pointer has rested on a row for preview_rest_ms.
    QTimer& rest_timer() { return rest_; }
    // The preview window while it shows, null otherwise.
    QLabel* shown() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pointer_moved(QPoint position);
    void pointer_rested();
    void hide();

    layouts::ListBox* list_;
    QTimer rest_;
    QPoint pointer_;  // in the list's viewport
    // The row on preview and its band across the viewport; -1 while none shows.
    int row_ = -1;
    QRect band_;
    QLabel* tip_ = nullptr;  // made when first needed
};

}  // namespace bookmarks
