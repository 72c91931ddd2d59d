#pragma once
// The operator keys: the five buttons Operator(0) to Operator(4) in their order, with their
// captions and the operator each one presses, and the typed characters that press them with
// the mark each leaves in MEM2.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace sorba {

/// The operator waiting for its second operand.
enum class PendingOperator { None, Add, Subtract, Multiply, Divide, Equals, Percent };

struct OperatorKey
{
    PendingOperator op;
    std::string_view caption;
};

/// Operator(index) is row index.
inline constexpr std::array<OperatorKey, 5> operatorKeys{{
    {PendingOperator::Add, "+"},
    {PendingOperator::Subtract, "-"},
    {PendingOperator::Multiply, "X"},
    {PendingOperator::Divide, "/"},
    {PendingOperator::Equals, "="},
}};

struct OperatorCharacter
{
    char32_t character;
    PendingOperator op;
    /// Put into MEM2 before the operator acts; nothing leaves MEM2 as it is.
    std::optional<std::string_view> mark;
};

inline constexpr std::array<OperatorCharacter, 8> operatorCharacters{{
    {U'+', PendingOperator::Add, "＋"},
    {U'-', PendingOperator::Subtract, "－"},
    {U'*', PendingOperator::Multiply, "×"},
    {U'x', PendingOperator::Multiply, "×"},
    // An upper-case "X" multiplies too, but without a mark.
    {U'X', PendingOperator::Multiply, std::nullopt},
    {U'/', PendingOperator::Divide, "÷"},
    {U'=', PendingOperator::Equals, " "},
    // Enter is "=" that clears the mark.
    {U'\r', PendingOperator::Equals, ""},
}};

/// The row of a typed character; nothing for a character that presses no operator key.
constexpr const OperatorCharacter *operatorCharacter(char32_t character)
{
    for (const OperatorCharacter &row : operatorCharacters) {
        if (row.character == character)
            return &row;
    }
    return nullptr;
}

/// The row of an operator; nothing for None and Percent, which have no key of their own.
constexpr const OperatorKey *operatorKey(PendingOperator op)
{
    for (const OperatorKey &row : operatorKeys) {
        if (row.op == op)
            return &row;
    }
    return nullptr;
}

} // namespace sorba
