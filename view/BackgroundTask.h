// Runs a long computation of the core off the user-interface thread, with a
// progress dialog that lets the user cancel it.
#pragma once

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QString;
class QThread;
class QWidget;

// How long a computation may run before the progress dialog appears.
constexpr int kProgressDelayMs = 500;

// Runs work on a thread of its own and waits for it to return. While it
// waits the window keeps painting, but the user's input to it is dropped; once
// work has run for delayMs a modal progress dialog with label and a cancel
// button appears. Cancel (the button, Escape or closing the dialog) sets the
// flag work receives, and work should return soon after.
//
// Returns true when work ran to its end, false when the user cancelled; in
// both cases work has returned. An exception work throws is thrown again
// here. work must not touch GameState or any widget: give it copies, and take
// its results once this returns.
bool RunInBackground(QWidget* parent, const QString& label,
                     const std::function<void(const std::atomic<bool>& cancel)>& work,
                     int delayMs = kProgressDelayMs);

// Runs one computation at a time on a thread of its own, with no dialog and
// without holding the window back. Starting another one, or Stop, cancels
// the one running and drops its result. Destroying the runner cancels what
// runs and waits for it.
class LatestJob : public QObject {
public:
    using Work = std::function<void(const std::atomic<bool>& cancel)>;

    explicit LatestJob(QObject* parent = nullptr) : QObject(parent) {}
    ~LatestJob() override;

    // done runs on this object's thread once work has returned, unless Start
    // or Stop was called in the meantime. work must not touch GameState or
    // any widget; an exception it throws drops its result.
    void Start(Work work, std::function<void()> done);
    void Stop();

private:
    struct Run {
        QThread* thread;
        std::shared_ptr<std::atomic<bool>> cancel;
    };
    std::vector<Run> m_runs;
    int m_generation = 0;
};
