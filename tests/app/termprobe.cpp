// The program's end on request in a process of its own:
//   termprobe loop      the event loop runs and answers
//   termprobe held      the interface thread is held up and never answers
// prints "ready" once SIGTERM and SIGHUP end it as the program ends.

#include "app/Application.h"
#include "app/Termination.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    app::setUpApplication();
    app::endProgramOnRequest();
    std::puts("ready");
    std::fflush(stdout);
    if (argc > 1 && std::strcmp(argv[1], "held") == 0) {
        std::this_thread::sleep_for(std::chrono::minutes(1));
        return 3;
    }
    return QApplication::exec();
}
