#include "ui/widgets/WindowPlacement.h"

#include "ui/platform/UserSettings.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <utility>

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

// The stored size where it is a size, but never larger than the largest
// screen's room for windows: a window of the size of a wall would take
// gigabytes of memory.
QSize storedSize(const QVariant& value)
{
    const QSize size = value.toSize();
    if (!size.isValid()) {
        return {};
    }
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
        , m_group(QStringLiteral("Windows/%1/").arg(window->objectName()))
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
    QString key(const char* name) const { return m_group + QLatin1String(name); }

    void restore(QWidget* window) const
    {
        const QSettings& settings = userSettings();
        const QSize size = storedSize(settings.value(key("size")));
        if (size.isValid()) {
            window->resize(size);
        }
        const QVariant position = settings.value(key("position"));
        if (placesItself() && position.isValid() && onSomeScreen(position.toPoint(), window->size())) {
            window->move(position.toPoint());
        }
        if (settings.value(key("maximized")).toBool()) {
            window->setWindowState(window->windowState() | Qt::WindowMaximized);
        }
    }

    // Only what changed is written: a window handed over where it was left
    // (every reading) costs no write to disk.
    void store(const QWidget* window) const
    {
        const QSettings& settings = userSettings();
        QList<std::pair<QString, QVariant>> changes; // an invalid value removes the key
        const auto set = [&](const QString& name, const QVariant& value) {
            if (settings.value(name) != value) {
                changes.append({name, value});
            }
        };
        const auto unset = [&](const QString& name) {
            if (settings.contains(name)) {
                changes.append({name, QVariant()});
            }
        };
        if (window->isMaximized()) {
            // The size and place it had before stay for when it is restored.
            set(key("maximized"), true);
        } else {
            unset(key("maximized"));
            if (placesItself()) {
                set(key("position"), window->pos());
            }
            if (window->size() != m_naturalSize) {
                set(key("size"), window->size());
            } else {
                unset(key("size"));
            }
        }
        if (changes.isEmpty()) {
            return;
        }
        changeUserSettings([&changes](QSettings& store) {
            for (const auto& [name, value] : changes) {
                if (value.isValid()) {
                    store.setValue(name, value);
                } else {
                    store.remove(name);
                }
            }
        });
    }

    QString m_group;
    QSize m_naturalSize;
};

} // namespace

void keepWindowPlacement(QWidget* window)
{
    new WindowPlacement(window);
}

} // namespace ui
