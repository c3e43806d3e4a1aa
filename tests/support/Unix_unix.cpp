#include "Unix.h"

#include <QFile>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

rlimit g_unlimited{};
void (*g_handler)(int) = SIG_DFL;

} // namespace

bool isUnix()
{
    return true;
}

bool setMode(const QString& path, unsigned mode)
{
    return chmod(QFile::encodeName(path).constData(), static_cast<mode_t>(mode)) == 0;
}

bool isSuperuser()
{
    return geteuid() == 0;
}

bool giveToNobody(const QString& path)
{
    return chown(QFile::encodeName(path).constData(), 65534, 65534) == 0;
}

bool sendSignal(qint64 pid, int signal)
{
    return kill(static_cast<pid_t>(pid), signal) == 0;
}

bool makeNamedPipe(const QString& path)
{
    return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool makeNullDevice(const QString& path)
{
    return mknod(QFile::encodeName(path).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
}

bool isNullDevice(const QString& path)
{
    struct stat info { };
    return lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISCHR(info.st_mode)
        && info.st_rdev == makedev(1, 3);
}

// Past the limit a write fails with EFBIG once SIGXFSZ is ignored.
FileSizeLimit::FileSizeLimit()
{
    getrlimit(RLIMIT_FSIZE, &g_unlimited);
    g_handler = std::signal(SIGXFSZ, SIG_IGN);
}

FileSizeLimit::~FileSizeLimit()
{
    lift();
    std::signal(SIGXFSZ, g_handler);
}

bool FileSizeLimit::limitTo(qint64 bytes)
{
    rlimit small = g_unlimited;
    small.rlim_cur = static_cast<rlim_t>(bytes);
    return setrlimit(RLIMIT_FSIZE, &small) == 0;
}

void FileSizeLimit::lift()
{
    setrlimit(RLIMIT_FSIZE, &g_unlimited);
}
