#include "result/ReadingFile.h"

#include "app/Reading.h"
#include "numerology/Numerology.h"
#include "result/TextCodec.h"

#include <array>
#include <vector>

namespace ReadingFile {
namespace {

constexpr std::size_t kLineCount = 5;
constexpr std::string_view kLineEnd = "\r\n";

// Decimal digits with optional surrounding spaces, within lowest..highest.
std::optional<std::int16_t> ParseNumber(std::string_view text, int lowest, int highest)
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
        if (value > highest) {
            return std::nullopt;
        }
    }
    if (value < lowest) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

// The first five lines; a line ends at LF, and a CR right before it belongs to
// the line end (encoded bytes are never CR or LF).
std::vector<std::string_view> SplitLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    while (!bytes.empty() && lines.size() < kLineCount) {
        const auto lf = bytes.find('\n');
        std::string_view line = bytes.substr(0, lf);
        if (lf != std::string_view::npos && !line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        bytes = lf == std::string_view::npos ? std::string_view{} : bytes.substr(lf + 1);
    }
    return lines;
}

std::string DecodeLine(std::string_view line)
{
    return TextCodec::DecodeText(TextCodec::FromWindows1252(line));
}

} // namespace

std::optional<std::string> ToBytes(const Reading& reading)
{
    const std::array<std::string, kLineCount> plain = {
        reading.PersonName,
        std::to_string(reading.BirthDay),
        std::to_string(reading.BirthMonth),
        reading.BirthMonthName,
        std::to_string(reading.BirthYear),
    };
    std::string bytes;
    for (const std::string& text : plain) {
        if (TextCodec::ToWindows1252(text).size() > TextCodec::MaxTextLength) {
            return std::nullopt;
        }
        bytes += TextCodec::ToWindows1252(TextCodec::EncodeText(text));
        bytes += kLineEnd;
    }
    return bytes;
}

std::optional<Fields> FromBytes(std::string_view bytes)
{
    const std::vector<std::string_view> lines = SplitLines(bytes);
    if (lines.size() < kLineCount) {
        return std::nullopt;
    }
    Fields fields;
    fields.PersonName = DecodeLine(lines[0]);
    const auto day = ParseNumber(DecodeLine(lines[1]), 1, 31);
    const auto month = ParseNumber(DecodeLine(lines[2]), 1, 12);
    fields.BirthMonthName = DecodeLine(lines[3]);
    const auto year = ParseNumber(DecodeLine(lines[4]), 1, 9999);
    if (!day || !month || !year || !numerology::HasLetterAToZ(fields.PersonName)) {
        return std::nullopt;
    }
    fields.BirthDay = *day;
    fields.BirthMonth = *month;
    fields.BirthYear = *year;
    return fields;
}

void ApplyTo(const Fields& fields, Reading& reading)
{
    reading.PersonName = fields.PersonName;
    reading.BirthDay = fields.BirthDay;
    reading.BirthMonth = fields.BirthMonth;
    reading.BirthMonthName = fields.BirthMonthName;
    reading.BirthYear = fields.BirthYear;
}

} // namespace ReadingFile
