#include "core/numerology/Compatibility.h"

#include "core/numerology/Translatable.h"

namespace core {
namespace {

// Each number's row: how it regards 1 to 9 (F friend, N neutral, E enemy).
constexpr std::array<std::string_view, 9> kTable = {
    "FFFENEEEF", // 1 Sun: friends 1, 2, 3, 9; neutral 5; enemies 4, 6, 7, 8
    "FFNNFNNNN", // 2 Moon: friends 1, 2, 5; no enemy
    "FFFNEENNF", // 3 Jupiter: friends 1, 2, 3, 9; enemies 5, 6
    "EEEFFFNFN", // 4 Rahu: friends 4, 5, 6, 8; neutral 7, 9; enemies 1, 2, 3
    "FENNFFNNN", // 5 Mercury: friends 1, 5, 6; enemy 2
    "EENNFFNFN", // 6 Venus: friends 5, 6, 8; enemies 1, 2
    "EEENFFFFN", // 7 Ketu: friends 5, 6, 7, 8; neutral 4, 9; enemies 1, 2, 3
    "EENNFFNFE", // 8 Saturn: friends 5, 6, 8; enemies 1, 2, 9
    "FFFNENNNF", // 9 Mars: friends 1, 2, 3, 9; enemy 5
};

constexpr std::array<std::string_view, 5> kGradeNames = {
    VQ_TR_NOOP("core::Compatibility", "in harmony"),
    VQ_TR_NOOP("core::Compatibility", "friendly"),
    VQ_TR_NOOP("core::Compatibility", "neutral"),
    VQ_TR_NOOP("core::Compatibility", "strained"),
    VQ_TR_NOOP("core::Compatibility", "opposed"),
};

constexpr std::array<std::string_view, 5> kGradeTexts = {
    VQ_TR_NOOP("core::Compatibility",
        "Each of the two numbers counts the other as a friend, so the two of you are in harmony. "
        "Understanding comes easily, support flows both ways, and differences are settled without "
        "lasting hurt. Such a bond tends to grow warmer with time."),
    VQ_TR_NOOP("core::Compatibility",
        "One number counts the other as a friend, while the other is neutral in return, so the "
        "relation is friendly. The goodwill is real but not quite equal, and one of you may give a "
        "little more warmth. With patience the bond can grow deeper over time."),
    VQ_TR_NOOP("core::Compatibility",
        "Each number regards the other as neutral, so the relation is neutral: no natural pull and no "
        "natural clash. What the two of you build depends on shared aims, respect and effort rather "
        "than on instinct. Such a bond can become a good one, but it has to be made."),
    VQ_TR_NOOP("core::Compatibility",
        "One number counts the other as an enemy, while the other regards it as a friend or as "
        "neutral, so the relation is strained. Misunderstandings arise easily, and one of you may "
        "feel less welcome than the other. Plain words and patience can ease much of the tension."),
    VQ_TR_NOOP("core::Compatibility",
        "Each number counts the other as an enemy, so the relation is opposed. The two of you may "
        "pull in different directions and clash over small things. Such a bond asks both of you for "
        "extra understanding, clear agreements and generous patience."),
};

constexpr std::string_view kRule = VQ_TR_NOOP("core::Compatibility",
    "Compatibility follows the natural friendship of the planets that rule the numbers (1 Sun, 2 "
    "Moon, 3 Jupiter, 4 Rahu, 5 Mercury, 6 Venus, 7 Ketu, 8 Saturn, 9 Mars): the classical table "
    "of the seven planets, with Rahu and Ketu added as Indian numerologists place them. The table "
    "works in one direction only: each number's row says whether it counts another as a friend, "
    "as neutral or as an enemy, a number always counts the same number a friend, and a pair the "
    "table leaves open is neutral. The birth numbers are compared first, for day-to-day life, "
    "then the life path numbers, for the long run, and then the destiny numbers.");

} // namespace

Relation relationOf(int from, int to)
{
    if (from < 1 || from > 9 || to < 1 || to > 9) {
        return Relation::Neutral;
    }
    switch (kTable[static_cast<std::size_t>(from - 1)][static_cast<std::size_t>(to - 1)]) {
    case 'F':
        return Relation::Friend;
    case 'E':
        return Relation::Enemy;
    default:
        return Relation::Neutral;
    }
}

Grade gradeOf(int first, int second)
{
    const Relation one = relationOf(first, second);
    const Relation other = relationOf(second, first);
    const auto either = [&](Relation relation) { return one == relation || other == relation; };
    if (one == Relation::Enemy && other == Relation::Enemy) {
        return Grade::Opposed;
    }
    if (either(Relation::Enemy)) {
        return Grade::Strained;
    }
    if (one == Relation::Friend && other == Relation::Friend) {
        return Grade::Harmony;
    }
    return either(Relation::Friend) ? Grade::Friendly : Grade::Neutral;
}

std::string_view gradeName(Grade grade)
{
    return kGradeNames[static_cast<std::size_t>(grade)];
}

std::string_view gradeText(Grade grade)
{
    return kGradeTexts[static_cast<std::size_t>(grade)];
}

std::string_view relationName(Relation relation)
{
    switch (relation) {
    case Relation::Friend:
        return VQ_TR_NOOP("core::Relation", "friend");
    case Relation::Enemy:
        return VQ_TR_NOOP("core::Relation", "enemy");
    case Relation::Neutral:
        break;
    }
    return VQ_TR_NOOP("core::Relation", "neutral");
}

std::string_view compatibilityRule()
{
    return kRule;
}

} // namespace core
