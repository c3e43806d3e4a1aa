// Twenty readings in a row, each through Proceed and Back, leave no windows or
// timers behind. Under the sanitizer preset the leak checker also sees no
// memory left at exit.

#include "app/frmMain.h"
#include "result/frmRudrakshNumerologyResult.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

namespace {

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

int objectsOfType(const char* className)
{
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (QObject* object : window->findChildren<QObject*>()) {
            count += object->inherits(className) ? 1 : 0;
        }
    }
    count += static_cast<int>(qApp->findChildren<QTimer*>().size());
    return count;
}

} // namespace

class TestManyReadings : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QApplication::setQuitOnLastWindowClosed(false);
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    }

    void twentyReadingsLeaveNothingBehind()
    {
        const QStringList names = {QStringLiteral("John Smith"), QStringLiteral("Zoe"), QStringLiteral("Lily")};
        int windowsAfterFirst = -1;
        int objectsAfterFirst = -1;
        int timersAfterFirst = -1;
        for (int round = 0; round < 20; ++round) {
            frmMain* main = frmMain::Instance();
            main->show();
            main->txtName->setText(names.at(round % names.size()));
            main->cboDate->setCurrentIndex(round);
            main->cboMonth->setCurrentIndex(round % 12);
            main->cmdProceed->click();
            flushDeletes();
            QCOMPARE(frmMain::LoadedInstance(), nullptr);
            frmRudrakshNumerologyResult* result = frmRudrakshNumerologyResult::LoadedInstance();
            QVERIFY(result != nullptr);
            QVERIFY(result->isVisible());

            result->cmdBack->click();
            flushDeletes();
            QCOMPARE(frmRudrakshNumerologyResult::LoadedInstance(), nullptr);
            QVERIFY(frmMain::LoadedInstance() != nullptr);

            const int windows = static_cast<int>(QApplication::topLevelWidgets().size());
            const int objects = objectsOfType("QObject");
            const int timers = objectsOfType("QTimer");
            if (round == 0) {
                windowsAfterFirst = windows;
                objectsAfterFirst = objects;
                timersAfterFirst = timers;
            }
            QCOMPARE(windows, windowsAfterFirst);
            QCOMPARE(objects, objectsAfterFirst);
            QCOMPARE(timers, timersAfterFirst);
        }
        delete frmMain::LoadedInstance();
        flushDeletes();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            QVERIFY2(window->inherits("QMenu") || window->windowType() == Qt::Popup || !window->isVisible(),
                window->metaObject()->className());
        }
    }
};

QTEST_MAIN(TestManyReadings)
#include "tst_manyreadings.moc"
