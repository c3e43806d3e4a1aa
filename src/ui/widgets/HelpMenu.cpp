#include "ui/widgets/HelpMenu.h"

#include "ui/platform/WebPages.h"
#include "ui/widgets/UiText.h"
#include "ui/widgets/frmAbout.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace ui {

void addHelpMenu(QMainWindow* window)
{
    QMenuBar* bar = window->menuBar();
    QMenu* mnuHelp
        = named(bar->addMenu(QCoreApplication::translate("ui::HelpMenu", "&Help")), QStringLiteral("mnuHelp"));
    QAction* mnuOnline = named(
        mnuHelp->addAction(QCoreApplication::translate("ui::HelpMenu", "&Online Help")), QStringLiteral("mnuOnline"));
    QAction* mnuVisit = named(mnuHelp->addAction(QCoreApplication::translate("ui::HelpMenu", "&Visit Us Online")),
        QStringLiteral("mnuVisit"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelp1"));
    QAction* mnuUpdate
        = named(mnuHelp->addAction(QCoreApplication::translate("ui::HelpMenu", "Check for Software &Update")),
            QStringLiteral("mnuUpdate"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelp2"));
    QAction* mnuAbout = named(
        mnuHelp->addAction(QCoreApplication::translate("ui::HelpMenu", "&About Software")), QStringLiteral("mnuAbout"));
    // A command of the menu bar itself, with no menu under it.
    QAction* mnuDonate
        = named(bar->addAction(QCoreApplication::translate("ui::HelpMenu", "&Donate")), QStringLiteral("mnuDonate"));

    QObject::connect(mnuOnline, &QAction::triggered, window, &OpenOnlineHelp);
    QObject::connect(mnuVisit, &QAction::triggered, window, &OpenHomePage);
    // Opens the download page at once; the start-up reminder's date stays as it is.
    QObject::connect(mnuUpdate, &QAction::triggered, window, &OpenUpdatePage);
    QObject::connect(mnuAbout, &QAction::triggered, window, [window] { frmAbout::showModal(window); });
    QObject::connect(mnuDonate, &QAction::triggered, window, &OpenDonatePage);
}

} // namespace ui
