#include "ui/widgets/WindowPlacement.h"

#include "system/Settings.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ui {
namespace {

// Enough of the window's top to grab it by: a position that leaves less of it
// on every screen is ignored.
constexpr int kGrabWidth = 64;
constexpr int kGrabHeight = 16;
constexpr int kTitleHeight = 32;

// Places and sizes past this are not a screen's: they are ignored before any
// arithmetic on them could overflow.
constexpr int kFarthest = 1 << 20;

bool onSomeScreen(const QPoint& position, const QSize& size)
{
    const auto far = [](int coordinate) { return coordinate < -kFarthest || coordinate > kFarthest; };
    if (far(position.x()) || far(position.y())) {
        return false;
    }
    const QRect top(position, QSize(size.width(), kTitleHeight));
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect seen = screen->geometry().intersected(top);
        if (seen.width() >= kGrabWidth && seen.height() >= kGrabHeight) {
            return true;
        }
    }
    return false;
}

// The stored size, but never larger than the largest screen's room for
// windows: a window of the size of a wall would take gigabytes of memory.
QSize boundedSize(const QSize& size)
{
    QSize room;
    for (const QScreen* screen : QGuiApplication::screens()) {
        room = room.expandedTo(screen->availableGeometry().size());
    }
    return room.isValid() ? size.boundedTo(room) : QSize();
}

// Wayland windows cannot place themselves.
bool placesItself()
{
    return QGuiApplication::platformName() != QLatin1String("wayland");
}

class WindowPlacement final : public QObject {
public:
    explicit WindowPlacement(QWidget* window)
        : QObject(window)
        , m_window(window->objectName())
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && !m_naturalSize.isValid()) {
            // Sent before the window reaches the screen, at its laid-out size.
            m_naturalSize = window->size();
            restore(window);
        } else if (event->type() == QEvent::Close && m_naturalSize.isValid()) {
            store(window);
        }
        return false;
    }

private:
    void restore(QWidget* window) const
    {
        const sys::WindowPlace place = sys::Settings::windowPlace(m_window);
        const QSize size = place.size ? boundedSize(*place.size) : QSize();
        if (size.isValid()) {
            window->resize(size);
        }
        if (placesItself() && place.position && onSomeScreen(*place.position, window->size())) {
            window->move(*place.position);
        }
        if (place.maximized) {
            window->setWindowState(window->windowState() | Qt::WindowMaximized);
        }
    }

    void store(const QWidget* window) const
    {
        sys::WindowPlace place;
        place.maximized = window->isMaximized();
        if (placesItself()) {
            place.position = window->pos();
        }
        if (window->size() != m_naturalSize) {
            place.size = window->size();
        }
        sys::Settings::setWindowPlace(m_window, place);
    }

    QString m_window;
    QSize m_naturalSize;
};

} // namespace

void keepWindowPlacement(QWidget* window)
{
    new WindowPlacement(window);
}

} // namespace ui
