#include "desktop/frmAbout.h"

#include "desktop/LinkLabel.h"
#include "desktop/Look.h"
#include "desktop/modHelp.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using Look::Px;

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("VQ Rudraksha Numerology v1.0"));
    setFont(Look::Font());
    Look::SetColours(this, Look::White, Look::Black);

    const auto make = [](auto* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };

    picIcon = make(new QLabel(this), "picIcon");
    picIcon->setPixmap(windowIcon().pixmap(32, 32));
    picIcon->setFixedSize(Px(480), Px(480));
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setAccessibleName(QStringLiteral("Program icon"));

    cmdOK = make(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
    cmdOK->setFont(Look::Font(Look::NormalPointSize, true));
    cmdOK->setMinimumSize(Px(1260), Px(345));
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    Look::SetColours(cmdOK, Look::Black, Look::ButtonGrey);

    lblHomePage
        = make(new LinkLabel(QStringLiteral("Click here to visit us at vq-software.example.com"), this), "lblHomePage");
    lblHomePage->setFont(Look::Font(Look::NormalPointSize, false, true));
    lblHomePage->setAccessibleDescription(QStringLiteral("Opens our home page in your web browser"));
    Look::SetColours(lblHomePage, Look::Cyan);

    Label3 = make(new QLabel(QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                                            "money online. Get this software fully branded for your website."),
                      this),
        "Label3");
    Label3->setFont(Look::Font(Look::NormalPointSize, true));
    Label3->setWordWrap(true);
    Look::SetColours(Label3, Look::DarkTeal);

    lblCobrand = make(new LinkLabel(QStringLiteral("Click here for more details"), this), "lblCobrand");
    lblCobrand->setFont(Look::Font(Look::NormalPointSize, false, true));
    lblCobrand->setAccessibleDescription(
        QStringLiteral("Opens the page on the fully branded edition in your web browser"));
    Look::SetColours(lblCobrand, Look::Cyan);

    Line2 = make(new QWidget(this), "Line2");
    Line2->setFixedHeight(2);
    Look::SetColours(Line2, Look::Cyan, Look::Cyan);

    Label2 = make(new QLabel(QStringLiteral("VQ Rudraksha Numerology v1.0"), this), "Label2");
    Label2->setFont(Look::Font(12, true));
    Look::SetColours(Label2, Look::Teal);

    Label1 = make(new QLabel(QStringLiteral("VQ Rudraksha Numerology gives you the benefits of using Rudraksh beads "
                                            "based on numerology. These beads are said to have many medicinal and "
                                            "spiritual properties that can help you overcome many problems in life."),
                      this),
        "Label1");
    Label1->setWordWrap(true);
    Look::SetColours(Label1, Look::DarkTeal);

    // Icon beside the title and the description; links, offer and OK below.
    auto* heading = new QVBoxLayout;
    heading->setSpacing(Px(30));
    heading->addWidget(Label2);
    heading->addWidget(Label1);
    auto* top = new QHBoxLayout;
    top->addWidget(picIcon, 0, Qt::AlignTop);
    top->addSpacing(Px(180));
    top->addLayout(heading, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Px(90), Px(120), Px(90), Px(45));
    layout->setSpacing(Px(60));
    layout->addLayout(top);
    layout->addWidget(lblHomePage, 0, Qt::AlignRight);
    layout->addWidget(Label3);
    layout->addWidget(lblCobrand, 0, Qt::AlignRight);
    layout->addWidget(Line2);
    layout->addWidget(cmdOK, 0, Qt::AlignRight);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(lblHomePage, &LinkLabel::clicked, this, &modHelp::OpenHomePage);
    // The offer above it is the fully branded edition, so this link opens that page.
    connect(lblCobrand, &LinkLabel::clicked, this, &modHelp::OpenFullBrandPage);

    setTabOrder(cmdOK, lblHomePage);
    setTabOrder(lblHomePage, lblCobrand);
    cmdOK->setFocus();

    // The design's size, taller where the fallback font or a larger scale needs room.
    const int width = Px(5865);
    setFixedSize(width, qMax(Px(3390), layout->totalHeightForWidth(width)));
}

void frmAbout::ShowModal(QWidget* parent)
{
    frmAbout about(parent);
    about.exec();
}
