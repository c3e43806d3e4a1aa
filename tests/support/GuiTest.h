#pragma once

// Drives the program's windows the way a user does: answers modal windows from
// a timer, runs the event loop as the program does and catches web pages.

#include "Driving.h"
#include "Unix.h"
#include "system/ProgramNames.h"
#include "system/SettingsStore.h"
#include "ui/desktop/ApplicationFont.h"
#include "ui/widgets/Look.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

// Calls answer with the next modal window (other than ignore) that opens. Keep
// the watcher until that window has been answered; deleting it stops the watch,
// so it cannot answer a later test's window.
class ModalWatcher final : public QObject {
public:
    explicit ModalWatcher(std::function<void(QWidget*)> answer, QWidget* ignore = nullptr)
        : m_answer(std::move(answer))
        , m_ignore(ignore)
    {
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != nullptr && modal != m_ignore && modal->isVisible()) {
                m_timer.stop();
                m_answer(modal);
            }
        });
        m_timer.start(10);
    }

    bool seen() const { return !m_timer.isActive(); }

private:
    std::function<void(QWidget*)> m_answer;
    QPointer<QWidget> m_ignore;
    QTimer m_timer;
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

// Fails the running test within seconds when a modal window stays
// unanswered: the window the test waits for never came, or another came in its
// place. The window is closed, so the test runs on to its end rather than
// waiting for good.
class UnansweredModalGuard final : public QObject {
public:
    UnansweredModalGuard()
    {
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != m_modal) {
                m_modal = modal;
                m_since.restart();
            } else if (modal != nullptr && m_since.elapsed() > kPatienceMs) {
                const auto* box = qobject_cast<QMessageBox*>(modal);
                const QString what = QStringLiteral("unanswered %1 \"%2\" %3")
                                         .arg(QString::fromLatin1(modal->metaObject()->className()),
                                             modal->windowTitle(), box != nullptr ? box->text() : QString());
                QTest::qFail(qPrintable(what), __FILE__, __LINE__);
                modal->close();
                m_modal = nullptr;
            }
        });
        m_timer.start(100);
    }

private:
    static constexpr qint64 kPatienceMs = 3000;
    QTimer m_timer;
    QPointer<QWidget> m_modal;
    QElapsedTimer m_since;
};

// Makes home the user's home folder: the settings, the recent files and the
// file dialog's history start empty there. The registry, where the settings
// live on Windows, knows no home folder: the test's key is emptied instead.
inline void useHome(const QTemporaryDir& home)
{
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    if (!isUnix()) {
        sys::changeSettings([](QSettings& settings) { settings.clear(); });
    }
}

// The program's own set-up (its names, its look, an end only when asked, the
// font following the language) with Qt's own file dialogs. Nothing is written
// to the user's home: the settings and the file dialog's history go to a
// temporary home folder of the test's own.
inline void initGui()
{
    static const QTemporaryDir home;
    sys::setUpProgramNames();
    ui::setUpLook();
    QApplication::setQuitOnLastWindowClosed(false);
    ui::followLanguageWithFont();
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    useHome(home);
    static const auto* const guard = new UnansweredModalGuard;
    Q_UNUSED(guard);
}

// The control of window with the given object name; a missing one stops the run.
template <typename Widget = QWidget> Widget* child(const QObject* window, const QString& name)
{
    auto* found = control<Widget>(window, name);
    if (found == nullptr) {
        qFatal("no control %s", qPrintable(name));
    }
    return found;
}

// Runs the event loop as the program does: action first, then the loop until
// the program ends (returns 0) or still runs after half a second (returns 2).
inline int runProgram(const std::function<void()>& action)
{
    QObject timers; // its end stops both
    QTimer::singleShot(0, &timers, action);
    QTimer::singleShot(500, &timers, [] { QCoreApplication::exit(2); });
    return QCoreApplication::exec();
}

// Whether the program was ended outside the event loop since the last call
// (QCoreApplication::exit then makes the next event loop return at once).
inline bool exitRequested()
{
    QEventLoop probe;
    QTimer::singleShot(0, &probe, [&probe] { probe.exit(1); });
    const bool requested = probe.exec() == -1;
    runProgram([] { QCoreApplication::exit(0); }); // clears the request
    return requested;
}

// Closes and deletes every window (inside the event loop, where the program's
// end is harmless).
inline void closeAll()
{
    runProgram([] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->close();
        }
        QCoreApplication::exit(0);
    });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct Message {
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QMessageBox::StandardButtons buttons;
};

// An answer for ModalWatcher: notes the message box in seen and presses press
// on it; any other window, or a box without that button, is closed.
inline std::function<void(QWidget*)> pressing(std::optional<Message>& seen, QMessageBox::StandardButton press)
{
    return [&seen, press](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen = Message{box->text(), box->icon(), box->windowTitle(), box->standardButtons()};
            if (QAbstractButton* button = box->button(press)) {
                button->click();
                return;
            }
        }
        modal->close();
    };
}

// Runs action and answers the message box it shows with OK.
inline std::optional<Message> answerMessage(const std::function<void()>& action)
{
    std::optional<Message> seen;
    ModalWatcher watcher(pressing(seen, QMessageBox::Ok));
    action();
    return seen;
}

struct FileAnswer {
    std::optional<Message> warning; // before the dialog
    bool dialog = false; // a Qt file dialog was shown
    std::optional<Message> question; // over the dialog
    std::optional<Message> message; // after the dialog
};

// Runs action and answers the file dialog it opens: types name and accepts
// (an empty name cancels), presses reply on a question over the dialog and OK
// on a message after it. beforeAccept runs just before the accept. A message
// box before the dialog is answered with warningReply.
inline FileAnswer answerFile(const std::function<void()>& action, const QString& name,
    QMessageBox::StandardButton reply = QMessageBox::No, const std::function<void()>& beforeAccept = {},
    QMessageBox::StandardButton warningReply = QMessageBox::Cancel)
{
    FileAnswer seen;
    std::unique_ptr<ModalWatcher> dialog;
    std::unique_ptr<ModalWatcher> after;
    const std::function<void(QWidget*)> answerDialog = [&](QWidget* modal) {
        seen.dialog = qobject_cast<QFileDialog*>(modal) != nullptr
            && control<QLineEdit>(modal, QStringLiteral("fileNameEdit")) != nullptr;
        if (seen.dialog && !name.isEmpty()) {
            ModalWatcher question(pressing(seen.question, reply), modal);
            if (beforeAccept) {
                beforeAccept();
            }
            chooseFileIn(modal, name);
        }
        if (modal->isVisible()) { // cancelled, or still open after a "No"
            modal->close();
        }
        after = std::make_unique<ModalWatcher>(pressing(seen.message, QMessageBox::Ok), modal);
    };
    ModalWatcher watcher([&](QWidget* modal) {
        if (qobject_cast<QMessageBox*>(modal) == nullptr) {
            answerDialog(modal);
            return;
        }
        dialog = std::make_unique<ModalWatcher>(answerDialog, modal);
        pressing(seen.warning, warningReply)(modal);
    });
    action();
    return seen;
}
