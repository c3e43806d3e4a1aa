#include "core/storage/UpdateReminder.h"

#include <cstdio>

namespace core {

using namespace std::chrono;

std::string formatStoredDate(year_month_day date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
        static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::optional<year_month_day> parseStoredDate(std::string_view text)
{
    // Exactly four digits, a hyphen, two digits, a hyphen, two digits.
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    int fields[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 5, 8};
    const std::size_t lengths[3] = {4, 2, 2};
    for (int f = 0; f < 3; ++f) {
        for (std::size_t i = starts[f]; i < starts[f] + lengths[f]; ++i) {
            if (text[i] < '0' || text[i] > '9') {
                return std::nullopt;
            }
            fields[f] = fields[f] * 10 + (text[i] - '0');
        }
    }
    const year_month_day date{
        year{fields[0]}, month{static_cast<unsigned>(fields[1])}, day{static_cast<unsigned>(fields[2])}};
    if (!date.ok()) {
        return std::nullopt;
    }
    return date;
}

ReminderDecision decideReminder(year_month_day today, std::string_view stored, std::optional<year_month_day> shortDate)
{
    if (stored.empty()) {
        return ReminderDecision{false, formatStoredDate(today)};
    }
    std::optional<year_month_day> date = parseStoredDate(stored);
    if (!date) {
        date = shortDate;
    }
    if (!date || !date->ok()) {
        return ReminderDecision{false, formatStoredDate(today)};
    }
    const auto days = (sys_days{*date} - sys_days{today}).count();
    if (days < -ReminderQuietDays || days > ReminderQuietDays) {
        return ReminderDecision{true, formatStoredDate(today)};
    }
    return ReminderDecision{};
}

} // namespace core
