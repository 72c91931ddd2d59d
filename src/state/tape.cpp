// The tape's rows and its text.

#include "state/tape.h"

namespace sorba {

void Tape::add(std::string_view amount, std::string_view mark)
{
    if (m_rows.size() == rowLimit) {
        m_rows.pop_front();
        ++m_dropped;
    }
    m_rows.push_back({std::string(amount), mark});
    ++m_added;
}

void Tape::clear()
{
    m_dropped += m_rows.size();
    m_rows.clear();
}

std::string Tape::text() const
{
    std::string text;
    for (const TapeRow &row : m_rows) {
        text += row.amount;
        text += '\t';
        text += row.mark;
        text += '\n';
    }
    return text;
}

} // namespace sorba
