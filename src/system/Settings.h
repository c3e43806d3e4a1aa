#pragma once

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

// The program's per-user settings, each key named once, in Settings.cpp: the
// language chosen, the recent readings, where each working window was left,
// the chart's choice of the grid's numbers, the register's folder, and the
// date of the last update reminder. Values no run writes (a list
// that claims 2^31 entries, a size that is no size) read as nothing.
namespace sys {

struct RecentReading {
    QString path; // absolute
    QString personName;
};

// Where a window was left. On reading, what is not stored is nothing; on
// writing, a position of nothing leaves the stored one as it is (the
// desktop places the window), and a size of nothing removes it (the window
// was not resized). A maximized window keeps the place and size it had
// before, for when it is restored.
struct WindowPlace {
    std::optional<QPoint> position;
    std::optional<QSize> size;
    bool maximized = false;
};

class Settings final {
public:
    Settings() = delete;

    static inline constexpr qsizetype MostRecentReadings = 8;

    // The language the user chose in the Help menu ("hi"), or an empty text.
    static QString language();
    static void setLanguage(const QString& code);

    // The recent readings, newest first, MostRecentReadings at most.
    static QList<RecentReading> recentReadings();
    // Changes the list as it is kept now (another copy may have changed it)
    // and keeps it. A name is kept cut to LongestRecentName characters, and an
    // entry whose path is longer than LongestRecentPath is not kept: no list
    // outgrows what the settings file may hold.
    static void changeRecentReadings(const std::function<void(QList<RecentReading>&)>& change);
    static inline constexpr qsizetype LongestRecentName = 200;
    static inline constexpr qsizetype LongestRecentPath = 4096;

    // The place of the window of that object name ("frmMain").
    static WindowPlace windowPlace(const QString& window);
    // Writes only what differs from the stored place, so a window handed over
    // where it was left costs no write.
    static void setWindowPlace(const QString& window, const WindowPlace& place);

    // The folder of the register of readings, or an empty text: a value that
    // names no folder (any more) reads as nothing.
    static QString readingsFolder();
    static void setReadingsFolder(const QString& folder);

    // Whether the Lo Shu grid holds the birth and life path numbers too.
    static bool gridHoldsNumbers();
    static void setGridHoldsNumbers(bool holds);

    // The text stored for the last update reminder's date, decoded (the key
    // and the value are kept shifted, as reading files are), or an empty text.
    static QString reminderDate();
    static void setReminderDate(const QString& date);

    // Whether the settings outlive the run (false: kept in memory only), and
    // whether a change could be written now.
    static bool areKept();
    static bool canBeChanged();
    // Where they are kept, for a message.
    static QString location();
};

} // namespace sys
