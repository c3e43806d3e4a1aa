#include "app/Termination.h"

#include "app/Application.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace app {
namespace {

// The two ends of a socket pair: a signal handler may do little more than
// write a byte, which the event loop then reads.
int g_ends[2] = {-1, -1};

void onSignal(int /*signal*/)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_ends[0], &byte, 1);
}

} // namespace

void endProgramOnRequest()
{
    if (g_ends[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_ends) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(g_ends[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char bytes[16];
        while (::read(g_ends[1], bytes, sizeof bytes) > 0) { }
        EndProgram();
    });
    struct sigaction action { };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
}

} // namespace app
