#include "ui/widgets/FrontPageLayout.h"

#include <QWidget>

namespace ui {

FrontPageLayout::FrontPageLayout(Reserve reserve)
    : m_reserve(reserve)
{ }

FrontPageLayout::FrontPageLayout(QWidget* parent, Reserve reserve)
    : QStackedLayout(parent)
    , m_reserve(reserve)
{ }

QLayoutItem* FrontPageLayout::front() const
{
    return itemAt(currentIndex());
}

QSize FrontPageLayout::sizeHint() const
{
    const QLayoutItem* page = front();
    return page != nullptr ? page->sizeHint() : QSize(0, 0);
}

QSize FrontPageLayout::minimumSize() const
{
    const QLayoutItem* page = front();
    return page != nullptr ? page->minimumSize() : QSize(0, 0);
}

bool FrontPageLayout::hasHeightForWidth() const
{
    if (m_reserve == Reserve::TallestHeight) {
        for (int i = 0; i < count(); ++i) {
            if (itemAt(i)->hasHeightForWidth()) {
                return true;
            }
        }
        return false;
    }
    const QLayoutItem* page = front();
    return page != nullptr && page->hasHeightForWidth();
}

int FrontPageLayout::heightForWidth(int width) const
{
    const QLayoutItem* page = front();
    int height = page != nullptr ? page->heightForWidth(width) : -1;
    if (m_reserve == Reserve::TallestHeight) {
        for (int i = 0; i < count(); ++i) {
            // A page behind is hidden, and a hidden page's layout item has
            // no height: the page itself is asked.
            if (const QWidget* behind = itemAt(i)->widget(); behind != nullptr && i != currentIndex()) {
                height = qMax(height, behind->heightForWidth(width));
            }
        }
    }
    return height;
}

} // namespace ui
