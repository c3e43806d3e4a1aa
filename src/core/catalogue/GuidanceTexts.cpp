#include "core/catalogue/GuidanceTexts.h"

#include "core/numerology/Translatable.h"

namespace core {

GuidanceTexts LoadGuidanceTexts()
{
    // Shown exactly as written, the space before the apostrophe and the two
    // spaces after "'s" included.
    return GuidanceTexts{
        .GuidanceDos = {
            VQ_TR_NOOP("core::Guidance", "Do 's  for keeping Rudraksh"),
            VQ_TR_NOOP("core::Guidance", "1.Clean them with brushes that have soft bristles."),
            VQ_TR_NOOP("core::Guidance", "2.Oil the beads regularly with mustard oil."),
            VQ_TR_NOOP("core::Guidance", "3.Keep them in a clean and holy place."),
            VQ_TR_NOOP("core::Guidance", "4.They are lucky and can be hung in front of homes and temple doors."),
            VQ_TR_NOOP("core::Guidance", "5.Keep them in the holy place of worship so that the whole house is filled with positive energy."),
        },
        .GuidanceDonts = {
            VQ_TR_NOOP("core::Guidance", "Dont 's  for keeping Rudraksh"),
            VQ_TR_NOOP("core::Guidance", "1.Don't wear rudraksh beads while sleeping."),
            VQ_TR_NOOP("core::Guidance", "2.Do not use someone else's Rudraksh mala."),
            VQ_TR_NOOP("core::Guidance", "3.Remove the beads while having a bath."),
            VQ_TR_NOOP("core::Guidance", "4.Do not wear the beads like a ring on your fingers."),
            VQ_TR_NOOP("core::Guidance", "5.The rosary beads used for chanting mantra should not be worn on the body."),
        },
    };
}

std::string joinGuidance(const GuidanceList& list)
{
    std::string caption(list.front());
    for (std::size_t j = 1; j < list.size(); ++j) {
        caption += "\r\n";
        caption += list[j];
    }
    return caption;
}

} // namespace core
