#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

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
    bool question(const QString& text, const QString& title) override {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                        QApplication::activeWindow());
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }
    QString save_file_name(const QString& title, const QString& suggested_path,
                           const QString& filter, const QString& default_suffix,
                           Replacing replacing) override {
        QFileDialog dialog(QApplication::activeWindow(), title, suggested_path, filter);
        // Qt's own dialog, whose texts are made Swedish and which adds the ending before it
        // asks about replacing a file; a desktop's dialog may ask about the name as typed.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, replacing == Replacing::caller_asks);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(default_suffix);
        if (dialog.exec() != QDialog::Accepted)
            return {};
        return dialog.selectedFiles().value(0);
    }
    std::optional<QString> ask_text(
        const QString& title, const QString& label, const QString& accept_caption,
        const std::function<bool(const QString& text)>& acceptable) override {
        // A title, a close button and nothing to minimise or maximise: the dialog is small.
        QDialog dialog(QApplication::activeWindow(), Qt::Dialog | Qt::CustomizeWindowHint |
                                                         Qt::WindowTitleHint |
                                                         Qt::WindowCloseButtonHint);
        dialog.setWindowTitle(title);
        auto* caption = new QLabel(label);
        auto* field = new QLineEdit;
        field->setMinimumWidth(320);
        caption->setBuddy(field);
        auto* buttons = new QDialogButtonBox;
        buttons->addButton(accept_caption, QDialogButtonBox::AcceptRole)->setDefault(true);
        buttons->addButton(QStringLiteral("Avbryt"), QDialogButtonBox::RejectRole);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
            if (acceptable(field->text()))
                dialog.accept();
        });
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        auto* layout = new QVBoxLayout(&dialog);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        layout->addWidget(caption);
        layout->addWidget(field);
        layout->addWidget(buttons);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return field->text();
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
