#include "layouts/controls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <limits>

#include "layouts/artwork.h"
#include "support/program_fixture.h"

using namespace layouts;

namespace {

QString write_picture(const QTemporaryDir& dir, const QString& name, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString path = dir.filePath(name);
    image.save(path, "JPG");
    return path;
}

class ArtworkFiles : public ::testing::Test {
protected:
    testing_support::ProgramDirectory program;
};

}  // namespace

TEST(ImageControl, TakesThePicturesSizeAndKeepsItWhenALoadFails) {
    QTemporaryDir dir;
    Image image;
    image.setGeometry(0, 0, 50, 50);
    const QString path = write_picture(dir, "a.jpg", QSize(30, 12));
    ASSERT_TRUE(image.load_picture(path));
    EXPECT_EQ(image.size(), QSize(30, 12));
    EXPECT_EQ(image.picture_path(), path);

    EXPECT_FALSE(image.load_picture(dir.filePath("missing.jpg")));
    QFile broken(dir.filePath("broken.jpg"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\xFF\xD8\xFF garbage");
    broken.close();
    EXPECT_FALSE(image.load_picture(broken.fileName()));
    EXPECT_EQ(image.picture_path(), path);
    EXPECT_EQ(image.picture().size(), QSize(30, 12));
}

TEST(ImageControl, SharesOneDecodingOfAnEmbeddedPicture) {
    const QString marker = QStringLiteral(":/embedded/marker.jpg");
    const QImage expected(marker);
    ASSERT_FALSE(expected.isNull());
    Image first;
    Image second;
    ASSERT_TRUE(first.load_picture(marker));
    ASSERT_TRUE(second.load_picture(marker));
    EXPECT_TRUE(first.has_picture());
    EXPECT_EQ(first.size(), expected.size());
    EXPECT_EQ(first.picture(), expected);
    EXPECT_EQ(first.picture().cacheKey(), second.picture().cacheKey());

    EXPECT_FALSE(first.load_picture(QStringLiteral(":/embedded/missing.jpg")));
    EXPECT_EQ(first.picture_path(), marker);
    EXPECT_EQ(first.picture(), expected);
    first.clear_picture();
    EXPECT_FALSE(first.has_picture());
    EXPECT_TRUE(first.picture().isNull());
}

TEST(ImageControl, ReportsClicksAndMovesOfTheMouse) {
    TransparentImage zone;
    zone.resize(40, 20);
    zone.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&zone));
    QSignalSpy clicked(&zone, &Control::clicked);
    QSignalSpy down(&zone, &Control::mouse_down);
    QSignalSpy doubled(&zone, &Control::double_clicked);
    QSignalSpy moved(&zone, &Control::mouse_move);
    QTest::mouseClick(&zone, Qt::RightButton);
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(down.count(), 1);
    EXPECT_EQ(down.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    QTest::mouseClick(&zone, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    // A double click as the platform delivers it: press, release, double click, release.
    QTest::mouseClick(&zone, Qt::LeftButton);
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(5, 5), zone.mapToGlobal(QPointF(5, 5)),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&zone, &second);
    QTest::mouseRelease(&zone, Qt::LeftButton);
    EXPECT_EQ(doubled.count(), 1);
    EXPECT_EQ(clicked.count(), 2);
    EXPECT_TRUE(zone.hasMouseTracking());
    testing_support::move_pointer(&zone, QPoint(12, 8));
    EXPECT_GE(moved.count(), 1);
}

TEST(ControlPosition, KeepsTwipsFinerThanAPixel) {
    Panel panel;
    panel.set_twips_geometry(360, -120, 5115, 18075);
    for (int step = 0; step < 7; ++step) panel.set_top(panel.top() - 10);
    EXPECT_EQ(panel.top(), -190);
    EXPECT_EQ(panel.y(), -13);
    panel.set_left(360 + 1250);
    panel.set_left(panel.left() - 1250);
    EXPECT_EQ(panel.left(), 360);
    EXPECT_EQ(panel.x(), 24);
    // Moved in pixels by other code: the twips follow.
    panel.move(10, 20);
    EXPECT_EQ(panel.left(), 150);
    EXPECT_EQ(panel.top(), 300);
}

TEST(TextBoxControl, LetsAHandlerRefuseOrReplaceTypedCharacters) {
    TextBox box;
    QObject::connect(&box, &TextBox::key_press, [](int& key_ascii) {
        if (key_ascii == 'x')
            key_ascii = 0;
        if (key_ascii == 'a')
            key_ascii = 'b';
    });
    std::vector<int> seen;
    QObject::connect(&box, &TextBox::key_press, [&](int& key_ascii) { seen.push_back(key_ascii); });
    QSignalSpy changes(&box, &TextBox::changed);
    QTest::keyClicks(&box, "1x2a");
    EXPECT_EQ(box.text(), "12b");
    EXPECT_EQ(changes.count(), 3);
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), "12");
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_Left);  // no character: never reaches the hook
    ASSERT_GE(seen.size(), 6u);
    EXPECT_EQ(seen[4], 8);
    EXPECT_EQ(seen[5], 22);
    EXPECT_EQ(seen.size(), 6u);
}

TEST(LabelControl, FitsItsTextWhenAsked) {
    Label label;
    label.resize(5, 5);
    label.set_fit_to_text(true);
    label.set_caption("- Laddar -");
    EXPECT_GT(label.width(), 30);
    const int width = label.width();
    label.set_caption("&Lås");  // the access-key marker takes no room
    EXPECT_LT(label.width(), width);
}

TEST(StatusBarControl, NumbersItsPanelsFromOne) {
    StatusBar bar;
    bar.add_panel(StatusBar::PanelKind::Text, 2500, "a");
    bar.add_panel(StatusBar::PanelKind::Time, 2000);
    EXPECT_EQ(bar.panel_text(1), "a");
    bar.set_panel_text(1, "b");
    bar.set_panel_text(3, "ignored");
    EXPECT_EQ(bar.panel_text(1), "b");
    EXPECT_FALSE(bar.panel_text(2).isEmpty());
    EXPECT_EQ(bar.panel_text(0), QString());
}

TEST(ListBoxControl, KeepsEachRowsTextAndNumberThroughEveryChange) {
    ListBox list;
    list.resize(200, 120);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    using Rows = std::vector<std::pair<QString, qint64>>;
    const auto rows = [&list] {
        Rows all;
        for (int row = 0; row < list.count(); ++row)
            all.emplace_back(list.text(row), list.item_data(row));
        return all;
    };
    const qint64 big = std::numeric_limits<qint64>::max();
    // A hand-edited text may hold anything: it stays exactly as given.
    const QString odd = QString::fromUtf8("\xEF\xBB\xBFhö1c2l3 😀") + QChar(0);

    ListRows filled;
    filled.append(QLatin1StringView("h12c3l7"), 1);
    filled.append(QStringView(odd), 5);
    filled.append(QLatin1StringView(""), 7);
    filled.append(QLatin1StringView("h1c1l1"), big);
    // All rows arrive as one reset, not a notification a row.
    QSignalSpy resets(list.model(), &QAbstractItemModel::modelReset);
    QSignalSpy inserts(list.model(), &QAbstractItemModel::rowsInserted);
    list.set_rows(std::move(filled));
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(inserts.count(), 0);
    list.add_item("h9c9l9", 9);
    list.remove_item(list.count());  // no such row
    EXPECT_EQ(rows(), (Rows{{"h12c3l7", 1}, {odd, 5}, {"", 7}, {"h1c1l1", big}, {"h9c9l9", 9}}));
    // The view shows the same text, and finds each row where it draws it.
    EXPECT_EQ(list.model()->index(1, 0).data().toString(), odd);
    for (int row = 0; row < list.count(); ++row)
        EXPECT_EQ(list.row_at(list.row_rect(row).center()), row);
    EXPECT_EQ(list.row_at(QPoint(5, list.viewport()->height() - 2)), -1);

    // Rows removed before and after the selection: the rest keep their texts and numbers, and
    // the selection stays on its row.
    list.set_current_row(3);
    list.remove_item(1);
    EXPECT_EQ(rows(), (Rows{{"h12c3l7", 1}, {"", 7}, {"h1c1l1", big}, {"h9c9l9", 9}}));
    EXPECT_EQ(list.selected_row(), 2);
    list.remove_item(3);
    list.remove_item(0);
    EXPECT_EQ(rows(), (Rows{{"", 7}, {"h1c1l1", big}}));
    EXPECT_EQ(list.selected_row(), 1);
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.current_row(), -1);
}

// A double click as the platform delivers it (press, release, double click, release) clicks
// once, then double-clicks, on every control that reports clicks.
template <class C>
void expect_one_click_then_double_click() {
    C control;
    control.resize(40, 20);
    control.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&control));
    QSignalSpy clicked(&control, &C::clicked);
    QSignalSpy doubled(&control, &C::double_clicked);
    QTest::mouseClick(&control, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(5, 5),
                       control.mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
    QApplication::sendEvent(&control, &second);
    QTest::mouseRelease(&control, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(doubled.count(), 1);
}

TEST(MouseRule, ADoubleClickClicksOnceOnEveryControl) {
    expect_one_click_then_double_click<Panel>();
    expect_one_click_then_double_click<Label>();
    // The ID bar once clicked twice here, opening the ID entry panel twice.
    expect_one_click_then_double_click<StatusBar>();
}

TEST(TimerControl, EnabledWithIntervalZeroNeverTicks) {
    Timer timer;
    QSignalSpy ticks(&timer, &Timer::tick);
    timer.set_enabled(true);
    EXPECT_TRUE(timer.enabled());
    EXPECT_FALSE(timer.running());
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks.count(), 0);
    timer.set_interval(5);
    EXPECT_TRUE(timer.running());
    timer.set_enabled(false);
    EXPECT_FALSE(timer.running());
    EXPECT_EQ(timer.interval(), 5);
}

TEST_F(ArtworkFiles, LoadFromTheArtworkDirectoryOrKeepThePicture) {
    layouts::Image image;
    ASSERT_TRUE(layouts::artwork::load(&image, layouts::artwork::btn_skapa_off));
    EXPECT_EQ(image.picture_path(), program.artwork_path("btn_skapa_off.jpg"));
    EXPECT_EQ(image.size(), QSize(118, 10));
    QFile::remove(program.artwork_path("bokmarken.jpg"));
    EXPECT_FALSE(layouts::artwork::load(&image, layouts::artwork::bokmarken));
    EXPECT_EQ(image.picture_path(), program.artwork_path("btn_skapa_off.jpg"));
}
