#include "view/BackgroundTask.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QString>
#include <QTimer>

#include <exception>
#include <thread>

bool RunInBackground(QWidget* parent, const QString& label,
                     const std::function<void(const std::atomic<bool>& cancel)>& work, int delayMs)
{
    std::atomic<bool> cancel{false};
    std::atomic<bool> done{false};
    std::exception_ptr failure;
    QEventLoop loop;

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
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    delay.stop();

    bool cancelled = false;
    if (!done) {
        QProgressDialog dialog(label, QStringLiteral("ｷｬﾝｾﾙ"), 0, 0, parent);
        dialog.setWindowTitle(QStringLiteral("vandor"));
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.setMinimumDuration(0);
        dialog.setAutoClose(false);
        dialog.setAutoReset(false);
        // The button and closing the dialog say canceled; Escape only rejects.
        const auto stop = [&] {
            cancelled = true;
            cancel = true;
            loop.quit();
        };
        QObject::connect(&dialog, &QProgressDialog::canceled, &loop, stop);
        QObject::connect(&dialog, &QDialog::rejected, &loop, stop);
        dialog.show();
        if (!done)
            loop.exec();
    }
    // After a cancel the dialog is gone; wait for the worker to stop without
    // letting the user edit the board in the meantime.
    if (!done)
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    worker.join();
    if (failure)
        std::rethrow_exception(failure);
    return !cancelled;
}
