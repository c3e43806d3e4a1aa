#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QMenu;

// The readings opened or saved lately: the program's own list, kept in the
// per-user settings, and the desktop's recent files, where file managers and
// the desktop's "Recent" list find them.
namespace ui {

struct RecentReading {
    QString path; // absolute
    QString personName;
};

inline constexpr qsizetype MaxRecentReadings = 8;

// The list, newest first.
QList<RecentReading> recentReadings();

// Puts the reading at path first in the list, dropping an older entry of the
// same file and any past the eighth, and records it in the desktop's recent
// files (DesktopRecentFiles.h).
void noteRecentReading(const QString& path, const QString& personName);

// Drops the file from the list.
void forgetRecentReading(const QString& path);

// The recent readings as entries of a menu, placed before one of its entries
// and made anew each time the menu opens: "&1 John Smith (john.rkn)" ...
class RecentReadingsMenu final : public QObject {
    Q_OBJECT

public:
    // The entries go into menu, before before; the object belongs to menu.
    RecentReadingsMenu(QMenu* menu, QAction* before);

    // Makes the entries anew from the stored list.
    void refresh();

signals:
    // The user chose the entry of the reading at path.
    void chosen(const QString& path);

private:
    QMenu* m_menu;
    QAction* m_before;
    QList<QAction*> m_entries;
};

} // namespace ui
