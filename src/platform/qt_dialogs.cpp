#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "platform/dialogs.h"

namespace platform {
namespace {

class QtDialogs final : public Dialogs {
public:
    void message_box(const QString& text, const QString& title, MessageIcon icon) override {
        QMessageBox box(to_qt(icon), title, text, QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    }
    void window_modal_box(QWidget& window, const QString& text, const QString& title,
                          MessageIcon icon) override {
        auto* box = new QMessageBox(to_qt(icon), title, text, QMessageBox::Ok, &window);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::WindowModal);
        box->open();
    }
    void beep() override { QApplication::beep(); }
    QString save_file_name(const QString& title, const QString& suggested_path,
                           const QString& filter, const QString& default_suffix) override {
        QFileDialog dialog(QApplication::activeWindow(), title, suggested_path, filter);
        // Qt's own dialog, whose texts are made Swedish and which adds the ending before it
        // asks about replacing a file; a desktop's dialog may ask about the name as typed.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(default_suffix);
        if (dialog.exec() != QDialog::Accepted)
            return {};
        return dialog.selectedFiles().value(0);
    }
    QString open_file_name(const QString& title, const QString& folder,
                           const QString& filter) override {
        QFileDialog dialog(QApplication::activeWindow(), title, folder, filter);
        // Qt's own dialog, Swedish like the save dialog.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (dialog.exec() != QDialog::Accepted)
            return {};
        return dialog.selectedFiles().value(0);
    }

private:
    static QMessageBox::Icon to_qt(MessageIcon icon) {
        switch (icon) {
            case MessageIcon::Information:
                return QMessageBox::Information;
            case MessageIcon::Warning:
                return QMessageBox::Warning;
            case MessageIcon::Error:
                return QMessageBox::Critical;
            case MessageIcon::Question:
                return QMessageBox::Question;
        }
        return QMessageBox::NoIcon;
    }
};

Dialogs*& installed_dialogs() {
    static Dialogs* installed = nullptr;
    return installed;
}

}  // namespace

Dialogs& dialogs() {
    static QtDialogs qt_dialogs;
    Dialogs* installed = installed_dialogs();
    return installed ? *installed : qt_dialogs;
}

void set_dialogs(Dialogs* replacement) {
    installed_dialogs() = replacement;
}

}  // namespace platform
