// libFuzzer target for the typed-ID check: three typed texts against three counts as read from
// the profile, whatever they hold. The check must give a mask of its own bits only, and where
// both texts are plain digits (what the number boxes let through) it must agree with a decimal
// comparison made digit by digit: a number from 1 up to the count is shown, as that very part.
#include <fuzzer/FuzzedDataProvider.h>

#include <QString>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "figure/generator.h"

namespace {

QString context;

void check(bool ok, const char* what) {
    if (ok)
        return;
    std::fprintf(stderr, "typed_id_fuzz: %s\n%s\n", what, qPrintable(context));
    std::abort();
}

// The digits of a plain decimal text without its leading zeros, or nothing for another text.
std::optional<QString> plain_digits(const QString& text) {
    if (text.isEmpty())
        return std::nullopt;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    qsizetype zeros = 0;
    while (zeros < text.size() && text[zeros] == QLatin1Char('0')) ++zeros;
    return text.mid(zeros);
}

// a < b for digit strings without leading zeros.
bool less(const QString& a, const QString& b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

QString shown(const QString& text) {
    return QString::fromLatin1(text.toUtf8().toPercentEncoding());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    std::array<QString, 3> typed, counts;
    for (int k = 0; k < 3; ++k) {
        const std::string t = input.ConsumeRandomLengthString(24);
        const std::string c = input.ConsumeRandomLengthString(24);
        typed[k] = QString::fromUtf8(t.data(), qsizetype(t.size()));
        counts[k] = QString::fromUtf8(c.data(), qsizetype(c.size()));
    }
    context = QString("typed %1 / %2 / %3, counts %4 / %5 / %6")
                  .arg(shown(typed[0]), shown(typed[1]), shown(typed[2]), shown(counts[0]),
                       shown(counts[1]), shown(counts[2]));

    const int mask = functions::typed_id_errors(typed, counts);
    check((mask & ~28) == 0, "a bit outside head, chest and legs");
    for (int k = 0; k < 3; ++k) {
        const bool refused = mask & (4 << k);
        const std::optional<std::int16_t> number = functions::typed_number(typed[k]);
        // A part is painted only from a text the check let through.
        check(!number || *number >= 1, "a typed number below 1");

        const auto digits = plain_digits(typed[k]);
        const auto count = plain_digits(counts[k]);
        // Doubles tell whole numbers apart up to 15 digits; no catalogue comes near that.
        if (!digits || !count || digits->size() > 15 || count->size() > 15)
            continue;
        const bool wanted = !digits->isEmpty() && !less(*count, *digits);
        check(refused != wanted, wanted ? "a number within the count refused"
                                        : "a number beyond the count or 0 let through");
        if (!digits->isEmpty() && !less(QStringLiteral("32767"), *digits))
            check(number && *number == digits->toInt(), "a typed number painted as another");
        else
            check(!number, "a part number beyond 16 bits or 0");
    }
    return 0;
}
