// Folding pasted text into readout numbers, and the format characters it drops first.

#include "text/pasted_number.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>

namespace sorba {
namespace {

TEST(PastedNumber, FoldsJapaneseForms)
{
    struct Row
    {
        int line;
        std::string_view text;
        std::optional<std::string_view> folded;
    };
    const Row rows[] = {
        {__LINE__, "１，０８０円", "1,080"},
        {__LINE__, "￥1,080", "1,080"},
        {__LINE__, "¥0.5", "0.5"},
        {__LINE__, "－１２．５", "-12.5"},
        {__LINE__,
         "\u2212"
         "3",
         "-3"},
        {__LINE__,
         "\u3000"
         "42\u00a0",
         "42"},
        {__LINE__,
         "\u2003"
         "7\u202f",
         "7"},
        // A plain number is a number as it stands.
        {__LINE__, "1,234.5", "1,234.5"},
        {__LINE__, "1E+15", "1E+15"},
        // No number after folding: the text is pasted as it was.
        {__LINE__, "明治33年", std::nullopt},
        {__LINE__, "12円50銭", std::nullopt},
        {__LINE__, "円", std::nullopt},
        {__LINE__, "￥", std::nullopt},
        {__LINE__, "１２３abc", std::nullopt},
        {__LINE__, "￥￥5", std::nullopt},
        {__LINE__, "5円円", std::nullopt},
        {__LINE__, "円5", std::nullopt},
        {__LINE__, "5￥", std::nullopt},
        // Spaces inside a number, and the ASCII blank a control character left behind.
        {__LINE__,
         "1\u3000"
         "2",
         std::nullopt},
        {__LINE__, "5 ", std::nullopt},
        // Bytes that are no UTF-8 make no number.
        {__LINE__,
         "4\xff"
         "2",
         std::nullopt},
        {__LINE__, "\xef\xbc", std::nullopt},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        const std::optional<std::string> folded = foldedNumberText(row.text);
        ASSERT_EQ(folded.has_value(), row.folded.has_value());
        if (folded) {
            EXPECT_EQ(*folded, *row.folded);
        }
    }
}

TEST(PastedNumber, DropsEveryFormatCharacter)
{
    struct Row
    {
        int line;
        std::string_view text;
        std::string_view kept;
    };
    const Row rows[] = {
        {__LINE__,
         "\u200b"
         "42",
         "42"},
        {__LINE__,
         "\ufeff"
         "42",
         "42"},
        {__LINE__,
         "\u200e"
         "4\u200d"
         "2\u200f",
         "42"},
        {__LINE__,
         "\u202e"
         "12.5\u202c",
         "12.5"},
        {__LINE__,
         "\u2066"
         "9\u2069",
         "9"},
        {__LINE__,
         "1\u00ad"
         "0",
         "10"},
        // A tag character beyond the BMP.
        {__LINE__,
         "\U000e0041"
         "3",
         "3"},
        // Spaces are no format characters, and broken bytes stay as they are.
        {__LINE__,
         "\u00a0"
         "1",
         "\u00a0"
         "1"},
        {__LINE__, "\xe2\x80", "\xe2\x80"},
        {__LINE__, "", ""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(withoutFormatCharacters(row.text), row.kept);
    }
}

} // namespace
} // namespace sorba
