#include "core/catalogue/BeadCatalogue.h"

#include "core/numerology/Translatable.h"

namespace core {
namespace {

// Texts are kept exactly as they are shown, irregular spacing ("Thymus , Heart",
// "Namah,Nav") and capitals included.
constexpr std::array<BeadRecord, 9> kCatalogue = {{
    {
        .BeadName = VQ_TR_NOOP("core::Catalogue", "One Mukhi Rudraksha"),
        .RulingPlanet = VQ_TR_NOOP("core::Catalogue", "Sun"),
        .Symbol = VQ_TR_NOOP("core::Catalogue", "Lord Shiva"),
        .PlanetNumber = VQ_TR_NOOP("core::Catalogue", "1"),
        .DayToWear = VQ_TR_NOOP("core::Catalogue", "Monday"),
        .Mantras = VQ_TR_NOOP("core::Catalogue", "Aum Hreem Namah. Om Namah Shivaya"),
        .BodyParts = VQ_TR_NOOP("core::Catalogue", "Thymus , Heart, Spine, Diaphragm, Veins, Blood, Eyes"),
        .Ailments = VQ_TR_NOOP("core::Catalogue",
            "Chronic Asthma, TB, Paralysis, Heart Problems, Mental Anxiety, Eye problems, Bone Pain,"
            " Headache"),
        .RitualsToWear
        = VQ_TR_NOOP("core::Catalogue", "This should be capped with gold or silver and worn around the neck."),
        .Description = VQ_TR_NOOP("core::Catalogue",
            "This is also known as Chandramukhi rudraksha as its face is said to shine like the moon."
            " It is ruled by the Sun and blessed by Lord Shiva himself, and it is believed to bring"
            " clarity of mind, self-confidence and a sense of inner light. Those who wear it with"
            " faith are said to gain honour, leadership and freedom from many worries."),
        .PlanetText = VQ_TR_NOOP("core::Catalogue",
            "You like to be the center of attraction and you shine brightest when others notice your"
            " efforts. You are proud, generous and warm, with a natural dignity that draws"
            " admiration. Like the Sun, you give light and life to those around you."),
    },
    {
        .BeadName = VQ_TR_NOOP("core::Catalogue", "Two Mukhi Rudraksha"),
        .RulingPlanet = VQ_TR_NOOP("core::Catalogue", "Moon"),
        .Symbol = VQ_TR_NOOP("core::Catalogue", "ArdhaNareeshwara"),
        .PlanetNumber = VQ_TR_NOOP("core::Catalogue", "2"),
        .DayToWear = VQ_TR_NOOP("core::Catalogue", "Monday"),
        .Mantras = VQ_TR_NOOP("core::Catalogue", "Aum Namah"),
        .BodyParts = VQ_TR_NOOP("core::Catalogue",
            "Breasts, Stomach, Lymphatic System, Non Blood fluid systems, Perspiration, Sympathetic"
            " Nervous System, Saliva"),
        .Ailments = VQ_TR_NOOP("core::Catalogue",
            "Impotency, Lack of Concentration, Renal Failure, Stress, Anxiety, Depression, Eye"
            " Problems, Mental Instability, Hysteria, Intestinal Disorder"),
        .RitualsToWear = VQ_TR_NOOP("core::Catalogue",
            "Take three beads of 2 mukhi rudraksha and tie them on a red thread. Wear it around the"
            " neck on a Monday morning after offering a short prayer to Lord Shiva."),
        .Description = VQ_TR_NOOP("core::Catalogue",
            "This bead should be worn by people who are seeking harmony in their relationships and"
            " peace within the home. It represents ArdhaNareeshwara, the united form of Shiva and"
            " Shakti, and is ruled by the Moon. It is believed to calm the emotions, ease loneliness"
            " and strengthen the bond between partners, friends and family."),
        .PlanetText = VQ_TR_NOOP("core::Catalogue",
            "You are the silent types who think before you speak. You are gentle, caring and deeply"
            " emotional, and your moods may rise and fall like the tides. You have a strong"
            " imagination and a kind heart that easily feels the needs of others."),
    },
    {
        .BeadName = VQ_TR_NOOP("core::Catalogue", "Three Mukhi Rudraksha"),
        .RulingPlanet = VQ_TR_NOOP("core::Catalogue", "Mars"),
        .Symbol = VQ_TR_NOOP("core::Catalogue", "God Agni"),
        .PlanetNumber = VQ_TR_NOOP("core::Catalogue", "9"),
        .DayToWear = VQ_TR_NOOP("core::Catalogue", "Monday"),
        .Mantras = VQ_TR_NOOP("core::Catalogue", "Aum Kleem Namah, Om Namah Shivaya"),
        .BodyParts = VQ_TR_NOOP("core::Catalogue",
            "Adrenal Glands, Sex Glands, Red Blood Cells, Stomach Disorders, Blood Pressure Disorders"),
        .Ailments = VQ_TR_NOOP("core::Catalogue",
            "Depression, Schizophrenia, Psychosis, Blood Pressure, Menstruation, Mood Swings, Fever,"
            " Jaundice"),
        .RitualsToWear = VQ_TR_NOOP("core::Catalogue",
            "Take three beads of 3 mukhi rudraksha, wash it with Ganga Jal and string them on a red"
            " thread. Wear it on a Sunday or Tuesday morning while chanting the name of Agni."),
        .Description = VQ_TR_NOOP("core::Catalogue",
            "This is the symbol of Lord Brahma, Vishnu and Mahesh, and it is also linked with God"
            " Agni, the sacred fire that purifies all things. Ruled by Mars, it is believed to burn"
            " away past mistakes and guilt, to raise confidence and to give the wearer fresh energy"
            " to begin again with a clean heart."),
        .PlanetText = VQ_TR_NOOP("core::Catalogue",
            "You have a lot of energy and enthusiasm and you love to take on challenges. You are"
            " brave, direct and quick to act, and you enjoy competition. Learn to control your"
            " temper, and your fiery drive will carry you far in life."),
    },
    {
        .BeadName = VQ_TR_NOOP("core::Catalogue", "Four Mukhi Rudraksha"),
        .RulingPlanet = VQ_TR_NOOP("core::Catalogue", "Mercury"),
        .Symbol = VQ_TR_NOOP("core::Catalogue", "God Brahma"),
        .PlanetNumber = VQ_TR_NOOP("core::Catalogue", "5"),
        .DayToWear = VQ_TR_NOOP("core::Catalogue", "Monday"),
        .Mantras = VQ_TR_NOOP("core::Catalogue", "Aum Hreem Namah"),
        .BodyParts
        = VQ_TR_NOOP("core::Catalogue", "Arms, Brain Disorders, Hands, Lungs, Sensory organs, Thyroid Glands"),
        .Ailments = VQ_TR_NOOP(
            "core::Catalogue", "Blood Circulation, Cough, Brain Disorders, Asthma, Respiratory Problems, Paralysis"),
        .RitualsToWear = VQ_TR_NOOP("core::Catalogue",
            "Take three beads of 4 mukhi rudraksha, wash it with Ganga Jal and string them on a red"
            " or yellow thread. Wear it on a Wednesday morning after a quiet prayer to Lord Brahma."),
        .Description = VQ_TR_NOOP("core::Catalogue",
            "This bead is said to be a remedy to cure all the malefic effects of Mercury. It"
            " represents God Brahma, the creator, and is believed to sharpen the intellect, improve"
            " memory and give clear and graceful speech. Students, writers, teachers and those in"
            " trade are said to benefit greatly from wearing it."),
        .PlanetText = VQ_TR_NOOP("core::Catalogue",
            "You are very methodical and go by the facts rather than feelings. You are clever, witty"
            " and quick to learn, with a gift for words and numbers. Your curious mind enjoys study,"
            " trade and travel, and you can talk with anyone."),
    },
    {
        .BeadName = VQ_TR_NOOP("core::Catalogue", "Five Mukhi Rudraksha"),
        .RulingPlanet = VQ_TR_NOOP("core::Catalogue", "Jupiter"),
        .Symbol = VQ_TR_NOOP("core::Catalogue", "Lord Shiva"),
        .PlanetNumber = VQ_TR_NOOP("core::Catalogue", "3"),
        .DayToWear = VQ_TR_NOOP("core::Catalogue", "Monday"),
        .Mantras = VQ_TR_NOOP("core::Catalogue", "Aum Hreem Namah"),
        .BodyParts = VQ_TR_NOOP("core::Catalogue", "Liver, Gallbladder, Pituitary Glands, Blood Pressure Disorders"),
        .Ailments = VQ_TR_NOOP("core::Catalogue",
            "Blood Pressure, Mental Instability, Obesity, Heart Problems, Stress, Anger Management,"
            " Diabetes, Piles, Neurotic Problems, Constipation"),
        .RitualsToWear = VQ_TR_NOOP("core::Catalogue",
            "Take five beads of 5 mukhi rudraksha and tie them on a red thread. Wear it around the"
            " neck on a Thursday morning after chanting Om Namah Shivaya with devotion."),
        .Description = VQ_TR_NOOP("core::Catalogue",
            "This is the most common rudraksh. It represents Lord Shiva in his form as Kalagni Rudra"
            " and is ruled by Jupiter, the planet of wisdom. It is believed to bring peace of mind,"
            " good health and spiritual growth, and it is widely used for prayer beads and daily"
            " meditation by seekers of every path."),
        .PlanetText = VQ_TR_NOOP("core::Catalogue",
            "You will know the answers to all the questions that others bring to you. You are wise,"
            " generous and optimistic, with a deep love of learning and tradition. People look to you"
            " as a teacher and guide, and fortune tends to favour you."),
    },
    {
        .BeadName = VQ_TR_NOOP("core::Catalogue", "Six Mukhi Rudraksha"),
        .RulingPlanet = VQ_TR_NOOP("core::Catalogue", "Venus"),
        .Symbol = VQ_TR_NOOP("core::Catalogue", "Lord Kartikeya"),
        .PlanetNumber = VQ_TR_NOOP("core::Catalogue", "6"),
        .DayToWear = VQ_TR_NOOP("core::Catalogue", "Monday"),
        .Mantras = VQ_TR_NOOP("core::Catalogue", "Aum Hreem Hum Namah"),
        .BodyParts = VQ_TR_NOOP("core::Catalogue", "Neck, Kidneys, Throat, sexual organs, Thyroid Glands"),
        .Ailments = VQ_TR_NOOP("core::Catalogue", "Epilepsy, Gynecological Problem, Hysteria, Reproductive Problems"),
        .RitualsToWear = VQ_TR_NOOP("core::Catalogue",
            "Take three beads of 6 mukhi rudraksha and tie them on a red thread. Wear it on the right"
            " arm on a Friday morning after a short prayer to Lord Kartikeya."),
        .Description = VQ_TR_NOOP("core::Catalogue",
            "This bead is said to be a remedy to cure all the malefic effects of Venus. It represents"
            " Lord Kartikeya, the brave son of Shiva, and is believed to bring charm, artistic"
            " talent, love and comfort into the life of the wearer. It is also said to give willpower"
            " and steady courage."),
        .PlanetText = VQ_TR_NOOP("core::Catalogue",
            "You are the fun people who love enjoying the good things of life. You are charming,"
            " artistic and affectionate, with a fine taste for beauty, music and comfort. Friends"
            " gather around you easily, and love plays a large role in your life."),
    },
    {
        .BeadName = VQ_TR_NOOP("core::Catalogue", "Seven Mukhi Rudraksha"),
        .RulingPlanet = VQ_TR_NOOP("core::Catalogue", "Saturn"),
        .Symbol = VQ_TR_NOOP("core::Catalogue", "Goddess Mahalaxmi"),
        .PlanetNumber = VQ_TR_NOOP("core::Catalogue", "8"),
        .DayToWear = VQ_TR_NOOP("core::Catalogue", "Monday"),
        .Mantras = VQ_TR_NOOP("core::Catalogue", "Aum Hum Namah"),
        .BodyParts
        = VQ_TR_NOOP("core::Catalogue", "Spleen, Skeletal system, Cartilage, Skin, Pituitary Glands, Impotency"),
        .Ailments = VQ_TR_NOOP("core::Catalogue", "Asthma, Pharyngitis, Impotency, Respiratory Disorder"),
        .RitualsToWear = VQ_TR_NOOP("core::Catalogue",
            "Take three beads of 7 mukhi rudraksha and tie them on a red thread. Wear it around the"
            " neck on a Saturday morning after offering prayers to Goddess Mahalaxmi."),
        .Description = VQ_TR_NOOP("core::Catalogue",
            "This bead is said to be a remedy to cure all the malefic effects of Saturn and is"
            " blessed by Goddess Mahalaxmi, the giver of wealth. It is believed to remove delays and"
            " hardship, to open the way to prosperity and to bring patience and steady good fortune"
            " to those who wear it with devotion."),
        .PlanetText = VQ_TR_NOOP("core::Catalogue",
            "You are very reliable and solid people. You are patient, disciplined and hardworking,"
            " and you do not shy away from responsibility. Success may come to you slowly, but it"
            " lasts, because you build it with honest effort and deep endurance."),
    },
    {
        .BeadName = VQ_TR_NOOP("core::Catalogue", "Eight Mukhi Rudraksha"),
        .RulingPlanet = VQ_TR_NOOP("core::Catalogue", "Rahu"),
        .Symbol = VQ_TR_NOOP("core::Catalogue", "Lord Ganesh"),
        .PlanetNumber = VQ_TR_NOOP("core::Catalogue", "4"),
        .DayToWear = VQ_TR_NOOP("core::Catalogue", "Monday"),
        .Mantras = VQ_TR_NOOP("core::Catalogue", "Aum Hum Namah, Om Ganeshaya Namah"),
        .BodyParts = VQ_TR_NOOP("core::Catalogue", "Lungs , Feet, Skin, Eyes"),
        .Ailments = VQ_TR_NOOP("core::Catalogue", "Stomachache, Stress, Skin diseases, Anxiety, Sleep Disorders"),
        .RitualsToWear
        = VQ_TR_NOOP("core::Catalogue", "Wear only one bead of 8 mukhi rudraksh on thread / gold / silver."),
        .Description = VQ_TR_NOOP("core::Catalogue",
            "This bead is said to be a remedy to cure all the malefic effects of Rahu. It represents"
            " Lord Ganesh, the remover of obstacles, and is believed to clear the path to success in"
            " every new undertaking. It is said to give wisdom, sound judgment and protection from"
            " hidden enemies and confusion."),
        .PlanetText = VQ_TR_NOOP("core::Catalogue", "NA"),
    },
    {
        .BeadName = VQ_TR_NOOP("core::Catalogue", "Nine Mukhi Rudraksha"),
        .RulingPlanet = VQ_TR_NOOP("core::Catalogue", "Ketu"),
        .Symbol = VQ_TR_NOOP("core::Catalogue", "Goddess Durga"),
        .PlanetNumber = VQ_TR_NOOP("core::Catalogue", "7"),
        .DayToWear = VQ_TR_NOOP("core::Catalogue", "Monday"),
        .Mantras = VQ_TR_NOOP("core::Catalogue", "Aum Hreem Hum Namah,Nav Durgayai Namah"),
        .BodyParts = VQ_TR_NOOP("core::Catalogue", "Lungs , Skin, Eyes"),
        .Ailments = VQ_TR_NOOP("core::Catalogue", "Skin Problems, Body Pain, Fever, Bowel Problems"),
        .RitualsToWear = VQ_TR_NOOP(
            "core::Catalogue", "Wear only one bead of 9 mukhi rudraksh capped with gold or silver on a red thread."),
        .Description = VQ_TR_NOOP("core::Catalogue",
            "This bead improves mental activity. It represents Goddess Durga in her nine forms and is"
            " ruled by Ketu. It is believed to fill the wearer with courage, energy and fearlessness,"
            " and to protect against negative forces. Devotees say it brings the blessings of the"
            " Divine Mother and strength in times of trial."),
        .PlanetText = VQ_TR_NOOP("core::Catalogue", "NA"),
    },
}};

} // namespace

const std::array<BeadRecord, 9>& beadCatalogue()
{
    return kCatalogue;
}

const BeadRecord* beadRow(int n)
{
    if (n < 1 || n > 9) {
        return nullptr;
    }
    return &kCatalogue[static_cast<std::size_t>(n - 1)];
}

bool hasPlanetGlyph(int n)
{
    return n >= 1 && n <= 7;
}

} // namespace core
