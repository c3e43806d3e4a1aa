// The result window: its two pages, Back and Exit, the links and menus of all
// three windows, the About window and a reading with a number out of range.

#include "AppDriver.h"
#include "desktop/LinkLabel.h"
#include "desktop/frmAbout.h"
#include "desktop/modHelp.h"
#include "numerology/Numerology.h"
#include "reading/BeadCatalogue.h"
#include "reading/ComposeReading.h"
#include "result/ImageList.h"

#include <QStackedLayout>
#include <QTabBar>
#include <QWindow>

using namespace drive;

namespace {

QStringList Shown(const QWidget* result)
{
    return PageTexts(result, 0) + PageTexts(result, 1);
}

frmRudrakshNumerologyResult* OpenResult()
{
    frmRudrakshNumerologyResult* result = Proceed(OpenMain(), QStringLiteral("John Smith"), 15, 8, 1985);
    if (result != nullptr) {
        result->activateWindow();
        (void)QTest::qWaitForWindowActive(result);
    }
    return result;
}

} // namespace

class TestResultWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitGui(); }
    void cleanup() { CloseAll(); }

    void pages_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("page");
        QTest::newRow("at open") << QStringList{} << 0;
        QTest::newRow("tab index 1") << QStringList{"index 1"} << 1;
        QTest::newRow("click tab 2") << QStringList{"click 1"} << 1;
        QTest::newRow("click tab 2, then tab 1") << QStringList{"click 1", "click 0"} << 0;
        QTest::newRow("click the selected tab") << QStringList{"click 1", "click 1"} << 1;
        QTest::newRow("Ctrl+Tab") << QStringList{"Ctrl+Tab"} << 1;
        QTest::newRow("Ctrl+Tab twice") << QStringList{"Ctrl+Tab", "Ctrl+Tab"} << 0;
        QTest::newRow("Ctrl+Shift+Tab") << QStringList{"Ctrl+Shift+Tab"} << 1;
    }
    void pages()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, page);
        frmRudrakshNumerologyResult* result = OpenResult();
        QVERIFY(result);
        auto* tabs = Child<QTabBar>(result, "TS");
        const QStringList before = Shown(result);
        for (const QString& step : steps) {
            if (step.startsWith(QLatin1String("click"))) {
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(step.back().digitValue()).center());
            } else if (step == QLatin1String("index 1")) {
                tabs->setCurrentIndex(1);
            } else if (step.contains(QLatin1String("Shift"))) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
            } else {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
            }
        }
        QCOMPARE(tabs->currentIndex(), page);
        QCOMPARE(Child(result, "fraLifePath")->isVisible(), page == 0);
        QCOMPARE(Child(result, "fraDestiny")->isVisible(), page == 1);
        QCOMPARE(Shown(result), before);
    }

    void readOnly()
    {
        frmRudrakshNumerologyResult* result = OpenResult();
        QVERIFY(result);
        const QStringList before = Shown(result);
        for (int index = 0; index < 6; ++index) {
            auto* box = Child<QPlainTextEdit>(result, QStringLiteral("txtResult_%1").arg(index));
            Child<QTabBar>(result, "TS")->setCurrentIndex(index / 3);
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, QStringLiteral("typed"));
            for (const auto key : {Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Return}) {
                QTest::keyClick(box, key);
            }
            QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        }
        QCOMPARE(Shown(result), before);
    }

    void leaving_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("code"); // 0: the program ended
        QTest::newRow("Back button") << "cmdBack" << 2;
        QTest::newRow("File > Back") << "mnuBack" << 2;
        QTest::newRow("File > Exit") << "mnuExit" << 0;
        QTest::newRow("close box") << "close box" << 0;
    }
    void leaving()
    {
        QFETCH(QString, how);
        QFETCH(int, code);
        QPointer<frmRudrakshNumerologyResult> result = OpenResult();
        QVERIFY(result);
        QCOMPARE(RunProgram([&] {
            if (auto* button = result->findChild<QPushButton*>(how)) {
                QTest::mouseClick(button, Qt::LeftButton);
            } else if (auto* action = result->findChild<QAction*>(how)) {
                action->trigger();
            } else {
                result->windowHandle()->close();
            }
        }),
            code);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(result.isNull());
        frmMain* main = frmMain::LoadedInstance();
        QCOMPARE(main != nullptr, code != 0);
        if (main == nullptr) {
            return;
        }
        // Back: a fresh main window, and a second reading shows its own numbers only.
        QVERIFY(main->isVisible());
        QCOMPARE(Input(main), QStringList({"", "1", "January", "1900"}));
        frmRudrakshNumerologyResult* second = Proceed(main, QStringLiteral("Eve"), 1, 1, 1902);
        QVERIFY(second && second->isVisible());
        const QStringList lifePath = PageTexts(second, 0);
        const QStringList destiny = PageTexts(second, 1);
        QCOMPARE(lifePath.mid(0, 2), QStringList({"5", "FIVE MUKHI RUDRAKSHA"}));
        QCOMPARE(destiny.mid(0, 2), QStringList({"5", "FIVE MUKHI RUDRAKSHA"}));
        QCOMPARE(lifePath.at(10), FromCore(numerology::LifePathText(5)));
        QCOMPARE(destiny.at(10), FromCore(numerology::DestinyText(5)));
    }

    void links_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QUrl>("address");
        for (const char* window : {"main", "result"}) {
            QTest::addRow("%s: Online Help", window) << window << "mnuOnline" << modHelp::OnlineHelpAddress();
            QTest::addRow("%s: Visit Us Online", window) << window << "mnuVisit" << modHelp::HomePageAddress();
            QTest::addRow("%s: Check for Update", window) << window << "mnuUpdate" << modHelp::UpdatePageAddress();
            QTest::addRow("%s: Donate", window) << window << "mnuDonate" << modHelp::DonatePageAddress();
            QTest::addRow("%s: co-brand offer", window) << window << "lblCobrand" << modHelp::CoBrandPageAddress();
            QTest::addRow("%s: full-brand offer", window)
                << window << "lblFullBrand" << modHelp::FullBrandPageAddress();
        }
        QTest::newRow("main: forum banner") << "main"
                                            << "Label14" << modHelp::HomePageAddress();
        QTest::newRow("result: forum banner") << "result"
                                              << "Label61" << modHelp::HomePageAddress();
        QTest::newRow("About: home page") << "about"
                                          << "lblHomePage" << modHelp::HomePageAddress();
        QTest::newRow("About: offer opens the full-brand page") << "about"
                                                                << "lblCobrand" << modHelp::FullBrandPageAddress();
    }
    void links()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QUrl, address);
        QMainWindow* host = window == QLatin1String("main") ? static_cast<QMainWindow*>(OpenMain()) : OpenResult();
        QVERIFY(host);
        UrlCatcher urls;
        if (window == QLatin1String("about")) {
            bool stayedOpen = false;
            ModalWatcher watcher([&](QWidget* about) {
                QTest::mouseClick(Child<LinkLabel>(about, control), Qt::LeftButton);
                stayedOpen = about->isVisible();
                about->close();
            });
            Child<QAction>(host, "mnuAbout")->trigger();
            QVERIFY(stayedOpen);
        } else if (auto* action = host->findChild<QAction*>(control)) {
            action->trigger();
        } else {
            auto* label = Child<LinkLabel>(host, control);
            // The promotion strip shows one offer at a time; put this one in front.
            if (auto* offers = qobject_cast<QStackedLayout*>(label->parentWidget()->layout())) {
                offers->setCurrentWidget(label);
            }
            QTest::mouseClick(label, Qt::LeftButton);
        }
        QCOMPARE(urls.opened, QList<QUrl>{address});
        QVERIFY(host->isVisible());
        QVERIFY(!ExitRequested());
    }

    void addresses()
    {
        const QList<QUrl> all{modHelp::OnlineHelpAddress(), modHelp::HomePageAddress(), modHelp::UpdatePageAddress(),
            modHelp::DonatePageAddress(), modHelp::FullBrandPageAddress(), modHelp::CoBrandPageAddress()};
        for (const QUrl& url : all) {
            QVERIFY2(
                url.isValid() && url.scheme() == QLatin1String("https") && !url.hasQuery(), qPrintable(url.toString()));
            QCOMPARE(url.host(), all.front().host());
            QCOMPARE(all.count(url), 1);
        }
    }

    void about_data()
    {
        QTest::addColumn<QString>("how");
        for (const char* how : {"Enter", "Esc", "OK button", "close"}) {
            QTest::newRow(how) << how;
        }
    }
    void about()
    {
        QFETCH(QString, how);
        frmRudrakshNumerologyResult* result = OpenResult();
        QVERIFY(result);
        Child<QTabBar>(result, "TS")->setCurrentIndex(1);
        const QStringList before = Shown(result);

        bool forced = false;
        QStringList texts;
        ModalWatcher watcher([&](QWidget* about) {
            auto* ok = Child<QPushButton>(about, "cmdOK");
            texts << about->windowTitle() << Child<QLabel>(about, "Label2")->text()
                  << Child<QLabel>(about, "Label1")->text() << Child<QLabel>(about, "Label3")->text()
                  << (ok->isDefault() ? "OK is default" : "");
            // Closes the window only when the way under test did not.
            QTimer::singleShot(1000, about, [about, &forced] {
                forced = true;
                about->close();
            });
            if (how == QLatin1String("OK button")) {
                QTest::mouseClick(ok, Qt::LeftButton);
            } else if (how == QLatin1String("close")) {
                about->close();
            } else {
                QTest::keyClick(
                    QApplication::focusWidget(), how == QLatin1String("Enter") ? Qt::Key_Return : Qt::Key_Escape);
            }
        });
        Child<QAction>(result, "mnuAbout")->trigger();
        QVERIFY(!forced);
        QCOMPARE(texts,
            QStringList({"VQ Rudraksha Numerology v1.0", "VQ Rudraksha Numerology v1.0",
                "VQ Rudraksha Numerology gives you the benefits of using Rudraksh beads based on "
                "numerology. These beads are said to have many medicinal and spiritual properties "
                "that can help you overcome many problems in life.",
                "Home Business Opportunity. Start your own Internet business and make money online. "
                "Get this software fully branded for your website.",
                "OK is default"}));
        QCOMPARE(frmRudrakshNumerologyResult::LoadedInstance(), result);
        QVERIFY(result->isVisible());
        QCOMPARE(Child<QTabBar>(result, "TS")->currentIndex(), 1);
        QCOMPARE(Shown(result), before);
        QVERIFY(!ExitRequested());
    }

    void numberOutOfRange_data()
    {
        QTest::addColumn<int>("lifePath");
        QTest::addColumn<int>("destiny");
        QTest::newRow("destiny 0") << 3 << 0;
        QTest::newRow("destiny 10") << 3 << 10;
        QTest::newRow("destiny -1") << 3 << -1;
        QTest::newRow("life path 0") << 0 << 8;
    }
    void numberOutOfRange()
    {
        QFETCH(int, lifePath);
        QFETCH(int, destiny);
        Reading& reading = CurrentReading();
        reading.LifePathNumber = static_cast<std::int16_t>(lifePath);
        reading.LifePathText = std::string(numerology::LifePathText(lifePath));
        reading.DestinyNumber = static_cast<std::int16_t>(destiny);
        reading.DestinyText = numerology::DestinyText(destiny);
        frmRudrakshNumerologyResult* window = modRudrakshNumerology::ComposeReading();
        QVERIFY(window && window == frmRudrakshNumerologyResult::LoadedInstance());

        const auto& two = *modRudrakshNumerology::BeadRow(2);
        const QStringList placeholder{"9", "Three Mukhi Rudraksha", "Mercury", "9", "Result", "Monday",
            "Aum Hreem Hum Namah,Nav Durgayai Namah", FromCore(two.BodyParts), FromCore(two.Ailments),
            FromCore(two.RitualsToWear), "", "", ""};
        for (const int page : {0, 1}) {
            const int n = page == 0 ? lifePath : destiny;
            const QStringList shown = PageTexts(window, page);
            const QImage bead = Child<QLabel>(window, QStringLiteral("imgImage_%1").arg(2 * page))->pixmap().toImage();
            if (n >= 1 && n <= 9) {
                QCOMPARE(shown.mid(0, 2),
                    QStringList({QString::number(n), FromCore(modRudrakshNumerology::BeadRow(n)->BeadName).toUpper()}));
                QCOMPARE(shown.at(10), FromCore(page == 0 ? numerology::LifePathText(n) : numerology::DestinyText(n)));
                QCOMPARE(bead, BeadPictures().Picture(n).toImage());
            } else {
                QCOMPARE(shown, placeholder);
                QCOMPARE(bead, BeadPictures().Picture(3).toImage());
            }
        }
    }
};

QTEST_MAIN(TestResultWindow)
#include "tst_resultwindow.moc"
