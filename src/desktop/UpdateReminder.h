#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// When start-up offers to look for an update: when the stored date of the last
// reminder lies 15 days or more from today, in either direction.
namespace UpdateReminder {

// Days on either side of the stored date on which nothing is asked.
inline constexpr int QuietDays = 14;

struct Decision {
    bool ask = false;
    std::optional<std::string> store; // the text to store, if any
};

// stored: the decoded stored text ("" when there is none). shortDate: the date
// that text holds when read in the user's short-date form, if it reads as one.
// The first start stores today quietly; so does a text that holds no date,
// which would otherwise silence the reminder for good.
Decision Decide(
    std::chrono::year_month_day today, std::string_view stored, std::optional<std::chrono::year_month_day> shortDate);

// yyyy-MM-dd.
std::string FormatDate(std::chrono::year_month_day date);
std::optional<std::chrono::year_month_day> ParseDate(std::string_view text);

} // namespace UpdateReminder
