#pragma once

#include <QStackedLayout>

namespace ui {

// A stacked layout sized by the page in front: the pages behind it are not
// measured. QStackedLayout takes the largest of all its pages, and asks each
// page for its height at every width a layout tries, so a hidden page full of
// wrapped text is laid out again and again for nothing. A page brought to the
// front is measured then, and the window grows if it needs to.
//
// With Reserve::TallestHeight the layout stays as tall as the tallest page at
// its width (a strip whose height must not depend on which page is in
// front); of the pages behind, only that height is asked.
class FrontPageLayout final : public QStackedLayout {
    Q_OBJECT

public:
    enum class Reserve { FrontPage, TallestHeight };

    explicit FrontPageLayout(Reserve reserve = Reserve::FrontPage);
    explicit FrontPageLayout(QWidget* parent, Reserve reserve = Reserve::FrontPage);

    QSize sizeHint() const override;
    QSize minimumSize() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

private:
    QLayoutItem* front() const;

    Reserve m_reserve;
};

} // namespace ui
