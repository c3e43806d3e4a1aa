#include "core/numerology/Working.h"

#include "core/numerology/DigitReduction.h"
#include "core/numerology/Translatable.h"

namespace core {
namespace {

// The arrow between passes, U+2192, as UTF-8 bytes so that no compiler's
// source or execution character set can change it.
constexpr std::string_view kArrow = " \xE2\x86\x92 ";

// " -> 2 + 0 + 0 + 8 = 10 -> 1 + 0 = 1": the digit sums of total, each after
// the digits it adds up.
std::string passes(std::uint64_t total)
{
    std::string text;
    std::uint64_t from = total;
    for (const std::uint64_t sum : digitSums(total)) {
        const std::string digits = std::to_string(from);
        text += kArrow;
        for (std::size_t i = 0; i < digits.size(); ++i) {
            text += i == 0 ? "" : " + ";
            text += digits[i];
        }
        text += " = " + std::to_string(sum);
        from = sum;
    }
    return text;
}

std::string terms(const Working& working, std::string_view lettersCount)
{
    if (working.termCount > working.terms.size()) {
        std::string count(lettersCount);
        const auto placeholder = count.find("%1");
        if (placeholder != std::string::npos) {
            count.replace(placeholder, 2, std::to_string(working.termCount));
        }
        return count;
    }
    std::string text;
    for (const Working::Term& term : working.terms) {
        text += text.empty() ? "" : " + ";
        if (term.letter != 0) {
            text += term.letter;
            text += ' ';
        }
        text += std::to_string(term.value);
    }
    return text;
}

} // namespace

int Working::result() const
{
    return reduceDigits(total);
}

void Working::addLetter(char letter, int value)
{
    ++termCount;
    total += static_cast<std::uint64_t>(value);
    if (terms.size() < MostLettersListed) {
        terms.push_back(
            {static_cast<char>(letter >= 'a' ? letter - 'a' + 'A' : letter), static_cast<std::uint64_t>(value)});
    }
}

std::string_view lettersCountFormat()
{
    return VQ_TR_NOOP("core::Working", "%1 letters");
}

std::string workingText(const Working& working, std::string_view lettersCount)
{
    if (working.empty()) {
        return {};
    }
    if (working.termCount == 1 && working.terms.front().letter == 0) {
        return std::to_string(working.total) + passes(working.total);
    }
    return terms(working, lettersCount) + " = " + std::to_string(working.total) + passes(working.total);
}

} // namespace core
