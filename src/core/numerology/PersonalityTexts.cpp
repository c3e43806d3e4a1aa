#include "core/numerology/Numerology.h"
#include "core/numerology/Translatable.h"

#include <array>

namespace core {
namespace {

constexpr std::string_view kLifePathIntroduction = VQ_TR_NOOP("core::Numerology",
    "This is one of the most important numbers. Sometimes it is also called the Life"
    " Direction Number. It is drawn from your date of birth and shows the road your life is"
    " meant to walk, the lessons waiting for you along the way, and the gifts you carry to"
    " meet them.");

constexpr std::array<std::string_view, 9> kLifePathTexts = {
    // 1
    VQ_TR_NOOP("core::Numerology",
        "Your main purpose should be attaining independency. The Life Path 1's life is a journey"
        " toward standing on your own feet and trusting the voice within you. You are a natural"
        " pioneer, happiest when you are opening a new door rather than walking through one that"
        " others have held open. Your mind is original and quick, and you often see a way forward"
        " long before the people around you do. Learn to accept help without feeling smaller for"
        " it, and to listen as warmly as you lead. When you balance strength with kindness, your"
        " independence becomes a gift to everyone around you, and many will gladly follow the"
        " path you have cleared for them with such resolve."),
    // 2
    VQ_TR_NOOP("core::Numerology",
        "Usually you are creative and follow certain protocols. You value harmony and feel most"
        " at peace when the people around you are at ease. You are a gentle diplomat who can"
        " sense the mood of a room and bring people together. Patience is one of your quiet"
        " strengths, and you notice the small details others tend to miss. You work best as a"
        " partner or within a team, where your tact and loyalty are deeply appreciated. Take care"
        " not to hide your own needs to please others, for your voice matters just as much as"
        " theirs."),
    // 3
    VQ_TR_NOOP("core::Numerology",
        "You are entertainers, optimists and very creative. Words, colours and ideas flow through"
        " you with ease, and you have a rare gift for lifting the spirits of those around you."
        " People are drawn to your warmth, your humour and the sparkle you bring to a gathering."
        " You express yourself beautifully through speech, writing, art or music. Your challenge"
        " is to gather your many talents and give them steady direction, since scattered energy"
        " can leave fine work unfinished. When you commit to your craft with discipline, your joy"
        " becomes a lamp that guides and heals many people."),
    // 4
    VQ_TR_NOOP("core::Numerology",
        "The Life Path 4 produces the most reliable, practical, and down-to-earth of individuals;"
        " you are the builders upon whom families, firms and communities depend. You believe in"
        " honest effort, careful planning and doing a task properly from start to finish. Order"
        " and routine give you comfort, and you are at your best when you can see solid results"
        " from your work. Others trust your word because you keep it. Take care not to become too"
        " rigid or to resist change simply because it is new. When you allow yourself a little"
        " flexibility, your strong foundations will hold firm."),
    // 5
    VQ_TR_NOOP("core::Numerology",
        "Generally people with 5 are very multitalented, bold, and progressive. You love freedom,"
        " travel and fresh experiences, and you learn best by tasting life directly rather than"
        " reading about it. Your curiosity is endless, and you adapt to new places and new people"
        " with remarkable grace. You are a lively speaker and often persuade others without"
        " effort. Routine can feel like a cage to you, so you thrive in work that offers variety"
        " and movement. Your lesson is to use your freedom wisely, choosing depth over constant"
        " change. When you learn to stay with what truly matters, your adventurous spirit becomes"
        " a fountain of wisdom."),
    // 6
    VQ_TR_NOOP("core::Numerology",
        "The Life Path 6 indicates that you have a strong sense of responsibility. Home, family"
        " and community sit at the centre of your heart, and you feel fulfilled when caring for"
        " the people you love. You are a natural counsellor, and friends often come to you for"
        " comfort and advice. Beauty and harmony matter to you, and you work to create a peaceful"
        " space wherever you go. You may at times carry burdens that are not yours, or expect too"
        " much of yourself. Remember that love also means allowing people to grow in their own"
        " way. When you give freely, your devotion blesses everyone it touches."),
    // 7
    VQ_TR_NOOP("core::Numerology",
        "You tend to be calm and affectionate by nature. Beneath your quiet surface lies a deep"
        " and searching mind that wants to understand the hidden meaning of life. You are drawn"
        " to study, reflection and the spiritual path, and you need time alone to regain your"
        " balance. Your intuition is strong, and you often sense the truth before it is spoken."
        " Try not to withdraw too far from others, for your wisdom grows richer when shared."),
    // 8
    VQ_TR_NOOP("core::Numerology",
        "You are very materialistic and are focused on learning the ways to fulfill these needs."
        " You have a natural gift for business, finance and management, and you understand how"
        " power and money move in the world. Ambition drives you forward, and you will work long"
        " hours to reach your aims. You are practical, confident and ready to lead when others"
        " hesitate. Your task is to balance material success with generosity and inner peace."
        " When you use your wealth and authority to uplift others, your rewards multiply in ways"
        " money cannot measure."),
    // 9
    VQ_TR_NOOP("core::Numerology",
        "People with number 9 are generous, loving and have an inborn drive to serve the"
        " humankind. You see the big picture and feel the sorrows of others as if they were your"
        " own. Your heart is open to people of every background, and you are often drawn to"
        " healing, teaching or charitable work. You carry within you the wisdom of every number"
        " that comes before you. Learn to let go of the past with grace, and your compassion will"
        " touch countless lives."),
};

constexpr std::string_view kDestinyIntroduction = VQ_TR_NOOP("core::Numerology",
    "This number describes your vibration in the world and the tasks that you must achieve in"
    " this lifetime using the name given to you. It is found from the letters of your birth"
    " name, and it shows the talents you offer others and the goal your soul has come to"
    " fulfil.");

struct DestinyParagraphs {
    std::string_view positive;
    std::string_view negative;
};

constexpr std::array<DestinyParagraphs, 9> kDestinyTexts = {{
    // 1
    {VQ_TR_NOOP("core::Numerology",
         "This tells you are a leader. You are talented, skilled and posses cool administrative"
         " capabilities. You are able to make firm, fair decisions and to guide others with a"
         " clear sense of purpose. New ventures suit you well, and you are never afraid to be the"
         " first to try. Your destiny is to inspire through your own example and to show others"
         " how to stand tall with courage and gentle pride."),
        VQ_TR_NOOP("core::Numerology",
            "The negative trait of this number includes one becoming egotistic and developing a"
            " self-centered approach to life. You may ignore the advice of others and insist on doing"
            " things your way.")},
    // 2
    {VQ_TR_NOOP("core::Numerology",
         "This number gives you good people managing skills. You understand feelings, moods and"
         " hidden tensions, and you know how to bring people together in a spirit of cooperation."
         " You are a patient listener and a wise mediator, often the calm centre of any storm."
         " Your destiny lies in partnership, diplomacy and service, where your gentle tact can"
         " heal quarrels and build lasting bonds. Success comes to you through the quiet support"
         " you offer, rather than through force or display."),
        VQ_TR_NOOP("core::Numerology",
            "The negative trait of this number is that you can be sensitive to certain issues and be"
            " affected very easily. You may hide your true feelings to avoid conflict, which can"
            " leave you feeling ignored. Indecision and worry may also hold you back.")},
    // 3
    {VQ_TR_NOOP("core::Numerology",
         "This number indicates a strong creativity in your nature. You have a gift for words,"
         " images and ideas, and you can express feelings in a way that moves the hearts of"
         " others. Writing, speaking, art, music or performance may all bring you joy and"
         " recognition. Your cheerful spirit attracts friends with ease, and your company is a"
         " blessing. Your destiny is to uplift the world through beauty and self-expression,"
         " bringing hope and laughter wherever you go."),
        VQ_TR_NOOP("core::Numerology",
            "The negative trait of Destiny number 3 is unwanted display of show. You may scatter your"
            " talents across too many different interests and leave good work unfinished. At times"
            " you may speak without thinking, or use charm to escape duties that you ought to face"
            " with care.")},
    // 4
    {VQ_TR_NOOP("core::Numerology",
         "You will have good management and organizational skills. You are steady, methodical and"
         " dependable, and you bring order to situations that others find confusing. You prefer"
         " clear plans, honest methods and firm foundations, and you will put in patient effort to"
         " see a project through to its end. Those who work with you trust your judgment and your"
         " sense of fairness. Your destiny is to build something lasting, whether it is a home, a"
         " business or an institution that serves the community. You are at your best when you"
         " honour tradition while still leaving room for growth. Hard work is your path, and it"
         " brings you well-earned and enduring rewards."),
        VQ_TR_NOOP("core::Numerology",
            "The negative trait of 4 often produces arrogant and dominating individuals. You may"
            " become so attached to your own methods that you refuse to consider other views."
            " Rigidity and the fear of change can limit your progress. You may also work too hard and"
            " forget to rest, leaving you tired and irritable. Learn to soften your approach and to"
            " trust others, and your strength will serve you far better.")},
    // 5
    {VQ_TR_NOOP("core::Numerology",
         "You are gifted with multiple talents. You have a quick mind, a ready tongue and a love"
         " of freedom that keeps you moving toward new horizons. Travel, trade, media and any"
         " field that involves change suit your restless spirit. You can adapt to almost any"
         " situation and often charm people with your wit. Your destiny is to taste life fully and"
         " to share what you learn with others, showing them that change need not be feared. When"
         " you learn to focus your energy, your gifts will bring you success and a rich life."),
        VQ_TR_NOOP("core::Numerology",
            "The negative side of the number says that your restless and impatient attitude may keep"
            " you from staying with any project for too long. You may seek pleasure too freely or"
            " avoid commitments that feel confining. Finish what you begin, and you will find true"
            " freedom.")},
    // 6
    {VQ_TR_NOOP("core::Numerology",
         "Your goal of life is to have the right balance of love and responsibility. You are a"
         " caretaker at heart, and you find meaning in nurturing your family, your friends and"
         " your community. People turn to you for comfort, guidance and a sense of belonging. You"
         " have a fine eye for beauty and harmony, and you may be drawn to teaching, healing,"
         " counselling or the arts. Your destiny is to create warmth and stability wherever you"
         " are, and to serve others with an open heart. At times you may feel that the world rests"
         " upon your shoulders, so remember to care for yourself as well. When love and duty are"
         " in balance, your life becomes a blessing to all."),
        VQ_TR_NOOP("core::Numerology",
            "The negative traits associated with this number, are stubbornness, arrogance and feeling"
            " o superficial self-esteem. You may interfere in the lives of others in the name of"
            " love, or expect too much gratitude for what you give. Learn to give without condition.")},
    // 7
    {VQ_TR_NOOP("core::Numerology",
         "You will be interested in analysis and the development of a mind skilled at searching"
         " out the truth ad mysticism. You are a thinker, a researcher and a seeker, never content"
         " with easy answers. Science, philosophy, religion and the hidden side of life hold a"
         " natural fascination for you. You need quiet and solitude to reflect, and your best"
         " insights arrive in silence. Your destiny is to gather wisdom through study and inner"
         " experience and then to share it with those who are ready to receive it. Trust your"
         " intuition, for it is one of your strongest guides. Your calm presence offers others a"
         " sense of depth and meaning."),
        VQ_TR_NOOP("core::Numerology",
            "The negative trait of this number is that you do not trust people easily. You may"
            " withdraw into your own thoughts and seem cold or distant to those who wish to be close"
            " to you. Pride in your intellect can make you scornful of others. Try to open your heart"
            " and share your rich inner world with those you trust.")},
    // 8
    {VQ_TR_NOOP("core::Numerology",
         "You need to achieve material and financial comfort above all things. You have a strong"
         " sense of authority and a natural understanding of money, business and organisation. You"
         " are ambitious and determined, and you will work hard to reach a position of influence"
         " and standing. Large projects do not frighten you, and you often see chances that others"
         " overlook. Your destiny is to master the material world and to use your power wisely and"
         " fairly. When you combine success with generosity, your achievements bring lasting good"
         " to many. Balance is your key, so give time to your spirit as well."),
        VQ_TR_NOOP("core::Numerology",
            "A negative 8 can be very rigid and stubborn. You may be over ambitious and dominating."
            " Impatience may be the reason f or your downfall.")},
    // 9
    {VQ_TR_NOOP("core::Numerology",
         "Your prime focus will be in activities of compassion, and in worldly understanding. You"
         " feel a deep connection with all people and a wish to make the world a gentler place."
         " Humanitarian work, teaching, healing and the arts may call to you. Your destiny is to"
         " give freely of your wisdom and love, letting go of personal gain for the good of the"
         " many, and to find joy in doing so."),
        VQ_TR_NOOP("core::Numerology",
            "The negative traits of 9 Destiny can be selfishness and an egoistic attitude. You may"
            " hold on to old hurts or give so much that you feel used. Forgiveness and balance bring"
            " peace.")},
}};

// Goes with every destiny 4, whatever total it was reduced from.
constexpr std::string_view kMasterNumberParagraph = VQ_TR_NOOP("core::Numerology",
    "All with Destiny 4, and especially the master number 22/4, are potentially equipped to"
    " handle large-scale undertakings in the material world. You have the vision to imagine"
    " great works and the patience to build them step by step. Used wisely, this power can"
    " bless whole communities.");

constexpr std::string_view kParagraphBreak = "\r\n\r\n";

} // namespace

std::string_view lifePathText(int n)
{
    if (n < 1 || n > 9) {
        return {};
    }
    return kLifePathTexts[static_cast<std::size_t>(n - 1)];
}

std::string destinyText(int n)
{
    if (n < 1 || n > 9) {
        return {};
    }
    const DestinyParagraphs& paragraphs = kDestinyTexts[static_cast<std::size_t>(n - 1)];
    std::string text(paragraphs.positive);
    text += kParagraphBreak;
    if (n == 4) {
        text += kMasterNumberParagraph;
        text += kParagraphBreak;
    }
    text += paragraphs.negative;
    return text;
}

std::string_view lifePathIntroduction()
{
    return kLifePathIntroduction;
}

std::string_view destinyIntroduction()
{
    return kDestinyIntroduction;
}

} // namespace core
