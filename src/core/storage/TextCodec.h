#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The character shift used for saved readings and for the stored setting.
// Texts are UTF-8; every character is taken by its code in the Windows-1252
// code page (a character that page cannot hold counts as "?").
namespace core {

// Longest text the codec takes; a longer one encodes to the empty text.
inline constexpr std::size_t MaxTextLength = 32766;

// Every character's code moved up by 85; characters of code 171 and above
// are dropped.
std::string EncodeText(std::string_view text);

// Every character's code moved down by 85; characters of code below 85 are
// dropped.
std::string DecodeText(std::string_view text);

// Windows-1252 bytes of a UTF-8 text, one byte per character; characters the
// code page cannot hold (and malformed UTF-8) become "?".
std::string toWindows1252(std::string_view utf8);

// UTF-8 text of Windows-1252 bytes; every byte maps to one character.
std::string fromWindows1252(std::string_view bytes);

// The character that starts at pos of a UTF-8 text and how many bytes it
// takes; a length of 0 where no well-formed character starts there (a stray
// or cut sequence, an overlong form, a surrogate, a code past U+10FFFF).
struct Utf8Character {
    char32_t code = 0;
    std::size_t length = 0;
};
Utf8Character utf8CharacterAt(std::string_view utf8, std::size_t pos);

} // namespace core
