#include "ui/desktop/RecentReadingsMenu.h"

#include "system/RecentReadings.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

namespace ui {
namespace {

// A name longer than this is cut in the menu.
constexpr qsizetype kLongestShownName = 40;

} // namespace

RecentReadingsMenu::RecentReadingsMenu(QMenu* menu, QAction* before)
    : QObject(menu)
    , m_menu(menu)
    , m_before(before)
{
    // Separators on both sides; the menu hides those at its top and doubled ones.
    menu->insertSeparator(before)->setObjectName(QStringLiteral("mnuRecentAbove"));
    menu->insertSeparator(before)->setObjectName(QStringLiteral("mnuRecentBelow"));
    m_before = menu->actions().at(menu->actions().indexOf(before) - 1);
    connect(menu, &QMenu::aboutToShow, this, &RecentReadingsMenu::refresh);
    refresh();
}

void RecentReadingsMenu::refresh()
{
    qDeleteAll(m_entries);
    m_entries.clear();
    const QList<sys::RecentReading> list = sys::recentReadings();
    for (qsizetype i = 0; i < list.size(); ++i) {
        QString name = list.at(i).personName;
        if (name.size() > kLongestShownName) {
            name = name.left(kLongestShownName - 1) + QChar(0x2026);
        }
        name.replace(QLatin1Char('&'), QLatin1String("&&"));
        QString file = QFileInfo(list.at(i).path).fileName();
        file.replace(QLatin1Char('&'), QLatin1String("&&"));
        // The number is the entry's access key.
        auto* entry = new QAction(tr("&%1 %2 (%3)").arg(i + 1).arg(name, file), m_menu);
        entry->setObjectName(QStringLiteral("mnuRecent_%1").arg(i));
        const QString path = list.at(i).path;
        connect(entry, &QAction::triggered, this, [this, path] { emit chosen(path); });
        m_menu->insertAction(m_before, entry);
        m_entries.append(entry);
    }
}

} // namespace ui
