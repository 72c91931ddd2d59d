// JSON string literals and values for the script protocol.

#include "json_text.h"

#include "text/utf8.h"

#include <array>
#include <charconv>

namespace sorba::script {

namespace {

std::optional<char32_t> readHex4(std::string_view text, std::size_t at)
{
    if (at + 4 > text.size())
        return std::nullopt;
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data() + at, text.data() + at + 4, value, 16);
    if (error != std::errc() || end != text.data() + at + 4)
        return std::nullopt;
    return char32_t(value);
}

} // namespace

std::optional<std::string> parseJsonString(std::string_view literal)
{
    if (literal.size() < 2 || literal.front() != '"' || literal.back() != '"')
        return std::nullopt;
    std::string out;
    const std::string_view body = literal.substr(1, literal.size() - 2);
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (c == '"' || static_cast<unsigned char>(c) < 0x20)
            return std::nullopt;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i >= body.size())
            return std::nullopt;
        switch (body[i]) {
        case '"':
            out += '"';
            break;
        case '\\':
            out += '\\';
            break;
        case '/':
            out += '/';
            break;
        case 'b':
            out += '\b';
            break;
        case 'f':
            out += '\f';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 'u': {
            auto unit = readHex4(body, i + 1);
            if (!unit)
                return std::nullopt;
            i += 4;
            char32_t cp = *unit;
            // A surrogate pair spells one character beyond the basic plane.
            if (cp >= 0xD800 && cp < 0xDC00 && i + 2 < body.size() && body[i + 1] == '\\' &&
                body[i + 2] == 'u') {
                if (auto low = readHex4(body, i + 3); low && *low >= 0xDC00 && *low < 0xE000) {
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (*low - 0xDC00);
                    i += 6;
                }
            }
            appendUtf8(out, cp);
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return out;
}

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                constexpr std::string_view hex = "0123456789abcdef";
                out += "\\u00";
                out += hex[byte >> 4];
                out += hex[byte & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

std::string jsonValue(const PropertyValue &value)
{
    if (const auto *number = std::get_if<double>(&value)) {
        std::array<char, 64> buffer{};
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), *number);
        return {buffer.data(), result.ptr};
    }
    if (const auto *flag = std::get_if<bool>(&value))
        return *flag ? "true" : "false";
    if (const auto *text = std::get_if<std::string>(&value))
        return jsonString(*text);
    if (const auto *list = std::get_if<std::vector<std::string>>(&value)) {
        std::string out = "[";
        for (std::size_t i = 0; i < list->size(); ++i) {
            if (i > 0)
                out += ',';
            out += jsonString((*list)[i]);
        }
        return out + "]";
    }
    return "null";
}

} // namespace sorba::script
