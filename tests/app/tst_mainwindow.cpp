// The main window: what it shows at open, which input it refuses, the reading
// it hands to the result window.

#include "GuiTest.h"
#include "desktop/UiText.h"
#include "numerology/Numerology.h"
#include "reading/BeadCatalogue.h"
#include "result/ImageList.h"

using UiText::FromCore;

namespace {

bool AllWhite(const QImage& image)
{
    QImage white(image.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    return !image.isNull() && image.convertToFormat(QImage::Format_RGB32) == white;
}

const QString kName = QStringLiteral("Please Enter Your Name");
const QString kLetters = QStringLiteral("Please Enter Your Name Using The Letters A To Z");

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitGui(); }
    void cleanup() { CloseAll(); }

    void opening()
    {
        frmMain* main = OpenMain();
        QCOMPARE(Input(main), QStringList({"", "1", "January", "1900"}));
        QStringList order{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({"txtName", "cboDate", "cboMonth", "cboYear", "cmdProceed", "cmdOpen"}));
        // Two guidance notes: a heading and five numbered lines each.
        for (const char* label : {"lblLabel_1", "lblLabel_2"}) {
            const QStringList lines = Child<QLabel>(main, label)->text().split(QLatin1Char('\n'));
            QCOMPARE(lines.size(), 6);
            QVERIFY(lines.front().endsWith(QLatin1String("'s  for keeping Rudraksh")) && lines.back().startsWith("5."));
        }
    }

    void validation_data()
    {
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<QString>("message"); // empty: the reading is shown
        QTest::addColumn<int>("icon");
        const int error = QMessageBox::Critical;
        const int info = QMessageBox::Information;
        const QString february = QStringLiteral("Please Enter Correct Date Or Month!");
        const QString thirty = QStringLiteral("Please Enter Correct Date Or Month !");
        const auto john = [](int day, int month, int year) {
            return QStringList{
                "John Smith", QString::number(day), QLocale::c().monthName(month), QString::number(year)};
        };

        QTest::newRow("empty name") << QStringList{"", "1", "January", "1900"} << kName << error;
        QTest::newRow("spaces only") << QStringList{"    ", "1", "January", "1900"} << kName << error;
        QTest::newRow("digits only") << QStringList{"123", "1", "January", "1900"} << kLetters << error;
        QTest::newRow("accented letters only") << QStringList{"Éé", "1", "January", "1900"} << kLetters << error;
        QTest::newRow("empty name and 31 February: name first")
            << QStringList{"", "31", "February", "1901"} << kName << error;
        QTest::newRow("accented name with A-Z letters") << QStringList{"Zoë", "5", "June", "1977"} << "" << 0;
        QTest::newRow("30 February") << john(30, 2, 1988) << february << info;
        QTest::newRow("31 February, leap year") << john(31, 2, 2000) << february << info;
        for (const int year : {1901, 2050}) {
            QTest::addRow("29 February %d", year) << john(29, 2, year) << february << info;
        }
        for (const int year : {1900, 2000, 2048}) {
            QTest::addRow("29 February %d", year) << john(29, 2, year) << "" << 0;
        }
        for (const int month : {4, 6, 9, 11}) {
            QTest::addRow("31 of month %d", month) << john(31, month, 1990) << thirty << info;
            QTest::addRow("30 of month %d", month) << john(30, month, 1990) << "" << 0;
        }
        for (const int month : {1, 3, 5, 7, 8, 10, 12}) {
            QTest::addRow("31 of month %d", month) << john(31, month, 1990) << "" << 0;
        }
    }
    void validation()
    {
        QFETCH(QStringList, input);
        QFETCH(QString, message);
        QFETCH(int, icon);

        QPointer<frmMain> main = OpenMain();
        Enter(main, input);
        Child(main, "cboYear")->setFocus();
        const auto shown = AnswerMessage([&] { QTest::mouseClick(Child(main, "cmdProceed"), Qt::LeftButton); });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!ExitRequested());
        if (message.isEmpty()) {
            QVERIFY2(!shown, qPrintable(shown ? shown->text : QString()));
            QVERIFY(main.isNull());
            QVERIFY(frmRudrakshNumerologyResult::LoadedInstance()
                && frmRudrakshNumerologyResult::LoadedInstance()->isVisible());
            QCOMPARE(CurrentReading().BirthYear, input.at(3).toInt());
            return;
        }
        QVERIFY(shown);
        QCOMPARE(shown->text, message);
        QCOMPARE(int(shown->icon), icon);
        QCOMPARE(shown->title, QStringLiteral("VQ Rudraksha Numerology"));
        QCOMPARE(shown->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        // The input stays as typed for the user to correct.
        QVERIFY(main && main->isVisible() && frmMain::LoadedInstance() == main);
        QCOMPARE(Input(main), input);
        QVERIFY(!frmRudrakshNumerologyResult::LoadedInstance());
        QCOMPARE(main->focusWidget() == Child(main, "txtName"), icon == QMessageBox::Critical);
    }

    void enterInTheNameBoxAsksForTheReading()
    {
        frmMain* main = OpenMain();
        Enter(main, {"John Smith", "15", "August", "1985"});
        QTest::keyClick(Child(main, "txtName"), Qt::Key_Return);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(frmRudrakshNumerologyResult::LoadedInstance());
        QCOMPARE(PageTexts(frmRudrakshNumerologyResult::LoadedInstance(), {1}).front(), QStringLiteral("8"));
    }

    void reading_data()
    {
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<QStringList>("lifePath"); // lblResult_0 to _6
        QTest::addColumn<QStringList>("destiny"); // lblResult_10 to _16

        const QStringList one{
            "1", "ONE MUKHI RUDRAKSHA", "Sun", "Lord Shiva", "1", "Monday", "Aum Hreem Namah. Om Namah Shivaya"};
        const QStringList eight{
            "8", "EIGHT MUKHI RUDRAKSHA", "Rahu", "Lord Ganesh", "4", "Monday", "Aum Hum Namah, Om Ganeshaya Namah"};
        const QStringList five{"5", "FIVE MUKHI RUDRAKSHA", "Jupiter", "Lord Shiva", "3", "Monday", "Aum Hreem Namah"};
        QTest::newRow("John Smith, 15 August 1985")
            << QStringList{"John Smith", "15", "August", "1985"} << one << eight;
        QTest::newRow("both numbers 5") << QStringList{"Eve", "1", "January", "1902"} << five << five;
    }
    void reading()
    {
        QFETCH(QStringList, input);
        QFETCH(QStringList, lifePath);
        QFETCH(QStringList, destiny);

        frmRudrakshNumerologyResult* result = Proceed(OpenMain(), input);
        QVERIFY(result && result->isVisible());
        QVERIFY(!frmMain::LoadedInstance());

        for (const int page : {0, 1}) {
            const QStringList& top = page == 0 ? lifePath : destiny;
            const int n = top.front().toInt();
            const auto& row = *modRudrakshNumerology::BeadRow(n);
            const QString personality = FromCore(page == 0 ? numerology::LifePathText(n) : numerology::DestinyText(n));
            const QStringList shown = PageTexts(result, {page});
            const QStringList texts{FromCore(row.BodyParts), FromCore(row.Ailments), FromCore(row.RitualsToWear),
                personality, FromCore(row.Description), FromCore(row.PlanetText)};
            QCOMPARE(shown, top + texts);
            // Rahu and Ketu have no planet text and no glyph: their planet picture is blank.
            QCOMPARE(shown.back() == QLatin1String("NA"), n >= 8);
            const QImage bead = Child<QLabel>(result, QStringLiteral("imgImage_%1").arg(2 * page))->pixmap().toImage();
            const QImage planet
                = Child<QLabel>(result, QStringLiteral("imgImage_%1").arg(2 * page + 1))->pixmap().toImage();
            QCOMPARE(bead, BeadPictures().Picture(n).toImage());
            QCOMPARE(planet, PlanetPictures().Picture(n).toImage());
            QCOMPARE(AllWhite(planet), n >= 8);
            QVERIFY(!AllWhite(bead));
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
