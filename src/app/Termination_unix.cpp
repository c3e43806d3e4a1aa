#include "app/Termination.h"

#include "app/Application.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <chrono>
#include <csignal>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace app {
namespace {

// The two ends of a socket pair that wakes the event loop, and of one that
// wakes the watchdog: a signal handler may do little more than write a byte.
int g_loop[2] = {-1, -1};
int g_watchdog[2] = {-1, -1};
volatile std::sig_atomic_t g_signal = 0;

void onSignal(int signal)
{
    g_signal = signal;
    const char byte = 1;
    [[maybe_unused]] const ssize_t toLoop = ::write(g_loop[0], &byte, 1);
    [[maybe_unused]] const ssize_t toWatchdog = ::write(g_watchdog[0], &byte, 1);
}

// Waits for a request to end; where the program has not ended by itself
// within the grace period (its interface thread held up, say, by a file that
// never answers), ends it: a logout does not wait for good.
void watch()
{
    char byte = 0;
    while (::read(g_watchdog[1], &byte, 1) != 1) { }
    std::this_thread::sleep_for(TerminationGrace);
    ::_exit(128 + g_signal);
}

} // namespace

void endProgramOnRequest()
{
    if (g_loop[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_loop) != 0
        || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_watchdog) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(g_loop[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char bytes[16];
        while (::read(g_loop[1], bytes, sizeof bytes) > 0) { }
        EndProgram();
    });
    std::thread(watch).detach();
    struct sigaction action { };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
}

} // namespace app
