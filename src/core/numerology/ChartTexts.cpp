#include "core/numerology/Chart.h"
#include "core/numerology/LoShu.h"
#include "core/numerology/Translatable.h"

#include <array>

namespace core {
namespace {

// The chart's texts, in the second person as the reading's are.

constexpr std::string_view kBirthNumberIntroduction = VQ_TR_NOOP("core::Chart",
    "Your birth number is the day of the month on which you were born, reduced to a single digit: "
    "someone born on the 23rd adds 2 and 3 and has the birth number 5. In Indian practice it is "
    "the first number consulted when choosing a Rudraksha bead or a gemstone, before the life "
    "path number and the number of your name.");

// The traits of each birth number.
constexpr std::array<std::string_view, 9> kBirthNumberTexts = {
    // 1
    VQ_TR_NOOP("core::Chart",
        "Born on the 1st, 10th, 19th or 28th, you carry the number of the Sun. You start things on "
        "your own and rarely wait for anyone's permission or push. When a decision has to be made, "
        "people tend to look to you, and taking the lead feels natural. You have a proud streak and a "
        "firm sense of your own worth; it gives you dignity, though it can make a mistake hard to "
        "admit. Being watched over or told what to do at every step chafes at you, and you do your "
        "best work when you are trusted to find your own way. Learn to share the credit and to hear "
        "advice without feeling smaller, and your light will brighten everyone around you. Your day "
        "is Sunday."),
    // 2
    VQ_TR_NOOP("core::Chart",
        "If you were born on the 2nd, 11th, 20th or 29th, the Moon rules your number. You are gentle "
        "by nature and quick to sense the moods of the people around you, often knowing what they "
        "feel before a word is spoken. Your imagination is rich, and you may have a gift for art, "
        "music or storytelling. Like the Moon, your moods wax and wane, and on low days you may doubt "
        "yourself far more than you should. You would rather persuade than push, and you bloom among "
        "people who value kindness. Trust your own judgement a little more, and give your own ideas "
        "the care you so readily give to others. Your day is Monday."),
    // 3
    VQ_TR_NOOP("core::Chart",
        "Born on the 3rd, 12th, 21st or 30th, you belong to Jupiter, the planet of wisdom. You aim "
        "high and are willing to work steadily to get there; discipline comes more easily to you than "
        "to most. Learning is one of your lasting pleasures, whether it comes from books, teachers or "
        "experience, and you enjoy passing on what you know. People trust you to keep things in order "
        "and to carry a plan through to the end. Because you are so sure of the right way, you can "
        "slip into giving orders where a suggestion would do, so watch for that habit. When you guide "
        "rather than command, others follow you gladly. Your day is Thursday."),
    // 4
    VQ_TR_NOOP("core::Chart",
        "If you were born on the 4th, 13th, 22nd or 31st, your number belongs to Rahu. You naturally "
        "see the other side of every question, and you are not afraid to argue against what everyone "
        "else takes for granted. That makes you a reformer at heart: you want to know why a rule "
        "exists and whether a better one could take its place. Not everyone welcomes such questions, "
        "so you may have only a few close friends, but those few know how loyal you are. Your life "
        "can take sudden turns that you never imagined. Meet them with patience, keep a steady "
        "routine, and your fresh way of seeing things will open new doors for you and for others. "
        "Your day is Saturday."),
    // 5
    VQ_TR_NOOP("core::Chart",
        "Born on the 5th, 14th or 23rd, you are ruled by Mercury, the planet of quick wit and speech. "
        "Your mind moves fast, and you settle into new places, jobs and company with ease. Words come "
        "readily to you, and so does a knack for money: you can spot a good deal, strike a bargain "
        "and explain a plan so well that others want to join in. Sameness tires you, and you are "
        "happiest with something new on the horizon. The other side of all that speed is "
        "restlessness, and when too much happens at once your nerves can fray. Make room for rest and "
        "quiet, finish one thing before you start the next, and your versatility will serve you all "
        "your life. Your day is Wednesday."),
    // 6
    VQ_TR_NOOP("core::Chart",
        "If you were born on the 6th, 15th or 24th, Venus rules your number. People are drawn to you "
        "without quite knowing why; there is a warmth and grace about you that puts them at ease. You "
        "have an eye for beauty in colour, music, clothes and rooms, and you may express it through "
        "an art or simply through a lovely home. Home and family matter deeply to you, and caring for "
        "the people you love gives you real joy. Quarrels upset you more than most, and you will put "
        "up with a great deal to keep the peace. Just take care not to bury every disagreement, "
        "because honest words spoken kindly are what keep a home in harmony. Your day is Friday."),
    // 7
    VQ_TR_NOOP("core::Chart",
        "Born on the 7th, 16th or 25th, you carry the number of Ketu. You think for yourself and "
        "seldom borrow your opinions; your ideas often come from an angle nobody else had considered. "
        "You prize your independence and would rather follow your own rhythm than the crowd's. "
        "Distant places call to you, and travel, whether to the other side of the world or into the "
        "pages of a book, refreshes your spirit. The mystical draws you too: the meaning of life, "
        "faith and the unseen side of the world. Time alone is not a luxury for you but a need. Share "
        "what you discover, because your insight can guide others. Your day is Monday, though some "
        "traditions give Tuesday."),
    // 8
    VQ_TR_NOOP("core::Chart",
        "If you were born on the 8th, 17th or 26th, Saturn rules your number. You take life "
        "seriously, and once you have set your course you rarely give up; where others quit, you hold "
        "on. Your ambitions are large, and you are prepared to build toward them slowly, year after "
        "year. Because you show little of what you feel, people may take you for cold or hard when in "
        "truth you are deeply loyal. You tend to swing from one extreme to the other, working flat "
        "out or pulling away completely, rising high and then meeting hard setbacks. Look for a "
        "middle path, let a few trusted people see your softer side, and what you achieve will last. "
        "Your day is Saturday."),
    // 9
    VQ_TR_NOOP("core::Chart",
        "Born on the 9th, 18th or 27th, you belong to Mars. You have courage in good supply and the "
        "energy to match it; difficulty tends to wake you up rather than wear you down. You are a "
        "born organiser who can gather people, share out the work and not rest until the task is "
        "done. When something is unfair, you stand up and fight, whether the cause is your own or "
        "someone else's. Your temper is quick, flaring fast and usually cooling just as fast, but "
        "words said in the heat of the moment can sting for a long time. Pause for a breath before "
        "you answer, spend your fire on the right battles, and few obstacles will stand in your way. "
        "Your day is Tuesday."),
};

// What each soul urge wants inwardly.
constexpr std::array<std::string_view, 9> kSoulUrgeTexts = {
    // 1
    VQ_TR_NOOP("core::Chart",
        "Deep down, you want to stand on your own feet and steer your own life. You feel most content "
        "when a task is in your hands and you are free to do it your way, and inwardly you long to be "
        "the one who leads. Give that wish room to grow, and let others walk the road beside you."),
    // 2
    VQ_TR_NOOP("core::Chart",
        "What your heart asks for most is love and harmony. You want to share your life with someone, "
        "to belong to a close circle and to know that the people around you are at peace with one "
        "another. Partnership brings out the best in you. Remember that in every partnership your own "
        "needs deserve a voice too."),
    // 3
    VQ_TR_NOOP("core::Chart",
        "Inwardly you long to express yourself: to create, to tell, to make something that was not "
        "there before. You want your life to hold laughter, good company and room to enjoy it. When "
        "you let that joy flow into words, art or music, you feel truly alive, and your happiness "
        "reaches everyone near you."),
    // 4
    VQ_TR_NOOP("core::Chart",
        "At heart you want security: a sound roof, a steady income and a plan you can rely on. Order "
        "calms you, and you feel at ease when things are in their place and promises are kept. This "
        "wish is what makes you a builder. Just leave a little room for surprises, since not every "
        "good thing arrives on schedule."),
    // 5
    VQ_TR_NOOP("core::Chart",
        "Your inner self craves freedom and variety. You want to see new places, meet new people and "
        "try things you have never done, and a life that repeats itself feels like a closed room. "
        "Feed that hunger for experience, but choose a few commitments worth keeping, so that freedom "
        "gives you depth as well as excitement."),
    // 6
    VQ_TR_NOOP("core::Chart",
        "What you want most is to look after the people you love. A warm home, a happy family and "
        "friends who know they can count on you give your life its meaning, and you feel fulfilled "
        "when you are needed. Let others care for you in return, because love is whole only when it "
        "flows both ways."),
    // 7
    VQ_TR_NOOP("core::Chart",
        "Inwardly you seek understanding. You want to know what lies beneath the surface of things "
        "and what is simply true, and you need quiet and solitude to find it; your best thoughts "
        "arrive in silence. Honour that need for time alone, and share what you learn with the few "
        "who truly want to know."),
    // 8
    VQ_TR_NOOP("core::Chart",
        "Deep within, you want to achieve. You long to master the practical world of work, money and "
        "influence, and to see your effort take a solid shape that others respect. Success is not "
        "vanity for you but proof of what you can do. Pair that drive with generosity, and your "
        "achievements will bring you peace of mind as well."),
    // 9
    VQ_TR_NOOP("core::Chart",
        "Your heart is set on ideals larger than yourself. You want to serve humanity, to ease "
        "suffering and to leave the world a little kinder than you found it, and you feel close to "
        "people far beyond your own circle. Keep that wide vision, but look after those near you too, "
        "so that your service begins at home."),
};

// How others see each personality number.
constexpr std::array<std::string_view, 9> kPersonalityTexts = {
    // 1
    VQ_TR_NOOP("core::Chart",
        "Others see you as confident and decisive. You walk into a room as if you know exactly why "
        "you are there, and when a choice has to be made you make it without fuss. In a crisis people "
        "often turn to you. Add a ready smile to that strong first impression, and they will find you "
        "warm as well as capable."),
    // 2
    VQ_TR_NOOP("core::Chart",
        "People find you gentle and easy to talk to. Your manner is soft, you listen without judging, "
        "and even strangers open up to you sooner than they expected. You come across as someone who "
        "would never hurt them, so they readily confide in you. Just make sure nobody mistakes your "
        "kindness for weakness."),
    // 3
    VQ_TR_NOOP("core::Chart",
        "You come across as charming and sociable, the kind of person who livens up a gathering "
        "simply by arriving. Your humour, your stories and your genuine interest in others make "
        "people warm to you quickly, and invitations find you easily. Let a few friends see your "
        "serious side as well, so that they value your depth as much as your sparkle."),
    // 4
    VQ_TR_NOOP("core::Chart",
        "Others see you as reliable and down to earth. You mean what you say, arrive when you said "
        "you would and finish what you start, so people trust you with the things that matter. You "
        "seem steady in any weather. Show your lighter, playful side now and then, and that trust "
        "will deepen into real warmth."),
    // 5
    VQ_TR_NOOP("core::Chart",
        "People see you as lively and adventurous, always ready for the next plan or journey. Your "
        "energy is catching, and in your company an ordinary day can feel like an outing. Others "
        "count on you to suggest something new. They may also wonder whether you will stay, so show "
        "those close to you that your loyalty is as real as your love of change."),
    // 6
    VQ_TR_NOOP("core::Chart",
        "Others see you as warm and responsible: someone who remembers birthdays, notices when a "
        "friend is low and steps in when help is needed. People feel looked after in your company. "
        "Because you seem so dependable, you may be asked for more than is fair, so learn to say no "
        "kindly when your own load is full."),
    // 7
    VQ_TR_NOOP("core::Chart",
        "You strike others as reserved and a little mysterious. You speak when you have something to "
        "say, keep your private life private and seem to know more than you reveal. People are "
        "curious about you, yet it takes them a long time to feel they truly know you. Open up a "
        "little to those you trust, and they will find a thoughtful, loyal friend."),
    // 8
    VQ_TR_NOOP("core::Chart",
        "People see you as authoritative and capable, someone who could take charge of the whole "
        "place. Your word carries weight, and others often defer to you without being asked. Big "
        "responsibilities are handed to you with confidence. Let some warmth show through your "
        "firmness, so that the respect people feel for you comes with affection."),
    // 9
    VQ_TR_NOOP("core::Chart",
        "Others see you as compassionate and worldly: someone who has seen a good deal of life and "
        "judges people gently because of it. You seem at home with every kind of person, strangers "
        "sense your sympathy at once, and many bring their troubles to you. Keep a little of that "
        "kindness for yourself, so that your generosity never runs dry."),
};

// The theme of each personal year.
constexpr std::array<std::string_view, 9> kPersonalYearTexts = {
    // 1
    VQ_TR_NOOP("core::Chart",
        "This is a year of fresh starts. A new cycle of nine years opens now, and whatever you begin "
        "in these months can keep growing for a long time. Start the project, the habit or the course "
        "you have been putting off. Think of yourself as sowing seeds: choose them with care, plant "
        "them boldly and trust them to grow."),
    // 2
    VQ_TR_NOOP("core::Chart",
        "This year asks for patience. Things are growing quietly, beneath the surface, and pushing "
        "hard will get you less than waiting wisely. It is a good time for partnership: work with "
        "others, listen closely and strengthen the bonds that matter to you. In the months ahead, "
        "small kindnesses and care over details will count for more than grand gestures."),
    // 3
    VQ_TR_NOOP("core::Chart",
        "This is a year to express yourself and to enjoy other people. Invitations, new friendships "
        "and creative ideas come more easily now. Write, speak up, make something, and let people see "
        "what you can do. Your social life may blossom, so enjoy good company to the full, but keep "
        "enough focus that your many plans become finished work."),
    // 4
    VQ_TR_NOOP("core::Chart",
        "This is a year of hard work and firm foundations. Progress may feel slow, yet whatever you "
        "build carefully now will support you for years. Put your finances, your health and your home "
        "in order, and keep to a steady routine. The work is real, but so is the reward: a solid base "
        "for everything that follows."),
    // 5
    VQ_TR_NOOP("core::Chart",
        "Change is in the air this year. Expect movement: travel, new people, new ideas and perhaps a "
        "change of work or home. You will feel freer than you have for some time and eager to try new "
        "things. Welcome the surprises, stay flexible and avoid rash promises, because this is a year "
        "for exploring rather than settling down."),
    // 6
    VQ_TR_NOOP("core::Chart",
        "Home and family take centre stage this year. Your loved ones may need more of your time, and "
        "new duties may fall to you, such as caring for a relative, settling a household matter or "
        "strengthening your marriage. Meet them with an open heart. Beauty and comfort at home matter "
        "now, and so does caring for yourself as you care for others."),
    // 7
    VQ_TR_NOOP("core::Chart",
        "This is a quieter year, made for reflection and study. Step back from the rush, spend time "
        "alone and ask yourself what you truly want from the years ahead. Reading, learning, "
        "meditation and rest will serve you better than chasing results. Answers come from within "
        "now, so listen to your intuition and do not force decisions."),
    // 8
    VQ_TR_NOOP("core::Chart",
        "This is a year of harvest. The work of earlier years can now bear results in your career and "
        "your finances, through a promotion, a profitable deal or recognition long deserved. Act with "
        "confidence, ask for what you are worth and handle money wisely. Authority and success come "
        "more readily now; use them fairly, and they will stay."),
    // 9
    VQ_TR_NOOP("core::Chart",
        "This year completes a cycle of nine. It is a time to finish what is unfinished, forgive what "
        "can be forgiven and let go of whatever no longer fits your life: old habits, worn-out plans, "
        "even some relationships. Clear the ground with gratitude rather than regret, because the "
        "space you make now is where your next fresh start will grow."),
};

// A number that stands once in the grid.
constexpr std::array<std::string_view, 9> kOnceTexts = {
    // 1
    VQ_TR_NOOP("core::Chart",
        "A single 1 makes you a good speaker who can put your thoughts into clear words, though you "
        "tend to keep your deeper feelings to yourself."),
    // 2
    VQ_TR_NOOP("core::Chart",
        "A single 2 makes you intuitive and sensitive; you often sense what people feel before they "
        "tell you."),
    // 3
    VQ_TR_NOOP("core::Chart", "A single 3 gives you a good memory and an alert, lively mind."),
    // 4
    VQ_TR_NOOP(
        "core::Chart", "A single 4 makes you practical and organised, someone who likes every task done properly."),
    // 5
    VQ_TR_NOOP(
        "core::Chart", "A single 5 in the centre of the grid gives you emotional balance and a compassionate heart."),
    // 6
    VQ_TR_NOOP("core::Chart", "A single 6 makes you creative and deeply attached to your home."),
    // 7
    VQ_TR_NOOP("core::Chart",
        "A single 7 suggests that some of your deepest lessons come through a loss or a "
        "disappointment."),
    // 8
    VQ_TR_NOOP("core::Chart", "A single 8 makes you methodical and careful with detail."),
    // 9
    VQ_TR_NOOP("core::Chart", "A single 9 brings ambition, a sense of responsibility and high ideals."),
};

// A number that stands more than once.
constexpr std::array<std::string_view, 9> kMoreTexts = {
    // 1
    VQ_TR_NOOP("core::Chart",
        "Two 1s bring balanced self-expression: you can say what you think and feel at the right "
        "moment. With three or more the balance tips, and you may become very talkative or, just as "
        "often, very quiet."),
    // 2
    VQ_TR_NOOP("core::Chart",
        "Two 2s make you a quick and usually accurate judge of people. With three or more you may "
        "become oversensitive and withdraw into yourself when you feel hurt."),
    // 3
    VQ_TR_NOOP("core::Chart",
        "Two 3s bring a vivid imagination and a gift for writing. With three or more, imagination can "
        "crowd out reality, so keep your feet on the ground."),
    // 4
    VQ_TR_NOOP("core::Chart",
        "Two 4s turn your attention strongly toward material things. With three or more you may "
        "become so tied to material work that stepping away from it feels hard."),
    // 5
    VQ_TR_NOOP("core::Chart",
        "Two 5s give you strong determination. With three or more your emotions run high and can be "
        "hard to temper."),
    // 6
    VQ_TR_NOOP("core::Chart",
        "Two 6s can bring worry over home and family. With three or more, care may turn into a wish "
        "to shield your loved ones from everything, so let them find their own way."),
    // 7
    VQ_TR_NOOP("core::Chart",
        "Two 7s draw you toward the metaphysical and the hidden side of life. Three or more can bring "
        "heavy losses, but if you come through them you gain real wisdom."),
    // 8
    VQ_TR_NOOP("core::Chart",
        "Two 8s give you sharp judgement and a love of travel. With three or more, that energy can "
        "turn into restlessness."),
    // 9
    VQ_TR_NOOP("core::Chart",
        "Two 9s make you idealistic and sometimes quick to criticise those who fall short. With three "
        "or more you may exaggerate and become hard for others to manage, so temper your high "
        "standards with patience."),
};

// A number missing from the grid.
constexpr std::array<std::string_view, 9> kMissingTexts = {
    // 1
    VQ_TR_NOOP("core::Chart",
        "With no 1 in your grid, speaking up with confidence, especially in front of others, takes "
        "conscious effort."),
    // 2
    VQ_TR_NOOP(
        "core::Chart", "With no 2 in your grid, you may miss what others leave unsaid, so ask rather than guess."),
    // 3
    VQ_TR_NOOP("core::Chart",
        "With no 3 in your grid, putting your ideas in order and explaining them to others takes "
        "extra effort."),
    // 4
    VQ_TR_NOOP("core::Chart",
        "With no 4 in your grid, order and discipline do not come by themselves; you build them step "
        "by step, through practice."),
    // 5
    VQ_TR_NOOP("core::Chart",
        "With no 5 in your grid, change can feel frightening, and getting your meaning across to "
        "others calls for extra care."),
    // 6
    VQ_TR_NOOP("core::Chart",
        "With no 6 in your grid, your home life and a creative outlet need time and attention given "
        "on purpose."),
    // 7
    VQ_TR_NOOP("core::Chart",
        "With no 7 in your grid, a lesson of sacrifice may lie ahead: something will have to be given "
        "up so that something better can come."),
    // 8
    VQ_TR_NOOP("core::Chart",
        "With no 8 in your grid, attention to detail and a methodical way of working take conscious "
        "effort."),
    // 9
    VQ_TR_NOOP("core::Chart",
        "With no 9 in your grid, responsibility does not come naturally; you take it on by choosing "
        "it consciously."),
};

// The eight lines of the grid, each with its name and its sentences.
constexpr std::array<LoShuLine, 8> kLines = {{
    {{4, 9, 2}, VQ_TR_NOOP("core::Chart", "Mental plane"),
        VQ_TR_NOOP("core::Chart",
            "With 4, 9 and 2 all in your grid, the mental plane is complete: you think sharply, remember "
            "well and enjoy getting to the root of a problem."),
        VQ_TR_NOOP("core::Chart",
            "With none of 4, 9 and 2 in your grid, the mental plane is empty: staying focused and "
            "remembering things take conscious effort, and lists and routines will help.")},
    {{3, 5, 7}, VQ_TR_NOOP("core::Chart", "Emotional plane"),
        VQ_TR_NOOP("core::Chart",
            "With 3, 5 and 7 all in your grid, the emotional plane is complete: you feel deeply, trust "
            "your intuition and lean naturally toward the spiritual."),
        VQ_TR_NOOP("core::Chart",
            "With none of 3, 5 and 7 in your grid, the emotional plane is empty: you keep your feelings "
            "closely guarded, and even with people you trust, opening up takes time.")},
    {{8, 1, 6}, VQ_TR_NOOP("core::Chart", "Practical plane"),
        VQ_TR_NOOP("core::Chart",
            "With 8, 1 and 6 all in your grid, the practical plane is complete: you like to work with "
            "your own hands, you stay organised, and you handle tools, money and material things with "
            "skill."),
        VQ_TR_NOOP("core::Chart",
            "With none of 8, 1 and 6 in your grid, the practical plane is empty: starting a task is easy, "
            "but seeing it through to the end takes conscious effort.")},
    {{4, 3, 8}, VQ_TR_NOOP("core::Chart", "Thought plane"),
        VQ_TR_NOOP("core::Chart",
            "With 4, 3 and 8 all in your grid, the thought plane is complete: you form clear plans and "
            "carry them out step by step."),
        VQ_TR_NOOP("core::Chart",
            "With none of 4, 3 and 8 in your grid, the thought plane is empty: ideas come, but they stay "
            "scattered until you write them down and put them in order.")},
    {{9, 5, 1}, VQ_TR_NOOP("core::Chart", "Will plane"),
        VQ_TR_NOOP("core::Chart",
            "With 9, 5 and 1 all in your grid, the will plane is complete: your willpower is strong, and "
            "you keep going until the goal is reached."),
        VQ_TR_NOOP("core::Chart",
            "With none of 9, 5 and 1 in your grid, the will plane is empty: you may waver once the first "
            "enthusiasm cools, so small but firm resolutions will help.")},
    {{2, 7, 6}, VQ_TR_NOOP("core::Chart", "Action plane"),
        VQ_TR_NOOP("core::Chart",
            "With 2, 7 and 6 all in your grid, the action plane is complete: you turn ideas into deeds "
            "without waiting to be asked."),
        VQ_TR_NOOP("core::Chart",
            "With none of 2, 7 and 6 in your grid, the action plane is empty: you may hesitate before you "
            "act, so decide on a small first step and take it.")},
    {{4, 5, 6}, VQ_TR_NOOP("core::Chart", "Golden Rajyog"),
        VQ_TR_NOOP("core::Chart",
            "With 4, 5 and 6 all in your grid, the line of the Golden Rajyog, the line of success, is "
            "complete: you turn chances into results, and prosperity tends to follow your work."),
        VQ_TR_NOOP("core::Chart",
            "With none of 4, 5 and 6 in your grid, the line of the Golden Rajyog is empty: for a while "
            "your efforts may go unrewarded, but steady work pays in the end.")},
    {{2, 5, 8}, VQ_TR_NOOP("core::Chart", "Silver Rajyog"),
        VQ_TR_NOOP("core::Chart",
            "With 2, 5 and 8 all in your grid, the line of the Silver Rajyog is complete: you negotiate "
            "well, stay steady under pressure and keep your emotions in balance."),
        VQ_TR_NOOP("core::Chart",
            "With none of 2, 5 and 8 in your grid, the line of the Silver Rajyog is empty: you may take "
            "things too much to heart, so give yourself a moment before you react.")},
}};

constexpr std::string_view kBeadSupplies
    = VQ_TR_NOOP("core::Chart", "Traditionally, the %1 is worn to make up for this missing number.");
constexpr std::string_view kRuleY = VQ_TR_NOOP("core::Chart",
    "A, E, I, O and U are vowels, and Y counts as a vowel when neither letter beside it in the "
    "name is one of them (Lynn, Mary, Yvonne) but as a consonant when a vowel stands beside it "
    "(Yolanda, Murray, Joy). A space, a hyphen, or the start or end of the name counts as no "
    "vowel.");
constexpr std::string_view kRuleReduction = VQ_TR_NOOP("core::Chart",
    "Every number is reduced by adding its digits, again and again, until one digit is left, so "
    "29 becomes 11 and then 2; no master numbers are kept. Each letter is worth 1 to 9 by its "
    "place in the alphabet, counted in rows of nine: A, J and S are 1, B, K and T are 2, and so "
    "on up to I and R, which are 9.");
constexpr std::string_view kRuleGrid = VQ_TR_NOOP("core::Chart",
    "The Lo Shu grid holds the digits of your birth date as it is written (day, month and year): "
    "zeros are left out, nothing is reduced, and a digit that appears twice is placed twice.");
constexpr std::string_view kRuleGridAdded = VQ_TR_NOOP("core::Chart",
    "The grid can also hold your birth number and your life path number; they are marked as "
    "added, so that you can tell them apart from the digits of the date.");
constexpr std::string_view kYVowelNote = VQ_TR_NOOP("core::Chart", "Y counts as a vowel: no vowel beside it");
constexpr std::string_view kYConsonantNote = VQ_TR_NOOP("core::Chart", "Y counts as a consonant: a vowel beside it");
constexpr std::string_view kNoVowel
    = VQ_TR_NOOP("core::Chart", "The soul urge comes from the vowels of a name, and this name has none.");
constexpr std::string_view kNoConsonant
    = VQ_TR_NOOP("core::Chart", "The personality number comes from the consonants of a name, and this name has none.");

// Text n (1 to 9) of a table of nine, or nothing.
std::string_view ofNumber(const std::array<std::string_view, 9>& texts, int n)
{
    return n >= 1 && n <= 9 ? texts[static_cast<std::size_t>(n - 1)] : std::string_view();
}

} // namespace

std::string_view birthNumberIntroduction()
{
    return kBirthNumberIntroduction;
}

std::string_view birthNumberText(int n)
{
    return ofNumber(kBirthNumberTexts, n);
}

std::string_view soulUrgeText(int n)
{
    return ofNumber(kSoulUrgeTexts, n);
}

std::string_view personalityNumberText(int n)
{
    return ofNumber(kPersonalityTexts, n);
}

std::string_view personalYearText(int n)
{
    return ofNumber(kPersonalYearTexts, n);
}

std::string_view vowelRule()
{
    return kRuleY;
}

std::string_view reductionRule()
{
    return kRuleReduction;
}

std::string_view yAsVowelNote()
{
    return kYVowelNote;
}

std::string_view yAsConsonantNote()
{
    return kYConsonantNote;
}

std::string_view noVowelText()
{
    return kNoVowel;
}

std::string_view noConsonantText()
{
    return kNoConsonant;
}

const std::array<LoShuLine, 8>& loShuLines()
{
    return kLines;
}

std::string_view loShuNumberText(int n, int count)
{
    return ofNumber(count == 0 ? kMissingTexts : count == 1 ? kOnceTexts : kMoreTexts, n);
}

std::string_view beadSuppliesFormat()
{
    return kBeadSupplies;
}

std::string_view loShuRule()
{
    return kRuleGrid;
}

std::string_view loShuAddedRule()
{
    return kRuleGridAdded;
}

} // namespace core
