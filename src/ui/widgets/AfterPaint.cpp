#include "ui/widgets/AfterPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>

#include <utility>
#include <vector>

namespace ui {
namespace {

// The jobs waiting for the next paint, and the watch on the application's
// events that runs them.
class WaitingForPaint final : public QObject {
public:
    static WaitingForPaint* instance()
    {
        if (s_waiting == nullptr) {
            s_waiting = new WaitingForPaint;
        }
        return s_waiting;
    }

    void add(std::function<void()> job, bool mustRun) { m_jobs.push_back({std::move(job), mustRun}); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && !m_painted) {
            m_painted = true;
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { finish(true); });
        }
        return false;
    }

private:
    WaitingForPaint()
        : QObject(qApp)
    {
        qApp->installEventFilter(this);
        connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { finish(false); });
    }

    // While the program runs every job runs; at its end only those that must.
    void finish(bool running)
    {
        if (m_finished) {
            return;
        }
        m_finished = true;
        if (s_waiting == this) {
            s_waiting = nullptr;
        }
        qApp->removeEventFilter(this);
        for (const Job& job : std::exchange(m_jobs, {})) {
            if (running || job.mustRun) {
                job.run();
            }
        }
        deleteLater();
    }

    struct Job {
        std::function<void()> run;
        bool mustRun;
    };
    static inline QPointer<WaitingForPaint> s_waiting;
    std::vector<Job> m_jobs;
    bool m_painted = false;
    bool m_finished = false;
};

} // namespace

void afterNextPaint(std::function<void()> job, bool mustRun)
{
    WaitingForPaint::instance()->add(std::move(job), mustRun);
}

} // namespace ui
