#include "ui/widgets/frmAbout.h"

#include "system/ProgramNames.h"
#include "ui/desktop/WebPages.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/WrappingLabel.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(sys::programCaption());
    setFont(programFont());
    setColours(this, Colours::White, Colours::Black);
    createControls();
    layOutControls();

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(lblHomePage, &LinkLabel::clicked, this, &OpenHomePage);
    // The offer above it is the fully branded edition, so this link opens that page.
    connect(lblCobrand, &LinkLabel::clicked, this, &OpenFullBrandPage);

    setTabOrder(cmdOK, lblHomePage);
    setTabOrder(lblHomePage, lblCobrand);
    cmdOK->setFocus();
}

void frmAbout::createControls()
{
    picIcon = named(new QLabel(this), QStringLiteral("picIcon"));
    picIcon->setPixmap(windowIcon().pixmap(32, 32));
    picIcon->setFixedSize(px(480), px(480));
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setAccessibleName(tr("Program icon"));

    cmdOK = named(new QPushButton(tr("OK"), this), QStringLiteral("cmdOK"));
    cmdOK->setFont(programFont(NormalPointSize, true));
    cmdOK->setMinimumSize(px(1260), px(345));
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    setColours(cmdOK, Colours::Black, Colours::ButtonGrey);

    lblHomePage = named(
        new LinkLabel(tr("Click here to visit us at %1").arg(shownAddress(webPageAddress(WebPage::HomePage))), this),
        QStringLiteral("lblHomePage"));
    lblHomePage->setFont(programFont(NormalPointSize, false, true));
    lblHomePage->setAccessibleDescription(tr("Opens our home page in your web browser"));
    setColours(lblHomePage, Colours::Cyan);

    Label3 = named(new WrappingLabel(tr("Home Business Opportunity. Start your own Internet business and make "
                                        "money online. Get this software fully branded for your website."),
                       this),
        QStringLiteral("Label3"));
    Label3->setFont(programFont(NormalPointSize, true));
    Label3->setWordWrap(true);
    setColours(Label3, Colours::DarkTeal);

    lblCobrand = named(new LinkLabel(tr("Click here for more details"), this), QStringLiteral("lblCobrand"));
    lblCobrand->setFont(programFont(NormalPointSize, false, true));
    lblCobrand->setAccessibleDescription(tr("Opens the page on the fully branded edition in your web browser"));
    setColours(lblCobrand, Colours::Cyan);

    Line2 = named(new QWidget(this), QStringLiteral("Line2"));
    Line2->setFixedHeight(2);
    setColours(Line2, Colours::Cyan, Colours::Cyan);

    Label2 = named(new QLabel(sys::programCaption(), this), QStringLiteral("Label2"));
    Label2->setFont(programFont(12, true));
    setColours(Label2, Colours::Teal);

    Label1 = named(new WrappingLabel(tr("VQ Rudraksha Numerology gives you the benefits of using Rudraksh beads "
                                        "based on numerology. These beads are said to have many medicinal and "
                                        "spiritual properties that can help you overcome many problems in life."),
                       this),
        QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    setColours(Label1, Colours::DarkTeal);
}

void frmAbout::layOutControls()
{
    // Icon beside the title and the description; links, offer and OK below.
    auto* heading = new QVBoxLayout;
    heading->setSpacing(px(30));
    heading->addWidget(Label2);
    heading->addWidget(Label1);
    auto* top = new QHBoxLayout;
    top->addWidget(picIcon, 0, Qt::AlignTop);
    top->addSpacing(px(180));
    top->addLayout(heading, 1);

    // Line2 runs from edge to edge; everything else keeps 90 twips from the sides.
    auto* content = new QVBoxLayout;
    content->setContentsMargins(px(90), 0, px(90), 0);
    content->setSpacing(px(60));
    content->addLayout(top);
    content->addWidget(lblHomePage, 0, Qt::AlignRight);
    content->addWidget(Label3);
    content->addWidget(lblCobrand, 0, Qt::AlignRight);
    auto* button = new QHBoxLayout;
    button->setContentsMargins(px(90), 0, px(90), 0);
    button->addStretch();
    button->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, px(120), 0, px(45));
    layout->setSpacing(px(60));
    layout->addLayout(content);
    layout->addWidget(Line2);
    layout->addLayout(button);

    // The design's size, taller where the fallback font or a larger scale needs room.
    const int width = px(5865);
    setFixedSize(width, qMax(px(3390), layout->totalHeightForWidth(width)));
}

void frmAbout::showModal(QWidget* parent)
{
    frmAbout about(parent);
    about.exec();
}

} // namespace ui
