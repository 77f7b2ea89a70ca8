#include "platform/swedish_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstring>

namespace platform {
namespace {

struct Text {
    const char* context;
    const char* english;
    const char* swedish;
};

// The file dialog's texts that Qt's Swedish translation lacks: its labels, buttons, tooltips,
// the sidebar, the type column and the buttons of its question.
constexpr Text file_dialog_texts[] = {
    {"QFileDialog", "Look in:", "Leta i:"},
    {"QFileDialog", "&New Folder", "&Ny mapp"},
    {"QFileDialog", "Create a New Folder", "Skapa en ny mapp"},
    {"QFileDialog", "Go back", "Gå bakåt"},
    {"QFileDialog", "Go forward", "Gå framåt"},
    {"QFileDialog", "Go to the parent directory", "Gå till mappen ovanför"},
    {"QFileDialog", "Change to list view mode", "Visa som lista"},
    {"QFileDialog", "Change to detail view mode", "Visa med detaljer"},
    {"QFileDialog", "Files", "Filer"},
    {"QFileDialog", "Show ", "Visa "},
    {"QFileDialog", "List of places and bookmarks", "Platser och bokmärken"},
    {"QFileDialog", "Sidebar", "Sidopanel"},
    {"QFileSystemModel", "Computer", "Dator"},
    {"QAbstractFileIconProvider", "Folder", "Mapp"},
    {"QAbstractFileIconProvider", "Drive", "Enhet"},
    {"QPlatformTheme", "Cancel", "Avbryt"},
    {"QPlatformTheme", "Save", "Spara"},
    {"QPlatformTheme", "Open", "Öppna"},
    // The question before a file is replaced.
    {"QPlatformTheme", "&Yes", "&Ja"},
    {"QPlatformTheme", "&No", "&Nej"},
};

class FileDialogTexts : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (!context || !source)
            return {};
        for (const Text& text : file_dialog_texts) {
            if (std::strcmp(context, text.context) == 0 && std::strcmp(source, text.english) == 0)
                return QString::fromUtf8(text.swedish);
        }
        return {};
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

void install_swedish_qt_texts() {
    auto* qt_swedish = new QTranslator(QCoreApplication::instance());
    if (qt_swedish->load(QLocale(QLocale::Swedish, QLocale::Sweden), QStringLiteral("qt"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt_swedish);
    QCoreApplication::installTranslator(new FileDialogTexts(QCoreApplication::instance()));
}

}  // namespace platform
