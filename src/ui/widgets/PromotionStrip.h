#pragma once

#include <QWidget>

namespace ui {

class FrontPageLayout;
class LinkLabel;

// The black strip holding the co-branding offer and the fully branded offer in
// one place; only the offer in front is seen, and a click opens its page. The
// fully branded offer starts in front.
class PromotionStrip final : public QWidget {
    Q_OBJECT

public:
    // offerFont: the font of both offers, which differs between the windows.
    PromotionStrip(const QFont& offerFont, QWidget* parent);

    // Brings the co-branding offer (true) or the fully branded offer to the front.
    void showCoBrandOffer(bool coBrand);

    // Puts the two offers right after previous in the window's tab order.
    void placeInTabOrderAfter(QWidget* previous);

private:
    LinkLabel* lblCobrand = nullptr;
    LinkLabel* lblFullBrand = nullptr;
    FrontPageLayout* m_offers = nullptr;
};

} // namespace ui
