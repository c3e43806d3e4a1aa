#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// When start-up offers to look for an update: when the stored date of the last
// reminder lies 15 days or more from today, in either direction.
namespace core {

// Days on either side of the stored date on which nothing is asked.
inline constexpr int ReminderQuietDays = 14;

struct ReminderDecision {
    bool ask = false;
    std::optional<std::string> store; // the text to store, if any
};

// stored: the decoded stored text ("" when there is none). shortDate: the date
// that text holds when read in the user's short-date form, if it reads as one.
// The first start stores today quietly; so does a text that holds no date,
// which would otherwise silence the reminder for good.
ReminderDecision decideReminder(
    std::chrono::year_month_day today, std::string_view stored, std::optional<std::chrono::year_month_day> shortDate);

// The stored form of a date, yyyy-MM-dd, and back.
std::string formatStoredDate(std::chrono::year_month_day date);
std::optional<std::chrono::year_month_day> parseStoredDate(std::string_view text);

} // namespace core
