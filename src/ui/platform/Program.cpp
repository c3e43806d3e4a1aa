#include "ui/platform/Program.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmapCache>
#include <QPointer>
#include <QStyleFactory>
#include <QWidget>

namespace ui {
namespace {

// True while EndProgram closes the windows.
bool g_closingAll = false;

} // namespace

void setUpApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("VQ Software"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("vq-software.example.com"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VQ_VERSION));
    // The application name stays the executable's base name, which keys the
    // per-user settings.
    // The menu entry's name: Wayland desktops match a window to its entry by it.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.vq_software.rudraksha_numerology"));

    // The windows' colours rely on a style that honours the palette everywhere.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The program ends through EndProgram only, never because a window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    // The style caches its drawings under keys that name each widget's palette,
    // and every new window has palettes of its own, so a cached drawing is never
    // used by a later window; Qt 6.4's cache also keeps some bytes for every key
    // it has held, so each reading would keep memory for good.
    QPixmapCache::setCacheLimit(0);
}

QString ApplicationTitle()
{
    return QStringLiteral("VQ Rudraksha Numerology");
}

QString programCaption()
{
    return ApplicationTitle() + QStringLiteral(" v" VQ_SHORT_VERSION);
}

void EndProgram()
{
    if (g_closingAll) {
        return;
    }
    g_closingAll = true;

    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowType() != Qt::Popup && widget->windowType() != Qt::ToolTip) {
            windows.append(widget);
        }
    }
    for (const QPointer<QWidget>& window : windows) {
        // A window may have been deleted by the close of another.
        if (window) {
            window->close();
        }
    }
    g_closingAll = false;
    QCoreApplication::exit(0);
}

} // namespace ui
