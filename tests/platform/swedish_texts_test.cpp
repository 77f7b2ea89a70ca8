#include "platform/swedish_texts.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QTemporaryDir>
#include <QTreeView>

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

}  // namespace
