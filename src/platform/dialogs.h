#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

// Modal message boxes and the system beep. Handlers go through this interface so that a test
// can see what would have been shown without running a modal loop.
namespace platform {

enum class MessageIcon { Information, Warning, Error, Question };

// Who asks before a file is replaced: the save dialog, or its caller, who may have several
// files to ask about at once.
enum class Replacing { dialog_asks, caller_asks };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal box with one OK button.
    virtual void message_box(const QString& text, const QString& title, MessageIcon icon) = 0;
    // A box with one OK button, modal to the window alone, that does not wait: the program runs
    // on behind it.
    virtual void window_modal_box(QWidget& window, const QString& text, const QString& title,
                                  MessageIcon icon) = 0;
    virtual void beep() = 0;
    // A modal question with "Ja" and "Nej"; true for "Ja". "Nej" is the default.
    virtual bool question(const QString& text, const QString& title) = 0;
    // The standard save dialog, starting at suggested_path: the chosen file's path, or empty
    // when the user cancels. A name typed without an ending gets default_suffix, and the dialog
    // asks before it replaces a file by that name, as for any other name, unless the caller
    // asks.
    virtual QString save_file_name(const QString& title, const QString& suggested_path,
                                   const QString& filter, const QString& default_suffix,
                                   Replacing replacing = Replacing::dialog_asks) = 0;
    // A small modal dialog with a label, a text field, a default button `accept_caption` and
    // "Avbryt": the text once `acceptable` takes it, or nothing when cancelled. A text that
    // `acceptable` refuses leaves the dialog open.
    virtual std::optional<QString> ask_text(
        const QString& title, const QString& label, const QString& accept_caption,
        const std::function<bool(const QString& text)>& acceptable) = 0;
    // The standard open dialog, starting in folder: the chosen file's path, or empty when the
    // user cancels.
    virtual QString open_file_name(const QString& title, const QString& folder,
                                   const QString& filter) = 0;
};

// The dialogs every handler uses: QMessageBox and QApplication::beep() unless a test installed
// its own; nullptr restores the default.
Dialogs& dialogs();
void set_dialogs(Dialogs* replacement);

}  // namespace platform
