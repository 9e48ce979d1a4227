#pragma once

#include <QTimer>
#include <QVariant>
#include <TamsuToolKit/Export.h>
#include <functional>

// Category NSTimer (Block): timers that call a std::function instead of a
// target/selector. NSTimer maps to QTimer, the run loop to the calling thread's
// Qt event loop, user info to the timer's "userInfo" property.
namespace TamsuToolKit::Block {

using TimerBlock = std::function<void(QTimer* timer)>;

// A started timer. With a parent the parent owns it. Without one a one-shot timer
// deletes itself after it fired (the run loop let go of it) and a repeating one
// lives until the caller stops it and calls deleteLater().
TAMSUTOOLKIT_EXPORT QTimer* scheduledTimerWithTimeInterval(double seconds, TimerBlock block,
                                                           const QVariant& userInfo, bool repeats,
                                                           QObject* parent = nullptr);

// The same timer, not started: call start() on it. Owned by `parent`, or by the
// caller when there is none.
TAMSUTOOLKIT_EXPORT QTimer* timerWithTimeInterval(double seconds, TimerBlock block,
                                                  const QVariant& userInfo, bool repeats,
                                                  QObject* parent = nullptr);

// One firing: calls the block attached to `timer`; a timer without one does nothing.
TAMSUTOOLKIT_EXPORT void timerBlockProc(QTimer* timer);

} // namespace TamsuToolKit::Block
