#include "ui/widgets/HelpMenu.h"

#include "system/Translation.h"
#include "ui/desktop/WebPages.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/frmAbout.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace ui {
namespace {

// After a separator, "Language" with each language in its own name; the one
// spoken now is checked, and choosing another speaks it at once.
void addLanguageMenu(QMenu* mnuHelp)
{
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelp3"));
    QMenu* mnuLanguage = named(
        mnuHelp->addMenu(QCoreApplication::translate("ui::HelpMenu", "&Language")), QStringLiteral("mnuLanguage"));
    auto* group = new QActionGroup(mnuLanguage);
    for (const sys::Language& language : sys::availableLanguages()) {
        QAction* entry = named(mnuLanguage->addAction(language.name), QStringLiteral("mnuLanguage_") + language.code);
        entry->setCheckable(true);
        entry->setChecked(language.code == sys::currentLanguage());
        group->addAction(entry);
        const QString code = language.code;
        QObject::connect(entry, &QAction::triggered, mnuLanguage, [code] {
            if (code != sys::currentLanguage()) {
                // Once the menu has closed: the window is made anew.
                QMetaObject::invokeMethod(
                    sys::LanguageNotifier::instance(), [code] { sys::chooseLanguage(code); }, Qt::QueuedConnection);
            }
        });
    }
}

} // namespace

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
    addLanguageMenu(mnuHelp);
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
