#include "ui/widgets/BeadRows.h"

#include "core/catalogue/BeadCatalogue.h"
#include "system/CoreText.h"

#include <QCoreApplication>

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
        sys::translatedCore("core::Catalogue", bead.BeadName).toUpper(),
        sys::translatedCore("core::Catalogue", bead.RulingPlanet),
        sys::translatedCore("core::Catalogue", bead.Symbol),
        sys::translatedCore("core::Catalogue", bead.PlanetNumber),
        sys::translatedCore("core::Catalogue", bead.DayToWear),
        sys::translatedCore("core::Catalogue", bead.Mantras),
        sys::translatedCore("core::Catalogue", bead.BodyParts),
        sys::translatedCore("core::Catalogue", bead.Ailments),
        sys::translatedCore("core::Catalogue", bead.RitualsToWear),
    };
}

} // namespace ui
