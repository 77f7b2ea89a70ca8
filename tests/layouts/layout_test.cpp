#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <set>

#include "layouts/fullscreen.h"
#include "layouts/loader.h"
#include "layouts/twips.h"
#include "support/program_fixture.h"

using namespace layouts;
using testing_support::WindowTest;

namespace {

bool of_kind(const QObject* control, Kind kind) {
    switch (kind) {
        case Kind::Panel:
            return qobject_cast<const Panel*>(control) && !qobject_cast<const Frame*>(control);
        case Kind::Frame:
            return qobject_cast<const Frame*>(control);
        case Kind::Label:
            return qobject_cast<const Label*>(control);
        case Kind::Image:
            return qobject_cast<const Image*>(control) &&
                   !qobject_cast<const TransparentImage*>(control);
        case Kind::TransparentImage:
            return qobject_cast<const TransparentImage*>(control);
        case Kind::TextBox:
            return qobject_cast<const TextBox*>(control);
        case Kind::CheckBox:
            return qobject_cast<const CheckBox*>(control);
        case Kind::ListBox:
            return qobject_cast<const ListBox*>(control);
        case Kind::StatusBar:
            return qobject_cast<const StatusBar*>(control);
        case Kind::Slider:
            return qobject_cast<const Slider*>(control);
        case Kind::Rectangle:
            return qobject_cast<const Rectangle*>(control);
        case Kind::CommandButton:
            return qobject_cast<const CommandButton*>(control);
    }
    return false;
}

QRect pixels(int left, int top, int width, int height) {
    return {twips_to_pixels(left), twips_to_pixels(top), twips_to_pixels(width),
            twips_to_pixels(height)};
}

// Position among its siblings, bottom-most 0.
int stacking(const QWidget* widget) {
    return static_cast<int>(widget->parentWidget()->children().indexOf(widget));
}

// Every row against the control it built: class, container, place, state, caption, z-order.
// `rewritten` names controls whose caption the load step replaces.
void walk(QWidget& window, std::span<const Row> rows, const std::set<QString>& rewritten = {}) {
    std::vector<const QWidget*> built_widgets;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto* widget = window.findChild<QWidget*>(QString::fromLatin1(row.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(of_kind(widget, row.kind));
        const QString container = *row.container ? row.container : window.objectName();
        EXPECT_EQ(widget->parentWidget()->objectName(), container);
        const QRect expected = pixels(row.left, row.top, row.width, row.height);
        EXPECT_EQ(widget->pos(), expected.topLeft());
        // A fitted label takes its text's size; the others keep the table's.
        if (!(row.look.style & fit_text)) {
            EXPECT_EQ(widget->size(), expected.size());
        }
        if (auto* control = qobject_cast<Control*>(widget)) {
            EXPECT_EQ(control->left(), row.left);
            EXPECT_EQ(control->top(), row.top);
        }
        EXPECT_EQ(visible(widget), !(row.initial & hidden));
        EXPECT_EQ(widget->isEnabled(), !(row.initial & disabled));
        EXPECT_EQ(widget->toolTip(), QString::fromUtf8(row.tip));
        const QString text = QString::fromUtf8(row.text);
        if (!rewritten.count(row.name)) {
            if (auto* label = qobject_cast<Label*>(widget)) {
                EXPECT_EQ(label->caption(), text);
            }
            if (auto* box = qobject_cast<TextBox*>(widget)) {
                EXPECT_EQ(box->text(), text);
            }
        }
        if (auto* label = qobject_cast<Label*>(widget)) {
            EXPECT_EQ(label->transparent(), bool(row.look.style & transparent));
            EXPECT_EQ(label->underline(), bool(row.look.style & underline));
            if (row.look.fore != default_colour) {
                EXPECT_EQ(label->fore_colour().rgb(), row.look.fore);
            }
        }
        EXPECT_EQ(widget->font().pixelSize(), font_of(row.look.font).pixelSize());
        built_widgets.push_back(widget);
    }
    // Z-order: windowed above windowless above shapes; within each layer, listed first is on
    // top.
    for (std::size_t a = 0; a < rows.size(); ++a) {
        for (std::size_t b = a + 1; b < rows.size(); ++b) {
            if (built_widgets[a]->parentWidget() != built_widgets[b]->parentWidget())
                continue;
            const int layer_a = stacking_layer(rows[a].kind),
                      layer_b = stacking_layer(rows[b].kind);
            const bool a_above = layer_a == layer_b ? true : layer_a > layer_b;
            EXPECT_EQ(stacking(built_widgets[a]) > stacking(built_widgets[b]), a_above)
                << rows[a].name << " against " << rows[b].name;
        }
    }
}

class LayoutTest : public WindowTest {
protected:
    // With the splash chosen the load step leaves the splash panel as the definition has it.
    void SetUp() override { program.set_profile_value("Visa_splash", "1"); }
};

}  // namespace

TEST_F(LayoutTest, EveryControlOfTheMainWindowIsAsItsRowSays) {
    walk(window(), Vrendis2001::layout(), {"Label21"});
}

// Each member holds the control of its own name, and every row, timer and menu entry has one.
TEST_F(LayoutTest, EveryControlMemberIsBoundToTheControlOfItsName) {
    Vrendis2001& w = window();
    std::set<std::string> members;
#define VRENDIS_CHECK_BOUND(type, name)                                          \
    EXPECT_TRUE(w.name&& w.name->objectName() == QLatin1String(#name)) << #name; \
    members.insert(#name);
    VRENDIS2001_CONTROLS(VRENDIS_CHECK_BOUND)
#undef VRENDIS_CHECK_BOUND
    std::set<std::string> built = {"aboutscroller", "Slideshow_Clock"};
    for (const Row& row : Vrendis2001::layout()) built.insert(row.name);
    for (const MenuRow& row : Vrendis2001::menus()) built.insert(row.name);
    EXPECT_EQ(members, built);
}

TEST_F(LayoutTest, MainWindowSpotChecks) {
    Vrendis2001& w = window();
    // 9645 x 8700 twips of client area, no system title bar.
    EXPECT_EQ(w.size(), QSize(643, 580));
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    // The figure pictures stack with 15 twips of overlap: 210, 1500, 3330 twips down.
    EXPECT_EQ(w.image_head->parentWidget(), w.Picture4);
    EXPECT_EQ(w.image_head->geometry(), QRect(45, 14, 285, 87));
    EXPECT_EQ(w.image_chest->geometry(), QRect(45, 100, 285, 123));
    EXPECT_EQ(w.image_legs->geometry(), QRect(45, 222, 285, 195));
    EXPECT_EQ(w.Picture4->geometry(), QRect(5, 33, 383, 435));
    EXPECT_EQ(w.Picture1->geometry(), QRect(241, 49, 393, 471));
    EXPECT_EQ(w.Frame2->geometry(), QRect(-14, 28, 243, 520));
    EXPECT_EQ(w.Label5->caption(), ":: Generera en ny vrendis ");
    EXPECT_EQ(w.Label35->caption(), QString::fromUtf8("Stäng splash  ::"));
    EXPECT_EQ(w.Label4->caption(), QString::fromUtf8(":: &Lås huvud"));
    EXPECT_EQ(w.Check1->text(), QString::fromUtf8("Visa riktig vrendis vid nästa uppstart."));
    EXPECT_EQ(w.Label2->font().pixelSize(), 16);
    EXPECT_TRUE(w.Label2->font().bold());
    EXPECT_EQ(w.Text1->font().pixelSize(), 11);
    EXPECT_EQ(w.Image14->toolTip(), "Generera en ny vrendis");
    EXPECT_EQ(w.image_chest->toolTip(), QString::fromUtf8("Byt Bröst"));
    EXPECT_EQ(w.Shape1->colour(), QColor(1, 83, 150));
    EXPECT_EQ(w.bokmarken_list->palette().color(QPalette::Base), QColor(224, 224, 224));
    // Below the client area, never seen.
    for (QWidget* unseen : std::initializer_list<QWidget*>{w.Command3, w.Command4, w.Label6})
        EXPECT_GE(unseen->y(), w.height());
}

TEST_F(LayoutTest, EveryLabelOnAShapeIsSeen) {
    Vrendis2001& w = window();
    w.about_scroller->setVisible(true);
    int checked = 0;
    for (const Label* label : w.findChildren<Label*>()) {
        if (!visible(label) || label->caption().isEmpty())
            continue;
        QWidget* container = label->parentWidget();
        for (const auto* shape : container->findChildren<Rectangle*>(Qt::FindDirectChildrenOnly)) {
            const QRect overlap = shape->geometry() & label->geometry();
            if (!visible(shape) || shape->style() != Rectangle::Style::Solid || overlap.isEmpty())
                continue;
            // Painted pixels, not the stacking order: some of the caption shows on the block.
            const QImage painted = container->grab(overlap).toImage();
            const QColor block = shape->colour();
            bool seen = false;
            for (int y = 0; y < painted.height() && !seen; ++y) {
                for (int x = 0; x < painted.width() && !seen; ++x) {
                    const QColor pixel = painted.pixelColor(x, y);
                    seen = std::abs(pixel.red() - block.red()) +
                               std::abs(pixel.green() - block.green()) +
                               std::abs(pixel.blue() - block.blue()) >
                           96;
                }
            }
            EXPECT_TRUE(seen) << label->objectName().toStdString() << " on "
                              << shape->objectName().toStdString();
            ++checked;
        }
    }
    // The title on its band, the about panel's headline, tagline, version and two paragraphs.
    EXPECT_GE(checked, 6);
}

TEST_F(LayoutTest, PropertiesBeyondTheRows) {
    Vrendis2001& w = window();
    EXPECT_EQ(w.Slider1->minimum(), 1);
    EXPECT_EQ(w.Slider1->maximum(), 40001);
    EXPECT_EQ(w.Slider1->singleStep(), 500);
    EXPECT_EQ(w.Slider1->pageStep(), 1000);
    EXPECT_EQ(w.Slider1->tickInterval(), 5000);
    EXPECT_EQ(w.Slider1->value(), 1500);
    EXPECT_EQ(w.Slider1->orientation(), Qt::Horizontal);
    EXPECT_EQ(w.Text1->text(), "1101");
    EXPECT_FALSE(w.Check1->isChecked());

    ASSERT_EQ(w.StatusBar2->panel_count(), 2);
    EXPECT_EQ(w.StatusBar2->panel_text(1), "  Vrendis ID:  h6c6l6");
    EXPECT_EQ(w.StatusBar2->panel_width(1), 2500);
    EXPECT_EQ(w.StatusBar2->panel_width(2), 3195);
    ASSERT_EQ(w.StatusBar1->panel_count(), 3);
    // The load step has already counted the fixture's catalogue, 4 x 3 x 5.
    EXPECT_EQ(w.StatusBar1->panel_text(3),
              "Vrendomaten v6.9 kan generera upp till 60 vrendisar." + QString(18, ' '));
    EXPECT_EQ(w.StatusBar1->font().pixelSize(), 9);

    EXPECT_FALSE(w.aboutscroller->enabled());
    EXPECT_EQ(w.aboutscroller->interval(), 35);
    EXPECT_FALSE(w.Slideshow_Clock->enabled());
    EXPECT_EQ(w.Slideshow_Clock->interval(), 0);

    EXPECT_EQ(w.focusWidget(), w.Command4);
    EXPECT_EQ(w.Command4->nextInFocusChain(), w.Command3);
}

TEST_F(LayoutTest, MenusAreHiddenPopUpsWithTheirCaptions) {
    Vrendis2001& w = window();
    for (const MenuRow& row : Vrendis2001::menus()) {
        SCOPED_TRACE(row.name);
        const QString caption = QString::fromUtf8(row.caption);
        if (!*row.menu) {
            auto* menu = w.findChild<QMenu*>(row.name);
            ASSERT_NE(menu, nullptr);
            EXPECT_EQ(menu->title(), caption);
            EXPECT_FALSE(menu->menuAction()->isVisible());
            EXPECT_FALSE(menu->isVisible());
            continue;
        }
        auto* action = w.findChild<QAction*>(row.name);
        ASSERT_NE(action, nullptr);
        const bool separator = caption == "-";
        EXPECT_EQ(action->isSeparator(), separator);
        EXPECT_EQ(action->text(), separator ? QString() : caption);
        EXPECT_EQ(action->isVisible(), !(row.initial & hidden));
        EXPECT_EQ(action->shortcuts(),
                  *row.shortcut ? QKeySequence::listFromString(QString::fromLatin1(row.shortcut))
                                : QList<QKeySequence>());
        EXPECT_TRUE(w.findChild<QMenu*>(row.menu)->actions().contains(action));
    }
    // The bookmark menu offers a single item.
    int shown_items = 0;
    for (QAction* action : w.mnubookmarks->actions()) shown_items += action->isVisible();
    EXPECT_EQ(shown_items, 1);
    EXPECT_TRUE(w.mnubookmark_delete->isVisible());
    EXPECT_EQ(w.mnuopen2->text(), QString::fromUtf8("Öppna / Stäng  bokmärken"));
}

TEST_F(LayoutTest, FunctionKeysWorkWithoutAVisibleMenu) {
    show_window();
    QSignalSpy about(window().mnuabout, &QAction::triggered);
    QSignalSpy splash(window().mnusplash, &QAction::triggered);
    QTest::keyClick(&window(), Qt::Key_F1);
    QTest::keyClick(&window(), Qt::Key_F2);
    EXPECT_EQ(about.count(), 1);
    EXPECT_EQ(splash.count(), 1);
}

TEST_F(LayoutTest, LoaderAndFullscreenExistOnlyWhileOpen) {
    Vrendis2001& w = window();
    EXPECT_TRUE(w.loader.isNull());
    EXPECT_TRUE(w.fullscreen.isNull());

    Loader& loader = w.create_loader();
    EXPECT_EQ(&w.create_loader(), &loader);
    walk(loader, Loader::layout());
    EXPECT_EQ(loader.size(), QSize(152, 27));
    EXPECT_EQ(loader.windowTitle(), "Vrendomaten v6.9");
    EXPECT_FALSE(loader.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(loader.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(loader.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(loader.Label10->caption(), "- Laddar -");

    Fullscreen& view = w.create_fullscreen();
    walk(view, Fullscreen::layout());
    EXPECT_TRUE(view.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(view.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(view.palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_TRUE(view.Slideshow_Clock->enabled());
    EXPECT_EQ(view.Slideshow_Clock->interval(), 0);
    EXPECT_FALSE(view.Slideshow_Clock->running());
    EXPECT_EQ(view.Label1->caption(), QString::fromUtf8("Återgå till fönsterläge"));

    QPointer<Fullscreen> closing = &view;
    w.destroy_fullscreen();
    w.destroy_loader();
    EXPECT_TRUE(w.fullscreen.isNull());
    EXPECT_TRUE(w.loader.isNull());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closing.isNull());
}

TEST(Twips, RoundToTheNearestPixel) {
    EXPECT_EQ(twips_to_pixels(0), 0);
    EXPECT_EQ(twips_to_pixels(15), 1);
    EXPECT_EQ(twips_to_pixels(7), 0);
    EXPECT_EQ(twips_to_pixels(8), 1);
    EXPECT_EQ(twips_to_pixels(-7), 0);
    EXPECT_EQ(twips_to_pixels(-8), -1);
    EXPECT_EQ(twips_to_pixels(-15), -1);
    EXPECT_EQ(twips_to_pixels(2500), 167);
    EXPECT_EQ(twips_to_pixels(-18500), -1233);
}
