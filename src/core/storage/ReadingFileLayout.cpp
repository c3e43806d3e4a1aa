#include "core/storage/ReadingFileLayout.h"

#include "core/numerology/BirthDate.h"
#include "core/numerology/ReadingCheck.h"
#include "core/storage/TextCodec.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

namespace core {
namespace {

constexpr std::size_t kLineCount = 5;
constexpr std::string_view kLineEnd = "\r\n";

// Decimal digits with optional surrounding spaces; nothing for any other text
// or a number too large for a field of the reading.
std::optional<std::int16_t> parseNumber(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int16_t>::max()) {
            return std::nullopt;
        }
    }
    return static_cast<std::int16_t>(value);
}

// The first five lines. A line ends at CR LF, at CR alone or at LF alone
// (encoded bytes are never CR or LF).
std::vector<std::string_view> splitLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    while (!bytes.empty() && lines.size() < kLineCount) {
        const auto end = bytes.find_first_of("\r\n");
        lines.push_back(bytes.substr(0, end));
        if (end == std::string_view::npos) {
            break;
        }
        const bool crLf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
        bytes.remove_prefix(end + (crLf ? 2 : 1));
    }
    return lines;
}

// The lowest byte a save writes: every character is stored as its code plus
// 85, so a byte below it (a NUL, a tab, any control byte) is damage.
constexpr unsigned char kLowestStoredByte = 85;

bool holdsOnlyStoredBytes(std::string_view line)
{
    return std::all_of(
        line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) >= kLowestStoredByte; });
}

std::string decodeLine(std::string_view line)
{
    return DecodeText(fromWindows1252(line));
}

// Whether the month-name line names the month, in English, in any letter case.
bool namesMonth(std::string_view line, int month)
{
    const std::string_view name = monthName(month);
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return line.size() == name.size()
        && std::equal(line.begin(), line.end(), name.begin(), [&](char a, char b) { return lower(a) == lower(b); });
}

} // namespace

std::optional<std::string> readingFileBytes(const ReadingInput& input)
{
    const std::array<std::string, kLineCount> plain = {
        input.PersonName,
        std::to_string(input.BirthDay),
        std::to_string(input.BirthMonth),
        input.BirthMonthName,
        std::to_string(input.BirthYear),
    };
    std::string bytes;
    for (const std::string& text : plain) {
        if (toWindows1252(text).size() > MaxTextLength) {
            return std::nullopt;
        }
        bytes += toWindows1252(EncodeText(text));
        bytes += kLineEnd;
    }
    return bytes;
}

std::string textAsSaved(std::string_view text)
{
    return decodeLine(toWindows1252(EncodeText(text)));
}

std::optional<ReadingInput> readingFromFileBytes(std::string_view bytes)
{
    const std::vector<std::string_view> lines = splitLines(bytes);
    if (lines.size() < kLineCount || !std::all_of(lines.begin(), lines.end(), holdsOnlyStoredBytes)) {
        return std::nullopt;
    }
    const auto day = parseNumber(decodeLine(lines[1]));
    const auto month = parseNumber(decodeLine(lines[2]));
    const auto year = parseNumber(decodeLine(lines[4]));
    if (!day || !month || !year || !namesMonth(decodeLine(lines[3]), *month)) {
        return std::nullopt;
    }
    ReadingInput input;
    input.PersonName = decodeLine(lines[0]);
    input.BirthDay = *day;
    input.BirthMonth = *month;
    input.BirthMonthName = decodeLine(lines[3]);
    input.BirthYear = *year;
    if (checkReading(input) != ReadingProblem::None) {
        return std::nullopt;
    }
    return input;
}

} // namespace core
