#include "ui/widgets/WrappingLabel.h"

#include <QEvent>

namespace ui {

WrappingLabel::WrappingLabel(QWidget* parent)
    : QLabel(parent)
{ }

WrappingLabel::WrappingLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{ }

WrappingLabel::Measured WrappingLabel::measuredNow() const
{
    return Measured{
        text(), margin(), indent(), frameWidth(), contentsMargins(), alignment(), textFormat(), logicalDpiY()};
}

int WrappingLabel::heightForWidth(int width) const
{
    if (!wordWrap()) {
        return QLabel::heightForWidth(width);
    }
    Measured now = measuredNow();
    if (!m_valid || !(now == m_measured)) {
        m_measured = std::move(now);
        m_heights.fill(Height{});
        m_next = 0;
        m_valid = true;
    }
    for (const Height& known : m_heights) {
        if (known.width == width) {
            return known.height;
        }
    }
    const int height = QLabel::heightForWidth(width);
    m_heights[m_next] = Height{width, height};
    m_next = (m_next + 1) % kKept;
    return height;
}

void WrappingLabel::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::ApplicationFontChange:
    case QEvent::StyleChange:
    case QEvent::LayoutDirectionChange:
    case QEvent::ContentsRectChange:
        m_valid = false;
        break;
    default:
        break;
    }
    QLabel::changeEvent(event);
}

} // namespace ui
