// Start-up (a second copy refused, the main window with one offer in front)
// and the end of the program (every window closed once).

#include "GuiTest.h"
#include "app/StartProgram.h"
#include "desktop/CheckForUpdate.h"
#include "desktop/SingleInstance.h"
#include "desktop/modHelp.h"

#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QWindow>

#include <map>
#include <memory>

namespace {

// Counts the close events each watched window receives, by object name. The
// hidden window, closed only by EndProgram, calls it again: a nested call.
class CloseCounter final : public QObject {
public:
    std::map<QString, int> counts;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close && ++counts[watched->objectName()] == 1
            && watched->objectName() == QLatin1String("hidden")) {
            modHelp::EndProgram();
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
        QVERIFY(!started);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!frmMain::LoadedInstance());
        QVERIFY(VisibleWindows().isEmpty());
        QVERIFY(!ReminderStored());
        QVERIFY(ExitRequested());
    }

    void started()
    {
        SingleInstance instance(m_locks.filePath(QStringLiteral("free.lock")));
        ModalWatcher unexpected([](QWidget* modal) { modal->close(); });
        QVERIFY(app::StartUp(instance));
        QVERIFY(!unexpected.seen()); // a first start asks nothing
        frmMain* main = frmMain::LoadedInstance();
        QVERIFY(main);
        QCOMPARE(VisibleWindows(), QWidgetList{main});
        QVERIFY(Child(main, "lblCobrand")->isVisible() != Child(main, "lblFullBrand")->isVisible());
        QVERIFY(ReminderStored());
        QVERIFY(!ExitRequested());
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
