#include "desktop/PromotionStrip.h"

#include "desktop/LinkLabel.h"
#include "desktop/Look.h"
#include "desktop/modHelp.h"

#include <QStackedLayout>

using Look::Px;

void PromotionStrip::ShowCoBrandOffer(bool coBrand) const
{
    offers->setCurrentWidget(coBrand ? lblCobrand : lblFullBrand);
}

PromotionStrip CreatePromotionStrip(QWidget* parent)
{
    PromotionStrip strip;
    strip.fraFullBrand = new QWidget(parent);
    strip.fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
    strip.fraFullBrand->setMinimumHeight(Px(855));
    Look::SetColours(strip.fraFullBrand, Look::Teal, Look::Black);

    strip.lblCobrand = new LinkLabel(QStringLiteral("Co-brand this software for your site.  Increase loyalty and "
                                                    "traffic to your site. Put your site's name &  link here. See "
                                                    "\"Help\" for details.    Click Here for more info on "
                                                    "co-branding."),
        strip.fraFullBrand);
    strip.lblCobrand->setObjectName(QStringLiteral("lblCobrand"));
    strip.lblCobrand->setAccessibleDescription(QStringLiteral("Opens the co-branding page in your web browser"));
    strip.lblFullBrand = new LinkLabel(QStringLiteral("Home Business Opportunity. Start your own Internet business "
                                                      "and make money online. Get this software fully branded for "
                                                      "your website. Click here for more details."),
        strip.fraFullBrand);
    strip.lblFullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    strip.lblFullBrand->setAccessibleDescription(
        QStringLiteral("Opens the page on the fully branded edition in your web browser"));
    for (LinkLabel* label : {strip.lblCobrand, strip.lblFullBrand}) {
        label->setFont(Look::Font(Look::NormalPointSize, true, true));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Look::SetColours(label, Look::Teal, Look::Black);
    }
    QObject::connect(strip.lblCobrand, &LinkLabel::clicked, strip.fraFullBrand, &modHelp::OpenCoBrandPage);
    QObject::connect(strip.lblFullBrand, &LinkLabel::clicked, strip.fraFullBrand, &modHelp::OpenFullBrandPage);

    strip.offers = new QStackedLayout(strip.fraFullBrand);
    strip.offers->setContentsMargins(Px(120), Px(120), Px(120), Px(120));
    strip.offers->addWidget(strip.lblCobrand);
    strip.offers->addWidget(strip.lblFullBrand);
    strip.ShowCoBrandOffer(false);
    return strip;
}
