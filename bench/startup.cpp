// Start-up as a whole process, to the main window's first paint.
//
//   vq-bench-startup           the program's own start-up (app::StartProgram,
//                              as main calls it), settings and lock isolated
//   vq-bench-startup --bare    a bare QMainWindow with one label: the floor

#include "app/StartProgram.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

const char* g_window = "frmMain";

// Ends the event loop once a widget of the watched window has painted.
class QuitOnFirstPaint final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window()->objectName() == QLatin1String(g_window)) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return false;
    }
};

// Runs as the application object is created, inside StartProgram too.
void WatchFirstPaint()
{
    qApp->installEventFilter(new QuitOnFirstPaint(qApp));
}
Q_COREAPP_STARTUP_FUNCTION(WatchFirstPaint)

// A fresh folder for the settings, the lock and the file dialog's history.
std::string FreshFolder()
{
    std::string folder = (std::filesystem::temp_directory_path() / "vq-bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        std::abort();
    }
    return folder;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0) {
        g_window = "bare";
        QApplication application(argc, argv);
        QMainWindow window;
        window.setObjectName(QStringLiteral("bare"));
        window.setCentralWidget(new QLabel(QStringLiteral("VQ Rudraksha Numerology")));
        window.show();
        return QApplication::exec();
    }

    const std::string home = FreshFolder();
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", home.c_str(), 1);
    const int result = app::StartProgram(argc, argv);
    std::filesystem::remove_all(home);
    return result;
}
