#include "ui/widgets/LinkLabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ui {

namespace {

class LinkLabelAccessible final : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel* label)
        : QAccessibleWidget(label, QAccessible::Link)
    { }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return static_cast<const QLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& name) override
    {
        if (name == pressAction()) {
            static_cast<LinkLabel*>(widget())->activate();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }
};

QAccessibleInterface* createAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("ui::LinkLabel") && object != nullptr && object->isWidgetType()) {
        return new LinkLabelAccessible(static_cast<LinkLabel*>(object));
    }
    return nullptr;
}

} // namespace

// The text is set before the label takes its focus policy: a focusable QLabel
// keeps its text in a text document and lays it out anew (twice) for every
// width a layout asks about. A plain-text link measures and draws as a plain
// label does.
LinkLabel::LinkLabel(const QString& text, QWidget* parent)
    : WrappingLabel(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(createAccessible), true);
    Q_UNUSED(factoryInstalled);
    setTextFormat(Qt::PlainText);
    setText(text);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

bool LinkLabel::event(QEvent* event)
{
    if (event->type() != QEvent::Polish) {
        return WrappingLabel::event(event);
    }
    // QLabel gives a focusable label its text document when polished.
    setFocusPolicy(Qt::NoFocus);
    const bool handled = WrappingLabel::event(event);
    setFocusPolicy(Qt::TabFocus);
    return handled;
}

void LinkLabel::focusInEvent(QFocusEvent* /*event*/)
{
    // QLabel would make the text document here too; of its handling only the
    // repaint is needed, for the focus frame drawn in paintEvent.
    update();
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    WrappingLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    WrappingLabel::mouseReleaseEvent(event);
    if (click) {
        activate();
    }
}

void LinkLabel::activate()
{
    emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        activate();
        return;
    default:
        WrappingLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent* event)
{
    WrappingLabel::paintEvent(event);
    if (hasFocus()) {
        // Keyboard users see which link Enter would open.
        QPainter painter(this);
        QPen pen(palette().color(QPalette::WindowText), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace ui
