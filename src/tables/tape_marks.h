#pragma once
// The marks of the calculation tape: what each operation writes beside its amount, in Japanese
// and in English. Only the tax, era and paste marks differ between the two languages.

#include "tables/operator_keys.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace sorba {

enum class TapeMark {
    Add,
    Subtract,
    Multiply,
    Divide,
    Equals,
    Result,
    Percent,
    Cancel,
    CancelEntry,
    MemoryStore,
    MemoryAdd,
    MemorySubtract,
    AddMemory,
    SubtractMemory,
    MemoryRecall,
    MemoryClear,
    TaxAdded,
    TaxRemoved,
    ToGregorian,
    ToEra,
    Paste,
};

struct TapeMarkText
{
    TapeMark mark;
    std::string_view japanese;
    std::string_view english;
};

// clang-format off
inline constexpr std::array<TapeMarkText, 21> tapeMarks{{
    {TapeMark::Add,            "＋",   "＋"},
    {TapeMark::Subtract,       "－",   "－"},
    {TapeMark::Multiply,       "×",   "×"},
    {TapeMark::Divide,         "÷",   "÷"},
    {TapeMark::Equals,         "＝",   "＝"},
    {TapeMark::Result,         "＊",   "＊"},
    {TapeMark::Percent,        "％",   "％"},
    {TapeMark::Cancel,         "C",    "C"},
    {TapeMark::CancelEntry,    "CE",   "CE"},
    {TapeMark::MemoryStore,    "M",    "M"},
    {TapeMark::MemoryAdd,      "M＋",  "M＋"},
    {TapeMark::MemorySubtract, "M－",  "M－"},
    {TapeMark::AddMemory,      "＋M",  "＋M"},
    {TapeMark::SubtractMemory, "－M",  "－M"},
    {TapeMark::MemoryRecall,   "RM",   "RM"},
    {TapeMark::MemoryClear,    "CM",   "CM"},
    {TapeMark::TaxAdded,       "税込", "+Tax"},
    {TapeMark::TaxRemoved,     "税抜", "\u2212Tax"},
    {TapeMark::ToGregorian,    "西暦", "AD"},
    {TapeMark::ToEra,          "和暦", "Era"},
    {TapeMark::Paste,          "貼付", "Paste"},
}};
// clang-format on

constexpr bool tapeMarksInOrder()
{
    for (std::size_t i = 0; i < tapeMarks.size(); ++i) {
        if (std::size_t(tapeMarks[i].mark) != i)
            return false;
    }
    return true;
}
static_assert(tapeMarksInOrder());

/// The mark's text in the language in force.
constexpr std::string_view tapeMarkText(TapeMark mark, bool english)
{
    const TapeMarkText &row = tapeMarks[std::size_t(mark)];
    return english ? row.english : row.japanese;
}

/// The mark an operator key writes before it acts; nothing for None.
constexpr TapeMark operatorTapeMark(PendingOperator op)
{
    switch (op) {
    case PendingOperator::Add:
        return TapeMark::Add;
    case PendingOperator::Subtract:
        return TapeMark::Subtract;
    case PendingOperator::Multiply:
        return TapeMark::Multiply;
    case PendingOperator::Divide:
        return TapeMark::Divide;
    case PendingOperator::Percent:
        return TapeMark::Percent;
    case PendingOperator::Equals:
    case PendingOperator::None:
        break;
    }
    return TapeMark::Equals;
}

} // namespace sorba
