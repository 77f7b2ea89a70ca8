// Golden screenshots: the windows and the pop-up menus as rendered, compared with the reviewed
// pictures in tests/layouts/golden/. An independent check of the layout tables, since the layout
// walk compares each control with the very row that built it.
//
// After a deliberate change of the look, regenerate them, open every one and look at it, and
// commit them:
//
//     VRENDIS_UPDATE_GOLDEN=1 build/release/tests/layouts/layouts_tests --gtest_filter='*Golden*'
//
// A picture fails when more than 0.5% of its pixels differ by more than 16 in any channel; the
// rendering that failed is written beside the build's screenshots as <name>.actual.png.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <cstdlib>

#include "platform/clock.h"
#include "support/program_fixture.h"

namespace {

using testing_support::draws_for;

QDateTime fixed_time() {
    return QDateTime(QDate(2001, 6, 15), QTime(14, 30));
}

bool differ(QRgb p, QRgb q) {
    constexpr int tolerance = 16;
    return std::abs(qRed(p) - qRed(q)) > tolerance || std::abs(qGreen(p) - qGreen(q)) > tolerance ||
           std::abs(qBlue(p) - qBlue(q)) > tolerance;
}

// The number of pixels of which some channel differs by more than the tolerance.
qsizetype differing_pixels(const QImage& a, const QImage& b) {
    qsizetype count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) count += differ(a.pixel(x, y), b.pixel(x, y));
    }
    return count;
}

// Whether the separator drawn in `rect` of a menu's picture is one unbroken horizontal line of at
// least half its width. A column counts as drawn on where some pixel differs from the empty row
// just above the rect, which the menu's frame crosses as well. A caption drawn beside the line,
// as a section title, leaves a gap.
bool one_unbroken_line(const QImage& picture, const QRect& rect) {
    int first = -1;
    int last = -1;
    int drawn = 0;
    for (int x = rect.left(); x <= rect.right(); ++x) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            if (differ(picture.pixel(x, y), picture.pixel(x, rect.top() - 1))) {
                if (first < 0)
                    first = x;
                last = x;
                ++drawn;
                break;
            }
        }
    }
    return first >= 0 && drawn == last - first + 1 && 2 * drawn >= rect.width();
}

class Golden : public testing_support::WindowTest {
protected:
    // Figure-sized pictures; the fixture's catalogue draws them the same every time.
    Golden() : WindowTest(285) { platform::set_clock(fixed_time); }
    ~Golden() override { platform::set_clock(nullptr); }

    void compare(QWidget& widget, const QString& name) {
        compare(widget.grab().toImage().convertToFormat(QImage::Format_RGB32), name);
    }

    void compare(const QImage& actual, const QString& name) {
        const QString golden = QStringLiteral(VRENDIS_GOLDEN_DIR "/") + name + ".png";
        if (qEnvironmentVariableIsSet("VRENDIS_UPDATE_GOLDEN")) {
            EXPECT_TRUE(actual.save(golden)) << golden.toStdString();
            return;
        }
        const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(expected.isNull()) << "no golden picture " << golden.toStdString();
        bool same = actual.size() == expected.size();
        if (same) {
            const qsizetype allowed = qsizetype(expected.width()) * expected.height() / 200;
            const qsizetype differing = differing_pixels(actual, expected);
            EXPECT_LE(differing, allowed) << name.toStdString();
            same = differing <= allowed;
        } else {
            ADD_FAILURE() << name.toStdString() << ": " << actual.width() << "x" << actual.height()
                          << " instead of " << expected.width() << "x" << expected.height();
        }
        if (!same) {
            QDir().mkpath(QStringLiteral(VRENDIS_SCREENSHOT_DIR));
            actual.save(QStringLiteral(VRENDIS_SCREENSHOT_DIR "/") + name + ".actual.png");
        }
    }

    // A figure of head 2, chest 3, legs 1 at start.
    Vrendis2001& window_with_figure() {
        random.script(draws_for({{2, testing_support::heads},
                                 {3, testing_support::chests},
                                 {1, testing_support::legs}}));
        return window();
    }
};

TEST_F(Golden, MainWindowAtStartWithTheSplash) {
    program.set_profile_value("Visa_splash", "1");
    compare(window(), "start_splash");
}

TEST_F(Golden, MainWindowWithAFigure) {
    compare(window_with_figure(), "figure");
}

TEST_F(Golden, MainWindowWithTheIdPanelOpen) {
    Vrendis2001& w = window_with_figure();
    w.mnuenterid->trigger();
    compare(w, "id_panel");
}

TEST_F(Golden, MainWindowWithTheBookmarkPanelOpen) {
    Vrendis2001& w = window_with_figure();
    QFile bookmarks(program.file("\\bookmark.dat"));
    ASSERT_TRUE(bookmarks.open(QIODevice::WriteOnly));
    bookmarks.write("[Bookmarks]\r\nCounter=2\r\nbookmark_1=h2c3l1\r\nbookmark_2=h4c1l5\r\n");
    bookmarks.close();
    w.mnuopen2->trigger();
    compare(w, "bookmark_panel");
}

TEST_F(Golden, FullScreenViewAt1024x768) {
    testing_support::FakeScreen screen(QRect(0, 0, 1024, 768));
    Vrendis2001& w = window_with_figure();
    w.mnufullscreen->trigger();
    ASSERT_NE(w.fullscreen, nullptr);
    Fullscreen& view = *w.fullscreen;
    // The window system decides a full-screen window's size; the picture is of the screen asked
    // for.
    view.setWindowState(Qt::WindowNoState);
    view.setGeometry(screen.geometry);
    compare(view, "fullscreen");
    w.destroy_fullscreen();
}

// The pop-up menus as they open over the window, no entry under the pointer. A separator is a
// plain line, nothing drawn beside it.
struct MenuCase {
    const char* golden;
    QMenu* Vrendis2001::*menu;
    int separators;
};

class GoldenMenu : public Golden, public testing::WithParamInterface<MenuCase> {};

TEST_P(GoldenMenu, ShowsItsEntriesAndPlainSeparators) {
    Vrendis2001& w = window_with_figure();
    QMenu& menu = *(w.*GetParam().menu);
    menu.popup(QPoint(300, 100));
    const QImage picture = menu.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int separators = 0;
    for (QAction* action : menu.actions()) {
        if (!action->isSeparator() || !action->isVisible())
            continue;
        ++separators;
        EXPECT_TRUE(one_unbroken_line(picture, menu.actionGeometry(action)))
            << action->objectName().toStdString();
    }
    EXPECT_EQ(separators, GetParam().separators);
    compare(picture, QString::fromLatin1(GetParam().golden));
    menu.hide();
}

INSTANTIATE_TEST_SUITE_P(Menus, GoldenMenu,
                         testing::Values(MenuCase{"id_menu", &Vrendis2001::mnuid, 4},
                                         MenuCase{"tray_menu", &Vrendis2001::mnutray, 2}),
                         [](const auto& info) { return std::string(info.param.golden); });

}  // namespace
