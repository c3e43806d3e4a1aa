#include "core/numerology/Chart.h"
#include "core/numerology/Compatibility.h"
#include "core/numerology/DigitReduction.h"
#include "core/numerology/Numerology.h"
#include "core/numerology/Reading.h"
#include "core/numerology/Working.h"

#include "TestData.h"

#include <QTest>

#include <cstdint>
#include <limits>
#include <string>

using namespace core;

Q_DECLARE_METATYPE(core::Grade)

namespace {

Reading readingForDate(int day, int month, int year)
{
    Reading reading;
    reading.BirthDay = static_cast<std::int16_t>(day);
    reading.BirthMonth = static_cast<std::int16_t>(month);
    reading.BirthYear = static_cast<std::int16_t>(year);
    return reading;
}

Reading readingForName(const std::string& name)
{
    Reading reading;
    reading.PersonName = name;
    return reading;
}

// The opening words of each number's text, as the reader of the result page
// sees them.
QString lifePathOpening(int n)
{
    static const QStringList openings = {
        QStringLiteral("Your main purpose should be attaining independency. The Life Path 1's life"),
        QStringLiteral("Usually you are creative and follow certain protocols."),
        QStringLiteral("You are entertainers, optimists and very creative."),
        QStringLiteral("The Life Path 4 produces the most reliable, practical, and down-to-earth of individuals;"),
        QStringLiteral("Generally people with 5 are very multitalented, bold, and progressive."),
        QStringLiteral("The Life Path 6 indicates that you have a strong sense of responsibility."),
        QStringLiteral("You tend to be calm and affectionate by nature."),
        QStringLiteral("You are very materialistic and are focused on learning the ways to fulfill these needs."),
        QStringLiteral("People with number 9 are generous, loving and have an inborn drive to serve the humankind."),
    };
    return openings.value(n - 1);
}

QString destinyOpening(int n)
{
    static const QStringList openings = {
        QStringLiteral("This tells you are a leader."),
        QStringLiteral("This number gives you good people managing skills."),
        QStringLiteral("This number indicates a strong creativity in your nature."),
        QStringLiteral("You will have good management and organizational skills."),
        QStringLiteral("You are gifted with multiple talents."),
        QStringLiteral("Your goal of life is to have the right balance of love and responsibility."),
        QStringLiteral("You will be interested in analysis and the development of a mind skilled"),
        QStringLiteral("You need to achieve material and financial comfort above all things."),
        QStringLiteral("Your prime focus will be in activities of compassion, and in worldly understanding."),
    };
    return openings.value(n - 1);
}

} // namespace

class TestNumerology : public QObject {
    Q_OBJECT

private slots:
    void reduceDigits_data()
    {
        QTest::addColumn<quint64>("n");
        QTest::addColumn<int>("expected");
        QTest::newRow("zero stays zero") << quint64{0} << 0;
        QTest::newRow("one digit") << quint64{7} << 7;
        QTest::newRow("nine") << quint64{9} << 9;
        QTest::newRow("ten") << quint64{10} << 1;
        QTest::newRow("master 11") << quint64{11} << 2;
        QTest::newRow("master 22") << quint64{22} << 4;
        QTest::newRow("master 33") << quint64{33} << 6;
        QTest::newRow("2008 in two passes") << quint64{2008} << 1;
        QTest::newRow("1999 in three passes") << quint64{1999} << 1;
        QTest::newRow("past 16 bits") << quint64{45000} << 9;
        QTest::newRow("largest 64-bit") << std::numeric_limits<quint64>::max() << 6;
    }
    void reduceDigits()
    {
        QFETCH(quint64, n);
        QFETCH(int, expected);
        QCOMPARE(core::reduceDigits(n), expected);
    }

    void reduceDigitsMatchesNinesRemainder()
    {
        for (std::uint64_t n = 1; n <= 200000; ++n) {
            if (core::reduceDigits(n) != static_cast<int>(1 + (n - 1) % 9)) {
                QFAIL(qPrintable(QStringLiteral("wrong reduction of %1").arg(n)));
            }
        }
    }

    void lifePath_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("expected");
        QTest::newRow("15 August 1985") << 15 << 8 << 1985 << 1;
        QTest::newRow("9 January 1900, sum 11") << 9 << 1 << 1900 << 2;
        QTest::newRow("26 January 1972, three passes") << 26 << 1 << 1972 << 1;
        QTest::newRow("1 January 1900, smallest") << 1 << 1 << 1900 << 3;
        QTest::newRow("31 December 2050, largest") << 31 << 12 << 2050 << 5;
        QTest::newRow("1 February 1990") << 1 << 2 << 1990 << 4;
        QTest::newRow("2 January 1990, same sum") << 2 << 1 << 1990 << 4;
        QTest::newRow("sum 2020 gives master 22") << 10 << 10 << 2000 << 4;
        QTest::newRow("year from a file") << 31 << 12 << 9999 << 7;
    }
    void lifePath()
    {
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(int, expected);
        Reading reading = readingForDate(day, month, year);
        reading = Find_LifePath_No(reading);
        QCOMPARE(reading.LifePathNumber, expected);
        QVERIFY2(q(reading.LifePathText).startsWith(lifePathOpening(expected)), reading.LifePathText.c_str());
    }

    void lifePathCarriesNothingOver()
    {
        Reading reading = readingForDate(9, 1, 1900);
        reading = Find_LifePath_No(reading);
        const Reading first = reading;
        reading = Find_LifePath_No(reading);
        QCOMPARE(reading.LifePathNumber, first.LifePathNumber);
        QCOMPARE(q(reading.LifePathText), q(first.LifePathText));

        reading.BirthDay = 15;
        reading.BirthMonth = 8;
        reading.BirthYear = 1985;
        reading = Find_LifePath_No(reading);
        QCOMPARE(reading.LifePathNumber, 1);
        QVERIFY(q(reading.LifePathText).startsWith(lifePathOpening(1)));
    }

    void letterTable_data()
    {
        QTest::addColumn<QString>("letters");
        QTest::addColumn<int>("value");
        QTest::newRow("1") << "AJSajs" << 1;
        QTest::newRow("2") << "BKTbkt" << 2;
        QTest::newRow("3") << "CLUclu" << 3;
        QTest::newRow("4") << "DMVdmv" << 4;
        QTest::newRow("5") << "ENWenw" << 5;
        QTest::newRow("6") << "FOXfox" << 6;
        QTest::newRow("7") << "GPYgpy" << 7;
        QTest::newRow("8") << "HQZhqz" << 8;
        QTest::newRow("9") << "IRir" << 9;
        QTest::newRow("others") << " -'.0123456789@[`{~\t" << 0;
    }
    void letterTable()
    {
        QFETCH(QString, letters);
        QFETCH(int, value);
        for (const QChar letter : letters) {
            QCOMPARE(letterValue(static_cast<char>(letter.toLatin1())), value);
        }
    }

    void destiny_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("expected");
        QTest::newRow("John Smith, 44") << "John Smith" << 8;
        QTest::newRow("Zoe, 19") << "Zoe" << 1;
        QTest::newRow("abc") << "abc" << 6;
        QTest::newRow("ABC") << "ABC" << 6;
        QTest::newRow("Lily, 22") << "Lily" << 4;
        QTest::newRow("R2-D2, 13") << "R2-D2" << 4;
        QTest::newRow("Mary-Jane Watson, 53") << "Mary-Jane Watson" << 8;
        QTest::newRow("MaryJane Watson, 53") << "MaryJane Watson" << 8;
        QTest::newRow("O'Neil, 28") << "O'Neil" << 1;
        QTest::newRow("accented letters count 0, 33") << QStringLiteral("Zo\u00EB Andr\u00E9") << 6;
    }
    void destiny()
    {
        QFETCH(QString, name);
        QFETCH(int, expected);
        Reading reading = readingForName(name.toStdString());
        reading = Find_Destiny_No(reading);
        QCOMPARE(reading.DestinyNumber, expected);
        QVERIFY2(q(reading.DestinyText).startsWith(destinyOpening(expected)), reading.DestinyText.c_str());
    }

    void destinyWithoutLettersKeepsText_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("digits") << "123";
        QTest::newRow("empty") << "";
        QTest::newRow("accented only") << QStringLiteral("\u00C9\u00E9\u00F1");
        QTest::newRow("another script") << QStringLiteral("\u0930\u0941\u0926\u094D\u0930");
    }
    void destinyWithoutLettersKeepsText()
    {
        QFETCH(QString, name);
        Reading reading = readingForName(name.toStdString());
        reading.DestinyNumber = 5;
        reading.DestinyText = "earlier text";
        reading = Find_Destiny_No(reading);
        QCOMPARE(reading.DestinyNumber, 0);
        QCOMPARE(q(reading.DestinyText), QStringLiteral("earlier text"));
        QVERIFY(!hasLetterAToZ(reading.PersonName));
    }

    void destinyOfLongNames_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<char>("letter");
        QTest::addColumn<int>("expected");
        // 5,000 letters I total 45,000, past a 16-bit total.
        QTest::newRow("5000 x I") << 5000 << 'I' << 9;
        QTest::newRow("4000 x A") << 4000 << 'A' << 4;
        QTest::newRow("100000 x H, total 800000") << 100000 << 'H' << 8;
        QTest::newRow("3641 x R, total 32769") << 3641 << 'R' << 9;
    }
    void destinyOfLongNames()
    {
        QFETCH(int, count);
        QFETCH(char, letter);
        QFETCH(int, expected);
        Reading reading = readingForName(std::string(static_cast<std::size_t>(count), letter));
        reading = Find_Destiny_No(reading);
        QCOMPARE(reading.DestinyNumber, expected);
    }

    void destinyTextJoins()
    {
        for (int n = 1; n <= 9; ++n) {
            const QString text = q(destinyText(n));
            const QStringList paragraphs = text.split(QStringLiteral("\r\n\r\n"));
            QCOMPARE(paragraphs.size(), n == 4 ? 3 : 2);
            for (const QString& paragraph : paragraphs) {
                QVERIFY(!paragraph.isEmpty());
                QVERIFY(!paragraph.contains(QLatin1Char('\r')));
                QVERIFY(!paragraph.contains(QLatin1Char('\n')));
            }
        }
        QVERIFY(q(destinyText(4))
                    .contains(QStringLiteral("\r\n\r\nAll with Destiny 4, and especially the master number 22/4")));
        QVERIFY(destinyText(0).empty());
        QVERIFY(destinyText(10).empty());
        QVERIFY(lifePathText(0).empty());
        QVERIFY(lifePathText(10).empty());
    }

    void working_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("lifePath");
        QTest::addColumn<QString>("destiny");
        const QString thirtyJs = QStringList(30, QStringLiteral("J 1")).join(QStringLiteral(" + "));
        QTest::newRow("Sample Name, 15 August 1985")
            << "Sample Name" << 15 << 8 << 1985
            << QStringLiteral("15 + 8 + 1985 = 2008 \u2192 2 + 0 + 0 + 8 = 10 \u2192 1 + 0 = 1")
            << QStringLiteral("S 1 + A 1 + M 4 + P 7 + L 3 + E 5 + N 5 + A 1 + M 4 + E 5 = 36 \u2192 3 + 6 = 9");
        QTest::newRow("one-digit totals, no arrow") << "Abc" << 1 << 1 << 1 << "1 + 1 + 1 = 3"
                                                    << "A 1 + B 2 + C 3 = 6";
        QTest::newRow("lower case and other characters, three passes")
            << QStringLiteral("o'Neil-2 \u00E9") << 26 << 1 << 1972
            << QStringLiteral("26 + 1 + 1972 = 1999 \u2192 1 + 9 + 9 + 9 = 28 \u2192 2 + 8 = 10 \u2192 1 + 0 = 1")
            << QStringLiteral("O 6 + N 5 + E 5 + I 9 + L 3 = 28 \u2192 2 + 8 = 10 \u2192 1 + 0 = 1");
        QTest::newRow("30 letters listed, master 11 reduced")
            << QString(30, QLatin1Char('j')) << 9 << 1 << 1900
            << QStringLiteral("9 + 1 + 1900 = 1910 \u2192 1 + 9 + 1 + 0 = 11 \u2192 1 + 1 = 2")
            << thirtyJs + QStringLiteral(" = 30 \u2192 3 + 0 = 3");
        QTest::newRow("31 letters counted") << QString(31, QLatin1Char('j')) << 10 << 10 << 2000
                                            << QStringLiteral("10 + 10 + 2000 = 2020 \u2192 2 + 0 + 2 + 0 = 4")
                                            << QStringLiteral("31 letters = 31 \u2192 3 + 1 = 4");
        QTest::newRow("32 letters counted, master 22 reduced")
            << "Iiiiiiiiiiiiiiiiiii Aaaaaaaaaa Bbb" << 1 << 2 << 1990
            << QStringLiteral("1 + 2 + 1990 = 1993 \u2192 1 + 9 + 9 + 3 = 22 \u2192 2 + 2 = 4")
            << QStringLiteral("32 letters = 187 \u2192 1 + 8 + 7 = 16 \u2192 1 + 6 = 7");
        QTest::newRow("no letter, no date") << "12 -" << 0 << 0 << 0 << QString() << QString();
    }
    void working()
    {
        QFETCH(QString, name);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QString, lifePath);
        QFETCH(QString, destiny);
        Reading reading = readingForDate(day, month, year);
        reading.PersonName = name.toStdString();
        reading = completeReading(reading);
        QCOMPARE(q(workingText(reading.LifePathWorking)), lifePath);
        QCOMPARE(q(workingText(reading.DestinyWorking)), destiny);
        // The working ends in the number the reading shows.
        QVERIFY(lifePath.isEmpty() || lifePath.endsWith(QStringLiteral("= %1").arg(reading.LifePathNumber)));
        QVERIFY(destiny.isEmpty() || destiny.endsWith(QStringLiteral("= %1").arg(reading.DestinyNumber)));
    }

    void texts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("opening");

        const auto add = [](const char* name, std::string_view text, int length, const char* opening) {
            QTest::newRow(name) << q(text) << length << QString::fromUtf8(opening);
        };
        const auto destinyParagraph = [](int n, int index) {
            return q(destinyText(n)).split(QStringLiteral("\r\n\r\n")).at(index).toStdString();
        };
        add("life path introduction", lifePathIntroduction(), 261,
            "This is one of the most important numbers. Sometimes it is also called the Life Direction Number.");
        add("destiny introduction", destinyIntroduction(), 265,
            "This number describes your vibration in the world and the tasks that you must achieve in this "
            "lifetime using the name given to you.");
        add("life path 1", lifePathText(1), 656,
            "Your main purpose should be attaining independency. The Life Path 1's life");
        add("life path 2", lifePathText(2), 515, "Usually you are creative and follow certain protocols.");
        add("life path 3", lifePathText(3), 571, "You are entertainers, optimists and very creative.");
        add("life path 4", lifePathText(4), 572,
            "The Life Path 4 produces the most reliable, practical, and down-to-earth of individuals;");
        add("life path 5", lifePathText(5), 627,
            "Generally people with 5 are very multitalented, bold, and progressive.");
        add("life path 6", lifePathText(6), 588,
            "The Life Path 6 indicates that you have a strong sense of responsibility.");
        add("life path 7", lifePathText(7), 425, "You tend to be calm and affectionate by nature.");
        add("life path 8", lifePathText(8), 537,
            "You are very materialistic and are focused on learning the ways to fulfill these needs.");
        add("life path 9", lifePathText(9), 445,
            "People with number 9 are generous, loving and have an inborn drive to serve the humankind.");

        const auto addParagraph = [&](const char* name, int n, int index, int length, const char* opening) {
            add(name, destinyParagraph(n, index), length, opening);
        };
        addParagraph("destiny 1 positive", 1, 0, 389,
            "This tells you are a leader. You are talented, skilled and posses cool administrative "
            "capabilities.");
        addParagraph("destiny 1 negative", 1, 1, 187,
            "The negative trait of this number includes one becoming egotistic and developing a "
            "self-centered approach to life.");
        addParagraph("destiny 2 positive", 2, 0, 475, "This number gives you good people managing skills.");
        addParagraph("destiny 2 negative", 2, 1, 242,
            "The negative trait of this number is that you can be sensitive to certain issues and be "
            "affected very easily.");
        addParagraph("destiny 3 positive", 3, 0, 454, "This number indicates a strong creativity in your nature.");
        addParagraph(
            "destiny 3 negative", 3, 1, 269, "The negative trait of Destiny number 3 is unwanted display of show.");
        addParagraph("destiny 4 positive", 4, 0, 648, "You will have good management and organizational skills.");
        addParagraph("destiny 4 master number", 4, 1, 282,
            "All with Destiny 4, and especially the master number 22/4, are potentially equipped to "
            "handle large-scale undertakings in the material world.");
        addParagraph("destiny 4 negative", 4, 2, 396,
            "The negative trait of 4 often produces arrogant and dominating individuals.");
        addParagraph("destiny 5 positive", 5, 0, 509, "You are gifted with multiple talents.");
        addParagraph("destiny 5 negative", 5, 1, 265,
            "The negative side of the number says that your restless and impatient attitude may keep you "
            "from staying with any project for too long.");
        addParagraph("destiny 6 positive", 6, 0, 646,
            "Your goal of life is to have the right balance of love and responsibility.");
        addParagraph("destiny 6 negative", 6, 1, 258,
            "The negative traits associated with this number, are stubbornness, arrogance and feeling o "
            "superficial self-esteem.");
        addParagraph("destiny 7 positive", 7, 0, 622,
            "You will be interested in analysis and the development of a mind skilled at searching out "
            "the truth ad mysticism.");
        addParagraph("destiny 7 negative", 7, 1, 310,
            "The negative trait of this number is that you do not trust people easily.");
        addParagraph(
            "destiny 8 positive", 8, 0, 590, "You need to achieve material and financial comfort above all things.");
        addParagraph("destiny 8 negative, whole", 8, 1, 135,
            "A negative 8 can be very rigid and stubborn. You may be over ambitious and dominating. "
            "Impatience may be the reason f or your downfall.");
        addParagraph("destiny 9 positive", 9, 0, 378,
            "Your prime focus will be in activities of compassion, and in worldly understanding.");
        addParagraph("destiny 9 negative", 9, 1, 179,
            "The negative traits of 9 Destiny can be selfishness and an egoistic attitude.");
    }
    void texts()
    {
        QFETCH(QString, text);
        QFETCH(int, length);
        QFETCH(QString, opening);
        QVERIFY2(text.startsWith(opening), qPrintable(text.left(opening.size())));
        QCOMPARE(text.size(), length);
        QVERIFY(!text.contains(QLatin1Char('\r')));
        QVERIFY(!text.contains(QLatin1Char('\n')));
    }

    // The chart's numbers and their working: the birth day reduced, the
    // vowels and the other letters (the Y rule), the personal year.
    void chartNumbers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("birth");
        QTest::addColumn<QString>("soulUrge"); // empty: no vowel
        QTest::addColumn<QString>("personality"); // empty: no consonant
        QTest::addColumn<QString>("yNote"); // "vowel", "consonant" or empty
        const auto row = [](const char* name, const char* person, int day, const QString& birth, const QString& soul,
                             const QString& personality, const char* yNote = "") {
            QTest::newRow(name) << person << day << birth << soul << personality << yNote;
        };
        row("John Smith, the 15th", "John Smith", 15, "15 \u2192 1 + 5 = 6", "O 6 + I 9 = 15 \u2192 1 + 5 = 6",
            "J 1 + H 8 + N 5 + S 1 + M 4 + T 2 + H 8 = 29 \u2192 2 + 9 = 11 \u2192 1 + 1 = 2");
        row("one digit, the 6th", "Ann", 6, "6", "A 1 = 1", "N 5 + N 5 = 10 \u2192 1 + 0 = 1");
        row("the 10th", "Ann", 10, "10 \u2192 1 + 0 = 1", "A 1 = 1", "N 5 + N 5 = 10 \u2192 1 + 0 = 1");
        row("the 20th", "Ann", 20, "20 \u2192 2 + 0 = 2", "A 1 = 1", "N 5 + N 5 = 10 \u2192 1 + 0 = 1");
        row("the 29th, two passes", "Ann", 29, "29 \u2192 2 + 9 = 11 \u2192 1 + 1 = 2", "A 1 = 1",
            "N 5 + N 5 = 10 \u2192 1 + 0 = 1");
        row("the 30th", "Ann", 30, "30 \u2192 3 + 0 = 3", "A 1 = 1", "N 5 + N 5 = 10 \u2192 1 + 0 = 1");
        // Y is a vowel where neither character beside it is A, E, I, O or U.
        row("Lynn: Y a vowel", "Lynn", 1, "1", "Y 7 = 7", "L 3 + N 5 + N 5 = 13 \u2192 1 + 3 = 4", "vowel");
        row("Mary: Y at the end", "Mary", 1, "1", "A 1 + Y 7 = 8", "M 4 + R 9 = 13 \u2192 1 + 3 = 4", "vowel");
        row("Yvonne: Y at the start", "Yvonne", 1, "1", "Y 7 + O 6 + E 5 = 18 \u2192 1 + 8 = 9",
            "V 4 + N 5 + N 5 = 14 \u2192 1 + 4 = 5", "vowel");
        row("Yolanda: Y before a vowel", "Yolanda", 1, "1", "O 6 + A 1 + A 1 = 8",
            "Y 7 + L 3 + N 5 + D 4 = 19 \u2192 1 + 9 = 10 \u2192 1 + 0 = 1", "consonant");
        row("Murray: Y after a vowel", "Murray", 1, "1", "U 3 + A 1 = 4",
            "M 4 + R 9 + R 9 + Y 7 = 29 \u2192 2 + 9 = 11 \u2192 1 + 1 = 2", "consonant");
        row("Joy", "Joy", 1, "1", "O 6 = 6", "J 1 + Y 7 = 8", "consonant");
        row("a hyphen beside Y is no vowel", "Ann-Yb", 1, "1", "A 1 + Y 7 = 8", "N 5 + N 5 + B 2 = 12 \u2192 1 + 2 = 3",
            "vowel");
        row("no vowel", "Tsk Brr", 1, "1", "", "T 2 + S 1 + K 2 + B 2 + R 9 + R 9 = 25 \u2192 2 + 5 = 7");
        row("no consonant", "Aiu Eo", 1, "1", "A 1 + I 9 + U 3 + E 5 + O 6 = 24 \u2192 2 + 4 = 6", "");
    }
    void chartNumbers()
    {
        QFETCH(QString, name);
        QFETCH(int, day);
        QFETCH(QString, birth);
        QFETCH(QString, soulUrge);
        QFETCH(QString, personality);
        QFETCH(QString, yNote);
        QCOMPARE(q(workingText(birthNumberWorking(day))), birth);
        const Working soul = soulUrgeWorking(name.toStdString());
        const Working other = personalityWorking(name.toStdString());
        QCOMPARE(q(workingText(soul)), soulUrge);
        QCOMPARE(q(workingText(other)), personality);
        QCOMPARE(soul.empty(), soulUrge.isEmpty());
        QCOMPARE(soul.countsYAsVowel, yNote == QLatin1String("vowel"));
        QCOMPARE(other.countsYAsConsonant, yNote == QLatin1String("consonant"));
        // Each number of one digit, from 1 to 9 where there is one.
        QVERIFY(soul.empty() || (soul.result() >= 1 && soul.result() <= 9));
    }

    void personalYear()
    {
        ReadingInput input;
        input.BirthDay = 15;
        input.BirthMonth = 8;
        input.BirthYear = 1985;
        QCOMPARE(q(workingText(personalYearWorking(input, 2026))),
            QStringLiteral("15 + 8 + 2026 = 2049 \u2192 2 + 0 + 4 + 9 = 15 \u2192 1 + 5 = 6"));
    }

    // The grid of the date's digits (zeros left out, nothing reduced), the
    // two numbers added where asked, its complete and empty lines.
    void loShu_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("added");
        QTest::addColumn<QString>("cells"); // the counts of 1 to 9, the added ones after a "+"
        QTest::addColumn<QStringList>("complete");
        QTest::addColumn<QStringList>("empty");
        QTest::newRow("15 08 1985") << 15 << 8 << 1985 << false << "2 0 0 0 2 0 0 2 1" << QStringList{"Will plane"}
                                    << QStringList{"Action plane"};
        QTest::newRow("15 08 1985, birth 6 and life path 1 added")
            << 15 << 8 << 1985 << true << "2+1 0 0 0 2 0+1 0 2 1" << QStringList{"Practical plane", "Will plane"}
            << QStringList();
        QTest::newRow("4 09 2357") << 4 << 9 << 2357 << false << "0 1 1 1 1 0 1 0 1"
                                   << QStringList{"Mental plane", "Emotional plane"} << QStringList{"Practical plane"};
        QTest::newRow("4 05 1996, a 9 twice") << 4 << 5 << 1996 << false << "1 0 0 1 1 1 0 0 2"
                                              << QStringList{"Will plane", "Golden Rajyog"} << QStringList();
    }
    void loShu()
    {
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(bool, added);
        QFETCH(QString, cells);
        QFETCH(QStringList, complete);
        QFETCH(QStringList, empty);
        ReadingInput input;
        input.BirthDay = static_cast<std::int16_t>(day);
        input.BirthMonth = static_cast<std::int16_t>(month);
        input.BirthYear = static_cast<std::int16_t>(year);
        const Reading reading = completeReading(input);
        const LoShuGrid grid = loShuGrid(input, added, birthNumberWorking(day).result(), reading.LifePathNumber);
        QStringList counts;
        for (int n = 1; n <= 9; ++n) {
            const int more = grid.added[static_cast<std::size_t>(n)];
            counts << QString::number(grid.fromDate[static_cast<std::size_t>(n)])
                    + (more > 0 ? QStringLiteral("+%1").arg(more) : QString());
        }
        QCOMPARE(counts.join(QLatin1Char(' ')), cells);
        QStringList completeLines;
        QStringList emptyLines;
        for (const LoShuLine& line : loShuLines()) {
            const LineState state = lineState(line, grid);
            (state == LineState::Complete       ? completeLines
                    : state == LineState::Empty ? emptyLines
                                                : counts)
                << q(line.name);
        }
        QCOMPARE(completeLines, complete);
        QCOMPARE(emptyLines, empty);
    }

    // The natural friendship of the numbers' planets, row by row as the
    // classical table gives it, and the grades of pairs in both directions.
    void relations_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("friends");
        QTest::addColumn<QString>("enemies"); // the rest are neutral
        QTest::newRow("1 Sun") << 1 << "1239"
                               << "4678";
        QTest::newRow("2 Moon") << 2 << "125"
                                << "";
        QTest::newRow("3 Jupiter") << 3 << "1239"
                                   << "56";
        QTest::newRow("4 Rahu") << 4 << "4568"
                                << "123";
        QTest::newRow("5 Mercury") << 5 << "156"
                                   << "2";
        QTest::newRow("6 Venus") << 6 << "568"
                                 << "12";
        QTest::newRow("7 Ketu") << 7 << "5678"
                                << "123";
        QTest::newRow("8 Saturn") << 8 << "568"
                                  << "129";
        QTest::newRow("9 Mars") << 9 << "1239"
                                << "5";
    }
    void relations()
    {
        QFETCH(int, number);
        QFETCH(QString, friends);
        QFETCH(QString, enemies);
        QString foundFriends;
        QString foundEnemies;
        for (int other = 1; other <= 9; ++other) {
            const Relation relation = relationOf(number, other);
            (relation == Relation::Friend         ? foundFriends
                    : relation == Relation::Enemy ? foundEnemies
                                                  : friends)
                += relation == Relation::Neutral ? QString() : QString::number(other);
        }
        QCOMPARE(foundFriends, friends);
        QCOMPARE(foundEnemies, enemies);
        QCOMPARE(relationOf(number, 0), Relation::Neutral);
    }

    void grades_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<Grade>("grade");
        QTest::newRow("1 and 2, friends both ways") << 1 << 2 << Grade::Harmony;
        QTest::newRow("a number and itself") << 8 << 8 << Grade::Harmony;
        QTest::newRow("2 and 3, a friend and a neutral") << 2 << 3 << Grade::Friendly;
        QTest::newRow("3 and 2, the other way") << 3 << 2 << Grade::Friendly;
        QTest::newRow("4 and 7, neutral both ways") << 4 << 7 << Grade::Neutral;
        QTest::newRow("2 and 4, a neutral and an enemy") << 2 << 4 << Grade::Strained;
        QTest::newRow("5 and 3, a neutral and an enemy") << 5 << 3 << Grade::Strained;
        QTest::newRow("1 and 5, a neutral and a friend: friendly") << 1 << 5 << Grade::Friendly;
        QTest::newRow("5 and 2, an enemy and a friend") << 5 << 2 << Grade::Strained;
        QTest::newRow("1 and 6, enemies both ways") << 1 << 6 << Grade::Opposed;
        QTest::newRow("8 and 9, an enemy and a neutral") << 8 << 9 << Grade::Strained;
        QTest::newRow("1 and 7, enemies both ways") << 1 << 7 << Grade::Opposed;
    }
    void grades()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(Grade, grade);
        QCOMPARE(gradeOf(first, second), grade);
        QCOMPARE(gradeOf(second, first), grade);
        QVERIFY(!gradeName(grade).empty() && !gradeText(grade).empty());
    }
};

QTEST_GUILESS_MAIN(TestNumerology)
#include "tst_numerology.moc"
