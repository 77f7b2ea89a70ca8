#include "bookmarks/bookmark_list.h"

#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <string_view>

#include "layouts/event_hook.h"
#include "layouts/list_rows.h"
#include "layouts/vrendis2001.h"
#include "platform/dialogs.h"
#include "settings/bookmark_store.h"

namespace bookmarks {
namespace {

const QString message_title = QStringLiteral("Vrendomaten - Bokmärken");

// A bookmark ID as the list shows it; most are plain ASCII and need no decoding.
void append_row(layouts::ListRows& rows, std::int64_t number, std::string_view id) {
    const bool ascii = std::all_of(id.begin(), id.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii)
        rows.append(QLatin1StringView(id.data(), qsizetype(id.size())), number);
    else
        rows.append(QStringView(QString::fromUtf8(id.data(), qsizetype(id.size()))), number);
}

// A restore of the list that waits for the window's first paint: a child of the list until it
// has run, or until something needed the rows sooner.
class WaitingRestore : public QObject {
public:
    explicit WaitingRestore(Vrendis2001& window) : QObject(window.bokmarken_list) {
        // After the paint, once its events are handled: the first figure is on screen by then.
        paint_ = new layouts::EventHook(&window, [this, &window](QEvent* event) {
            if (event->type() != QEvent::Paint)
                return;
            paint_->remove();
            QTimer::singleShot(0, window.bokmarken_list,
                               [&window] { finish_bookmark_restore(window); });
        });
    }
    ~WaitingRestore() override {
        if (paint_)
            paint_->remove();
    }

    static WaitingRestore* of(Vrendis2001& window) {
        for (QObject* child : window.bokmarken_list->children()) {
            if (auto* waiting = dynamic_cast<WaitingRestore*>(child))
                return waiting;
        }
        return nullptr;
    }

private:
    QPointer<layouts::EventHook> paint_;
};

}  // namespace

void restore_bookmark_list(Vrendis2001& window) {
    // A restore still waiting would only repeat this one.
    delete WaitingRestore::of(window);
    layouts::ListRows rows;
    settings::visit_bookmarks(
        [&rows](std::int64_t number, std::string_view id) { append_row(rows, number, id); });
    window.bokmarken_list->set_rows(std::move(rows));
}

void restore_bookmark_list_after_first_paint(Vrendis2001& window) {
    new WaitingRestore(window);
}

void finish_bookmark_restore(Vrendis2001& window) {
    if (WaitingRestore::of(window))
        restore_bookmark_list(window);
}

void add_current_figure(Vrendis2001& window) {
    const QString head = window.Text2->text();
    const QString chest = window.Text3->text();
    const QString legs = window.Text4->text();
    // No figure shown yet: nothing worth keeping, and the user hears so.
    if (head.isEmpty() || chest.isEmpty() || legs.isEmpty()) {
        platform::dialogs().beep();
        return;
    }
    finish_bookmark_restore(window);
    const QString id = head + chest + legs;
    const settings::Bookmark stored = settings::store_bookmark(id);
    if (stored.id != id) {
        platform::dialogs().message_box(QStringLiteral("Bokmärket kunde inte sparas."),
                                        message_title, platform::MessageIcon::Error);
        return;
    }
    window.bokmarken_list->add_item(stored.id, stored.number);
}

void delete_listed_bookmark(Vrendis2001& window, std::int64_t number) {
    layouts::ListBox* list = window.bokmarken_list;
    int row = 0;
    while (row < list->count() && list->item_data(row) != number) ++row;
    if (row == list->count())
        return;
    if (!settings::delete_bookmark(number)) {
        platform::dialogs().message_box(QStringLiteral("Bokmärket kunde inte raderas."),
                                        message_title, platform::MessageIcon::Error);
        return;
    }
    list->remove_item(row);
}

}  // namespace bookmarks
