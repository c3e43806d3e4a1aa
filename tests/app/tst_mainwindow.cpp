// The main window: what it shows at open, which input it refuses, the reading
// it hands to the result window, and which of its closes end the program.

#include "AppDriver.h"
#include "numerology/Numerology.h"
#include "reading/BeadCatalogue.h"
#include "result/ImageList.h"

#include <QWindow>

using namespace drive;

namespace {

QStringList Entries(const QComboBox* box)
{
    QStringList entries;
    for (int i = 0; i < box->count(); ++i) {
        entries << box->itemText(i);
    }
    return entries;
}

QStringList Numbers(int first, int last)
{
    QStringList numbers;
    for (int n = first; n <= last; ++n) {
        numbers << QString::number(n);
    }
    return numbers;
}

bool AllWhite(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).lightness() < 250) {
                return false;
            }
        }
    }
    return !image.isNull();
}

const QStringList kMonths{"January", "February", "March", "April", "May", "June", "July", "August", "September",
    "October", "November", "December"};
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
        QCOMPARE(main->windowTitle(), QStringLiteral("VQ Rudraksha Numerology v1.0"));
        QCOMPARE(Input(main), QStringList({"", "1", "January", "1900"}));
        QCOMPARE(QApplication::focusWidget(), Child(main, "txtName"));
        QCOMPARE(Entries(Child<QComboBox>(main, "cboDate")), Numbers(1, 31));
        QCOMPARE(Entries(Child<QComboBox>(main, "cboMonth")), kMonths);
        QCOMPARE(Entries(Child<QComboBox>(main, "cboYear")), Numbers(1900, 2050));
        QCOMPARE(Child<QLabel>(main, "lblLabel_1")->text(),
            "Do 's  for keeping Rudraksh\n"
            "1.Clean them with brushes that have soft bristles.\n"
            "2.Oil the beads regularly with mustard oil.\n"
            "3.Keep them in a clean and holy place.\n"
            "4.They are lucky and can be hung in front of homes and temple doors.\n"
            "5.Keep them in the holy place of worship so that the whole house is filled with positive energy.");
        QCOMPARE(Child<QLabel>(main, "lblLabel_2")->text(),
            "Dont 's  for keeping Rudraksh\n"
            "1.Don't wear rudraksh beads while sleeping.\n"
            "2.Do not use someone else's Rudraksh mala.\n"
            "3.Remove the beads while having a bath.\n"
            "4.Do not wear the beads like a ring on your fingers.\n"
            "5.The rosary beads used for chanting mantra should not be worn on the body.");
    }

    void tabOrder()
    {
        OpenMain();
        QStringList order{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({"txtName", "cboDate", "cboMonth", "cboYear", "cmdProceed", "cmdOpen"}));
    }

    void validation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("message"); // empty: the reading is shown
        QTest::addColumn<int>("icon");
        const int error = QMessageBox::Critical;
        const int info = QMessageBox::Information;
        const QString february = QStringLiteral("Please Enter Correct Date Or Month!");
        const QString thirty = QStringLiteral("Please Enter Correct Date Or Month !");
        const QString john = QStringLiteral("John Smith");

        QTest::newRow("empty name") << "" << 1 << 1 << 1900 << kName << error;
        QTest::newRow("spaces only") << "    " << 1 << 1 << 1900 << kName << error;
        QTest::newRow("digits only") << "123" << 1 << 1 << 1900 << kLetters << error;
        QTest::newRow("accented letters only") << "Éé" << 1 << 1 << 1900 << kLetters << error;
        QTest::newRow("empty name and 31 February: name first") << "" << 31 << 2 << 1901 << kName << error;
        QTest::newRow("accented name with A-Z letters") << "Zoë" << 5 << 6 << 1977 << "" << 0;
        QTest::newRow("30 February") << john << 30 << 2 << 1988 << february << info;
        QTest::newRow("31 February, leap year") << john << 31 << 2 << 2000 << february << info;
        for (const int year : {1901, 2050}) {
            QTest::addRow("29 February %d", year) << john << 29 << 2 << year << february << info;
        }
        for (const int year : {1900, 2000, 2048}) {
            QTest::addRow("29 February %d", year) << john << 29 << 2 << year << "" << 0;
        }
        for (const int month : {4, 6, 9, 11}) {
            QTest::addRow("31 of month %d", month) << john << 31 << month << 1990 << thirty << info;
        }
        QTest::newRow("30 April") << john << 30 << 4 << 1990 << "" << 0;
        for (const int month : {1, 3, 5, 7, 8, 10, 12}) {
            QTest::addRow("31 of month %d", month) << john << 31 << month << 1990 << "" << 0;
        }
    }
    void validation()
    {
        QFETCH(QString, name);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QString, message);
        QFETCH(int, icon);

        QPointer<frmMain> main = OpenMain();
        Enter(main, name, day, month, year);
        Child(main, "cboYear")->setFocus();
        const auto shown = AnswerMessage([&] { QTest::mouseClick(Child(main, "cmdProceed"), Qt::LeftButton); });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!ExitRequested());
        if (message.isEmpty()) {
            QVERIFY2(!shown, qPrintable(shown ? shown->text : QString()));
            QVERIFY(main.isNull());
            QVERIFY(frmRudrakshNumerologyResult::LoadedInstance()
                && frmRudrakshNumerologyResult::LoadedInstance()->isVisible());
            return;
        }
        QVERIFY(shown);
        QCOMPARE(shown->text, message);
        QCOMPARE(int(shown->icon), icon);
        QCOMPARE(shown->title, QStringLiteral("VQ Rudraksha Numerology"));
        QCOMPARE(shown->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

        // The input stays as typed for the user to correct.
        QVERIFY(main && main->isVisible() && frmMain::LoadedInstance() == main);
        QCOMPARE(Input(main), QStringList({name, QString::number(day), kMonths.at(month - 1), QString::number(year)}));
        QVERIFY(!frmRudrakshNumerologyResult::LoadedInstance());
        if (message == kName || message == kLetters) {
            QCOMPARE(main->focusWidget(), Child(main, "txtName"));
        }
    }

    void reading_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QStringList>("lifePath"); // lblResult_0 to _6
        QTest::addColumn<QStringList>("destiny"); // lblResult_10 to _16
        QTest::addColumn<QString>("monthName");

        const QStringList one{
            "1", "ONE MUKHI RUDRAKSHA", "Sun", "Lord Shiva", "1", "Monday", "Aum Hreem Namah. Om Namah Shivaya"};
        const QStringList eight{
            "8", "EIGHT MUKHI RUDRAKSHA", "Rahu", "Lord Ganesh", "4", "Monday", "Aum Hum Namah, Om Ganeshaya Namah"};
        const QStringList five{"5", "FIVE MUKHI RUDRAKSHA", "Jupiter", "Lord Shiva", "3", "Monday", "Aum Hreem Namah"};
        QTest::newRow("John Smith, 15 August 1985") << "John Smith" << 15 << 8 << 1985 << one << eight << "August";
        QTest::newRow("spaces around the name") << "  John Smith  " << 15 << 8 << 1985 << one << eight << "August";
        QTest::newRow("both numbers 5") << "Eve" << 1 << 1 << 1902 << five << five << "January";
        QTest::newRow("life path 3: Mars has number 9")
            << "Rajesh" << 1 << 1 << 1900
            << QStringList{"3", "THREE MUKHI RUDRAKSHA", "Mars", "God Agni", "9", "Monday",
                   "Aum Kleem Namah, Om Namah Shivaya"}
            << QStringList{"7", "SEVEN MUKHI RUDRAKSHA", "Saturn", "Goddess Mahalaxmi", "8", "Monday", "Aum Hum Namah"}
            << "January";
    }
    void reading()
    {
        QFETCH(QString, name);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QStringList, lifePath);
        QFETCH(QStringList, destiny);
        QFETCH(QString, monthName);

        frmRudrakshNumerologyResult* result = Proceed(OpenMain(), name, day, month, year);
        QVERIFY(result && result->isVisible());
        QVERIFY(!frmMain::LoadedInstance());
        QVERIFY(!ExitRequested());
        QVERIFY(result->isVisible());

        const Reading& stored = CurrentReading();
        QCOMPARE(QString::fromStdString(stored.PersonName), name.trimmed());
        QCOMPARE(QList<int>({stored.BirthDay, stored.BirthMonth, stored.BirthYear}), QList<int>({day, month, year}));
        QCOMPARE(QString::fromStdString(stored.BirthMonthName), monthName);

        for (const int page : {0, 1}) {
            const QStringList& top = page == 0 ? lifePath : destiny;
            const int n = top.front().toInt();
            const auto& row = *modRudrakshNumerology::BeadRow(n);
            const QString personality = FromCore(page == 0 ? numerology::LifePathText(n) : numerology::DestinyText(n));
            const QStringList expected = top
                + QStringList{FromCore(row.BodyParts), FromCore(row.Ailments), FromCore(row.RitualsToWear), personality,
                    FromCore(row.Description), FromCore(row.PlanetText)};
            QCOMPARE(PageTexts(result, page), expected);

            const QImage bead = Child<QLabel>(result, QStringLiteral("imgImage_%1").arg(2 * page))->pixmap().toImage();
            const QImage planet
                = Child<QLabel>(result, QStringLiteral("imgImage_%1").arg(2 * page + 1))->pixmap().toImage();
            QCOMPARE(bead, BeadPictures().Picture(n).toImage());
            QCOMPARE(planet, PlanetPictures().Picture(n).toImage());
            // Rahu and Ketu have no glyph: their picture is blank.
            QCOMPARE(AllWhite(planet), n >= 8);
            QVERIFY(!AllWhite(bead));
        }
    }

    void closing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("code"); // 0: the program ended
        QTest::newRow("close box") << "close box" << 0;
        QTest::newRow("File > Exit") << "mnuExit" << 0;
        QTest::newRow("reading") << "reading" << 2;
    }
    void closing()
    {
        QFETCH(QString, how);
        QFETCH(int, code);
        QPointer<frmMain> main = OpenMain();
        auto* exit = Child<QAction>(main, "mnuExit");
        QCOMPARE(RunProgram([&] {
            if (how == QLatin1String("close box")) {
                main->windowHandle()->close();
            } else if (how == QLatin1String("reading")) {
                Proceed(main, QStringLiteral("John Smith"), 15, 8, 1985);
            } else {
                exit->trigger();
            }
        }),
            code);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(main.isNull());
        QCOMPARE(frmRudrakshNumerologyResult::LoadedInstance() != nullptr, code != 0);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
