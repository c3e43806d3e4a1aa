#include "ui/widgets/WindowPlacement.h"

#include "ui/platform/UpdateCheck.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace ui {
namespace {

// Enough of the window's top to grab it by: a position that leaves less of it
// on every screen is ignored.
constexpr int kGrabWidth = 64;
constexpr int kGrabHeight = 16;
constexpr int kTitleHeight = 32;

bool onSomeScreen(const QPoint& position, const QSize& size)
{
    const QRect top(position, QSize(size.width(), kTitleHeight));
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect seen = screen->geometry().intersected(top);
        if (seen.width() >= kGrabWidth && seen.height() >= kGrabHeight) {
            return true;
        }
    }
    return false;
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
        const std::unique_ptr<QSettings> settings = openReminderSettings();
        const QSize size = settings->value(key("size")).toSize();
        if (size.isValid()) {
            window->resize(size);
        }
        const QVariant position = settings->value(key("position"));
        if (placesItself() && position.isValid() && onSomeScreen(position.toPoint(), window->size())) {
            window->move(position.toPoint());
        }
        if (settings->value(key("maximized")).toBool()) {
            window->setWindowState(window->windowState() | Qt::WindowMaximized);
        }
    }

    // Only what changed is written: a window handed over where it was left
    // (every reading) costs no write to disk.
    void store(const QWidget* window) const
    {
        const std::unique_ptr<QSettings> settings = openReminderSettings();
        const auto set = [&settings](const QString& name, const QVariant& value) {
            if (settings->value(name) != value) {
                settings->setValue(name, value);
            }
        };
        const auto unset = [&settings](const QString& name) {
            if (settings->contains(name)) {
                settings->remove(name);
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
