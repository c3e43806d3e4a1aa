#include "ui/widgets/PromotionStrip.h"

#include "ui/desktop/WebPages.h"
#include "ui/widgets/FrontPageLayout.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/Look.h"

#include <QVBoxLayout>

namespace ui {

PromotionStrip::PromotionStrip(const QFont& offerFont, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("fraFullBrand"));
    setMinimumHeight(px(855));
    setColours(this, Colours::Teal, Colours::Black);

    lblCobrand = new LinkLabel(tr("Co-brand this software for your site.  Increase loyalty and traffic "
                                  "to your site. Put your site's name &  link here. See \"Help\" for "
                                  "details.    Click Here for more info on co-branding."),
        this);
    lblCobrand->setObjectName(QStringLiteral("lblCobrand"));
    lblCobrand->setAccessibleDescription(tr("Opens the co-branding page in your web browser"));
    lblFullBrand = new LinkLabel(tr("Home Business Opportunity. Start your own Internet business and "
                                    "make money online. Get this software fully branded for your "
                                    "website. Click here for more details."),
        this);
    lblFullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    lblFullBrand->setAccessibleDescription(tr("Opens the page on the fully branded edition in your web browser"));
    for (LinkLabel* label : {lblCobrand, lblFullBrand}) {
        label->setFont(offerFont);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setColours(label, Colours::Teal, Colours::Black);
    }
    connect(lblCobrand, &LinkLabel::clicked, this, &OpenCoBrandPage);
    connect(lblFullBrand, &LinkLabel::clicked, this, &OpenFullBrandPage);

    // The offers sit 120 twips in from the strip's edges; a stacked layout
    // alone would give them the whole strip. The strip keeps room for the
    // taller offer, so that which one is in front never moves the window; of
    // the offer behind, only its height at the strip's width is asked.
    auto* margins = new QVBoxLayout(this);
    margins->setContentsMargins(px(120), px(120), px(120), px(120));
    m_offers = new FrontPageLayout(FrontPageLayout::Reserve::TallestHeight);
    margins->addLayout(m_offers);
    m_offers->addWidget(lblCobrand);
    m_offers->addWidget(lblFullBrand);
    showCoBrandOffer(false);
}

void PromotionStrip::showCoBrandOffer(bool coBrand)
{
    m_offers->setCurrentWidget(coBrand ? lblCobrand : lblFullBrand);
}

void PromotionStrip::placeInTabOrderAfter(QWidget* previous)
{
    setTabOrder(previous, lblCobrand);
    setTabOrder(lblCobrand, lblFullBrand);
}

} // namespace ui
