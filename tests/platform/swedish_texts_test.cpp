#include "platform/swedish_texts.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "platform/dialogs.h"

namespace {

// The save dialog as "Spara bild" opens it, without the desktop's own dialog: every text a user
// reads there (labels, buttons and their tooltips, the sidebar, the column heads) is Swedish.
TEST(SwedishTexts, TheSaveDialogSpeaksSwedish) {
    platform::install_swedish_qt_texts();
    QTemporaryDir folder;
    QFileDialog dialog(nullptr, QStringLiteral("Spara bild"), folder.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.show();
    QApplication::processEvents();

    QStringList seen;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->isVisible())
            seen << label->text();
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->isVisible())
            seen << button->text() << button->toolTip();
    }
    const QListView* sidebar = dialog.findChild<QListView*>(QStringLiteral("sidebar"));
    ASSERT_NE(sidebar, nullptr);
    for (int row = 0; row < sidebar->model()->rowCount(); ++row)
        seen << sidebar->model()->index(row, 0).data().toString();
    const QTreeView* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(details, nullptr);
    for (int column = 0; column < details->model()->columnCount(); ++column)
        seen << details->model()->headerData(column, Qt::Horizontal).toString();

    for (const char* swedish : {"Leta i:", "Avbryt", "Dator"})
        EXPECT_TRUE(seen.contains(QString::fromUtf8(swedish))) << swedish;
    for (const char* english :
         {"Look in:", "Cancel", "Computer", "Save", "&Save", "Go back", "Create a New Folder",
          "Name", "Size", "Type", "Date Modified", "File &name:", "Files of type:"})
        EXPECT_FALSE(seen.contains(QString::fromUtf8(english))) << english;
}

// The real save dialog of "Spara bild": a name typed without its ending gets the ending, and
// the dialog asks, in Swedish, before it replaces the picture of that name.
TEST(SwedishTexts, TheSaveDialogAsksBeforeReplacingANameTypedWithoutItsEnding) {
    platform::install_swedish_qt_texts();
    QTemporaryDir folder;
    QFile existing(folder.filePath("bild.png"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();

    QStringList question;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setText("bild");
        // The question, if one comes, is answered "Nej"; then the dialog is cancelled.
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                question << box->text().simplified();
                for (const QAbstractButton* button : box->buttons()) question << button->text();
                box->button(QMessageBox::No)->click();
            }
        });
        QTest::keyClick(name, Qt::Key_Return);
        dialog->reject();
    });
    const QString chosen = platform::dialogs().save_file_name(
        QStringLiteral("Spara bild"), folder.filePath("h1c1l1.png"),
        QStringLiteral("Bilder (*.png *.jpg *.jpeg)"), QStringLiteral("png"));
    EXPECT_EQ(chosen, QString());
    EXPECT_EQ(question, (QStringList{"bild.png finns redan. Vill du ersätta den?", "&Ja", "&Nej"}));
}

// The small dialog that asks for a text: Return presses its accept button, a text the caller
// refuses leaves it open, and "Avbryt" gives nothing.
TEST(SwedishTexts, TheTextDialogStaysOpenForATextItsCallerRefuses) {
    QStringList offered, buttons;
    const auto acceptable = [&](const QString& text) {
        offered << text;
        return !text.trimmed().isEmpty();
    };
    const auto ask = [&] {
        return platform::dialogs().ask_text(QStringLiteral("Vrendomaten - Namn"),
                                            QStringLiteral("Namn:"), QStringLiteral("Visa"),
                                            acceptable);
    };
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            buttons << button->text();
        auto* field = dialog->findChild<QLineEdit*>();
        QTest::keyClicks(field, "  ");
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible());
        field->setText(" Anna ");
        QTest::keyClick(field, Qt::Key_Return);
    });
    EXPECT_EQ(ask(), " Anna ");
    EXPECT_EQ(offered, (QStringList{"  ", " Anna "}));
    EXPECT_EQ(buttons, (QStringList{"Visa", "Avbryt"}));

    QTimer::singleShot(0, [&] {
        for (QAbstractButton* button :
             QApplication::activeModalWidget()->findChildren<QAbstractButton*>()) {
            if (button->text() == "Avbryt")
                button->click();
        }
    });
    EXPECT_EQ(ask(), std::nullopt);
    EXPECT_EQ(offered.size(), 2);
}

}  // namespace
