// Start-up (a second copy refused, the main window with one offer in front)
// and the end of the program (every window closed once).

#include "../app/AppDriver.h"
#include "app/StartProgram.h"
#include "desktop/CheckForUpdate.h"
#include "desktop/SingleInstance.h"
#include "desktop/modHelp.h"
#include "result/TextCodec.h"

#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QWindow>

#include <map>
#include <memory>

using namespace drive;

namespace {

// Counts the close events each watched window receives, by object name.
class CloseCounter final : public QObject {
public:
    std::map<QString, int> counts;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close) {
            ++counts[watched->objectName()];
        }
        return false;
    }
};

QWidgetList VisibleWindows()
{
    QWidgetList visible = QApplication::topLevelWidgets();
    visible.removeIf([](const QWidget* window) { return !window->isVisible(); });
    return visible;
}

bool ReminderStored()
{
    return std::unique_ptr<QSettings>(modHelp::OpenReminderSettings())->contains(modHelp::ReminderKey());
}

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitGui(); }
    void init()
    {
        // Each test starts as a first start, with settings of its own.
        m_settings = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings->path());
        QVERIFY(m_locks.isValid());
    }
    void cleanup() { CloseAll(); }

    void secondCopyRefused()
    {
        const QString path = m_locks.filePath(QStringLiteral("running.lock"));
        QLockFile running(path);
        QVERIFY(running.tryLock(0));
        SingleInstance instance(path);
        bool started = true;
        const auto shown = AnswerMessage([&] { started = app::StartUp(instance); });

        QVERIFY(shown);
        QCOMPARE(shown->text, QStringLiteral("Application is already running"));
        QCOMPARE(shown->icon, QMessageBox::Information);
        QCOMPARE(shown->title, QStringLiteral("VQ Rudraksha Numerology"));
        QCOMPARE(shown->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!started);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!frmMain::LoadedInstance());
        QVERIFY(VisibleWindows().isEmpty());
        QVERIFY(!ReminderStored());
        QVERIFY(ExitRequested());
    }

    void started_data()
    {
        QTest::addColumn<QString>("stored"); // the reminder's last date; empty on a first start
        QTest::newRow("first start asks nothing") << "";
        QTest::newRow("reminder due") << "2001-01-01";
    }
    void started()
    {
        QFETCH(QString, stored);
        if (!stored.isEmpty()) {
            std::unique_ptr<QSettings>(modHelp::OpenReminderSettings())
                ->setValue(modHelp::ReminderKey(), QString::fromStdString(TextCodec::EncodeText(stored.toStdString())));
        }
        SingleInstance instance(m_locks.filePath(QStringLiteral("free.lock")));
        bool mainShownDuringQuestion = false;
        ModalWatcher watcher([&](QWidget* question) {
            mainShownDuringQuestion = frmMain::LoadedInstance() != nullptr && frmMain::LoadedInstance()->isVisible();
            auto* box = qobject_cast<QMessageBox*>(question);
            if (box != nullptr && box->button(QMessageBox::No) != nullptr) {
                box->button(QMessageBox::No)->click();
            } else {
                question->close();
            }
        });
        QVERIFY(app::StartUp(instance));
        QCOMPARE(watcher.seen(), !stored.isEmpty());
        QVERIFY(!mainShownDuringQuestion);

        frmMain* main = frmMain::LoadedInstance();
        QVERIFY(main);
        QCOMPARE(VisibleWindows(), QWidgetList{main});
        QVERIFY(Child(main, "lblCobrand")->isVisible() != Child(main, "lblFullBrand")->isVisible());
        QVERIFY(ReminderStored());
        QVERIFY(!ExitRequested());
    }

    void offerPickedAtRandom()
    {
        SingleInstance instance(m_locks.filePath(QStringLiteral("free.lock")));
        QSet<bool> coBrandInFront;
        for (int start = 0; start < 24 && coBrandInFront.size() < 2; ++start) {
            QVERIFY(app::StartUp(instance));
            coBrandInFront << Child(frmMain::LoadedInstance(), "lblCobrand")->isVisible();
            CloseAll();
        }
        QCOMPARE(coBrandInFront.size(), 2);
    }

    void endProgram_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("EndProgram") << "EndProgram";
        QTest::newRow("user closes the main window") << "frmMain";
        QTest::newRow("user closes the result window") << "frmRudrakshNumerologyResult";
    }
    void endProgram()
    {
        QFETCH(QString, how);
        QPointer<QWidget> main = frmMain::Instance();
        QPointer<QWidget> result = frmRudrakshNumerologyResult::Instance();
        QPointer<QWidget> hidden = new QWidget; // loaded, never shown
        hidden->setObjectName(QStringLiteral("hidden"));
        hidden->setAttribute(Qt::WA_DeleteOnClose);
        main->show();
        result->show();
        CloseCounter counter;
        for (QWidget* window : {main.data(), result.data(), hidden.data()}) {
            window->installEventFilter(&counter);
        }

        QCOMPARE(RunProgram([&] {
            if (how == QLatin1String("EndProgram")) {
                modHelp::EndProgram();
            } else {
                (how == main->objectName() ? main : result)->windowHandle()->close();
            }
        }),
            0);
        const std::map<QString, int> once{{"frmMain", 1}, {"frmRudrakshNumerologyResult", 1}, {"hidden", 1}};
        QCOMPARE(counter.counts, once);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(main.isNull() && result.isNull() && hidden.isNull());
    }

private:
    QTemporaryDir m_locks;
    std::unique_ptr<QTemporaryDir> m_settings;
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
