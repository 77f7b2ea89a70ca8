#include "settings/launcher_copy.h"

#include <QFile>
#include <optional>

#include "platform/file_writer.h"
#include "platform/paths.h"
#include "settings/profile_file.h"
#include "settings/profile_keys.h"
#include "settings/profile_store.h"

namespace settings {
namespace {

// Profiles are a few hundred bytes; a larger file is no copy of one.
constexpr qint64 largest_profile = 64 << 10;

std::optional<QByteArray> bytes_of(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > largest_profile)
        return std::nullopt;
    return file.readAll();
}

bool is_launcher_copy(const ProfileFile& copy, const ProfileFile& installed) {
    const QString section = QLatin1String(keys::program_section);
    for (const char* key :
         {keys::head_count, keys::chest_count, keys::legs_count, keys::common_count}) {
        if (!copy.held_value(section, QLatin1String(key)))
            return false;
    }
    for (const char* key : {keys::head_directory, keys::chest_directory, keys::legs_directory}) {
        const auto value = copy.held_value(section, QLatin1String(key));
        if (!value || *value != installed.value(section, QLatin1String(key)))
            return false;
    }
    return true;
}

}  // namespace

void retire_launcher_copy() {
    const QString profile = platform::program_path(QLatin1String(keys::program_profile));
    const QStringList files =
        platform::files_to_read(profile, platform::UserCopy::over_program_file);
    if (files.size() < 2)
        return;  // read in place: there is no user's copy
    const QString& copy = files.front();
    set_profile_file(profile.toStdString());
    const ProfileLock lock;
    const auto copied = bytes_of(copy);
    const auto installed = bytes_of(profile);
    if (!copied || !installed || !is_launcher_copy(ProfileFile(*copied), ProfileFile(*installed)))
        return;
    // The old copy first, whole: whatever happens, one of the two holds the splash choice.
    if (!platform::write_file(copy + QStringLiteral(".old"), *copied))
        return;
    const QString section = QLatin1String(keys::program_section);
    const QString splash = QLatin1String(keys::show_splash);
    const auto choice = ProfileFile(*copied).held_value(section, splash);
    platform::write_file(
        copy, choice ? ProfileFile().with_value(section, splash, *choice) : QByteArray());
}

}  // namespace settings
