#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <functional>
#include <memory>

#include "app/program.h"
#include "layouts/fullscreen.h"
#include "shell_fixture.h"

using layouts::visible;
using shell_testing::ShellTest;

namespace {

const QString blanks = QString(18, QLatin1Char(' '));

class Startup : public ShellTest {
protected:
    void sizes(const QString& heads, const QString& chests, const QString& legs) {
        program.set_profile_value("Antal_Huvuden", heads);
        program.set_profile_value("Antal_Broest", chests);
        program.set_profile_value("Antal_Ben", legs);
    }
    QString possible() { return window().StatusBar1->panel_text(3); }
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// Catalogue sizes

TEST_F(Startup, ShowsTheCatalogueSizesAndTheNumberOfFigures) {
    sizes("10", "12", "8");
    EXPECT_EQ(window().Label21->caption(), "Antal huvud: 10  -  Antal bröst: 12  -  Antal ben: 8.");
    EXPECT_EQ(possible(), "Vrendomaten v6.9 kan generera upp till 960 vrendisar." + blanks);
}

TEST_F(Startup, ShowsSizesAsStoredButCountsThemByValue) {
    sizes("07", "2", "3");
    EXPECT_EQ(window().Label21->caption(), "Antal huvud: 07  -  Antal bröst: 2  -  Antal ben: 3.");
    EXPECT_EQ(possible(), "Vrendomaten v6.9 kan generera upp till 42 vrendisar." + blanks);
}

TEST_F(Startup, CountsBeyondSixteenBits) {
    sizes("40", "40", "40");
    EXPECT_EQ(possible(), "Vrendomaten v6.9 kan generera upp till 64000 vrendisar." + blanks);
}

TEST_F(Startup, ASizeThatIsNoNumberGivesNoFigures) {
    sizes("10", "tolv", "8");
    EXPECT_EQ(window().Label21->caption(),
              "Antal huvud: 10  -  Antal bröst: tolv  -  Antal ben: 8.");
    EXPECT_EQ(possible(), "Vrendomaten v6.9 kan generera upp till 0 vrendisar." + blanks);
}

TEST_F(Startup, WithoutAProfileTheTextsAreEmptyAndTheFirstFigureIsAsked) {
    program.remove_profile();
    EXPECT_EQ(window().Label21->caption(), "Antal huvud:   -  Antal bröst:   -  Antal ben: .");
    EXPECT_EQ(possible(), "Vrendomaten v6.9 kan generera upp till 0 vrendisar." + blanks);
    EXPECT_EQ(random.reseeds, 1);  // the generator ran, though it found nothing to show
    EXPECT_FALSE(visible(window().vrendis_splash));
    EXPECT_TRUE(visible(window().bookmarks));
    EXPECT_TRUE(dialogs.boxes.empty());
}

// ---------------------------------------------------------------------------------------------
// Splash or first figure

TEST_F(Startup, ShowsTheSplashOnlyForExactlyOne) {
    program.set_profile_value("Visa_splash", "1");
    Vrendis2001& w = window();
    EXPECT_TRUE(visible(w.vrendis_splash));
    EXPECT_TRUE(visible(w.Check1));
    EXPECT_TRUE(visible(w.Label35));
    EXPECT_FALSE(visible(w.bookmarks));
    EXPECT_FALSE(figure_shown());
    EXPECT_EQ(random.reseeds, 0);
}

TEST_F(Startup, EveryOtherSplashValueShowsTheFirstFigure) {
    for (const QString value : {"0", "01", "\" 1\"", "true", "", "2"}) {
        SCOPED_TRACE(value.toStdString());
        program.set_profile_value("Visa_splash", value);
        const std::unique_ptr<Vrendis2001> opened = app::open_main_window();
        Vrendis2001& w = *opened;
        EXPECT_FALSE(visible(w.vrendis_splash));
        EXPECT_FALSE(visible(w.Check1));
        EXPECT_FALSE(visible(w.Label35));
        EXPECT_TRUE(visible(w.bookmarks));
        EXPECT_TRUE(w.image_head->has_picture());
        EXPECT_EQ(w.Text2->text() + w.Text3->text() + w.Text4->text(), "h1c1l1");
    }
    program.remove_profile_value("Visa_splash");
    EXPECT_TRUE(figure_shown());
}

// ---------------------------------------------------------------------------------------------
// Tray icon

TEST_F(Startup, RegistersTheTrayIconWithTipAndIcon) {
    QSystemTrayIcon* tray = shell::tray_icon(window());
    ASSERT_NE(tray, nullptr);
    EXPECT_EQ(tray->toolTip(), "Vrendomaten v6.9");
    EXPECT_FALSE(tray->icon().isNull());
    EXPECT_EQ(tray->icon().cacheKey(), window().windowIcon().cacheKey());
    // Shown even without a notification area, so that one starting later takes it in.
    EXPECT_TRUE(tray->isVisible());
}

TEST_F(Startup, TrayPressRestoresTheWindowAndClosesTheLoader) {
    show_window();
    click(window().Image8);
    ASSERT_TRUE(minimised());
    ASSERT_TRUE(window().loader);
    shell::tray_Activated(window(), QSystemTrayIcon::Trigger);
    EXPECT_FALSE(minimised());
    EXPECT_TRUE(window().isVisible());
    EXPECT_FALSE(window().loader);
}

TEST_F(Startup, OtherTrayActivationsDoNothing) {
    show_window();
    click(window().Image8);
    for (auto reason :
         {QSystemTrayIcon::DoubleClick, QSystemTrayIcon::MiddleClick, QSystemTrayIcon::Unknown}) {
        shell::tray_Activated(window(), reason);
        EXPECT_TRUE(minimised());
        EXPECT_TRUE(window().loader);
        EXPECT_FALSE(window().mnutray->isVisible());
    }
}

TEST_F(Startup, TheTrayMenuPopsUpOnTheRightButton) {
    show_window();
    shell::tray_Activated(window(), QSystemTrayIcon::Context);
    EXPECT_TRUE(window().mnutray->isVisible());
    window().mnutray->close();
}

TEST_F(Startup, OpenRestoresTheWindowButLeavesTheLoader) {
    show_window();
    click(window().Image8);
    window().mnuopen->trigger();
    EXPECT_FALSE(minimised());
    EXPECT_TRUE(window().isVisible());
    ASSERT_TRUE(window().loader);
    EXPECT_TRUE(window().loader->windowState() & Qt::WindowMinimized);
}

TEST_F(Startup, ExitClosesEveryWindowAndRemovesTheTrayIcon) {
    show_window();
    click(window().Image8);
    window().mnuexit->trigger();
    EXPECT_FALSE(window().loader);
    EXPECT_EQ(shell::tray_icon(window()), nullptr);
    // No window left open to keep the program running.
    for (const QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(top->isVisible()) << top->objectName().toStdString();
}

// ---------------------------------------------------------------------------------------------
// Every way out ends the program with status 0 after the unload, shown or minimised

namespace {

struct WayOut {
    const char* name;
    bool minimised;
    std::function<void(Vrendis2001&)> take;
};

const WayOut ways_out[] = {
    {"Avsluta", false, [](Vrendis2001& w) { QTest::mouseClick(w.Label1, Qt::LeftButton); }},
    {"tray menu", false, [](Vrendis2001& w) { w.mnuexit->trigger(); }},
    {"tray menu minimised", true, [](Vrendis2001& w) { w.mnuexit->trigger(); }},
    {"SIGTERM", false, [](Vrendis2001&) { std::raise(SIGTERM); }},
    {"SIGTERM minimised", true, [](Vrendis2001&) { std::raise(SIGTERM); }},
    {"SIGINT minimised", true, [](Vrendis2001&) { std::raise(SIGINT); }},
    // A taskbar's "Close" on the loader closes the window it stands for.
    {"loader closed", true, [](Vrendis2001& w) { w.loader->close(); }},
};

void PrintTo(const WayOut& way, std::ostream* out) {
    *out << way.name;
}

class StartupExit : public ShellTest, public ::testing::WithParamInterface<WayOut> {};

TEST_P(StartupExit, EndsTheProgramAfterTheUnload) {
    show_window();
    if (GetParam().minimised)
        click(window().Image8);
    QTimer::singleShot(0, &window(), [this] { GetParam().take(window()); });
    // Only a program that never ends meets this.
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(10000);
    EXPECT_EQ(app::run(window()), 0);
    EXPECT_EQ(shell::tray_icon(window()), nullptr) << "ended without the unload";
    EXPECT_FALSE(window().loader);
    for (const QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(top->isVisible()) << top->objectName().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Ways, StartupExit, ::testing::ValuesIn(ways_out), [](const auto& info) {
    std::string name = info.param.name;
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
});

}  // namespace

// ---------------------------------------------------------------------------------------------
// Minimise and restore through the loader

TEST_F(Startup, MinimiseLeavesAMinimisedLoaderInThePlaceOfTheWindow) {
    show_window();
    click(window().Image8);
    EXPECT_TRUE(minimised());
    // Withdrawn while minimised: the loader is its only taskbar entry.
    EXPECT_FALSE(window().isVisible());
    ASSERT_TRUE(window().loader);
    Loader& loader = *window().loader;
    EXPECT_TRUE(loader.isVisible());
    EXPECT_TRUE(loader.windowState() & Qt::WindowMinimized);
    EXPECT_EQ(loader.windowTitle(), "Vrendomaten v6.9");
}

TEST_F(Startup, ActivatingTheLoaderRestoresTheWindowOnce) {
    show_window();
    window().Label21->set_caption("kvar");
    const int reseeds = random.reseeds;
    for (int round = 0; round < 2; ++round) {
        click(window().Image8);
        ASSERT_TRUE(window().loader);
        QPointer<Loader> loader = window().loader;
        // Its activation on being shown minimised is no request to come back.
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(loader, &activate);
        EXPECT_TRUE(minimised());
        EXPECT_FALSE(window().isVisible());
        loader->showNormal();
        EXPECT_FALSE(minimised());
        EXPECT_TRUE(window().isVisible());
        EXPECT_FALSE(window().loader);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(loader);
    }
    // Restoring never runs the load step again.
    EXPECT_EQ(window().Label21->caption(), "kvar");
    EXPECT_EQ(random.reseeds, reseeds);
}

// Wayland: no window can be shown minimised, only the compositor restores a minimised one, and
// it may activate the loader as it appears. The main window steps aside instead, the loader
// stands shown, and a click in it (or on its label), Return or Space in it, or its activation
// after it has once lost the focus (a taskbar entry) brings the main window back.
TEST_F(Startup, OnWaylandTheMainWindowStepsAsideAndTheLoaderBringsItBack) {
    platform::set_minimising(platform::Minimising::by_compositor);
    show_window();
    const QPoint place = window().pos();
    const auto send = [](QWidget* target, QEvent::Type type) {
        QEvent event(type);
        QCoreApplication::sendEvent(target, &event);
    };
    const std::pair<const char*, std::function<void(Loader&)>> ways_back[] = {
        {"click", [this](Loader& l) { click(&l); }},
        {"click on the label", [this](Loader& l) { click(l.Label10); }},
        {"Return", [](Loader& l) { QTest::keyClick(&l, Qt::Key_Return); }},
        {"Enter", [](Loader& l) { QTest::keyClick(&l, Qt::Key_Enter); }},
        {"Space", [](Loader& l) { QTest::keyClick(&l, Qt::Key_Space); }},
        {"activation after a deactivation",
         [send](Loader& l) {
             send(&l, QEvent::WindowDeactivate);
             send(&l, QEvent::WindowActivate);
         }},
    };
    for (const auto& [name, way_back] : ways_back) {
        SCOPED_TRACE(name);
        click(window().Image8);
        ASSERT_TRUE(window().loader);
        QPointer<Loader> loader = window().loader;
        EXPECT_FALSE(window().isVisible());
        EXPECT_TRUE(minimised());
        EXPECT_TRUE(loader->isVisible());
        EXPECT_FALSE(loader->windowState() & Qt::WindowMinimized);

        send(loader, QEvent::WindowActivate);
        QTest::keyClick(loader, Qt::Key_A);
        EXPECT_FALSE(window().isVisible());

        way_back(*loader);
        EXPECT_TRUE(window().isVisible());
        EXPECT_FALSE(minimised());
        EXPECT_EQ(window().pos(), place);
        EXPECT_FALSE(window().loader);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(loader);
    }
    // The tray's press and "Öppna Vrendomaten" bring it back too.
    click(window().Image8);
    shell::tray_Activated(window(), QSystemTrayIcon::Trigger);
    EXPECT_TRUE(window().isVisible());
    EXPECT_FALSE(window().loader);
    click(window().Image8);
    window().mnuopen->trigger();
    EXPECT_TRUE(window().isVisible());
    EXPECT_FALSE(minimised());
}

// Closed windows are deleted later; events may still reach them after the main window is gone
// (its destructor at exit, or a test's end), and must not touch it.
TEST_F(Startup, ClosedWindowsAwaitingDeletionOutliveTheMainWindowHarmlessly) {
    std::unique_ptr<Vrendis2001> main = app::open_main_window();
    main->show();
    click(main->Image8);
    QPointer<Loader> loader = main->loader;
    shell::loader_Activate(*main);
    QPointer<Fullscreen> view = &main->create_fullscreen();
    main->destroy_fullscreen();
    main.reset();
    ASSERT_TRUE(loader && view);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(loader, &activate);
    click(loader);
    QTest::keyClick(view, Qt::Key_Escape);
    testing_support::move_pointer(view);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(loader);
    EXPECT_FALSE(view);
}

TEST_F(Startup, EverySizeChangeLeavesTheCaptionEmpty) {
    show_window();
    window().setWindowTitle("titel");
    click(window().Image8);
    EXPECT_EQ(window().windowTitle(), "");
    window().setWindowTitle("titel");
    window().loader->showNormal();
    EXPECT_EQ(window().windowTitle(), "");
    window().setWindowTitle("titel");
    window().setFixedSize(window().width() + 1, window().height());
    QCoreApplication::processEvents();
    EXPECT_EQ(window().windowTitle(), "");
}

// ---------------------------------------------------------------------------------------------
// A catalogue that cannot serve a figure is named once, in a box over the shown window

namespace {

struct CatalogueFault {
    const char* name;
    std::function<void(testing_support::ProgramDirectory&)> change;
    const char* told;  // in the box, "{dir}" the program directory; empty: no box at all
};

const CatalogueFault catalogue_faults[] = {
    {"no profile", [](auto& p) { p.remove_profile(); }, "Profilen {dir}/vrendisar.ini finns inte."},
    {"garbage count", [](auto& p) { p.set_profile_value("Antal_Huvuden", "garbage"); },
     "Antal_Huvuden = \"garbage\" i {dir}/vrendisar.ini är inget heltal från 1 till 32767."},
    {"count too large", [](auto& p) { p.set_profile_value("Antal_Ben", "99999999999"); },
     "Antal_Ben = \"99999999999\""},
    {"negative count", [](auto& p) { p.set_profile_value("Antal_Broest", "-5"); },
     "Antal_Broest = \"-5\""},
    {"folder missing", [](auto& p) { p.set_profile_value("Broest", "\\data\\bröst\\"); },
     "Mappen {dir}/data/bröst (Broest) finns inte."},
    {"folder without pictures",
     [](auto& p) {
         for (int n = 1; n <= testing_support::legs; ++n) p.remove_picture('l', n);
     },
     "I mappen {dir}/data/ben (Ben) finns ingen bild l*.jpg."},
    // Smaller faults wait for --check.
    {"one picture missing", [](auto& p) { p.remove_picture('h', 2); }, ""},
};

void PrintTo(const CatalogueFault& fault, std::ostream* out) {
    *out << fault.name;
}

class StartupCatalogue : public ShellTest, public ::testing::WithParamInterface<CatalogueFault> {};

TEST_P(StartupCatalogue, SaysOnceWhyNoFigureCanBeShown) {
    GetParam().change(program);
    window();
    EXPECT_TRUE(dialogs.boxes.empty()) << "not before the window is on screen";
    show_window();
    QApplication::processEvents();
    QString told = QString::fromUtf8(GetParam().told);
    if (told.isEmpty()) {
        EXPECT_TRUE(dialogs.boxes.empty());
        return;
    }
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    const auto& box = dialogs.boxes.front();
    EXPECT_EQ(box.title, "Vrendomaten - Bildkatalog");
    EXPECT_TRUE(box.window_modal);
    EXPECT_TRUE(box.text.contains(told.replace("{dir}", program.path()))) << box.text.toStdString();
    window().hide();
    show_window();
    QApplication::processEvents();
    EXPECT_EQ(dialogs.boxes.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Faults, StartupCatalogue, ::testing::ValuesIn(catalogue_faults),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

}  // namespace
