#pragma once

#include <QAbstractListModel>
#include <QString>
#include <vector>

namespace layouts {

// The rows of a list box: each a text and a number the program keeps with it (its item data).
// All texts share one run of characters, so a row costs its characters and two numbers, not
// an object of its own: 100,000 bookmarks take about 3 MB. What appending sets aside for growth
// is left untouched, and so takes no memory.
class ListRows {
public:
    qsizetype size() const { return qsizetype(data_.size()); }
    bool empty() const { return data_.empty(); }
    QStringView text(qsizetype row) const;
    qint64 data(qsizetype row) const { return data_[std::size_t(row)]; }

    void append(QStringView text, qint64 data);
    void append(QLatin1StringView text, qint64 data);
    void remove(qsizetype row);

private:
    QString characters_;
    std::vector<qsizetype> ends_;  // where each row's text ends in characters_
    std::vector<qint64> data_;
};

// The model of a list box over its rows: the text for display, the item data under
// Qt::UserRole.
class ListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    const ListRows& rows() const { return rows_; }
    // Every row at once: one reset of the view, not a notification per row.
    void set_rows(ListRows rows);
    void append(const QString& text, qint64 data);
    void remove(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    ListRows rows_;
};

}  // namespace layouts
