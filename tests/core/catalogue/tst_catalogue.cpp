#include "core/catalogue/BeadCatalogue.h"
#include "core/catalogue/GuidanceTexts.h"

#include "TestData.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace core;

namespace {

const BeadRecord& row(int n)
{
    const BeadRecord* record = beadRow(n);
    if (record == nullptr) {
        qFatal("no row %d", n);
    }
    return *record;
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void shortFields_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("planet");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("mantras");
        QTest::newRow("1") << 1 << "Sun"
                           << "Lord Shiva"
                           << "Aum Hreem Namah. Om Namah Shivaya";
        QTest::newRow("2") << 2 << "Moon"
                           << "ArdhaNareeshwara"
                           << "Aum Namah";
        QTest::newRow("3") << 3 << "Mars"
                           << "God Agni"
                           << "Aum Kleem Namah, Om Namah Shivaya";
        QTest::newRow("4") << 4 << "Mercury"
                           << "God Brahma"
                           << "Aum Hreem Namah";
        QTest::newRow("5") << 5 << "Jupiter"
                           << "Lord Shiva"
                           << "Aum Hreem Namah";
        QTest::newRow("6") << 6 << "Venus"
                           << "Lord Kartikeya"
                           << "Aum Hreem Hum Namah";
        QTest::newRow("7") << 7 << "Saturn"
                           << "Goddess Mahalaxmi"
                           << "Aum Hum Namah";
        QTest::newRow("8") << 8 << "Rahu"
                           << "Lord Ganesh"
                           << "Aum Hum Namah, Om Ganeshaya Namah";
        QTest::newRow("9: no space after the comma") << 9 << "Ketu"
                                                     << "Goddess Durga"
                                                     << "Aum Hreem Hum Namah,Nav Durgayai Namah";
    }
    void shortFields()
    {
        QFETCH(int, n);
        QFETCH(QString, planet);
        QFETCH(QString, symbol);
        QFETCH(QString, mantras);
        const BeadRecord& record = row(n);
        // The bead with n faces is named by the English word for n.
        static const QStringList words = {QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three"),
            QStringLiteral("Four"), QStringLiteral("Five"), QStringLiteral("Six"), QStringLiteral("Seven"),
            QStringLiteral("Eight"), QStringLiteral("Nine")};
        QCOMPARE(q(record.BeadName), words.at(n - 1) + QStringLiteral(" Mukhi Rudraksha"));
        QCOMPARE(q(record.RulingPlanet), planet);
        QCOMPARE(q(record.Symbol), symbol);
        QCOMPARE(q(record.DayToWear), QStringLiteral("Monday"));
        QCOMPARE(q(record.Mantras), mantras);
        QCOMPARE(&record, &beadCatalogue()[static_cast<std::size_t>(n - 1)]);
    }

    // The number shown beside a bead is its planet's: Sun 1, Moon 2, Jupiter 3,
    // Rahu 4, Mercury 5, Venus 6, Ketu 7, Saturn 8, Mars 9. Each number belongs
    // to one planet, and only rows 1, 2 and 6 show their own number.
    void planetNumbers()
    {
        const QHash<QString, QString> numberOfPlanet = {{QStringLiteral("Sun"), QStringLiteral("1")},
            {QStringLiteral("Moon"), QStringLiteral("2")}, {QStringLiteral("Jupiter"), QStringLiteral("3")},
            {QStringLiteral("Rahu"), QStringLiteral("4")}, {QStringLiteral("Mercury"), QStringLiteral("5")},
            {QStringLiteral("Venus"), QStringLiteral("6")}, {QStringLiteral("Ketu"), QStringLiteral("7")},
            {QStringLiteral("Saturn"), QStringLiteral("8")}, {QStringLiteral("Mars"), QStringLiteral("9")}};
        QSet<QString> numbers;
        QList<int> ownNumber;
        for (int n = 1; n <= 9; ++n) {
            const BeadRecord& record = row(n);
            QCOMPARE(q(record.PlanetNumber), numberOfPlanet.value(q(record.RulingPlanet)));
            numbers.insert(q(record.PlanetNumber));
            if (record.PlanetNumber == std::to_string(n)) {
                ownNumber.append(n);
            }
        }
        QCOMPARE(numbers.size(), 9);
        QCOMPARE(ownNumber, (QList<int>{1, 2, 6}));
    }

    void planetGlyphs()
    {
        for (int n = 1; n <= 9; ++n) {
            // Rahu and Ketu have no glyph, and no text of their own.
            QCOMPARE(hasPlanetGlyph(n), row(n).PlanetText != "NA");
        }
        QVERIFY(!hasPlanetGlyph(0));
        QVERIFY(!hasPlanetGlyph(10));
    }

    // The lists are shown as written, irregular spacing included.
    void listQuirks()
    {
        QCOMPARE(q(row(1).BodyParts), QStringLiteral("Thymus , Heart, Spine, Diaphragm, Veins, Blood, Eyes"));
        QCOMPARE(q(row(8).BodyParts), QStringLiteral("Lungs , Feet, Skin, Eyes"));
        QCOMPARE(q(row(9).BodyParts), QStringLiteral("Lungs , Skin, Eyes"));
        QCOMPARE(q(row(9).Ailments), QStringLiteral("Skin Problems, Body Pain, Fever, Bowel Problems"));
        for (const BeadRecord& record : beadCatalogue()) {
            QVERIFY(record.BodyParts.find(", ") != std::string_view::npos);
            QVERIFY(record.Ailments.find(", ") != std::string_view::npos);
        }
    }

    void longTexts_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("ritual");
        QTest::addColumn<bool>("ritualWhole");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("planetText");
        QTest::newRow("1") << 1 << "This should be capped with gold or silver and worn around the neck." << true
                           << "This is also known as Chandramukhi rudraksha as"
                           << "You like to be the center of attraction";
        QTest::newRow("2") << 2 << "Take three beads of 2 mukhi rudraksha and tie them on a red thread." << false
                           << "This bead should be worn by people who are"
                           << "You are the silent types who think before";
        QTest::newRow("3") << 3 << "Take three beads of 3 mukhi rudraksha, wash it with Ganga Jal" << false
                           << "This is the symbol of Lord Brahma, Vishnu"
                           << "You have a lot of energy and enthusiasm";
        QTest::newRow("4") << 4 << "Take three beads of 4 mukhi rudraksha, wash it with Ganga Jal" << false
                           << "This bead is said to be a remedy to cure all the malefic effects of Mercury."
                           << "You are very methodical and go by the facts";
        QTest::newRow("5") << 5 << "Take five beads of 5 mukhi rudraksha and tie them on a red thread." << false
                           << "This is the most common rudraksh."
                           << "You will know the answers to all the questions";
        QTest::newRow("6") << 6 << "Take three beads of 6 mukhi rudraksha and tie them on a red thread." << false
                           << "This bead is said to be a remedy to cure all the malefic effects of Venus."
                           << "You are the fun people who love enjoying";
        QTest::newRow("7") << 7 << "Take three beads of 7 mukhi rudraksha and tie them on a red thread." << false
                           << "This bead is said to be a remedy to cure all the malefic effects of Saturn"
                           << "You are very reliable and solid people.";
        QTest::newRow("8: NA") << 8 << "Wear only one bead of 8 mukhi rudraksh on thread / gold / silver." << true
                               << "This bead is said to be a remedy to cure all the malefic effects of Rahu."
                               << "NA";
        QTest::newRow("9: NA") << 9
                               << "Wear only one bead of 9 mukhi rudraksh capped with gold or silver on a red thread."
                               << true << "This bead improves mental activity."
                               << "NA";
    }
    void longTexts()
    {
        QFETCH(int, n);
        QFETCH(QString, ritual);
        QFETCH(bool, ritualWhole);
        QFETCH(QString, description);
        QFETCH(QString, planetText);
        const BeadRecord& record = row(n);

        const QString rituals = q(record.RitualsToWear);
        if (ritualWhole) {
            QCOMPARE(rituals, ritual);
        } else {
            QVERIFY(rituals.startsWith(ritual));
            QVERIFY(rituals.size() > ritual.size());
        }
        const auto sentences = rituals.count(QRegularExpression(QStringLiteral("[.!?](\\s|$)")));
        QVERIFY2(sentences >= 1 && sentences <= 2, qPrintable(rituals));

        const QString text = q(record.Description);
        QVERIFY(text.startsWith(description));
        QVERIFY2(text.size() >= 210 && text.size() <= 490, qPrintable(QString::number(text.size())));

        const QString planet = q(record.PlanetText);
        if (planetText == QLatin1String("NA")) {
            QCOMPARE(planet, planetText);
        } else {
            QVERIFY(planet.startsWith(planetText));
            QVERIFY2(planet.size() >= 210 && planet.size() <= 290, qPrintable(QString::number(planet.size())));
        }
    }

    void noTextHoldsALineBreak()
    {
        for (const BeadRecord& record : beadCatalogue()) {
            for (const std::string_view field : {record.BeadName, record.RulingPlanet, record.Symbol,
                     record.PlanetNumber, record.DayToWear, record.Mantras, record.BodyParts, record.Ailments,
                     record.RitualsToWear, record.Description, record.PlanetText}) {
                QVERIFY(!field.empty());
                QVERIFY(field.find_first_of("\r\n") == std::string_view::npos);
            }
        }
    }

    void rowLookupOutsideOneToNine()
    {
        for (const int n : {-1, 0, 10, 32767}) {
            QVERIFY(beadRow(n) == nullptr);
        }
    }

    void guidance()
    {
        const GuidanceTexts texts = LoadGuidanceTexts();
        QCOMPARE(q(joinGuidance(texts.GuidanceDos)),
            QStringLiteral("Do 's  for keeping Rudraksh\r\n"
                           "1.Clean them with brushes that have soft bristles.\r\n"
                           "2.Oil the beads regularly with mustard oil.\r\n"
                           "3.Keep them in a clean and holy place.\r\n"
                           "4.They are lucky and can be hung in front of homes and temple doors.\r\n"
                           "5.Keep them in the holy place of worship so that the whole house is filled with "
                           "positive energy."));
        QCOMPARE(q(joinGuidance(texts.GuidanceDonts)),
            QStringLiteral("Dont 's  for keeping Rudraksh\r\n"
                           "1.Don't wear rudraksh beads while sleeping.\r\n"
                           "2.Do not use someone else's Rudraksh mala.\r\n"
                           "3.Remove the beads while having a bath.\r\n"
                           "4.Do not wear the beads like a ring on your fingers.\r\n"
                           "5.The rosary beads used for chanting mantra should not be worn on the body."));
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
