// Spoken texts: the readout with its marks, and menu captions taken apart into name and key.

#include "shell/spoken_text.h"

#include "model/main_form.h"
#include "tables/era_table.h"
#include "text/utf8.h"

#include <array>
#include <utility>

namespace sorba {

namespace {

constexpr std::string_view partSeparator = ", ";

// The English names of the eras, for the kanji an English era year leaves in the memory mark.
constexpr std::array<std::pair<EraId, std::string_view>, 4> englishEraNames{{
    {EraId::Meiji, "Meiji"},
    {EraId::Taisho, "Taisho"},
    {EraId::Showa, "Showa"},
    {EraId::Heisei, "Heisei"},
}};

bool isBlank(char32_t c)
{
    return c == U' ' || c == U'\t' || c == U'\u3000';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty()) {
        const Utf8Character first = decodeUtf8(text, 0);
        if (!isBlank(first.codePoint))
            break;
        text.remove_prefix(first.length);
    }
    // Blanks are one byte or the three of U+3000.
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    while (text.size() >= 3 && text.substr(text.size() - 3) == "\u3000") {
        text.remove_suffix(3);
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
            text.remove_suffix(1);
    }
    return text;
}

std::string_view englishEraName(std::string_view mark)
{
    for (const auto &[id, name] : englishEraNames) {
        if (mark == era(id).kanjiMark)
            return name;
    }
    return {};
}

void appendPart(std::string &out, std::string_view part)
{
    if (part.empty())
        return;
    if (!out.empty())
        out += partSeparator;
    out += part;
}

// A leader is a run of at least two of these, as wide as the menu needs.
bool isLeaderCharacter(char32_t c)
{
    return c == U'・' || c == U'･' || c == U'-' || c == U'－';
}

std::string_view withoutLeader(std::string_view text)
{
    std::size_t end = text.size();
    std::size_t runStart = end;
    int runLength = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        const Utf8Character c = decodeUtf8(text, at);
        if (isLeaderCharacter(c.codePoint)) {
            if (runLength == 0)
                runStart = at;
            ++runLength;
        } else {
            runLength = 0;
        }
        at += c.length;
    }
    if (runLength >= 2)
        end = runStart;
    return text.substr(0, end);
}

std::string plainKey(std::string_view key)
{
    std::string out;
    std::size_t at = 0;
    while (at < key.size()) {
        const Utf8Character c = decodeUtf8(key, at);
        at += c.length;
        // "(＼ろ)" says where the key sits on a Japanese keyboard; the key is what precedes it.
        if ((c.codePoint == U'(' || c.codePoint == U'（') && !out.empty())
            break;
        if (c.codePoint >= U'！' && c.codePoint <= U'～')
            out += char(c.codePoint - U'！' + U'!');
        else if (c.codePoint == U'￥')
            appendUtf8(out, U'¥');
        else
            appendUtf8(out, c.codePoint);
    }
    return out;
}

} // namespace

std::string spokenReadout(std::string_view readout, std::string_view operationMark,
                          std::string_view memoryMark, bool english)
{
    std::string out;
    appendPart(out, trimmed(readout));
    appendPart(out, trimmed(operationMark));
    if (english)
        appendPart(out, englishEraName(trimmed(memoryMark)));
    return out;
}

std::string spokenReadout(const MainForm &form)
{
    return spokenReadout(form.Readout.caption, form.MEM2.caption, form.MEM1.text,
                         form.messagesInEnglish);
}

SpokenCaption spokenCaption(std::string_view caption)
{
    SpokenCaption spoken;
    std::string_view name = caption;
    const std::size_t open = caption.find("【");
    if (open != std::string_view::npos) {
        name = caption.substr(0, open);
        const std::size_t keyStart = open + std::string_view("【").size();
        const std::size_t close = caption.find("】", keyStart);
        spoken.key = plainKey(caption.substr(
            keyStart, close == std::string_view::npos ? std::string_view::npos : close - keyStart));
    }
    spoken.name = std::string(trimmed(withoutLeader(name)));
    return spoken;
}

} // namespace sorba
