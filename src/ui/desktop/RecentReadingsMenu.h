#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QMenu;

namespace ui {

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
