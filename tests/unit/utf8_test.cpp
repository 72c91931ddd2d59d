// The UTF-8 decoder: every well-formed length, and each kind of malformed bytes, which decode as
// U+FFFD without reading past the end.

#include "text/utf8.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace sorba {
namespace {

struct DecodeRow
{
    int line;
    std::string_view text;
    std::size_t at;
    char32_t codePoint;
    std::size_t length;
    bool malformed;
};

constexpr char32_t bad = replacementCharacter;

// Byte strings hold \x escapes next to letters, so they are split where a letter follows.
constexpr DecodeRow decodeRows[] = {
    {__LINE__, "A", 0, U'A', 1, false},
    {__LINE__, "\x7F", 0, 0x7F, 1, false},
    {__LINE__, std::string_view("\0", 1), 0, 0, 1, false},
    {__LINE__, "\xC2\x80", 0, 0x80, 2, false},
    {__LINE__, "\xDF\xBF", 0, 0x7FF, 2, false},
    {__LINE__, "\xE0\xA0\x80", 0, 0x800, 3, false},
    {__LINE__, "\xE5\xB9\xB4", 0, U'年', 3, false},
    {__LINE__, "\xED\x9F\xBF", 0, 0xD7FF, 3, false},
    {__LINE__, "\xEE\x80\x80", 0, 0xE000, 3, false},
    {__LINE__, "\xEF\xBF\xBD", 0, 0xFFFD, 3, false}, // a U+FFFD of the text itself
    {__LINE__, "\xEF\xBF\xBF", 0, 0xFFFF, 3, false},
    {__LINE__, "\xF0\x90\x80\x80", 0, 0x10000, 4, false},
    {__LINE__, "\xF0\x9D\x9F\x99", 0, 0x1D7D9, 4, false},
    {__LINE__, "\xF4\x8F\xBF\xBF", 0, 0x10FFFF, 4, false},
    {__LINE__, "a\xE5\xB9\xB4", 1, U'年', 3, false},
    {__LINE__, "\xE5\xB9\xB4z", 3, U'z', 1, false},
    // Lone continuation bytes and bytes that begin nothing.
    {__LINE__, "\x80", 0, bad, 1, true},
    {__LINE__, "\xBF", 0, bad, 1, true},
    {__LINE__, "\xE5\xB9\xB4", 1, bad, 1, true},
    {__LINE__, "\xF8\x88\x80\x80\x80", 0, bad, 1, true},
    {__LINE__, "\xFE", 0, bad, 1, true},
    {__LINE__, "\xFF", 0, bad, 1, true},
    // Overlong forms.
    {__LINE__, "\xC0\x80", 0, bad, 1, true},
    {__LINE__, "\xC1\xBF", 0, bad, 1, true},
    {__LINE__, "\xE0\x80\x80", 0, bad, 1, true},
    {__LINE__, "\xE0\x9F\xBF", 0, bad, 1, true},
    {__LINE__, "\xF0\x80\x80\x80", 0, bad, 1, true},
    {__LINE__, "\xF0\x8F\xBF\xBF", 0, bad, 1, true},
    // Surrogates.
    {__LINE__, "\xED\xA0\x80", 0, bad, 1, true},
    {__LINE__, "\xED\xBF\xBF", 0, bad, 1, true},
    // Beyond U+10FFFF.
    {__LINE__, "\xF4\x90\x80\x80", 0, bad, 1, true},
    {__LINE__, "\xF5\x80\x80\x80", 0, bad, 1, true},
    {__LINE__, "\xF7\xBF\xBF\xBF", 0, bad, 1, true},
    // Cut off at the end of the text: the bytes it had are one U+FFFD.
    {__LINE__, "\xC3", 0, bad, 1, true},
    {__LINE__, "\xE5", 0, bad, 1, true},
    {__LINE__, "\xE5\xB9", 0, bad, 2, true},
    {__LINE__, "\xF0\x9F\x98", 0, bad, 3, true},
    {__LINE__, "a\xF0\x9F", 1, bad, 2, true},
    // Cut off by a byte that cannot continue it, which is left for the next character.
    {__LINE__,
     "\xC3"
     "(",
     0, bad, 1, true},
    {__LINE__,
     "\xE5\xB9"
     "A",
     0, bad, 2, true},
    {__LINE__, "\xF0\x9F\x98\xE5", 0, bad, 3, true},
    {__LINE__, "\xE0\xA0\xC0", 0, bad, 2, true},
    // No character at or past the end.
    {__LINE__, "", 0, bad, 1, true},
    {__LINE__, "ab", 2, bad, 1, true},
};

TEST(Utf8, DecodesOneCharacter)
{
    for (const DecodeRow &row : decodeRows) {
        SCOPED_TRACE(row.line);
        const Utf8Character decoded = decodeUtf8(row.text, row.at);
        EXPECT_EQ(decoded.codePoint, row.codePoint);
        EXPECT_EQ(decoded.length, row.length);
        EXPECT_EQ(decoded.malformed, row.malformed);
    }
}

TEST(Utf8, StopsAtTheEndOfTheView)
{
    // The byte after the view would complete the character; it must not be read.
    const std::string whole = "\xE5\xB9\xB4";
    const Utf8Character decoded = decodeUtf8(std::string_view(whole).substr(0, 2), 0);
    EXPECT_EQ(decoded.codePoint, replacementCharacter);
    EXPECT_EQ(decoded.length, 2U);
    EXPECT_TRUE(decoded.malformed);
}

TEST(Utf8, EncodesWhatItDecodes)
{
    for (const DecodeRow &row : decodeRows) {
        if (row.malformed)
            continue;
        SCOPED_TRACE(row.line);
        std::string encoded;
        appendUtf8(encoded, row.codePoint);
        EXPECT_EQ(encoded, row.text.substr(row.at, row.length));
    }
}

TEST(Utf8, TellsWellFormedText)
{
    struct Row
    {
        int line;
        std::string_view text;
        bool wellFormed;
    };
    const Row rows[] = {
        {__LINE__, "", true},
        {__LINE__, "12.5", true},
        {__LINE__, "明治33年", true},
        {__LINE__, "\xEF\xBF\xBD", true},
        {__LINE__, "\xF0\x9D\x9F\x99", true},
        {__LINE__,
         "a\x80"
         "b",
         false},
        {__LINE__, "\xC0\x80", false},
        {__LINE__, "\xED\xA0\x80", false},
        {__LINE__, "1912\xE5\xB9", false},
        {__LINE__, "\xF4\x90\x80\x80", false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(isWellFormedUtf8(row.text), row.wellFormed);
    }
}

TEST(Utf8, ShowsEachMalformedSequenceAsOneReplacementCharacter)
{
    struct Row
    {
        int line;
        std::string text;
        std::string expected;
    };
    const Row rows[] = {
        {__LINE__, "1,234.", "1,234."},
        {__LINE__, "明治33年", "明治33年"},
        {__LINE__, "\xEF\xBF\xBD", "\xEF\xBF\xBD"},
        {__LINE__, "9\xC2", "9\xEF\xBF\xBD"},
        // A sequence broken before a byte that cannot continue it is one character; the byte
        // after it is read afresh.
        {__LINE__,
         "\xE5\xB9"
         "5",
         "\xEF\xBF\xBD"
         "5"},
        // Bytes that cannot begin a sequence are one character each.
        {__LINE__, "\xFF\xFE", "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {__LINE__, "\xC0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD"},
        // Shift_JIS for 年 between digits.
        {__LINE__,
         "12\x94\x4E"
         "3",
         "12\xEF\xBF\xBD"
         "N3"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        std::string text = row.text;
        makeWellFormedUtf8(text);
        EXPECT_EQ(text, row.expected);
    }
}

TEST(Utf8, TellsAsciiDigits)
{
    struct Row
    {
        int line;
        char32_t character;
        bool digit;
    };
    const Row rows[] = {
        {__LINE__, U'0', true},   {__LINE__, U'5', true},  {__LINE__, U'9', true},
        {__LINE__, U'/', false},  {__LINE__, U':', false}, {__LINE__, U'a', false},
        {__LINE__, U'０', false}, {__LINE__, U'٣', false}, {__LINE__, 0x130, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(isAsciiDigit(row.character), row.digit);
    }
    // A byte above 0x7F taken from a signed char is no digit either.
    EXPECT_FALSE(isAsciiDigit(static_cast<char>(0xB9)));
}

} // namespace
} // namespace sorba
