#include "settings/program_profile.h"

#include "platform/paths.h"
#include "settings/profile_keys.h"
#include "settings/profile_store.h"

namespace settings {
namespace {

void open_section() {
    set_profile_file(platform::program_path(keys::program_profile).toStdString());
    set_profile_section(keys::program_section);
}

void open_key(ProgramKey key) {
    open_section();
    set_profile_key(key_name(key));
}

}  // namespace

const char* key_name(ProgramKey key) {
    switch (key) {
        case ProgramKey::head_count:
            return keys::head_count;
        case ProgramKey::chest_count:
            return keys::chest_count;
        case ProgramKey::legs_count:
            return keys::legs_count;
        case ProgramKey::head_directory:
            return keys::head_directory;
        case ProgramKey::chest_directory:
            return keys::chest_directory;
        case ProgramKey::legs_directory:
            return keys::legs_directory;
        case ProgramKey::common_count:
            return keys::common_count;
        case ProgramKey::show_splash:
            return keys::show_splash;
    }
    return "";
}

QString read_program_profile(ProgramKey key) {
    open_key(key);
    return QString::fromStdString(read_profile());
}

std::vector<QString> read_program_profile(const std::vector<ProgramKey>& keys) {
    open_section();
    std::vector<std::string> names;
    for (ProgramKey key : keys) names.emplace_back(key_name(key));
    std::vector<QString> values;
    for (const std::string& value : read_profile_keys(names))
        values.push_back(QString::fromStdString(value));
    return values;
}

bool write_program_profile(ProgramKey key, const QString& value) {
    open_key(key);
    return write_profile(value.toStdString());
}

}  // namespace settings
