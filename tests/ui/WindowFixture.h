#pragma once
// Shared set-up of the tests of the screens and dialogs on the real X display: the board
// screen's size in the shared state, the display worked as a user works it, and another
// application's window to compete with.

#include "ScreenFixture.h"
#include "support/EventLoop.h"
#include "support/OnScreen.h"
#include "support/XDesktop.h"
#include "ui/common/BoardScreen.h"

#include <QProcess>
#include <QRect>
#include <QString>
#include <gtest/gtest.h>
#include <vector>

namespace eboard::testing {

class WindowFixture : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        ASSERT_TRUE(desktop.open());
        const QRect board = boardScreenGeometry();
        width = board.width();
        height = board.height();
        useScreen(width, height);
    }

    void TearDown() override {
        if (otherApplication.state() != QProcess::NotRunning) {
            otherApplication.kill();
            otherApplication.waitForFinished(2000);
        }
        ScreenFixture::TearDown();
    }

    QImage screenshot() const { return testing::screenshot(desktop); }

    // Another application's window at WIDTHxHEIGHT+X+Y, once it is on screen.
    void openOtherApplication(const QString& geometry) {
        otherApplication.start(QStringLiteral("xmessage"), {QStringLiteral("-geometry"), geometry,
                                                            QStringLiteral("another application")});
        ASSERT_TRUE(otherApplication.waitForStarted(3000));
        std::vector<XDesktop::Window> found;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            found = desktop.windows(XDesktop::By::Class, "Xmessage");
            return !found.empty();
        }));
        otherWindow = found.front();
    }

    int width = 0;
    int height = 0;
    XDesktop desktop;
    QProcess otherApplication;
    XDesktop::Window otherWindow = 0;
};

} // namespace eboard::testing
