// Start-up's own services: the update reminder and where it keeps its date,
// and the single-instance lock between real processes (one winner among
// copies started together, no lock left behind by a copy that was killed).

#include "GuiTest.h"
#include "TestData.h"
#include "Unix.h"

#include "app/SingleInstance.h"
#include "app/UpdateCheck.h"
#include "core/storage/TextCodec.h"
#include "system/SettingsStore.h"
#include "ui/desktop/WebPages.h"
#include "ui/widgets/HelpMenu.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <vector>

namespace {

const QDate kToday(2026, 12, 8);

QString encode(const QString& text)
{
    return QString::fromStdString(core::EncodeText(text.toStdString()));
}

QString decode(const QString& text)
{
    return QString::fromStdString(core::DecodeText(text.toStdString()));
}

QSettings& settings()
{
    return sys::settingsStore();
}

// The reminder's key as every version stores it: the word "Duration" shifted,
// in section "Settings".
const QString kReminderKey = QStringLiteral("Settings/") + encode(QStringLiteral("Duration"));

// The decoded stored value, or an empty text when there is none.
QString storedDate()
{
    return decode(settings().value(kReminderKey).toString());
}

void store(const QString& plain)
{
    sys::changeSettings([&plain](QSettings& store) { store.setValue(kReminderKey, encode(plain)); });
}

// The probe as a copy of the program of an ordinary user: the superuser's
// right to open any file is dropped, where setpriv can drop it.
std::unique_ptr<QProcess> startProbe(const QString& lockFolder, int holdMs)
{
    auto probe = std::make_unique<QProcess>();
    probe->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QStringList arguments{lockFolder, QString::number(holdMs)};
    static const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (isSuperuser() && !setpriv.isEmpty()) {
        probe->start(setpriv,
            QStringList{QStringLiteral("--inh-caps=-dac_override,-dac_read_search"),
                QStringLiteral("--bounding-set=-dac_override,-dac_read_search"), QStringLiteral(LOCKPROBE)}
                + arguments);
    } else {
        probe->start(QStringLiteral(LOCKPROBE), arguments);
    }
    return probe;
}

// The probe's verdict: "won", "lost", or nothing when it did not answer. The waits
// here only bound a hang: ten copies under Wine on a busy machine take seconds.
QString verdict(QProcess& probe)
{
    (void)probe.waitForReadyRead(30000);
    return QString::fromLatin1(probe.readLine()).trimmed();
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initGui();
        QVERIFY(m_home.isValid());
        useHome(m_home);
        QCoreApplication::setOrganizationName(QStringLiteral("VQ Software Test"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void init()
    {
        sys::changeSettings([](QSettings& store) { store.clear(); });
    }

    void firstStartStoresTodayQuietly()
    {
        UrlCatcher pages;
        // A plain key left by another program is not the reminder's.
        sys::changeSettings([](QSettings& store) {
            store.setValue(QStringLiteral("Settings/Duration"), QStringLiteral("2001-01-01"));
        });
        ModalWatcher unexpected([](QWidget* modal) { modal->close(); });
        app::CheckForUpdate(kToday);
        QVERIFY(!unexpected.seen());
        QCOMPARE(storedDate(), QStringLiteral("2026-12-08"));
        QVERIFY(pages.opened.isEmpty());

        // The key in the store is the encoded word, and so is the value.
        QCOMPARE(settings().value(kReminderKey).toString(), encode(QStringLiteral("2026-12-08")));
        QCOMPARE(settings().value(QStringLiteral("Settings/Duration")).toString(), QStringLiteral("2001-01-01"));

        // Where the platform keeps a user's settings, as another reader finds it:
        // an INI file of the user's config folder on Linux, the registry on Windows.
        const QString where = isUnix() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                + QStringLiteral("/VQ Software Test/tst_startup.ini")
                                       : QStringLiteral("\\HKEY_CURRENT_USER\\Software\\VQ Software Test\\tst_startup");
        QCOMPARE(sys::settingsLocation(), where);
        const QSettings other(where, isUnix() ? QSettings::IniFormat : QSettings::NativeFormat);
        QCOMPARE(other.value(kReminderKey).toString(), encode(QStringLiteral("2026-12-08")));
    }

    void question_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("answerYes");
        QTest::newRow("14 days ago") << "2026-11-24" << false << false;
        QTest::newRow("15 days ago, No") << "2026-11-23" << true << false;
        QTest::newRow("15 days ago, Yes") << "2026-11-23" << true << true;
        QTest::newRow("15 days ahead, No") << "2026-12-23" << true << false;
        QTest::newRow("short date 20 days ago, Yes") << "11/18/26" << true << true;
        QTest::newRow("short date 2 days ago") << "12/6/26" << false << false;
        QTest::newRow("unreadable value") << "next week" << false << false;
    }
    void question()
    {
        QFETCH(QString, stored);
        QFETCH(bool, asked);
        QFETCH(bool, answerYes);
        store(stored);
        UrlCatcher pages;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QMessageBox::StandardButtons buttons;
        auto watcher = std::make_unique<ModalWatcher>([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            text = box->text();
            icon = box->icon();
            title = box->windowTitle();
            buttons = box->standardButtons();
            box->button(answerYes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        app::CheckForUpdate(kToday);
        QCOMPARE(watcher->seen(), asked);
        watcher.reset();

        const bool unreadable = stored == QLatin1String("next week");
        QCOMPARE(storedDate(), asked || unreadable ? QStringLiteral("2026-12-08") : stored);
        QCOMPARE(pages.opened,
            answerYes
                ? QList<QUrl>{QUrl(QStringLiteral("https://vq-software.example.com/rudraksha-numerology/download/"))}
                : QList<QUrl>{});
        if (asked) {
            QCOMPARE(text,
                QStringLiteral("There maybe an update to this software available\r"
                               "Do you want to check for an update?"));
            QCOMPARE(icon, QMessageBox::Information);
            QCOMPARE(title, QStringLiteral("VQ Rudraksha Numerology"));
            QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
        }
    }

    void nothingAskedWhenTheDateCannotBeStored()
    {
        if (!isUnix()) {
            QSKIP("the settings on Windows are in the registry, which a file cannot block");
        }
        // A file where the settings folder goes: nothing can be stored there.
        QTemporaryDir home;
        useHome(home);
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QVERIFY(
            QDir().mkpath(folder) && writeFile(QDir(folder).filePath(QCoreApplication::organizationName()), "a file"));
        const auto restore = qScopeGuard([this] { useHome(m_home); });
        // The question would come back at every start: it is not asked.
        QTest::ignoreMessage(
            QtWarningMsg, QRegularExpression(QStringLiteral("^The update reminder's date cannot be stored")));
        ModalWatcher unexpected([](QWidget* modal) { modal->close(); });
        app::CheckForUpdate(kToday);
        QVERIFY(!unexpected.seen());
        QVERIFY(storedDate().isEmpty());
    }

    void menuEntryLeavesTheDateAlone()
    {
        store(QStringLiteral("2020-01-01"));
        UrlCatcher pages;
        QMainWindow window;
        ui::addHelpMenu(&window);
        child<QAction>(&window, "mnuUpdate")->trigger();
        QCOMPARE(pages.opened,
            QList<QUrl>{QUrl(QStringLiteral("https://vq-software.example.com/rudraksha-numerology/download/"))});
        QCOMPARE(storedDate(), QStringLiteral("2020-01-01"));
    }

    void lockStates_data()
    {
        QTest::addColumn<QString>("state"); // of the runtime folder and its lock file
        QTest::addColumn<app::SingleInstance::Result>("result");
        QTest::addColumn<QStringList>("folders"); // whose locks this copy holds: runtime, fallback
        using Result = app::SingleInstance::Result;
        const QStringList both{"runtime", "fallback"};
        const auto row
            = [&both](const char* state, Result result, const std::optional<QStringList>& folders = std::nullopt) {
                  QTest::newRow(state) << state << result
                                       << folders.value_or(result == Result::Acquired ? both : QStringList());
              };
        // Whatever a lock file holds, only a running copy's lock refuses the start.
        row("empty lock file", Result::Acquired);
        row("lock file of random bytes", Result::Acquired);
        row("lock file naming another host", Result::Acquired);
        row("lock held by a running copy", Result::Refused);
        // A copy started after su or from cron has another runtime folder, or
        // none, but the same cache folder.
        row("running copy with another runtime folder", Result::Refused);
        row("running copy without a runtime folder", Result::Refused);
        // Nothing that stands in the lock file's place is used or waited on.
        row("folder in place of the lock file", Result::Acquired, QStringList{"fallback"});
        row("link in place of the lock file", Result::Acquired, QStringList{"fallback"});
        // A folder that others could have planted a lock in is not used.
        row("runtime folder writable by all", Result::Acquired, QStringList{"fallback"});
        row("runtime folder of another user", Result::Acquired, QStringList{"fallback"});
        // The socket of the kernel's holds the lock where no folder can.
        row("no folder can hold a lock", Result::Acquired, QStringList());
        // A cache cleaner removes every lock file under the running copy.
        row("lock folders removed under a running copy", Result::Refused);
    }
    void lockStates()
    {
        QFETCH(QString, state);
        QFETCH(app::SingleInstance::Result, result);
        QFETCH(QStringList, folders);

        QTemporaryDir root;
        const QString runtime = root.filePath(QStringLiteral("runtime"));
        const QString fallback = root.filePath(QStringLiteral("cache/vq-rudraksha-numerology"));
        const QString lock = QDir(runtime).filePath(app::SingleInstance::fileName());
        if (!isUnix()) {
            QSKIP("folders with Unix owners and modes");
        }
        QVERIFY(QDir().mkdir(runtime) && setMode(runtime, 0700));
        const auto restore = qScopeGuard([&] { setMode(runtime, 0700); });

        std::unique_ptr<app::SingleInstance> running;
        if (state == QLatin1String("empty lock file")) {
            QVERIFY(writeFile(lock, {}));
        } else if (state == QLatin1String("lock file of random bytes")) {
            QByteArray noise(4096, '\0');
            QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
            QVERIFY(writeFile(lock, noise));
        } else if (state == QLatin1String("lock file naming another host")) {
            QVERIFY(writeFile(lock, "4242\nvq-rudraksha-numerology\nsomewhere-else.example.com\n"));
        } else if (state == QLatin1String("lock held by a running copy")) {
            running = std::make_unique<app::SingleInstance>(QStringList{runtime, fallback});
            QCOMPARE(running->tryAcquire(), app::SingleInstance::Result::Acquired);
        } else if (state == QLatin1String("running copy with another runtime folder")) {
            const QString other = root.filePath(QStringLiteral("other-runtime"));
            QVERIFY(QDir().mkdir(other) && setMode(other, 0700));
            running = std::make_unique<app::SingleInstance>(QStringList{other, fallback});
            QCOMPARE(running->tryAcquire(), app::SingleInstance::Result::Acquired);
        } else if (state == QLatin1String("running copy without a runtime folder")) {
            running = std::make_unique<app::SingleInstance>(QStringList{fallback});
            QCOMPARE(running->tryAcquire(), app::SingleInstance::Result::Acquired);
        } else if (state == QLatin1String("folder in place of the lock file")) {
            QVERIFY(QDir().mkdir(lock));
        } else if (state == QLatin1String("link in place of the lock file")) {
            QVERIFY(QFile::link(root.filePath(QStringLiteral("elsewhere")), lock));
        } else if (state == QLatin1String("runtime folder writable by all")) {
            QVERIFY(setMode(runtime, 0777));
        } else if (state == QLatin1String("runtime folder of another user")) {
            if (!isSuperuser()) {
                QSKIP("only the superuser can give a folder away");
            }
            QVERIFY(giveToNobody(runtime));
        } else if (state == QLatin1String("lock folders removed under a running copy")) {
            running = std::make_unique<app::SingleInstance>(QStringList{runtime, fallback});
            QCOMPARE(running->tryAcquire(), app::SingleInstance::Result::Acquired);
            QVERIFY(
                QDir(runtime).removeRecursively() && QDir(root.filePath(QStringLiteral("cache"))).removeRecursively());
        } else if (state == QLatin1String("no folder can hold a lock")) {
            QVERIFY(QDir(runtime).removeRecursively() && writeFile(runtime, "a file"));
            QVERIFY(writeFile(root.filePath(QStringLiteral("cache")), "a file"));
        }

        app::SingleInstance instance({runtime, fallback});
        QCOMPARE(instance.tryAcquire(), result);
        QStringList expected;
        for (const QString& folder : folders) {
            expected << (folder == QLatin1String("runtime") ? runtime : fallback);
        }
        QCOMPARE(instance.lockFolders(), expected);
        if (result == app::SingleInstance::Result::Acquired) {
            // A second copy in the same place finds the lock taken.
            app::SingleInstance second({runtime, fallback});
            QCOMPARE(second.tryAcquire(), app::SingleInstance::Result::Refused);
        }
    }

    void oneWinner_data()
    {
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("unopenable");
        QTest::newRow("ten copies") << 10 << false;
        // Mode 000 and another user's: replaced, by one copy only.
        QTest::newRow("ten copies, a lock file nobody may open") << 10 << true;
        QTest::newRow("twenty copies") << 20 << false;
    }
    void oneWinner()
    {
        QFETCH(int, copies);
        QFETCH(bool, unopenable);
        if (unopenable && !isUnix()) {
            QSKIP("file modes and owners are Unix's");
        }
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.path();
        const QString lock = QDir(path).filePath(app::SingleInstance::fileName());
        // Long enough that every copy has tried while the winner holds the
        // lock; a process starts much more slowly under Wine.
        const int holdMs = copies * (isUnix() ? 250 : 750);
        for (int round = 0; round < 30 / copies; ++round) {
            if (unopenable) {
                QVERIFY(QFile::remove(lock) || round == 0);
                QVERIFY(writeFile(lock, "4242\n"));
                QVERIFY(setMode(lock, 0));
                QVERIFY(!isSuperuser() || giveToNobody(lock));
            }
            std::vector<std::unique_ptr<QProcess>> probes;
            for (int i = 0; i < copies; ++i) {
                probes.push_back(startProbe(path, holdMs));
            }
            QStringList verdicts;
            for (auto& probe : probes) {
                verdicts << verdict(*probe);
            }
            for (auto& probe : probes) {
                QVERIFY(probe->waitForFinished(holdMs + 30000));
                QCOMPARE(probe->exitCode(), 0);
            }
            QCOMPARE(verdicts.count(QStringLiteral("won")), 1);
            QCOMPARE(verdicts.count(QStringLiteral("lost")), copies - 1);
        }
    }

    void killedHolderLeavesNoLock()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.path();
        auto holder = startProbe(path, 60000);
        QCOMPARE(verdict(*holder), QStringLiteral("won"));
        auto refused = startProbe(path, 0);
        QCOMPARE(verdict(*refused), QStringLiteral("lost"));
        QVERIFY(refused->waitForFinished(30000));
        holder->kill();
        QVERIFY(holder->waitForFinished(30000));

        QElapsedTimer clock;
        clock.start();
        auto next = startProbe(path, 0);
        QCOMPARE(verdict(*next), QStringLiteral("won"));
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(next->waitForFinished(30000));
    }

    // SIGTERM and SIGHUP end the program within seconds: through the event
    // loop, or where that never answers, by itself.
    void endOnRequest_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("code");
        QTest::newRow("SIGTERM, the event loop answering") << "loop" << 15 << 0;
        QTest::newRow("SIGHUP, the event loop answering") << "loop" << 1 << 0;
        QTest::newRow("SIGTERM, the interface thread held up") << "held" << 15 << 128 + 15;
    }
    void endOnRequest()
    {
        QFETCH(QString, mode);
        QFETCH(int, signal);
        QFETCH(int, code);
        if (!isUnix()) {
            QSKIP("Windows ends a program by closing its windows");
        }
        QProcess probe;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        probe.setProcessEnvironment(environment);
        probe.start(QStringLiteral(TERMPROBE), {mode});
        QVERIFY(probe.waitForReadyRead(30000));
        QCOMPARE(probe.readLine().trimmed(), QByteArray("ready"));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(sendSignal(probe.processId(), signal));
        QVERIFY(probe.waitForFinished(10000));
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), code);
    }

private:
    QTemporaryDir m_home;
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
