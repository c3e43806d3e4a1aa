#include "core/storage/TextCodec.h"

#include <array>
#include <cstdint>

namespace core {
namespace {

// Windows-1252 bytes 0x80..0x9F; the rest of the page is Latin-1. The five
// bytes Windows leaves undefined map to the control characters of the same
// code, as Windows does.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

constexpr unsigned char kUnknown = '?';
constexpr int kShift = 85;

char32_t characterOfCode(unsigned char code)
{
    if (code >= 0x80 && code <= 0x9F) {
        return kHighControls[code - 0x80u];
    }
    return code;
}

unsigned char codeOfCharacter(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<unsigned char>(c);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return kUnknown;
}

constexpr char32_t kMalformed = 0xFFFD;

// Reads one character at pos and moves pos past it; a malformed sequence
// yields U+FFFD and moves one byte on.
char32_t nextCharacter(std::string_view utf8, std::size_t& pos)
{
    const Utf8Character character = utf8CharacterAt(utf8, pos);
    if (character.length == 0) {
        ++pos;
        return kMalformed;
    }
    pos += character.length;
    return character.code;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        // Every character of the code page lies below U+10000.
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string shift(std::string_view text, int by)
{
    const std::string codes = toWindows1252(text);
    if (codes.size() > MaxTextLength) {
        return {};
    }
    std::string result;
    result.reserve(text.size());
    for (const char byte : codes) {
        const int shifted = static_cast<unsigned char>(byte) + by;
        if (shifted >= 0 && shifted <= 255) {
            appendUtf8(result, characterOfCode(static_cast<unsigned char>(shifted)));
        }
    }
    return result;
}

} // namespace

std::string EncodeText(std::string_view text)
{
    return shift(text, kShift);
}

std::string DecodeText(std::string_view text)
{
    return shift(text, -kShift);
}

std::string toWindows1252(std::string_view utf8)
{
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        bytes += static_cast<char>(codeOfCharacter(nextCharacter(utf8, pos)));
    }
    return bytes;
}

Utf8Character utf8CharacterAt(std::string_view utf8, std::size_t pos)
{
    const auto byte = [&utf8](std::size_t at) { return static_cast<unsigned char>(utf8[at]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t code = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return {};
    }
    if (pos + length > utf8.size()) {
        return {};
    }
    for (std::size_t next = 1; next < length; ++next) {
        if ((byte(pos + next) & 0xC0) != 0x80) {
            return {};
        }
        code = (code << 6) | (byte(pos + next) & 0x3Fu);
    }
    // No overlong form, no surrogate, nothing past U+10FFFF.
    static constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return {};
    }
    return {code, length};
}

std::string fromWindows1252(std::string_view bytes)
{
    std::string utf8;
    utf8.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        appendUtf8(utf8, characterOfCode(static_cast<unsigned char>(byte)));
    }
    return utf8;
}

} // namespace core
