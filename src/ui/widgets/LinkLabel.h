#pragma once

#include "ui/widgets/WrappingLabel.h"

namespace ui {

// A label that works as a link: a pointing hand over it, a click (or Enter or
// Space while it has the keyboard focus) emits clicked(). Assistive tools see
// a link they can press.
class LinkLabel final : public WrappingLabel {
    Q_OBJECT

public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    // Opens the link as a click does (keyboard and assistive tools use it).
    void activate();

signals:
    void clicked();

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace ui
