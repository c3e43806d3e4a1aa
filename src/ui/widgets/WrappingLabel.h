#pragma once

#include <QLabel>

#include <array>

namespace ui {

// A label whose text may wrap, laid out once for each width a layout asks
// about: QLabel lays a wrapped text out anew (shaping every word) at each
// question of its height for a width, and layouts ask again at every pass.
// The heights stay until the text, the font, the margins, the indent, the
// alignment, the frame or the style change. A label that does not wrap
// behaves as a QLabel.
class WrappingLabel : public QLabel {
    Q_OBJECT

public:
    explicit WrappingLabel(QWidget* parent = nullptr);
    explicit WrappingLabel(const QString& text, QWidget* parent = nullptr);

    int heightForWidth(int width) const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    // What the measured heights depend on besides the font and the style.
    struct Measured {
        QString text;
        int margin = 0;
        int indent = 0;
        int frameWidth = 0;
        QMargins contents;
        Qt::Alignment alignment;
        Qt::TextFormat format = Qt::AutoText;
        int dpi = 0;
        bool operator==(const Measured&) const = default;
    };
    Measured measuredNow() const;

    struct Height {
        int width = -1;
        int height = -1;
    };
    // Enough for the widths one layout pass tries; the oldest goes first.
    static constexpr std::size_t kKept = 8;
    mutable Measured m_measured;
    mutable std::array<Height, kKept> m_heights{};
    mutable std::size_t m_next = 0;
    mutable bool m_valid = false;
};

} // namespace ui
