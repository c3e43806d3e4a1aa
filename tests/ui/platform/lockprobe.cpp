// Tries the single-instance lock once, like a starting copy of the program:
//   lockprobe LOCK_PATH HOLD_MS
// prints "won" or "lost", then keeps whatever it got for HOLD_MS.

#include "ui/platform/SingleInstance.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: lockprobe LOCK_PATH HOLD_MS\n");
        return 2;
    }
    ui::SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    std::puts(instance.tryAcquire() ? "won" : "lost");
    std::fflush(stdout);
    QThread::msleep(QByteArray(argv[2]).toULong());
    return 0;
}
