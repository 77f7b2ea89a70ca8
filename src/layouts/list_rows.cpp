#include "layouts/list_rows.h"

#include <algorithm>

namespace layouts {

QStringView ListRows::text(qsizetype row) const {
    const qsizetype begin = row == 0 ? 0 : ends_[std::size_t(row - 1)];
    return QStringView(characters_).sliced(begin, ends_[std::size_t(row)] - begin);
}

void ListRows::append(QStringView text, qint64 data) {
    characters_.append(text);
    ends_.push_back(characters_.size());
    data_.push_back(data);
}

void ListRows::append(QLatin1StringView text, qint64 data) {
    characters_.append(text);
    ends_.push_back(characters_.size());
    data_.push_back(data);
}

void ListRows::remove(qsizetype row) {
    const qsizetype begin = row == 0 ? 0 : ends_[std::size_t(row - 1)];
    const qsizetype length = ends_[std::size_t(row)] - begin;
    characters_.remove(begin, length);
    ends_.erase(ends_.begin() + row);
    data_.erase(data_.begin() + row);
    std::for_each(ends_.begin() + row, ends_.end(), [length](qsizetype& end) { end -= length; });
}

void ListModel::set_rows(ListRows rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void ListModel::append(const QString& text, qint64 data) {
    const int row = int(rows_.size());
    beginInsertRows({}, row, row);
    rows_.append(QStringView(text), data);
    endInsertRows();
}

void ListModel::remove(int row) {
    beginRemoveRows({}, row, row);
    rows_.remove(row);
    endRemoveRows();
}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return rows_.text(index.row()).toString();
    if (role == Qt::UserRole)
        return QVariant::fromValue(rows_.data(index.row()));
    return {};
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

}  // namespace layouts
