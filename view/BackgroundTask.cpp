#include "view/BackgroundTask.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QString>
#include <QThread>
#include <QTimer>

#include <algorithm>

#include <exception>
#include <thread>

namespace {

// While it lives, the user's input reaches nothing but the progress dialog:
// keys, clicks and shortcuts meant for the window are dropped, not held back
// to act once the work is done.
class InputBlocker : public QObject {
public:
    InputBlocker() { qApp->installEventFilter(this); }
    ~InputBlocker() override { qApp->removeEventFilter(this); }

    QWidget* allowed = nullptr;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
            break;
        default:
            return false;
        }
        // The dialog's own parts, its Escape shortcut among them, still work.
        for (const QObject* o = receiver; o; o = o->parent()) {
            if (allowed && o == allowed)
                return false;
        }
        return true;
    }
};

// A busy indicator (no range) that only the user closes.
void SetUpProgress(QProgressDialog& dialog)
{
    dialog.setWindowTitle(QStringLiteral("vandor"));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinimumDuration(0);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
}

}  // namespace

bool RunInBackground(QWidget* parent, const QString& label,
                     const std::function<void(const std::atomic<bool>& cancel)>& work, int delayMs)
{
    std::atomic<bool> cancel{false};
    std::atomic<bool> done{false};
    std::exception_ptr failure;
    QEventLoop loop;
    InputBlocker blocker;

    // The worker posts one quit when it is done; every wait below starts
    // only while done is still false, so that quit ends the wait it belongs to.
    std::thread worker([&] {
        try {
            work(cancel);
        } catch (...) {
            failure = std::current_exception();
        }
        done = true;
        QMetaObject::invokeMethod(&loop, [&loop] { loop.quit(); }, Qt::QueuedConnection);
    });

    QTimer delay;
    delay.setSingleShot(true);
    QObject::connect(&delay, &QTimer::timeout, &loop, &QEventLoop::quit);
    delay.start(delayMs);
    if (!done)
        loop.exec();
    delay.stop();

    bool cancelled = false;
    if (!done) {
        QProgressDialog dialog(label, QStringLiteral("ｷｬﾝｾﾙ"), 0, 0, parent);
        SetUpProgress(dialog);
        // The button and closing the dialog say canceled; Escape only rejects.
        const auto stop = [&] {
            cancelled = true;
            cancel = true;
            loop.quit();
        };
        QObject::connect(&dialog, &QProgressDialog::canceled, &loop, stop);
        QObject::connect(&dialog, &QDialog::rejected, &loop, stop);
        blocker.allowed = &dialog;
        dialog.show();
        if (!done)
            loop.exec();
    }
    // After a cancel the dialog is gone; wait for the worker to stop without
    // letting the user edit the board in the meantime.
    blocker.allowed = nullptr;
    if (!done)
        loop.exec();

    worker.join();
    if (failure)
        std::rethrow_exception(failure);
    return !cancelled;
}

LatestJob::~LatestJob()
{
    for (const Run& run : m_runs)
        *run.cancel = true;
    for (const Run& run : m_runs) {
        run.thread->wait();
        delete run.thread;
    }
}

void LatestJob::Start(Work work, std::function<void()> done)
{
    Stop();
    const int generation = m_generation;
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    auto ok = std::make_shared<bool>(false);
    QThread* thread = QThread::create([work = std::move(work), cancel, ok] {
        try {
            work(*cancel);
            *ok = true;
        } catch (...) {
        }
    });
    connect(thread, &QThread::finished, this, [this, thread, generation, ok, done = std::move(done)] {
        m_runs.erase(std::remove_if(m_runs.begin(), m_runs.end(), [thread](const Run& r) { return r.thread == thread; }),
                     m_runs.end());
        thread->deleteLater();
        if (generation == m_generation && *ok)
            done();
    });
    m_runs.push_back({thread, cancel});
    thread->start();
}

void LatestJob::Stop()
{
    ++m_generation;
    for (const Run& run : m_runs)
        *run.cancel = true;
}
