#pragma once
// The calculation tape: the amounts and marks the keypad's operations have written, oldest
// first, kept for the run of the program. Only the newest rows are kept; the oldest go first.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

namespace sorba {

struct TapeRow
{
    /// The readout text exactly as shown, or empty for a row that has no amount.
    std::string amount;
    /// Points into a static table (the mark table or the unit catalogue).
    std::string_view mark;
};

class Tape
{
public:
    static constexpr std::size_t rowLimit = 100000;

    void add(std::string_view amount, std::string_view mark);
    void clear();

    std::size_t size() const { return m_rows.size(); }
    bool empty() const { return m_rows.empty(); }
    const TapeRow &row(std::size_t index) const { return m_rows[index]; }
    const std::deque<TapeRow> &rows() const { return m_rows; }

    /// Rows ever added and rows dropped from the front (by the limit or a clear) since the
    /// start: a view compares them with what it last showed to learn what changed.
    std::uint64_t added() const { return m_added; }
    std::uint64_t dropped() const { return m_dropped; }

    /// Every row as AMOUNT, a tab, MARK and a line feed.
    std::string text() const;

private:
    std::deque<TapeRow> m_rows;
    std::uint64_t m_added = 0;
    std::uint64_t m_dropped = 0;
};

} // namespace sorba
