#include "desktop/HelpMenu.h"

#include "desktop/UiText.h"
#include "desktop/frmAbout.h"
#include "desktop/modHelp.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

using UiText::Named;

HelpMenu AddHelpMenu(QMainWindow* window)
{
    QMenuBar* bar = window->menuBar();
    HelpMenu menu;
    menu.mnuHelp = Named(bar->addMenu(QStringLiteral("&Help")), QStringLiteral("mnuHelp"));
    menu.mnuOnline = Named(menu.mnuHelp->addAction(QStringLiteral("&Online Help")), QStringLiteral("mnuOnline"));
    menu.mnuVisit = Named(menu.mnuHelp->addAction(QStringLiteral("&Visit Us Online")), QStringLiteral("mnuVisit"));
    menu.mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelp1"));
    menu.mnuUpdate
        = Named(menu.mnuHelp->addAction(QStringLiteral("Check for Software &Update")), QStringLiteral("mnuUpdate"));
    menu.mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelp2"));
    menu.mnuAbout = Named(menu.mnuHelp->addAction(QStringLiteral("&About Software")), QStringLiteral("mnuAbout"));
    // A command of the menu bar itself, with no menu under it.
    menu.mnuDonate = Named(bar->addAction(QStringLiteral("&Donate")), QStringLiteral("mnuDonate"));

    QObject::connect(menu.mnuOnline, &QAction::triggered, window, &modHelp::OpenOnlineHelp);
    QObject::connect(menu.mnuVisit, &QAction::triggered, window, &modHelp::OpenHomePage);
    // Opens the download page at once; the start-up reminder's date stays as it is.
    QObject::connect(menu.mnuUpdate, &QAction::triggered, window, &modHelp::OpenUpdatePage);
    QObject::connect(menu.mnuAbout, &QAction::triggered, window, [window] { frmAbout::ShowModal(window); });
    QObject::connect(menu.mnuDonate, &QAction::triggered, window, &modHelp::OpenDonatePage);
    return menu;
}
