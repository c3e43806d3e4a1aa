// The single-instance lock between real processes: one winner among copies
// started together, and no lock left behind by a copy that was killed.

#include "desktop/SingleInstance.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

namespace {

std::unique_ptr<QProcess> StartProbe(const QString& lockPath, int holdMs)
{
    auto probe = std::make_unique<QProcess>();
    probe->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    probe->start(QStringLiteral(LOCKPROBE), {lockPath, QString::number(holdMs)});
    return probe;
}

// The probe's verdict: "won", "lost", or nothing when it did not answer.
QString Verdict(QProcess& probe)
{
    (void)probe.waitForReadyRead(10000);
    return QString::fromLatin1(probe.readLine()).trimmed();
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void oneWinnerAmongTen()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("program.lock"));
        for (int round = 0; round < 3; ++round) {
            std::vector<std::unique_ptr<QProcess>> probes;
            for (int i = 0; i < 10; ++i) {
                probes.push_back(StartProbe(path, 2500));
            }
            QStringList verdicts;
            for (auto& probe : probes) {
                verdicts << Verdict(*probe);
            }
            for (auto& probe : probes) {
                QVERIFY(probe->waitForFinished(10000));
                QCOMPARE(probe->exitCode(), 0);
            }
            QCOMPARE(verdicts.count(QStringLiteral("won")), 1);
            QCOMPARE(verdicts.count(QStringLiteral("lost")), 9);
        }
    }

    void killedHolderLeavesNoLock()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("program.lock"));
        auto holder = StartProbe(path, 60000);
        QCOMPARE(Verdict(*holder), QStringLiteral("won"));
        auto refused = StartProbe(path, 0);
        QCOMPARE(Verdict(*refused), QStringLiteral("lost"));
        QVERIFY(refused->waitForFinished(5000));
        holder->kill();
        QVERIFY(holder->waitForFinished(5000));

        QElapsedTimer clock;
        clock.start();
        auto next = StartProbe(path, 0);
        QCOMPARE(Verdict(*next), QStringLiteral("won"));
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(next->waitForFinished(5000));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
