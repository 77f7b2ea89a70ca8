#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The text codec of the profile files: UTF-8, and Windows-1252 for bytes that are not UTF-8.
namespace settings {

// UTF-8 as it stands, a U+FEFF at the start included; invalid bytes become U+FFFD.
QString from_utf8(const char* data, qsizetype size);
// Windows-1252, as MultiByteToWideChar maps it (the five unassigned bytes to U+0081 and so on).
QString from_windows_1252(const char* data, qsizetype size);
// Nothing when a character has no Windows-1252 byte.
std::optional<QByteArray> to_windows_1252(const QString& text);
bool is_utf8(const char* data, qsizetype size);

}  // namespace settings
