// Start-up as a whole process, ended at the main window's first paint.
//
//   vq-bench-startup           the program's own start-up: app::StartProgram,
//                              exactly as main calls it, with the settings, the
//                              lock and the home folder in fresh folders
//   vq-bench-startup --bare    a bare QMainWindow with one label: the floor
//   vq-bench-startup --bare-sized
//                              the same bare window at the main window's size
//
// With VQ_BENCH_RETURNING=1 in the environment, the start is a returning
// user's: the settings hold a language, eight recent readings, the main
// window's place and today's reminder date, in the file the program reads.
//
// Run it under hyperfine as a whole process; exit code 0 means the window
// painted (and, for a returning user, that the settings written were the ones
// read).

#include "app/StartProgram.h"
#include "core/storage/TextCodec.h"

#include <QApplication>
#include <QByteArray>
#include <QDate>
#include <QLabel>
#include <QMainWindow>
#include <QSize>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace {

// The object name of the window whose first paint ends the run.
const char* g_window = "frmMain";

// Beyond this something is wrong (a modal question, a missing display).
constexpr int kGiveUpMs = 20000;

// Whether the widget is the watched window or lies inside it.
bool InWatchedWindow(const QObject* object)
{
    for (; object != nullptr; object = object->parent()) {
        if (object->objectName() == QLatin1String(g_window)) {
            return true;
        }
    }
    return false;
}

// Ends the event loop once the watched window, or a child of it, has painted.
// The first paint event starts the window's paint pass; the loop ends as soon
// as that pass (every control drawn and flushed) returns. A zero timer would
// also let run whatever the program put just after the first paint (all due
// zero timers fire together), and that is no part of the wait.
class QuitOnFirstPaint final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType() && InWatchedWindow(watched)) {
            m_seen = true;
            QCoreApplication::exit(0);
        }
        return false;
    }

private:
    bool m_seen = false;
};

// Runs as the application object is constructed, also the one inside StartProgram.
void WatchFirstPaint()
{
    qApp->installEventFilter(new QuitOnFirstPaint(qApp));
    QTimer::singleShot(kGiveUpMs, qApp, [] {
        std::fputs("vq-bench-startup: no paint of the main window\n", stderr);
        QCoreApplication::exit(2);
    });
}
Q_COREAPP_STARTUP_FUNCTION(WatchFirstPaint)

// A fresh folder only this user may enter (mkdtemp makes it 0700).
std::string FreshFolder(const std::filesystem::path& parent, const char* name)
{
    std::string folder = (parent / (std::string(name) + "-XXXXXX")).string();
    if (mkdtemp(folder.data()) == nullptr) {
        std::perror("vq-bench-startup: mkdtemp");
        std::exit(3);
    }
    return folder;
}

// A text as QSettings writes it in an INI file, the shifted characters of the
// reminder escaped in a key.
std::string IniKey(const std::string& utf8)
{
    std::string key;
    for (const QChar c : QString::fromStdString(utf8)) {
        key += c.unicode() < 0x80
            ? std::string(1, static_cast<char>(c.unicode()))
            : QStringLiteral("%U%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper().toStdString();
    }
    return key;
}

// The folder of the program's settings file in the config folder.
std::filesystem::path SettingsFolder(const std::string& config)
{
    return std::filesystem::path(config) / "VQ Software";
}

// The settings file the program reads when it runs as this executable: Qt
// names the application, and so the file, after the executable
// (vq-rudraksha-numerology.ini for the program, vq-bench-startup.ini here).
std::filesystem::path SettingsFile(const std::string& config, const char* executable)
{
    return SettingsFolder(config) / (std::filesystem::path(executable).stem().string() + ".ini");
}

// The settings a user has after some weeks with the program.
void WriteReturningSettings(const std::filesystem::path& file)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream ini(file);
    ini << "[Language]\nuiLanguage=en\n\n[Recent]\n";
    for (int i = 1; i <= 8; ++i) {
        ini << i << "\\name=Reader " << i << "\n" << i << "\\path=/home/reader/readings/reader-" << i << ".rkn\n";
    }
    ini << "size=8\n\n[Settings]\n"
        << IniKey(core::EncodeText("Duration")) << '='
        << core::EncodeText(QDate::currentDate().toString(Qt::ISODate).toStdString()) << "\n\n"
        << "[Windows]\nfrmMain\\position=@Point(120 80)\n";
}

// Whether the program left the returning user's settings the only settings
// file: had it read another (a first start), it would have written its
// reminder date there.
bool ReadTheReturningSettings(const std::filesystem::path& file)
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path(), error)) {
        if (entry.path().extension() == ".ini" && entry.path() != file) {
            std::fprintf(stderr, "vq-bench-startup: the program used %s, not the returning user's %s\n",
                entry.path().c_str(), file.c_str());
            return false;
        }
    }
    return !error;
}

// The main window's size on screen at 1x (with the fallback font): the bare
// window of that size pays for the pixels of a window as large.
constexpr QSize kMainWindowSize(661, 397);

int RunBare(int& argc, char** argv, bool sized)
{
    g_window = "bare";
    QApplication application(argc, argv);
    QMainWindow window;
    window.setObjectName(QStringLiteral("bare"));
    window.setCentralWidget(new QLabel(QStringLiteral("VQ Rudraksha Numerology")));
    if (sized) {
        window.resize(kMainWindowSize);
    }
    window.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && (std::strcmp(argv[1], "--bare") == 0 || std::strcmp(argv[1], "--bare-sized") == 0)) {
        return RunBare(argc, argv, std::strcmp(argv[1], "--bare-sized") == 0);
    }

    // Nothing the user has (settings, a running copy's lock) may change the run.
    const std::string root = FreshFolder(std::filesystem::temp_directory_path(), "vq-bench-startup");
    const std::string home = FreshFolder(root, "home");
    const std::string config = FreshFolder(root, "config");
    const std::string runtime = FreshFolder(root, "runtime");
    qputenv("HOME", QByteArray::fromStdString(home));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config));
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime));
    const bool returning = qEnvironmentVariableIntValue("VQ_BENCH_RETURNING") == 1;
    const std::filesystem::path settings = SettingsFile(config, argv[0]);
    if (returning) {
        WriteReturningSettings(settings);
    }

    int result = app::StartProgram(argc, argv);
    if (result == 0 && returning && !ReadTheReturningSettings(settings)) {
        result = 4;
    }

    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    return result;
}
