#pragma once
// Waits in tests that run a Qt event loop: QTest::qWaitFor(condition, ms) runs the loop
// until the condition holds or the time is up, QTest::qWait(ms) for a while; and
// drainEvents() lets what is already queued run.

#include <QCoreApplication>
#include <QtCore/qtestsupport_core.h>

namespace eboard::testing {

// Lets every event already queued (and those they queue at once) run.
inline void drainEvents() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

} // namespace eboard::testing
