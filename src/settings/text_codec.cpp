#include "settings/text_codec.h"

#include <QStringDecoder>
#include <cstdint>
#include <cstring>

namespace settings {

namespace {

const char16_t windows_1252_high[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

QString from_utf8(const char* data, qsizetype size) {
    // QString::fromUtf8 would drop a U+FEFF at the start of a name or value.
    if (size < 3 || std::memcmp(data, "\xEF\xBB\xBF", 3) != 0)
        return QString::fromUtf8(data, size);
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(data, size));
}

QString from_windows_1252(const char* data, qsizetype size) {
    QString text(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        text[i] = (byte >= 0x80 && byte < 0xA0) ? QChar(windows_1252_high[byte - 0x80])
                                                : QChar(char16_t(byte));
    }
    return text;
}

std::optional<QByteArray> to_windows_1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        int byte = (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) ? u : -1;
        for (int i = 0; byte < 0 && i < 32; ++i)
            if (windows_1252_high[i] == u)
                byte = 0x80 + i;
        if (byte < 0)
            return std::nullopt;
        bytes += char(byte);
    }
    return bytes;
}

bool is_utf8(const char* data, qsizetype size) {
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    const auto* end = p + size;
    while (p < end) {
        // Eight ASCII bytes at a time, the usual case.
        std::uint64_t eight;
        if (end - p >= 8 && (std::memcpy(&eight, p, 8), (eight & 0x8080808080808080u) == 0)) {
            p += 8;
            continue;
        }
        const unsigned char c = *p++;
        if (c < 0x80)
            continue;
        int more = 0;
        unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            if (c == 0xE0)
                low = 0xA0;  // no overlong forms
            if (c == 0xED)
                high = 0x9F;  // no surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            if (c == 0xF0)
                low = 0x90;
            if (c == 0xF4)
                high = 0x8F;  // nothing above U+10FFFF
        } else {
            return false;
        }
        if (end - p < more || *p < low || *p > high)
            return false;
        for (++p, --more; more > 0; ++p, --more)
            if (*p < 0x80 || *p > 0xBF)
                return false;
    }
    return true;
}

}  // namespace settings
