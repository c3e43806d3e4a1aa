#include "ui/widgets/WindowFrame.h"

#include "system/ProgramNames.h"
#include "ui/widgets/ForumBanner.h"
#include "ui/widgets/HelpMenu.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/WindowPlacement.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

namespace ui {
namespace {

// The window's client area: at least the design's size, and at least the
// height its rows take at its width. Qt counts one line for each text
// that wraps in a window's minimum, and a minimum size set on the widget would
// stand in for its contents' own; a window that came up at such a minimum laid
// the rows that needed more lines over each other (the result page under the
// font advances of Windows).
class CentralWidget final : public QWidget {
public:
    CentralWidget(QSize designSize, QWidget* parent)
        : QWidget(parent)
        , m_designSize(designSize)
    { }

    QSize minimumSizeHint() const override
    {
        QSize size = QWidget::minimumSizeHint().expandedTo(m_designSize);
        if (layout() != nullptr && layout()->hasHeightForWidth()) {
            // At the width it has on screen, else at its natural width.
            const int width = isVisible() ? this->width() : sizeHint().width();
            size.setHeight(qMax(size.height(), layout()->totalMinimumHeightForWidth(width)));
        }
        return size;
    }

private:
    QSize m_designSize;
};

} // namespace

WindowFrame::WindowFrame(const QString& objectName, QSize clientTwips, const QString& bannerName, int bannerTwips)
{
    setObjectName(objectName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(sys::programCaption());
    setFont(programFont());
    setColours(this, Colours::White, Colours::Black);
    keepWindowPlacement(this);

    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    m_fileMenu = named(bar->addMenu(tr("&File")), QStringLiteral("mnuFile"));
    addHelpMenu(this);

    m_central = named(new CentralWidget(QSize(px(clientTwips.width()), px(clientTwips.height())), this),
        QStringLiteral("centralWidget"));
    setCentralWidget(m_central);

    m_banner = createForumBanner(m_central, bannerName, bannerTwips);
    m_column = new QVBoxLayout(m_central);
    auto* bannerRow = new QHBoxLayout;
    bannerRow->addStretch();
    bannerRow->addWidget(m_banner, 4);
    bannerRow->addStretch();
    m_column->addLayout(bannerRow);
}

QAction* WindowFrame::addExitEntry()
{
    QAction* mnuExit = named(m_fileMenu->addAction(tr("E&xit")), QStringLiteral("mnuExit"));
    mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    return mnuExit;
}

void WindowFrame::closeForHandOver()
{
    m_handOver = true;
    close();
}

void WindowFrame::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!m_handOver) {
        emit endRequested();
    }
}

} // namespace ui
