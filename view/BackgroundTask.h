// Runs a long computation of the core off the user-interface thread, with a
// progress dialog that lets the user cancel it.
#pragma once

#include <atomic>
#include <functional>

class QString;
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
