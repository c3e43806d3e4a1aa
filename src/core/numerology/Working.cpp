#include "core/numerology/Working.h"

#include "core/numerology/Numerology.h"
#include "core/numerology/Translatable.h"

#include <cstdint>

namespace core {
namespace {

// The arrow between passes, U+2192, as UTF-8 bytes so that no compiler's
// source or execution character set can change it.
constexpr std::string_view kArrow = " \xE2\x86\x92 ";

// A longer name would make the working longer than anyone reads.
constexpr std::size_t kMostLettersListed = 30;

// " -> 2 + 0 + 0 + 8 = 10 -> 1 + 0 = 1": the passes of reduceDigits from total
// down to one digit; nothing for a total of one digit.
std::string passes(std::uint64_t total)
{
    std::string text;
    while (total >= 10) {
        const std::string digits = std::to_string(total);
        total = 0;
        text += kArrow;
        for (std::size_t i = 0; i < digits.size(); ++i) {
            text += i == 0 ? "" : " + ";
            text += digits[i];
            total += static_cast<std::uint64_t>(digits[i] - '0');
        }
        text += " = " + std::to_string(total);
    }
    return text;
}

} // namespace

std::string_view lettersCountFormat()
{
    return VQ_TR_NOOP("core::Working", "%1 letters");
}

std::string lifePathWorking(const Reading& reading)
{
    const int sum = int{reading.BirthDay} + int{reading.BirthMonth} + int{reading.BirthYear};
    if (sum < 1) {
        return {};
    }
    return std::to_string(reading.BirthDay) + " + " + std::to_string(reading.BirthMonth) + " + "
        + std::to_string(reading.BirthYear) + " = " + std::to_string(sum) + passes(static_cast<std::uint64_t>(sum));
}

std::string destinyWorking(std::string_view name, std::string_view lettersCount)
{
    std::string letters;
    std::uint64_t count = 0;
    std::uint64_t total = 0;
    for (const char c : name) {
        const int value = letterValue(c);
        if (value == 0) {
            continue;
        }
        ++count;
        total += static_cast<std::uint64_t>(value);
        if (count <= kMostLettersListed) {
            letters += count == 1 ? "" : " + ";
            letters += static_cast<char>(c >= 'a' ? c - 'a' + 'A' : c);
            letters += ' ';
            letters += std::to_string(value);
        }
    }
    if (count == 0) {
        return {};
    }
    if (count > kMostLettersListed) {
        letters = std::string(lettersCount);
        const auto placeholder = letters.find("%1");
        if (placeholder != std::string::npos) {
            letters.replace(placeholder, 2, std::to_string(count));
        }
    }
    return letters + " = " + std::to_string(total) + passes(total);
}

} // namespace core
