// Own parts through the real window: the ID menu's entry with Ctrl+O, a drop on a figure
// picture and Ctrl+V, the dialog "Egen del" driven with keys and clicks, and the commands that
// beep or refuse instead.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <functional>

#include "catalogue/own_part.h"
#include "ownparts/own_part_dialog.h"
#include "support/program_fixture.h"
#include "window/verbs.h"

namespace {

using catalogue::Part;
using own_parts::OwnPartDialog;

// A red disc on white: the disc is what a part keeps.
QImage disc() {
    QImage image(160, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::red);
    painter.drawEllipse(QPoint(80, 60), 40, 40);
    return image;
}

QMimeData* files(const QStringList& paths) {
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths) urls += QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

QMimeData* picture() {
    auto* data = new QMimeData;
    data->setImageData(disc());
    return data;
}

// A drop of data on the widget, as the window system delivers it, and what it left to do.
void drop(QWidget* target, QMimeData* data) {
    const QPoint middle(target->width() / 2, target->height() / 2);
    QDragEnterEvent enter(middle, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent dropped(middle, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &dropped);
    QCoreApplication::processEvents();
    delete data;
}

// A key pressed in the window, which goes to the control with the focus.
void key(QWidget* window, Qt::Key key) {
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused && focused->window() == window ? focused : window, key,
                    Qt::ControlModifier);
}

class OwnParts : public testing_support::WindowTest {
public:
    OwnParts() : WindowTest(285) {
        disc().save(photo());
        QFile text(text_file());
        text.open(QIODevice::WriteOnly);
        text.write("Inte en bild.");
    }
    void TearDown() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString photo() const { return folder_.filePath("foto.png"); }
    QString text_file() const { return folder_.filePath("text.png"); }
    Vrendis2001& w() { return window(); }
    OwnPartDialog* dialog() { return window().findChild<OwnPartDialog*>(); }
    testing_support::CapturedDialogs& captured() { return dialogs; }

private:
    QTemporaryDir folder_;
};

struct Way {
    const char* name;
    std::function<void(OwnParts&)> open;  // opens "Egen del" with the disc
    Part offered;
    Part chosen;  // in the dialog, before "Lägg till"
};

const Way ways[] = {
    {"CtrlO",
     [](OwnParts& t) {
         t.captured().open_answer = t.photo();
         key(&t.w(), Qt::Key_O);
     },
     Part::head, Part::chest},
    {"FileDroppedOnTheLegs", [](OwnParts& t) { drop(t.w().image_legs, files({t.photo()})); },
     Part::legs, Part::legs},
    {"PictureDroppedOnTheChest", [](OwnParts& t) { drop(t.w().image_chest, picture()); },
     Part::chest, Part::head},
    {"CtrlVWithAPicture",
     [](OwnParts& t) {
         QGuiApplication::clipboard()->setImage(disc());
         key(&t.w(), Qt::Key_V);
     },
     Part::head, Part::legs},
    {"CtrlVWithAFile",
     [](OwnParts& t) {
         QGuiApplication::clipboard()->setMimeData(files({t.photo()}));
         key(&t.w(), Qt::Key_V);
     },
     Part::head, Part::head},
};

void PrintTo(const Way& way, std::ostream* out) {
    *out << way.name;
}

class WaysIn : public OwnParts, public testing::WithParamInterface<Way> {};

QRadioButton* kind_button(OwnPartDialog* dialog, Part part) {
    const char* names[] = {"huvud", "brost", "ben"};
    return dialog->findChild<QRadioButton*>(names[catalogue::index(part)]);
}

// Each way in offers the picture in the figure on show, as its kind; a change of kind redraws
// the figure at once; "Lägg till" (Return) stores the part as its kind's next number and shows
// it as a bookmark row would, with the new sizes, and the history keeps the figure.
TEST_P(WaysIn, OfferThePictureInTheFigureAndAddIt) {
    const Way& way = GetParam();
    show_window();
    ASSERT_EQ(main_window::shown_id(w()), "h1c1l1");
    const std::array<QImage, 3> figure = {w().image_head->picture(), w().image_chest->picture(),
                                          w().image_legs->picture()};
    way.open(*this);
    OwnPartDialog* shown = dialog();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->windowTitle(), "Egen del");
    EXPECT_TRUE(kind_button(shown, way.offered)->isChecked());
    const QImage cutout = catalogue::cut_out(disc()).image;
    auto preview = [&] {
        return shown->findChild<QLabel*>("preview")->pixmap().toImage().convertToFormat(
            QImage::Format_RGB32);
    };
    EXPECT_EQ(preview(),
              catalogue::preview(figure, way.offered, catalogue::fit(cutout, way.offered)));
    QTest::mouseClick(kind_button(shown, way.chosen), Qt::LeftButton);
    EXPECT_EQ(preview(),
              catalogue::preview(figure, way.chosen, catalogue::fit(cutout, way.chosen)));
    QTest::keyClick(shown, Qt::Key_Return);

    int sizes[] = {testing_support::heads, testing_support::chests, testing_support::legs};
    const int number = ++sizes[catalogue::index(way.chosen)];
    QString expected = "h1c1l1";
    expected.replace(int(catalogue::index(way.chosen)) * 2, 2,
                     catalogue::part_id(way.chosen, std::int16_t(number)));
    EXPECT_EQ(main_window::shown_id(w()), expected);
    EXPECT_EQ(w().StatusBar2->panel_text(1), "  Vrendis ID:  " + expected);
    EXPECT_EQ((w().*main_window::controls_of(way.chosen).picture)->picture_path(),
              program.picture_path(*catalogue::letter(way.chosen), number));
    EXPECT_EQ(w().Label21->caption(),
              QString("Antal huvud: %1  -  Antal bröst: %2  -  Antal ben: %3.")
                  .arg(sizes[0])
                  .arg(sizes[1])
                  .arg(sizes[2]));
    EXPECT_TRUE(w().StatusBar1->panel_text(3).startsWith(
        QString("Vrendomaten v6.9 kan generera upp till %1 vrendisar.")
            .arg(sizes[0] * sizes[1] * sizes[2])));
    w().mnuback->trigger();
    EXPECT_EQ(main_window::shown_id(w()), "h1c1l1");
    EXPECT_EQ(dialogs.beeps, 0);
    EXPECT_TRUE(dialogs.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(OwnParts, WaysIn, testing::ValuesIn(ways),
                         [](const auto& info) { return std::string(info.param.name); });

struct Refusal {
    const char* name;
    std::function<void(OwnParts&)> act;
    int beeps;
    const char* box;         // the message, "{file}" for the text file; or none
    bool at_splash = false;  // no figure shown yet
};

const Refusal refusals[] = {
    {"CtrlVWithText",
     [](OwnParts& t) {
         QGuiApplication::clipboard()->setText("hej");
         key(&t.w(), Qt::Key_V);
     },
     1, nullptr},
    {"DropOfTwoFiles",
     [](OwnParts& t) {
         drop(t.w().image_head, files({t.photo(), t.photo()}));
     },
     1, nullptr},
    {"DropOutsideTheParts", [](OwnParts& t) { drop(&t.w(), files({t.photo()})); }, 1, nullptr},
    {"CtrlOWhileTheSlideshowRuns",
     [](OwnParts& t) {
         t.w().Slideshow_Clock->set_enabled(true);
         key(&t.w(), Qt::Key_O);
     },
     1, nullptr},
    {"DropWithNoFigureShown", [](OwnParts& t) { drop(t.w().image_head, files({t.photo()})); }, 1,
     nullptr, true},
    {"CtrlOInATextBox",
     [](OwnParts& t) {
         t.w().Text1->setFocus();
         key(&t.w(), Qt::Key_O);
     },
     0, nullptr},
    // The box takes the key, and its own filter refuses what is no digit.
    {"CtrlVInATextBox",
     [](OwnParts& t) {
         QGuiApplication::clipboard()->setImage(disc());
         t.w().Text1->setFocus();
         key(&t.w(), Qt::Key_V);
     },
     1, nullptr},
    {"NoPicture",
     [](OwnParts& t) {
         t.captured().open_answer = t.text_file();
         t.w().mnuaddpart->trigger();
     },
     0, "{file} är ingen bild som går att läsa."},
    {"DialogCancelled",
     [](OwnParts& t) {
         drop(t.w().image_chest, picture());
         QTest::keyClick(t.dialog(), Qt::Key_Escape);
     },
     0, nullptr},
};

void PrintTo(const Refusal& refusal, std::ostream* out) {
    *out << refusal.name;
}

class Refused : public OwnParts, public testing::WithParamInterface<Refusal> {};

// What cannot add a part beeps or says why, and changes nothing: no part, no figure, no count.
TEST_P(Refused, BeepOrSayWhyAndChangeNothing) {
    const Refusal& refusal = GetParam();
    if (refusal.at_splash)
        program.set_profile_value("Visa_splash", "1");
    show_window();
    const QString profile = program.file("\\vrendisar.ini");
    QFile before_file(profile);
    ASSERT_TRUE(before_file.open(QIODevice::ReadOnly));
    const QByteArray before = before_file.readAll();
    const QString id = w().Text2->text() + w().Text3->text() + w().Text4->text();
    const QString text = w().Text1->text();
    dialogs.open_answer = photo();

    refusal.act(*this);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(dialogs.beeps, refusal.beeps);
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_EQ(dialogs.open_dialogs.size(), refusal.box ? 1u : 0u);
    EXPECT_EQ(w().Text1->text(), text);
    ASSERT_EQ(dialogs.boxes.size(), refusal.box ? 1u : 0u);
    if (refusal.box) {
        EXPECT_EQ(dialogs.boxes[0].text, QString(refusal.box).replace("{file}", text_file()));
        EXPECT_EQ(dialogs.boxes[0].title, "Vrendomaten - Egen del");
    }
    QFile after(profile);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
    EXPECT_EQ(w().Text2->text() + w().Text3->text() + w().Text4->text(), id);
}

INSTANTIATE_TEST_SUITE_P(OwnParts, Refused, testing::ValuesIn(refusals),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
