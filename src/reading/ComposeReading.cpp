#include "reading/ComposeReading.h"

#include "app/CurrentReading.h"
#include "desktop/UiText.h"
#include "reading/BeadCatalogue.h"
#include "result/ImageList.h"
#include "result/frmRudrakshNumerologyResult.h"

#include <QLabel>
#include <QPlainTextEdit>

using UiText::FromCore;

namespace modRudrakshNumerology {
namespace {

// Page p: lblResult(10p..10p+9), txtResult(3p..3p+2), imgImage(2p, 2p+1).
void WritePage(frmRudrakshNumerologyResult& window, int page, int n, const std::string& personalityText)
{
    const BeadRecord& row = *BeadRow(n);
    const auto p = static_cast<std::size_t>(page);
    const std::array<QString, 10> values = {
        QString::number(n),
        FromCore(row.BeadName).toUpper(),
        FromCore(row.RulingPlanet),
        FromCore(row.Symbol),
        FromCore(row.PlanetNumber),
        FromCore(row.DayToWear),
        FromCore(row.Mantras),
        FromCore(row.BodyParts),
        FromCore(row.Ailments),
        FromCore(row.RitualsToWear),
    };
    for (std::size_t i = 0; i < values.size(); ++i) {
        window.lblResult[10 * p + i]->setText(values[i]);
    }
    const auto box = [&](std::size_t i) { return window.txtResult[3 * p + i]; };
    box(0)->setPlainText(FromCore(personalityText));
    box(1)->setPlainText(FromCore(row.Description));
    box(2)->setPlainText(FromCore(row.PlanetText));
    window.ShowPictures(page, n, n);
}

} // namespace

frmRudrakshNumerologyResult* ComposeReading()
{
    const Reading& reading = CurrentReading();
    frmRudrakshNumerologyResult* window = frmRudrakshNumerologyResult::Instance();
    for (int n = 1; n <= 9; ++n) {
        if (reading.LifePathNumber == n) {
            WritePage(*window, 0, n, reading.LifePathText);
        }
        if (reading.DestinyNumber == n) {
            WritePage(*window, 1, n, reading.DestinyText);
        }
    }
    return window;
}

} // namespace modRudrakshNumerology
