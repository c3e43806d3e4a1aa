// The result window's two pages; which closes of both working windows end the
// program; the links and menus of all three windows and the About window.

#include "GuiTest.h"
#include "desktop/LinkLabel.h"
#include "desktop/modHelp.h"

#include <QStackedLayout>
#include <QTabBar>
#include <QWindow>

namespace {

frmRudrakshNumerologyResult* OpenResult()
{
    frmRudrakshNumerologyResult* result = Proceed(OpenMain(), {"John Smith", "15", "August", "1985"});
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
        QTest::newRow("click tab 2") << QStringList{"click 1"} << 1;
        QTest::newRow("click tab 2, then tab 1") << QStringList{"click 1", "click 0"} << 0;
        QTest::newRow("Ctrl+Tab") << QStringList{"Ctrl+Tab"} << 1;
        QTest::newRow("Ctrl+Tab twice") << QStringList{"Ctrl+Tab", "Ctrl+Tab"} << 0;
    }
    void pages()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, page);
        frmRudrakshNumerologyResult* result = OpenResult();
        QVERIFY(result);
        auto* tabs = Child<QTabBar>(result, "TS");
        const QStringList before = PageTexts(result);
        for (const QString& step : steps) {
            if (step.startsWith(QLatin1String("click"))) {
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(step.back().digitValue()).center());
            } else {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
            }
        }
        QCOMPARE(tabs->currentIndex(), page);
        QCOMPARE(Child(result, "fraLifePath")->isVisible(), page == 0);
        QCOMPARE(Child(result, "fraDestiny")->isVisible(), page == 1);
        QCOMPARE(PageTexts(result), before);
    }

    void readOnly()
    {
        frmRudrakshNumerologyResult* result = OpenResult();
        QVERIFY(result);
        const QStringList before = PageTexts(result);
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
        QCOMPARE(PageTexts(result), before);
    }

    void leaving_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("code"); // 0: the program ended
        const auto row = [](const char* window, const char* how, int code) {
            QTest::addRow("%s: %s", window, how) << window << how << code;
        };
        row("main", "close box", 0);
        row("main", "mnuExit", 0);
        row("main", "reading", 2);
        row("result", "cmdBack", 2);
        row("result", "mnuBack", 2);
        row("result", "mnuExit", 0);
        row("result", "close box", 0);
    }
    void leaving()
    {
        QFETCH(QString, window);
        QFETCH(QString, how);
        QFETCH(int, code);
        const bool fromMain = window == QLatin1String("main");
        QPointer<QMainWindow> host = fromMain ? static_cast<QMainWindow*>(OpenMain()) : OpenResult();
        QVERIFY(host);
        QCOMPARE(RunProgram([&] {
            if (how == QLatin1String("reading")) {
                Proceed(host, {"John Smith", "15", "August", "1985"});
            } else if (auto* button = host->findChild<QPushButton*>(how)) {
                QTest::mouseClick(button, Qt::LeftButton);
            } else if (auto* action = host->findChild<QAction*>(how)) {
                action->trigger();
            } else {
                host->windowHandle()->close();
            }
        }),
            code);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(host.isNull());
        // A reading leaves just the result window; Back, just a fresh main window.
        QWidget* main = frmMain::LoadedInstance();
        QWidget* result = frmRudrakshNumerologyResult::LoadedInstance();
        QCOMPARE(QList<bool>({main != nullptr, result != nullptr}), QList<bool>({code && !fromMain, code && fromMain}));
        QVERIFY(code == 0 || (fromMain ? result : main)->isVisible());
        QCOMPARE(main ? Input(main) : QStringList(), main ? QStringList({"", "1", "January", "1900"}) : QStringList());
    }

    void links_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("close"); // how the About window is closed
        QTest::addColumn<QUrl>("address");
        const auto row = [](const char* window, const char* control, const QUrl& address, const char* close = "") {
            QTest::addRow("%s %s %s", window, control, close) << window << control << close << address;
        };
        for (const char* window : {"main", "result"}) {
            row(window, "mnuOnline", modHelp::OnlineHelpAddress());
            row(window, "mnuVisit", modHelp::HomePageAddress());
            row(window, "mnuUpdate", modHelp::UpdatePageAddress());
            row(window, "mnuDonate", modHelp::DonatePageAddress());
            row(window, "lblCobrand", modHelp::CoBrandPageAddress());
            row(window, "lblFullBrand", modHelp::FullBrandPageAddress());
        }
        row("main", "Label14", modHelp::HomePageAddress()); // the forum banner
        row("result", "Label61", modHelp::HomePageAddress());
        row("about", "lblHomePage", modHelp::HomePageAddress(), "Enter");
        row("about", "lblCobrand", modHelp::FullBrandPageAddress(), "Esc");
        row("about", "", QUrl(), "cmdOK");
        row("about", "", QUrl(), "close box");
    }
    void links()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, close);
        QFETCH(QUrl, address);
        QMainWindow* host = window == QLatin1String("result") ? static_cast<QMainWindow*>(OpenResult()) : OpenMain();
        QVERIFY(host);
        UrlCatcher urls;
        if (window == QLatin1String("about")) {
            bool stayedOpen = false;
            bool forced = false;
            ModalWatcher watcher([&](QWidget* about) {
                // Closes the window only when the way under test did not.
                QTimer::singleShot(1000, about, [about, &forced] {
                    forced = true;
                    about->close();
                });
                if (!control.isEmpty()) {
                    QTest::mouseClick(Child<LinkLabel>(about, control), Qt::LeftButton);
                }
                stayedOpen = about->isVisible();
                if (close == QLatin1String("cmdOK")) {
                    QTest::mouseClick(Child(about, close), Qt::LeftButton);
                } else if (close == QLatin1String("close box")) {
                    about->windowHandle()->close();
                } else {
                    QTest::keyClick(QApplication::focusWidget(), close == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
                }
            });
            Child<QAction>(host, "mnuAbout")->trigger();
            QVERIFY(watcher.seen() && stayedOpen && !forced);
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
        QCOMPARE(urls.opened, address.isEmpty() ? QList<QUrl>() : QList<QUrl>{address});
        QVERIFY(host->isVisible());
        QVERIFY(!ExitRequested());
    }
};

QTEST_MAIN(TestResultWindow)
#include "tst_resultwindow.moc"
