// Rows come and go only at the two ends of the tape: new rows at the bottom, and the oldest at
// the top when the tape is full or cleared.

#include "tape_model.h"

#include "state/tape.h"
#include "tables/tape_marks.h"

TapeModel::TapeModel(const sorba::Tape &tape, QObject *parent)
    : QAbstractTableModel(parent)
    , m_tape(tape)
{
    follow();
}

int TapeModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int TapeModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TapeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    // The tape may have moved on since the last look: a row is found by its place in the whole
    // run, and one the tape has dropped since shows nothing until the view catches up.
    const std::uint64_t place = m_dropped + std::uint64_t(index.row());
    if (place < m_tape.dropped() || place - m_tape.dropped() >= m_tape.size())
        return {};
    const sorba::TapeRow &row = m_tape.row(std::size_t(place - m_tape.dropped()));
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: {
        const std::string_view text = index.column() == AmountColumn ? row.amount : row.mark;
        return QString::fromUtf8(text.data(), qsizetype(text.size()));
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(index.column() == AmountColumn
                                       ? Qt::AlignRight | Qt::AlignVCenter
                                       : Qt::AlignLeft | Qt::AlignVCenter);
    case separatorRole:
        return row.mark == sorba::tapeMarkText(sorba::TapeMark::Cancel, false);
    default:
        return {};
    }
}

int TapeModel::follow()
{
    const std::uint64_t dropped = m_tape.dropped() - m_dropped;
    const std::uint64_t added = m_tape.added() - m_added;
    m_dropped = m_tape.dropped();
    m_added = m_tape.added();
    if (dropped == 0 && added == 0)
        return 0;
    // Rows that came and went again before the view looked, or a cleared tape: start afresh.
    if (dropped >= std::uint64_t(m_rows)) {
        beginResetModel();
        m_rows = int(m_tape.size());
        endResetModel();
        return int(std::min<std::uint64_t>(added, m_tape.size()));
    }
    // A full tape keeps its length: every row moves up by the rows dropped, which is new data for
    // rows already there rather than rows removed at the top, so the view's per-row bookkeeping
    // is left alone. Only rows beyond the old length are inserted.
    const int grown = int(m_tape.size()) - m_rows;
    if (grown > 0) {
        beginInsertRows({}, m_rows, m_rows + grown - 1);
        m_rows += grown;
        endInsertRows();
    } else if (grown < 0) {
        beginRemoveRows({}, m_rows + grown, m_rows - 1);
        m_rows += grown;
        endRemoveRows();
    }
    if (dropped > 0 && m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, ColumnCount - 1));
    return int(added);
}
