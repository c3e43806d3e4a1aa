#include "ui/result/BeadRows.h"

#include "core/catalogue/BeadCatalogue.h"
#include "ui/widgets/UiText.h"

namespace ui {

std::array<QString, kBeadRows + 1> rowCaptions()
{
    return {
        QString(),
        QCoreApplication::translate("ui::BeadRows", "Rudraksh Name"),
        QCoreApplication::translate("ui::BeadRows", "Ruling Planet"),
        QCoreApplication::translate("ui::BeadRows", "Symbol"),
        QCoreApplication::translate("ui::BeadRows", "Number"),
        QCoreApplication::translate("ui::BeadRows", "Day To Wear"),
        QCoreApplication::translate("ui::BeadRows", "Mantras"),
        QCoreApplication::translate("ui::BeadRows", "Body Parts"),
        QCoreApplication::translate("ui::BeadRows", "Ailments"),
        QCoreApplication::translate("ui::BeadRows", "Rituals To Wear"),
    };
}

std::array<QString, kBeadRows + 1> rowValues(int n, const core::BeadRecord& bead)
{
    return {
        QString::number(n),
        translatedCore("core::Catalogue", bead.BeadName).toUpper(),
        translatedCore("core::Catalogue", bead.RulingPlanet),
        translatedCore("core::Catalogue", bead.Symbol),
        translatedCore("core::Catalogue", bead.PlanetNumber),
        translatedCore("core::Catalogue", bead.DayToWear),
        translatedCore("core::Catalogue", bead.Mantras),
        translatedCore("core::Catalogue", bead.BodyParts),
        translatedCore("core::Catalogue", bead.Ailments),
        translatedCore("core::Catalogue", bead.RitualsToWear),
    };
}

} // namespace ui
