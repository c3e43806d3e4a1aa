// Tries the single-instance lock once, like a starting copy of the program:
//   lockprobe LOCK_FOLDER HOLD_MS
// prints "won", "lost" or "none", then keeps whatever it got for HOLD_MS.

#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: lockprobe LOCK_FOLDER HOLD_MS\n");
        return 2;
    }
    app::SingleInstance instance({QString::fromLocal8Bit(argv[1])});
    switch (instance.tryAcquire()) {
    case app::SingleInstance::Result::Acquired:
        std::puts("won");
        break;
    case app::SingleInstance::Result::Refused:
        std::puts("lost");
        break;
    case app::SingleInstance::Result::NoLock:
        std::puts("none");
        break;
    }
    std::fflush(stdout);
    QThread::msleep(QByteArray(argv[2]).toULong());
    return 0;
}
