#include "core/numerology/Reading.h"
#include "core/storage/ReadingFileLayout.h"
#include "core/storage/TextCodec.h"
#include "core/storage/UpdateReminder.h"

#include "TestData.h"

#include <QTest>

using namespace core;
using namespace std::chrono;

namespace {

std::string bytes(const QByteArray& data)
{
    return data.toStdString();
}

QByteArray hex(const std::string& data)
{
    return QByteArray::fromStdString(data).toHex(' ');
}

std::string utf8(const QString& text)
{
    return text.toStdString();
}

constexpr year_month_day Ymd(int y, unsigned m, unsigned d)
{
    return year_month_day{year{y}, month{m}, day{d}};
}

} // namespace

class TestStorage : public QObject {
    Q_OBJECT

private slots:
    void encodeExamples_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("15") << "15" << QByteArray::fromHex("868a");
        QTest::newRow("abc") << "abc" << QByteArray::fromHex("b6b7b8");
        QTest::newRow("empty") << "" << QByteArray();
        QTest::newRow("NUL becomes 85") << QStringLiteral("\u0000") << QByteArray::fromHex("55");
        QTest::newRow("code 170 is the last kept") << QStringLiteral("\u00AA") << QByteArray::fromHex("ff");
        QTest::newRow("code 171 and above dropped")
            << QStringLiteral("Ren\u00E9e \u00AB\u00FF") << QByteArray::fromHex("a7bac3ba75");
        QTest::newRow("euro sign is code 128") << QStringLiteral("\u20AC") << QByteArray::fromHex("d5");
        QTest::newRow("unrepresentable becomes ?") << QStringLiteral("\u0930") << QByteArray::fromHex("94");
        QTest::newRow("Duration") << "Duration" << QByteArray::fromHex("99cac7b6c9bec4c3");
    }
    void encodeExamples()
    {
        QFETCH(QString, plain);
        QFETCH(QByteArray, encoded);
        QCOMPARE(hex(toWindows1252(EncodeText(utf8(plain)))), encoded.toHex(' '));
    }

    void encodedKeyNameIsText()
    {
        // The stored setting's key is the encoded word as text.
        QCOMPARE(QString::fromStdString(EncodeText("Duration")),
            QStringLiteral("\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3"));
        QCOMPARE(DecodeText(EncodeText("Duration")), std::string("Duration"));
    }

    void roundTripOfEveryKeptCode()
    {
        std::string all;
        for (int code = 0; code <= 170; ++code) {
            all += static_cast<char>(code);
        }
        const std::string text = fromWindows1252(all);
        QCOMPARE(DecodeText(EncodeText(text)), text);
        QCOMPARE(toWindows1252(EncodeText(text)).size(), std::size_t{171});
    }

    void decodeDropsCodesBelow85()
    {
        QCOMPARE(DecodeText("ABC xyz 123"), fromWindows1252("\x23\x24\x25"));
        QCOMPARE(DecodeText(""), std::string());
    }

    void lengthLimit_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("kept");
        QTest::newRow("32766 kept") << 32766 << true;
        QTest::newRow("32767 empty") << 32767 << false;
    }
    void lengthLimit()
    {
        QFETCH(int, length);
        QFETCH(bool, kept);
        const std::string text(static_cast<std::size_t>(length), 'a');
        QCOMPARE(EncodeText(text).empty(), !kept);
        QCOMPARE(DecodeText(text).empty(), !kept);
        // The limit counts characters, not bytes: 32766 two-byte characters pass.
        std::string accented;
        for (int i = 0; i < length; ++i) {
            accented += "\xC3\xA0"; // a with grave, code 224: dropped by encoding but counted
        }
        QCOMPARE(QString::fromStdString(DecodeText(accented)).size(), kept ? length : 0);
    }

    void windows1252_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<uint>("character");
        QTest::newRow("0x41 A") << 0x41 << 0x41u;
        QTest::newRow("0x7F") << 0x7F << 0x7Fu;
        QTest::newRow("0x80 euro") << 0x80 << 0x20ACu;
        QTest::newRow("0x81 undefined") << 0x81 << 0x81u;
        QTest::newRow("0x82") << 0x82 << 0x201Au;
        QTest::newRow("0x8A S caron") << 0x8A << 0x160u;
        QTest::newRow("0x8D undefined") << 0x8D << 0x8Du;
        QTest::newRow("0x8F undefined") << 0x8F << 0x8Fu;
        QTest::newRow("0x90 undefined") << 0x90 << 0x90u;
        QTest::newRow("0x96 en dash") << 0x96 << 0x2013u;
        QTest::newRow("0x99 trade mark") << 0x99 << 0x2122u;
        QTest::newRow("0x9D undefined") << 0x9D << 0x9Du;
        QTest::newRow("0x9F Y diaeresis") << 0x9F << 0x178u;
        QTest::newRow("0xA0") << 0xA0 << 0xA0u;
        QTest::newRow("0xFF") << 0xFF << 0xFFu;
    }
    void windows1252()
    {
        QFETCH(int, byte);
        QFETCH(uint, character);
        const std::string one(1, static_cast<char>(byte));
        const QString text = QString::fromStdString(fromWindows1252(one));
        QCOMPARE(text.size(), 1);
        QCOMPARE(text.at(0).unicode(), character);
        QCOMPARE(toWindows1252(utf8(text)), one);
    }

    void windows1252Unrepresentable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("C1 control 0x80") << QStringLiteral("\u0080") << QByteArray("?");
        QTest::newRow("Devanagari") << QStringLiteral("\u0930x") << QByteArray("?x");
        QTest::newRow("emoji") << QStringLiteral("\U0001F600") << QByteArray("?");
    }
    void windows1252Unrepresentable()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        QCOMPARE(QByteArray::fromStdString(toWindows1252(utf8(text))), expected);
    }

    void malformedUtf8BecomesQuestionMarks()
    {
        QCOMPARE(toWindows1252("a\xC3"), std::string("a?"));
        QCOMPARE(toWindows1252("\xFF\xFE"), std::string("??"));
        QCOMPARE(toWindows1252("\xC0\xAF"), std::string("??")); // overlong "/"
        QCOMPARE(toWindows1252("\xED\xA0\x80"), std::string("???")); // surrogate
    }

    void sampleReadingBytes()
    {
        const auto data = readingFileBytes(sampleReading());
        QVERIFY(data.has_value());
        QCOMPARE(data->size(), std::size_t{34});
        QCOMPARE(hex(*data), kSampleFile.toHex(' '));
    }

    void sampleReadingOpensBack()
    {
        const auto reading = readingFromFileBytes(bytes(kSampleFile));
        QVERIFY(reading.has_value());
        QCOMPARE(reading->PersonName, std::string("Sample Name"));
        QCOMPARE(reading->BirthDay, 15);
        QCOMPARE(reading->BirthMonth, 8);
        QCOMPARE(reading->BirthMonthName, std::string("August"));
        QCOMPARE(reading->BirthYear, 1985);
    }

    void accentedLetterDroppedOnSave()
    {
        ReadingInput reading = sampleReading();
        reading.PersonName = utf8(QStringLiteral("Ren\u00E9e Dupont"));
        const auto reopened = readingFromFileBytes(*readingFileBytes(reading));
        QVERIFY(reopened.has_value());
        QCOMPARE(reopened->PersonName, std::string("Rene Dupont"));
    }

    void nameTooLongToSave()
    {
        ReadingInput reading = sampleReading();
        reading.PersonName = std::string(32766, 'a');
        QVERIFY(readingFileBytes(reading).has_value());
        reading.PersonName += 'a';
        QVERIFY(!readingFileBytes(reading).has_value());
    }

    void accepted_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("monthName");
        QTest::addColumn<int>("year");
        const auto row
            = [](const char* title, const QByteArray& data) { return std::ref(QTest::newRow(title) << data); };
        row("LF line ends", fileOf({"Zoe", "1", "2", "February", "1990"}, "\n"))
            << "Zoe" << 1 << 2 << "February" << 1990;
        row("CR alone as line end", fileOf({"Zoe", "1", "2", "February", "1990"}, "\r"))
            << "Zoe" << 1 << 2 << "February" << 1990;
        row("extra lines ignored", fileOf({"Zoe", "31", "12", "December", "2050", "junk", "more junk"}))
            << "Zoe" << 31 << 12 << "December" << 2050;
        row("no line end after the fifth", fileOf({"Zoe", "1", "1", "January"}) + encodedLine("1900"))
            << "Zoe" << 1 << 1 << "January" << 1900;
        row("surrounding spaces", fileOf({"Zoe", " 7 ", "  3", "March", "1985  "}))
            << "Zoe" << 7 << 3 << "March" << 1985;
        row("leading zeros", fileOf({"Zoe", "07", "003", "March", "0042"})) << "Zoe" << 7 << 3 << "March" << 42;
        row("year 1 and 9999", fileOf({"a", "1", "1", "January", "9999"})) << "a" << 1 << 1 << "January" << 9999;
        row("the month's name in capitals", fileOf({"Zoe", "1", "8", "AUGUST", "1990"}))
            << "Zoe" << 1 << 8 << "AUGUST" << 1990;
        row("mixed line ends", fileOf({"Zoe", "1"}, "\n") + fileOf({"2", "February", "1990"}))
            << "Zoe" << 1 << 2 << "February" << 1990;
        // Every fourth year is a leap year, as in the main window.
        row("29 February 1900", fileOf({"Zoe", "29", "2", "February", "1900"}))
            << "Zoe" << 29 << 2 << "February" << 1900;
    }
    void accepted()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, name);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(QString, monthName);
        QFETCH(int, year);
        const auto fields = readingFromFileBytes(bytes(data));
        QVERIFY(fields.has_value());
        QCOMPARE(QString::fromStdString(fields->PersonName), name);
        QCOMPARE(fields->BirthDay, day);
        QCOMPARE(fields->BirthMonth, month);
        QCOMPARE(QString::fromStdString(fields->BirthMonthName), monthName);
        QCOMPARE(fields->BirthYear, year);
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("data");
        const auto row = [](const char* title, const QByteArray& data) { QTest::newRow(title) << data; };
        row("empty file", "");
        row("three lines", fileOf({"Zoe", "1", "2"}));
        row("four lines", fileOf({"Zoe", "1", "2", "February"}));
        row("five line ends, nothing else", "\r\n\r\n\r\n\r\n\r\n");
        row("plain unencoded text", "Sample Name\r\n15\r\n8\r\nAugust\r\n1985\r\n");
        row("day 0", fileOf({"Zoe", "0", "2", "February", "1990"}));
        row("day 32", fileOf({"Zoe", "32", "2", "February", "1990"}));
        row("month 0", fileOf({"Zoe", "1", "0", "February", "1990"}));
        row("month 13", fileOf({"Zoe", "1", "13", "February", "1990"}));
        row("year 0", fileOf({"Zoe", "1", "2", "February", "0"}));
        row("year 10000", fileOf({"Zoe", "1", "2", "February", "10000"}));
        row("year past 16 bits", fileOf({"Zoe", "1", "2", "February", "99999999999999999999"}));
        row("negative day", fileOf({"Zoe", "-1", "2", "February", "1990"}));
        row("plus sign", fileOf({"Zoe", "+1", "2", "February", "1990"}));
        row("fraction", fileOf({"Zoe", "1.5", "2", "February", "1990"}));
        row("empty day", fileOf({"Zoe", "", "2", "February", "1990"}));
        row("spaces only", fileOf({"Zoe", "  ", "2", "February", "1990"}));
        row("inner space", fileOf({"Zoe", "1 2", "2", "February", "1990"}));
        row("name without letters", fileOf({"123 -", "1", "2", "February", "1990"}));
        // The main window's calendar applies to files too.
        row("31 February", fileOf({"Zoe", "31", "2", "February", "1990"}));
        row("31 April", fileOf({"Zoe", "31", "4", "April", "1990"}));
        row("29 February 2001", fileOf({"Zoe", "29", "2", "February", "2001"}));
        row("empty name", fileOf({"", "1", "2", "February", "1990"}));
        // The month-name line names the month; Save would write it back.
        row("another month's name", fileOf({"Zoe", "1", "8", "January", "1990"}));
        row("no month's name", fileOf({"Zoe", "1", "8", "", "1990"}));
        row("32766 letters for a month's name", fileOf({"Zoe", "1", "8", QByteArray(32766, 'x'), "1990"}));
        // No save writes a byte below 85: a NUL or a control byte is damage.
        // Each inserted into a good file: "Zoe" CR LF "1" CR LF "2" CR LF "February" ...
        const QByteArray good = fileOf({"Zoe", "1", "2", "February", "1990"});
        row("NUL in the name", QByteArray(good).insert(1, '\0'));
        row("tab before the day", QByteArray(good).insert(5, '\t'));
        row("control byte in the month name", QByteArray(good).insert(13, '\x01'));
    }
    void refused()
    {
        QFETCH(QByteArray, data);
        QVERIFY(!readingFromFileBytes(bytes(data)).has_value());
    }

    void decide_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("shortDateOffset"); // days from today, or 999 for no short date
        QTest::addColumn<bool>("ask");
        QTest::addColumn<bool>("storesToday");
        QTest::newRow("first start") << "" << 999 << false << true;
        QTest::newRow("today") << "2026-12-08" << 999 << false << false;
        QTest::newRow("14 days ago") << "2026-11-24" << 999 << false << false;
        QTest::newRow("15 days ago") << "2026-11-23" << 999 << true << true;
        QTest::newRow("14 days ahead") << "2026-12-22" << 999 << false << false;
        QTest::newRow("15 days ahead, clock set back") << "2026-12-23" << 999 << true << true;
        QTest::newRow("years ago") << "2001-01-01" << 999 << true << true;
        QTest::newRow("no date at all") << "soon" << 999 << false << true;
        QTest::newRow("impossible date") << "2026-02-30" << 999 << false << true;
        QTest::newRow("short date 15 days ago") << "11/23/26" << -15 << true << true;
        QTest::newRow("short date 3 days ago") << "12/5/26" << -3 << false << false;
    }
    void decide()
    {
        QFETCH(QString, stored);
        QFETCH(int, shortDateOffset);
        QFETCH(bool, ask);
        QFETCH(bool, storesToday);
        std::optional<year_month_day> shortDate;
        if (shortDateOffset != 999) {
            shortDate = year_month_day{sys_days{Ymd(2026, 12, 8)} + days{shortDateOffset}};
        }
        const auto decision = decideReminder(Ymd(2026, 12, 8), stored.toStdString(), shortDate);
        QCOMPARE(decision.ask, ask);
        QCOMPARE(decision.store.has_value(), storesToday);
        if (storesToday) {
            QCOMPARE(*decision.store, std::string("2026-12-08"));
        }
    }

    void datesRoundTrip()
    {
        for (const auto date : {Ymd(1, 1, 1), Ymd(2026, 12, 8), Ymd(2024, 2, 29), Ymd(9999, 12, 31)}) {
            QCOMPARE(parseStoredDate(formatStoredDate(date)), std::optional(date));
        }
        QCOMPARE(formatStoredDate(Ymd(987, 3, 4)), std::string("0987-03-04"));
        for (const char* text : {"", "2026-1-08", "2026/12/08", "20261208", "2026-12-08 ", "2026-13-01"}) {
            QVERIFY2(!parseStoredDate(text), text);
        }
    }
};

QTEST_GUILESS_MAIN(TestStorage)
#include "tst_storage.moc"
