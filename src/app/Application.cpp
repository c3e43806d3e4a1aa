#include "app/Application.h"

#include "system/ProgramNames.h"
#include "ui/widgets/Look.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace app {
namespace {

// True while EndProgram closes the windows.
bool g_closingAll = false;

} // namespace

void setUpApplication()
{
    sys::setUpProgramNames();
    // The menu entry's name: Wayland desktops match a window to its entry by it.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.vq_software.rudraksha_numerology"));
    ui::setUpLook();
    // The program ends through EndProgram only, never because a window closed.
    QApplication::setQuitOnLastWindowClosed(false);
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

} // namespace app
