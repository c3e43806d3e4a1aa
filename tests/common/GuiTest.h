#pragma once

// Helpers for driving the real windows in tests: answering the next modal
// window from a timer and catching the web pages the program opens.

#include <QApplication>
#include <QDesktopServices>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>

// Calls answer with the next modal window that opens (a message box, a file
// dialog, the About window). Keep the returned watcher until the modal window
// has been answered; deleting it stops the watch, so it cannot answer a
// later test's window.
class ModalWatcher final : public QObject {
public:
    explicit ModalWatcher(std::function<void(QWidget*)> answer, QWidget* ignore = nullptr)
        : m_answer(std::move(answer))
        , m_ignore(ignore)
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal == m_ignore || !modal->isVisible()) {
                return;
            }
            m_timer.stop();
            m_seen = true;
            m_answer(modal);
        });
        m_timer.start();
    }

    bool seen() const { return m_seen; }

private:
    std::function<void(QWidget*)> m_answer;
    QPointer<QWidget> m_ignore;
    QTimer m_timer;
    bool m_seen = false;
};

// Catches every https address handed to the desktop while it lives.
class UrlCatcher final : public QObject {
    Q_OBJECT

public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    UrlCatcher(const UrlCatcher&) = delete;
    UrlCatcher& operator=(const UrlCatcher&) = delete;

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};
