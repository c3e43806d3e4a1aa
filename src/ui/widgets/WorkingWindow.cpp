#include "ui/widgets/WorkingWindow.h"

#include "ui/platform/Program.h"
#include "ui/widgets/ForumBanner.h"
#include "ui/widgets/HelpMenu.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/UiText.h"
#include "ui/widgets/WindowPlacement.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

namespace ui {

WorkingWindow::WorkingWindow(const QString& objectName, QSize clientTwips, const QString& bannerName, int bannerTwips)
{
    setObjectName(objectName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(programCaption());
    setFont(programFont());
    setColours(this, Colours::White, Colours::Black);
    keepWindowPlacement(this);

    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    m_fileMenu = named(bar->addMenu(tr("&File")), QStringLiteral("mnuFile"));
    addHelpMenu(this);

    m_central = named(new QWidget(this), QStringLiteral("centralWidget"));
    // At least the design's client area; more where the font needs room.
    m_central->setMinimumSize(px(clientTwips.width()), px(clientTwips.height()));
    setCentralWidget(m_central);

    m_banner = createForumBanner(m_central, bannerName, bannerTwips);
    m_column = new QVBoxLayout(m_central);
    auto* bannerRow = new QHBoxLayout;
    bannerRow->addStretch();
    bannerRow->addWidget(m_banner, 4);
    bannerRow->addStretch();
    m_column->addLayout(bannerRow);
}

QAction* WorkingWindow::addExitEntry()
{
    QAction* mnuExit = named(m_fileMenu->addAction(tr("E&xit")), QStringLiteral("mnuExit"));
    mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    return mnuExit;
}

void WorkingWindow::closeForHandOver()
{
    m_handOver = true;
    close();
}

void WorkingWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!m_handOver) {
        // Closed by the user: the program ends.
        EndProgram();
    }
}

} // namespace ui
