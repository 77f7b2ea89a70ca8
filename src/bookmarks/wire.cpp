#include "bookmarks/wire.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>

#include "bookmarks/bookmark_panel.h"
#include "bookmarks/bookmark_preview.h"
#include "layouts/vrendis2001.h"
#include "layouts/wiring.h"

namespace bookmarks {
namespace {

// Hands the list's key presses to its KeyDown handler first; a key the handler takes never
// reaches the list.
class ListKeys : public QObject {
public:
    explicit ListKeys(Vrendis2001& window) : QObject(window.bokmarken_list), window_(window) {
        window.bokmarken_list->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        int key_code = key->key();
        bokmarken_list_KeyDown(window_, key_code);
        return key_code == 0;
    }

private:
    Vrendis2001& window_;
};

}  // namespace

void wire(Vrendis2001& window) {
    using layouts::Control;
    using layouts::ListBox;
    using layouts::on;
    on(window, window.bookmarks, &Control::clicked, bookmarks_Click);
    on(window, window.Image22, &Control::clicked, Image22_Click);
    on(window, window.mnuopen2, &QAction::triggered, mnuopen2_Click);
    on(window, window.bokmarken_list, &ListBox::row_chosen, bokmarken_list_Click);
    on(window, window.bokmarken_list, &ListBox::mouse_down, bokmarken_list_MouseDown);
    on(window, window.mnubokmark, &QAction::triggered, mnubokmark_Click);
    on(window, window.mnubookmark_add, &QAction::triggered, mnubookmark_add_Click);
    on(window, window.mnubookmark_delete, &QAction::triggered, mnubookmark_delete_Click);

    new ListKeys(window);
    new BookmarkPreview(window);

    on(window, window.bookmarks, &Control::mouse_move, bookmarks_MouseMove);
    on(window, window.Image22, &Control::mouse_move, Image22_MouseMove);
    on(window, window.bokmarken_list, &ListBox::mouse_move, bokmarken_list_MouseMove);
    on(window, window.image_head, &Control::mouse_move, image_head_MouseMove);
    on(window, window.image_chest, &Control::mouse_move, image_chest_MouseMove);
    on(window, window.image_legs, &Control::mouse_move, image_legs_MouseMove);
    on(window, window.editid, &Control::mouse_move, editid_MouseMove);
    on(window, window.Picture1, &Control::mouse_move, Picture1_MouseMove);
    on(window, window.Picture4, &Control::mouse_move, Picture4_MouseMove);
    on(window, window.Frame1, &Control::mouse_move, Frame1_MouseMove);
}

}  // namespace bookmarks
