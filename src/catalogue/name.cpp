#include "catalogue/name.h"

#include <QCryptographicHash>
#include <QtEndian>

namespace catalogue {

std::optional<PartNumbers> figure_for_name(const QString& name, const PartNumbers& counts) {
    // QString::trimmed takes exactly the White_Space characters, and QString::toCaseFolded
    // folds each character alone as statuses C and S do (ẞ to ß, İ unchanged): the full
    // foldings that turn one character into several (ß to ss) are not applied.
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const QByteArray key = trimmed.normalized(QString::NormalizationForm_C).toCaseFolded().toUtf8();
    const QByteArray digest = QCryptographicHash::hash(key, QCryptographicHash::Sha256);
    PartNumbers numbers{};
    for (Part part : parts) {
        const std::size_t i = index(part);
        Q_ASSERT(counts[i] >= 1);
        const quint64 group = qFromBigEndian<quint64>(digest.constData() + 8 * i);
        numbers[i] = static_cast<std::int16_t>(group % static_cast<quint64>(counts[i]) + 1);
    }
    return numbers;
}

}  // namespace catalogue
