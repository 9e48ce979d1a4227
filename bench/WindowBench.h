#pragma once
// Set-up shared by the window benchmarks: the board screen's size in the shared state and
// an event loop drained of closed windows between openings.

#include "core/state/JUXPrompt.h"
#include "ui/AppResources.h"
#include "ui/common/BoardScreen.h"

#include <QApplication>
#include <QGuiApplication>
#include <cstdio>

namespace eboard::bench {

// Lets queued work run, including the deletion of closed windows that the main loop
// would do.
inline void drain() {
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Translations, and the board screen's size as the agent stores it; false without a screen.
inline bool prepareBoardScreen(QApplication& app, const char* program) {
    QApplication::setQuitOnLastWindowClosed(false);
    if (boardScreen() == nullptr) {
        std::fprintf(stderr, "%s: no screen\n", program);
        return false;
    }
    installTranslations(app);
    takeBoardScreenSize();
    const QRect board = boardScreenGeometry();
    std::printf("screen %dx%d, platform %s\n", board.width(), board.height(),
                qPrintable(QGuiApplication::platformName()));
    return true;
}

} // namespace eboard::bench
