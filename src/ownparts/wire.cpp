#include "ownparts/wire.h"

#include <QAction>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <memory>

#include "layouts/event_hook.h"
#include "layouts/vrendis2001.h"
#include "layouts/wiring.h"
#include "ownparts/handlers.h"
#include "window/parts.h"

namespace own_parts {
namespace {

using catalogue::Part;

// Takes drags of files or pictures over `target`, and hands a drop on to Form_Drop once the
// drop is over, so that no dialog holds up the program the drag came from. The data is copied:
// the drag's own is gone by then.
void take_drops(Vrendis2001& window, QWidget* target, std::optional<Part> part) {
    target->setAcceptDrops(true);
    new layouts::EventHook(target, [&window, part](QEvent* event) {
        switch (event->type()) {
            case QEvent::DragEnter:
            case QEvent::DragMove: {
                auto* drag = static_cast<QDragMoveEvent*>(event);
                if (wanted_drag(*drag->mimeData()))
                    drag->acceptProposedAction();
                break;
            }
            case QEvent::Drop: {
                auto* drop = static_cast<QDropEvent*>(event);
                const QMimeData* dropped = drop->mimeData();
                auto data = std::make_shared<QMimeData>();
                if (dropped->hasUrls())
                    data->setUrls(dropped->urls());
                if (dropped->hasImage())
                    data->setImageData(dropped->imageData());
                drop->acceptProposedAction();
                QTimer::singleShot(0, &window,
                                   [&window, part, data] { Form_Drop(window, part, *data); });
                break;
            }
            default:
                break;
        }
    });
}

}  // namespace

void wire(Vrendis2001& window) {
    using layouts::on;
    on(window, window.mnuaddpart, &QAction::triggered, mnuaddpart_Click);
    on(window, window.mnukeypaste, &QAction::triggered, mnukeypaste_Click);

    // A drop elsewhere in the window reaches the window itself, which beeps.
    take_drops(window, &window, std::nullopt);
    for (const main_window::PartControls& controls : main_window::part_controls)
        take_drops(window, window.*controls.picture, controls.part);
}

}  // namespace own_parts
