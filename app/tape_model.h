#pragma once
// The calculation tape as a two-column table for a view: the amount, then the mark. It reads
// the core's tape directly and tells the view only which rows came and went since it last
// looked, so a long tape costs nothing per key.

#include <QAbstractTableModel>

#include <cstdint>

namespace sorba {
class Tape;
} // namespace sorba

class TapeModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { AmountColumn, MarkColumn, ColumnCount };
    /// True on a C row, which the view draws as a separator.
    static constexpr int separatorRole = Qt::UserRole + 1;

    explicit TapeModel(const sorba::Tape &tape, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    /// Catches up with the tape; returns how many rows arrived.
    int follow();

private:
    const sorba::Tape &m_tape;
    std::uint64_t m_added = 0;
    std::uint64_t m_dropped = 0;
    int m_rows = 0;
};
