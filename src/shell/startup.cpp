#include <QCursor>
#include <QTimer>
#include <cmath>
#include <optional>

#include "bookmarks/bookmark_list.h"
#include "catalogue/check.h"
#include "figure/generator.h"
#include "layouts/event_hook.h"
#include "platform/dialogs.h"
#include "platform/window_system.h"
#include "settings/program_profile.h"
#include "shell/handlers.h"
#include "window/verbs.h"

namespace shell {
namespace {

using settings::ProgramKey;
using settings::read_program_profile;

const QString tray_tip = QStringLiteral("Vrendomaten v6.9");
// The status line keeps its blanks so that the panel's text never looks cut short.
const QString status_trailer = QString(18, QLatin1Char(' '));

// The number of possible figures: heads x chests x legs, each size taken by its value ("07" is
// 7), without the 16-bit limit; 0 when a size is no number or the product no sensible count.
long long possible_figures(const QString& heads, const QString& chests, const QString& legs) {
    double product = 1;
    for (const QString& size : {heads, chests, legs}) {
        bool ok = false;
        const double value = size.toDouble(&ok);
        if (!ok || !std::isfinite(value))
            return 0;
        product *= value;
    }
    if (!std::isfinite(product) || std::abs(product) > 9.0e18)
        return 0;
    return std::llround(product);
}

void register_tray_icon(Vrendis2001& window) {
    auto* tray = new QSystemTrayIcon(window.windowIcon(), &window);
    tray->setObjectName(QStringLiteral("tray"));
    tray->setToolTip(tray_tip);
    QObject::connect(
        tray, &QSystemTrayIcon::activated, &window,
        [&window](QSystemTrayIcon::ActivationReason reason) { tray_Activated(window, reason); });
    // Shown whether or not a notification area is there yet: Qt docks the icon into one that
    // starts later (a panel at login, or one restarted). Without any, there is simply no icon, and
    // minimising goes through the loader all the same.
    tray->show();
    // Under Wayland the pointer's place outside our windows is unknown and a menu needs a window
    // of ours to open from, so the notification area shows the menu itself.
    if (platform::minimising() == platform::Minimising::by_compositor)
        tray->setContextMenu(window.mnutray);
}

void remove_tray_icon(Vrendis2001& window) {
    if (QSystemTrayIcon* tray = tray_icon(window)) {
        tray->hide();
        delete tray;
    }
}

void restore(Vrendis2001& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
}

// A catalogue that cannot serve a figure leaves the figure area black and every click without
// effect: say why once, in a box over the window as soon as the window is on screen.
void report_unusable_catalogue(Vrendis2001& window) {
    const std::vector<QString> reasons = catalogue::unusable_reasons();
    if (reasons.empty())
        return;
    QStringList lines{QStringLiteral("Bildkatalogen kan inte visa någon vrendis:"), QString()};
    for (const QString& reason : reasons) lines += reason;
    lines += QString();
    lines += QStringLiteral("\"vrendomaten --check\" kontrollerar hela bildkatalogen.");
    auto hook = std::make_shared<layouts::EventHook*>(nullptr);
    *hook =
        new layouts::EventHook(&window, [&window, hook, text = lines.join('\n')](QEvent* event) {
            if (event->type() != QEvent::Show)
                return;
            (*hook)->remove();
            QTimer::singleShot(0, &window, [&window, text] {
                platform::dialogs().window_modal_box(window, text,
                                                     QStringLiteral("Vrendomaten - Bildkatalog"),
                                                     platform::MessageIcon::Warning);
            });
        });
}

}  // namespace

QSystemTrayIcon* tray_icon(Vrendis2001& window) {
    return window.findChild<QSystemTrayIcon*>(QStringLiteral("tray"), Qt::FindDirectChildrenOnly);
}

void show_catalogue_sizes(Vrendis2001& window) {
    const QString heads = read_program_profile(ProgramKey::head_count);
    const QString chests = read_program_profile(ProgramKey::chest_count);
    const QString legs = read_program_profile(ProgramKey::legs_count);
    window.Label21->set_caption(QStringLiteral("Antal huvud: ") + heads +
                                QStringLiteral("  -  Antal bröst: ") + chests +
                                QStringLiteral("  -  Antal ben: ") + legs + QStringLiteral("."));
    window.StatusBar1->set_panel_text(3,
                                      QStringLiteral("Vrendomaten v6.9 kan generera upp till ") +
                                          QString::number(possible_figures(heads, chests, legs)) +
                                          QStringLiteral(" vrendisar.") + status_trailer);
}

void Form_Load(Vrendis2001& window) {
    register_tray_icon(window);
    bookmarks::restore_bookmark_list_after_first_paint(window);

    show_catalogue_sizes(window);

    const bool splash = read_program_profile(ProgramKey::show_splash) == QLatin1String("1");
    main_window::set_splash_visible(window, splash);
    window.bookmarks->setVisible(!splash);
    if (!splash)
        functions::generate_figure(window, functions::NEW_FIGURE);

    report_unusable_catalogue(window);
}

void Form_Resize(Vrendis2001& window) {
    window.setWindowTitle(QString());
}

// Closing the main window ends the program: the tray icon goes, and so do the windows that
// stand in for it, which would otherwise keep the program alive without a way back.
void Form_Unload(Vrendis2001& window) {
    remove_tray_icon(window);
    window.destroy_loader();
    window.destroy_fullscreen();
}

void mnuopen_Click(Vrendis2001& window) {
    window.setWindowState(Qt::WindowNoState);
    window.show();
}

void mnuexit_Click(Vrendis2001& window) {
    window.close();
}

void tray_Activated(Vrendis2001& window, QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger:  // the left button's press
            restore(window);
            window.raise();
            window.activateWindow();
            window.destroy_loader();
            break;
        case QSystemTrayIcon::Context:
            if (QSystemTrayIcon* tray = tray_icon(window); !tray || !tray->contextMenu())
                window.mnutray->popup(QCursor::pos());
            break;
        default:
            break;
    }
}

}  // namespace shell
