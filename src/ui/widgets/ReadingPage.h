#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <string_view>

class QLabel;
class QPlainTextEdit;

namespace core {
struct BeadRecord;
struct Working;
} // namespace core

namespace ui {

// One page of the result window: a heading, the number with its personality
// text, and the bead the number calls for in nine captioned rows, with its
// description, its planet text and two pictures. A page starts with sample
// values until a number is shown on it.
//
// The window's control arrays are divided between its two pages; each control
// is named after its place there. On page p (0 life path, 1 destiny, and 2 the
// chart's birth number) value k is lblResult_(10p + k), text box k is
// txtResult_(3p + k) and picture k is imgImage_(2p + k); caption k is
// lblLabels_k on page 0, lblLabels_(19 - k) on page 1 and lblLabels_(20 + k)
// on page 2 (caption 0 is the heading).
class ReadingPage final : public QWidget {
    Q_OBJECT

public:
    enum class Number { LifePath, Destiny, BirthNumber };

    ReadingPage(Number number, QWidget* parent);

    // Shows number n (1 to 9), its personality text and the bead of
    // catalogue row n; the working behind n is the number's tooltip and part
    // of its accessible description.
    void showNumber(
        int n, std::string_view personalityText, const core::BeadRecord& bead, const core::Working& working);

    // The sample values and pictures a page holds until a number is shown on it.
    void showPlaceholders();

    // The three text boxes, in tab order.
    const std::array<QPlainTextEdit*, 3>& textBoxes() const { return txtResult; }

protected:
    void showEvent(QShowEvent* event) override;
    // Fills the text boxes when the window comes on screen.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createNumber();
    void createRows();
    void layOutControls();
    // The control index of caption row on this page.
    std::size_t captionIndex(std::size_t row) const;
    void showPictures(int bead, int planet);
    // Gives the pictures their drawings, once a page is seen.
    void loadPictures();
    // Gives the text boxes the texts of the number shown.
    void fillTextBoxes();

    // The context the texts of the page's number are translated in.
    const char* textContext() const { return m_page == 2 ? "core::Chart" : "core::Numerology"; }

    std::size_t m_page = 0; // 0 life path, 1 destiny, 2 birth number

    std::array<QLabel*, 10> lblLabels{};
    std::array<QLabel*, 10> lblResult{};
    std::array<QPlainTextEdit*, 3> txtResult{};
    std::array<QLabel*, 2> imgImage{};
    std::array<QString, 3> m_boxTexts; // the texts of the three boxes
    std::array<int, 2> m_pictures{}; // the bead and the planet shown
    bool m_picturesShown = false;
};

} // namespace ui
