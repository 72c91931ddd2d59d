#pragma once
// UTF-8 and ASCII digits: the one decoder every walk over text uses, its encoder, and the digit
// test of every number reading.

#include <cstddef>
#include <string>
#include <string_view>

namespace sorba {

inline constexpr char32_t replacementCharacter = 0xFFFD;

struct Utf8Character
{
    char32_t codePoint = replacementCharacter;
    /// Bytes taken, at least 1.
    std::size_t length = 1;
    /// The bytes were no well-formed sequence and codePoint is U+FFFD; a literal U+FFFD in the
    /// text is not malformed.
    bool malformed = true;
};

/// The character starting at byte `at`. A byte that cannot begin a well-formed sequence (a lone
/// continuation byte, an overlong form, a surrogate, a code point above U+10FFFF) is one U+FFFD
/// of one byte; a sequence that breaks off, at the end of the text or before a byte that cannot
/// continue it, is one U+FFFD of the bytes it had. An offset at or past the end reads nothing and
/// gives a malformed U+FFFD of one byte.
Utf8Character decodeUtf8(std::string_view text, std::size_t at);

/// Whether every byte of the text belongs to a well-formed sequence.
bool isWellFormedUtf8(std::string_view text);

/// Replaces each malformed sequence (as `decodeUtf8` splits them) with one U+FFFD, so that text
/// from outside (a hand-edited file, raw clipboard bytes) is shown as a desktop shows it.
void makeWellFormedUtf8(std::string &text);

/// Appends the UTF-8 form of a code point.
void appendUtf8(std::string &out, char32_t codePoint);

constexpr bool isAsciiDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

} // namespace sorba
