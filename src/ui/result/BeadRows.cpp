#include "ui/result/BeadRows.h"

#include "core/catalogue/BeadCatalogue.h"
#include "ui/widgets/UiText.h"

namespace ui {

const std::array<QString, kBeadRows + 1>& rowCaptions()
{
    static const std::array<QString, kBeadRows + 1> captions = {
        QString(),
        QStringLiteral("Rudraksh Name"),
        QStringLiteral("Ruling Planet"),
        QStringLiteral("Symbol"),
        QStringLiteral("Number"),
        QStringLiteral("Day To Wear"),
        QStringLiteral("Mantras"),
        QStringLiteral("Body Parts"),
        QStringLiteral("Ailments"),
        QStringLiteral("Rituals To Wear"),
    };
    return captions;
}

std::array<QString, kBeadRows + 1> rowValues(int n, const core::BeadRecord& bead)
{
    return {
        QString::number(n),
        fromCore(bead.BeadName).toUpper(),
        fromCore(bead.RulingPlanet),
        fromCore(bead.Symbol),
        fromCore(bead.PlanetNumber),
        fromCore(bead.DayToWear),
        fromCore(bead.Mantras),
        fromCore(bead.BodyParts),
        fromCore(bead.Ailments),
        fromCore(bead.RitualsToWear),
    };
}

} // namespace ui
