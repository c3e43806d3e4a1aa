#include <QTest>
class TestSystem : public QObject {
    Q_OBJECT
};
QTEST_MAIN(TestSystem)
#include "tst_system.moc"
