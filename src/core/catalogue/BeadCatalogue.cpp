#include "core/catalogue/BeadCatalogue.h"

namespace core {
namespace {

// Texts are kept exactly as they are shown, irregular spacing ("Thymus , Heart",
// "Namah,Nav") and capitals included.
constexpr std::array<BeadRecord, 9> kCatalogue = {{
    {
        .BeadName = "One Mukhi Rudraksha",
        .RulingPlanet = "Sun",
        .Symbol = "Lord Shiva",
        .PlanetNumber = "1",
        .DayToWear = "Monday",
        .Mantras = "Aum Hreem Namah. Om Namah Shivaya",
        .BodyParts = "Thymus , Heart, Spine, Diaphragm, Veins, Blood, Eyes",
        .Ailments = "Chronic Asthma, TB, Paralysis, Heart Problems, Mental Anxiety, Eye problems, Bone Pain,"
                    " Headache",
        .RitualsToWear = "This should be capped with gold or silver and worn around the neck.",
        .Description = "This is also known as Chandramukhi rudraksha as its face is said to shine like the moon."
                       " It is ruled by the Sun and blessed by Lord Shiva himself, and it is believed to bring"
                       " clarity of mind, self-confidence and a sense of inner light. Those who wear it with"
                       " faith are said to gain honour, leadership and freedom from many worries.",
        .PlanetText = "You like to be the center of attraction and you shine brightest when others notice your"
                      " efforts. You are proud, generous and warm, with a natural dignity that draws"
                      " admiration. Like the Sun, you give light and life to those around you.",
    },
    {
        .BeadName = "Two Mukhi Rudraksha",
        .RulingPlanet = "Moon",
        .Symbol = "ArdhaNareeshwara",
        .PlanetNumber = "2",
        .DayToWear = "Monday",
        .Mantras = "Aum Namah",
        .BodyParts = "Breasts, Stomach, Lymphatic System, Non Blood fluid systems, Perspiration, Sympathetic"
                     " Nervous System, Saliva",
        .Ailments = "Impotency, Lack of Concentration, Renal Failure, Stress, Anxiety, Depression, Eye"
                    " Problems, Mental Instability, Hysteria, Intestinal Disorder",
        .RitualsToWear = "Take three beads of 2 mukhi rudraksha and tie them on a red thread. Wear it around the"
                         " neck on a Monday morning after offering a short prayer to Lord Shiva.",
        .Description = "This bead should be worn by people who are seeking harmony in their relationships and"
                       " peace within the home. It represents ArdhaNareeshwara, the united form of Shiva and"
                       " Shakti, and is ruled by the Moon. It is believed to calm the emotions, ease loneliness"
                       " and strengthen the bond between partners, friends and family.",
        .PlanetText = "You are the silent types who think before you speak. You are gentle, caring and deeply"
                      " emotional, and your moods may rise and fall like the tides. You have a strong"
                      " imagination and a kind heart that easily feels the needs of others.",
    },
    {
        .BeadName = "Three Mukhi Rudraksha",
        .RulingPlanet = "Mars",
        .Symbol = "God Agni",
        .PlanetNumber = "9",
        .DayToWear = "Monday",
        .Mantras = "Aum Kleem Namah, Om Namah Shivaya",
        .BodyParts = "Adrenal Glands, Sex Glands, Red Blood Cells, Stomach Disorders, Blood Pressure Disorders",
        .Ailments = "Depression, Schizophrenia, Psychosis, Blood Pressure, Menstruation, Mood Swings, Fever,"
                    " Jaundice",
        .RitualsToWear = "Take three beads of 3 mukhi rudraksha, wash it with Ganga Jal and string them on a red"
                         " thread. Wear it on a Sunday or Tuesday morning while chanting the name of Agni.",
        .Description = "This is the symbol of Lord Brahma, Vishnu and Mahesh, and it is also linked with God"
                       " Agni, the sacred fire that purifies all things. Ruled by Mars, it is believed to burn"
                       " away past mistakes and guilt, to raise confidence and to give the wearer fresh energy"
                       " to begin again with a clean heart.",
        .PlanetText = "You have a lot of energy and enthusiasm and you love to take on challenges. You are"
                      " brave, direct and quick to act, and you enjoy competition. Learn to control your"
                      " temper, and your fiery drive will carry you far in life.",
    },
    {
        .BeadName = "Four Mukhi Rudraksha",
        .RulingPlanet = "Mercury",
        .Symbol = "God Brahma",
        .PlanetNumber = "5",
        .DayToWear = "Monday",
        .Mantras = "Aum Hreem Namah",
        .BodyParts = "Arms, Brain Disorders, Hands, Lungs, Sensory organs, Thyroid Glands",
        .Ailments = "Blood Circulation, Cough, Brain Disorders, Asthma, Respiratory Problems, Paralysis",
        .RitualsToWear = "Take three beads of 4 mukhi rudraksha, wash it with Ganga Jal and string them on a red"
                         " or yellow thread. Wear it on a Wednesday morning after a quiet prayer to Lord Brahma.",
        .Description = "This bead is said to be a remedy to cure all the malefic effects of Mercury. It"
                       " represents God Brahma, the creator, and is believed to sharpen the intellect, improve"
                       " memory and give clear and graceful speech. Students, writers, teachers and those in"
                       " trade are said to benefit greatly from wearing it.",
        .PlanetText = "You are very methodical and go by the facts rather than feelings. You are clever, witty"
                      " and quick to learn, with a gift for words and numbers. Your curious mind enjoys study,"
                      " trade and travel, and you can talk with anyone.",
    },
    {
        .BeadName = "Five Mukhi Rudraksha",
        .RulingPlanet = "Jupiter",
        .Symbol = "Lord Shiva",
        .PlanetNumber = "3",
        .DayToWear = "Monday",
        .Mantras = "Aum Hreem Namah",
        .BodyParts = "Liver, Gallbladder, Pituitary Glands, Blood Pressure Disorders",
        .Ailments = "Blood Pressure, Mental Instability, Obesity, Heart Problems, Stress, Anger Management,"
                    " Diabetes, Piles, Neurotic Problems, Constipation",
        .RitualsToWear = "Take five beads of 5 mukhi rudraksha and tie them on a red thread. Wear it around the"
                         " neck on a Thursday morning after chanting Om Namah Shivaya with devotion.",
        .Description = "This is the most common rudraksh. It represents Lord Shiva in his form as Kalagni Rudra"
                       " and is ruled by Jupiter, the planet of wisdom. It is believed to bring peace of mind,"
                       " good health and spiritual growth, and it is widely used for prayer beads and daily"
                       " meditation by seekers of every path.",
        .PlanetText = "You will know the answers to all the questions that others bring to you. You are wise,"
                      " generous and optimistic, with a deep love of learning and tradition. People look to you"
                      " as a teacher and guide, and fortune tends to favour you.",
    },
    {
        .BeadName = "Six Mukhi Rudraksha",
        .RulingPlanet = "Venus",
        .Symbol = "Lord Kartikeya",
        .PlanetNumber = "6",
        .DayToWear = "Monday",
        .Mantras = "Aum Hreem Hum Namah",
        .BodyParts = "Neck, Kidneys, Throat, sexual organs, Thyroid Glands",
        .Ailments = "Epilepsy, Gynecological Problem, Hysteria, Reproductive Problems",
        .RitualsToWear = "Take three beads of 6 mukhi rudraksha and tie them on a red thread. Wear it on the right"
                         " arm on a Friday morning after a short prayer to Lord Kartikeya.",
        .Description = "This bead is said to be a remedy to cure all the malefic effects of Venus. It represents"
                       " Lord Kartikeya, the brave son of Shiva, and is believed to bring charm, artistic"
                       " talent, love and comfort into the life of the wearer. It is also said to give willpower"
                       " and steady courage.",
        .PlanetText = "You are the fun people who love enjoying the good things of life. You are charming,"
                      " artistic and affectionate, with a fine taste for beauty, music and comfort. Friends"
                      " gather around you easily, and love plays a large role in your life.",
    },
    {
        .BeadName = "Seven Mukhi Rudraksha",
        .RulingPlanet = "Saturn",
        .Symbol = "Goddess Mahalaxmi",
        .PlanetNumber = "8",
        .DayToWear = "Monday",
        .Mantras = "Aum Hum Namah",
        .BodyParts = "Spleen, Skeletal system, Cartilage, Skin, Pituitary Glands, Impotency",
        .Ailments = "Asthma, Pharyngitis, Impotency, Respiratory Disorder",
        .RitualsToWear = "Take three beads of 7 mukhi rudraksha and tie them on a red thread. Wear it around the"
                         " neck on a Saturday morning after offering prayers to Goddess Mahalaxmi.",
        .Description = "This bead is said to be a remedy to cure all the malefic effects of Saturn and is"
                       " blessed by Goddess Mahalaxmi, the giver of wealth. It is believed to remove delays and"
                       " hardship, to open the way to prosperity and to bring patience and steady good fortune"
                       " to those who wear it with devotion.",
        .PlanetText = "You are very reliable and solid people. You are patient, disciplined and hardworking,"
                      " and you do not shy away from responsibility. Success may come to you slowly, but it"
                      " lasts, because you build it with honest effort and deep endurance.",
    },
    {
        .BeadName = "Eight Mukhi Rudraksha",
        .RulingPlanet = "Rahu",
        .Symbol = "Lord Ganesh",
        .PlanetNumber = "4",
        .DayToWear = "Monday",
        .Mantras = "Aum Hum Namah, Om Ganeshaya Namah",
        .BodyParts = "Lungs , Feet, Skin, Eyes",
        .Ailments = "Stomachache, Stress, Skin diseases, Anxiety, Sleep Disorders",
        .RitualsToWear = "Wear only one bead of 8 mukhi rudraksh on thread / gold / silver.",
        .Description = "This bead is said to be a remedy to cure all the malefic effects of Rahu. It represents"
                       " Lord Ganesh, the remover of obstacles, and is believed to clear the path to success in"
                       " every new undertaking. It is said to give wisdom, sound judgment and protection from"
                       " hidden enemies and confusion.",
        .PlanetText = "NA",
    },
    {
        .BeadName = "Nine Mukhi Rudraksha",
        .RulingPlanet = "Ketu",
        .Symbol = "Goddess Durga",
        .PlanetNumber = "7",
        .DayToWear = "Monday",
        .Mantras = "Aum Hreem Hum Namah,Nav Durgayai Namah",
        .BodyParts = "Lungs , Skin, Eyes",
        .Ailments = "Skin Problems, Body Pain, Fever, Bowel Problems",
        .RitualsToWear = "Wear only one bead of 9 mukhi rudraksh capped with gold or silver on a red thread.",
        .Description = "This bead improves mental activity. It represents Goddess Durga in her nine forms and is"
                       " ruled by Ketu. It is believed to fill the wearer with courage, energy and fearlessness,"
                       " and to protect against negative forces. Devotees say it brings the blessings of the"
                       " Divine Mother and strength in times of trial.",
        .PlanetText = "NA",
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
