#pragma once

class LinkLabel;
class QStackedLayout;
class QWidget;

// The black strip holding the co-branding offer and the fully branded offer in
// one place; only the offer in front is seen, and a click opens its page.
struct PromotionStrip {
    QWidget* fraFullBrand = nullptr;
    LinkLabel* lblCobrand = nullptr;
    LinkLabel* lblFullBrand = nullptr;
    QStackedLayout* offers = nullptr;

    // Brings the co-branding offer (true) or the fully branded offer to the front.
    void ShowCoBrandOffer(bool coBrand) const;
};

// Creates the strip in parent with the fully branded offer in front.
PromotionStrip CreatePromotionStrip(QWidget* parent);
