// The full-screen dialogs and the result screen when the board moves to an output of
// another size: their invisible buttons must stay on the faces the picture draws, which
// the layout functions place from the board's size. Two outputs of the offscreen platform
// (1440x900 primary, 1920x1080 beside it) stand in for a laptop and a projector. Also
// what the agent answers to a choice of board output: the output it really uses.
#include "app/AppDelegate.h"
#include "core/layout/DialogLayout.h"
#include "core/layout/ResultLayout.h"
#include "core/state/JUXPrompt.h"
#include "support/EventLoop.h"
#include "support/LoopbackBus.h"
#include "ui/calibration/CalibrateMessageWindowController.h"
#include "ui/common/BoardScreen.h"
#include "ui/dialogs/AbortWindowController.h"
#include "ui/dialogs/CalibrateExcellentWindow.h"
#include "ui/dialogs/CheckCamPositionWindow.h"
#include "ui/dialogs/DialogButtons.h"

#include <QGuiApplication>
#include <QScreen>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <utility>

namespace eboard::testing {
namespace {

// What each window shows: its buttons (negative, affirmative) and where the layout
// functions put them on a board of width x height.
struct OpenWindow {
    AgentWindow* window = nullptr;
    QWidget* negative = nullptr;
    QWidget* affirmative = nullptr;
    std::shared_ptr<void> controller;
};

struct WindowCase {
    const char* name;
    std::function<OpenWindow()> open;
    std::function<layout::ButtonPair(std::int32_t, std::int32_t)> frames;
};

void PrintTo(const WindowCase& c, std::ostream* out) {
    *out << c.name;
}

template <typename Controller> std::shared_ptr<Controller> shown() {
    auto controller = std::make_shared<Controller>();
    controller->showWindow();
    return controller;
}

const WindowCase kCases[] = {
    {"abort",
     [] {
         auto c = shown<AbortWindowController>();
         c->setDlgInfo(0, QStringLiteral("Yes"), QStringLiteral("No"));
         return OpenWindow{c->window(), c->btn_AbortNo(), c->btn_AbortYes(), c};
     },
     [](std::int32_t w, std::int32_t h) {
         return layout::stopDialogButtons(layout::stopDialog(w, h).leastDrawPoint);
     }},
    {"excellent",
     [] {
         auto c = shown<CalibrateExcellentWindow>();
         c->setDlgInfo(QStringLiteral("Finish"), QStringLiteral("Retry"));
         return OpenWindow{c->window(), c->btn_RetryDia(), c->btn_FinishDia(), c};
     },
     [](std::int32_t w, std::int32_t h) {
         return layout::excellentDialogButtons(layout::pictureDialogAnchor(w, h));
     }},
    {"camera position",
     [] {
         auto c = shown<CheckCamPositionWindow>();
         c->setDlgInfo(QStringLiteral("GoOn"), QStringLiteral("Cancel"));
         return OpenWindow{c->window(), c->btn_cancel(), c->btn_Sd(), c};
     },
     [](std::int32_t w, std::int32_t h) {
         return layout::cameraPositionDialogButtons(layout::pictureDialogAnchor(w, h));
     }},
    {"result",
     [] {
         auto c = shown<CalibrateMessageWindowController>();
         c->setErrorType(2, 1, 0, QStringLiteral("Restart"), QStringLiteral("Close"));
         return OpenWindow{c->window(), c->btn_close(), c->btn_Start(), c};
     },
     [](std::int32_t w, std::int32_t h) {
         const layout::ResultButtons b = layout::resultButtons(layout::resultAnchor(w, h));
         return layout::ButtonPair{b.close, b.start};
     }},
};

// A layout frame (origin bottom-left) as a widget frame on a board of height h.
QRect widgetFrame(const layout::RectD& frame, int h) {
    const layout::RectD r = layout::toTopDown(frame, h);
    return QRectF(r.x, r.y, r.width, r.height).toRect();
}

class WindowFollowTest : public ::testing::TestWithParam<WindowCase> {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::screens().size(), 2);
        ASSERT_EQ(boardScreenGeometry(), QRect(0, 0, 1440, 900));
        // As at start-up: the board's size is known before any window opens.
        JUXPrompt& prompt = JUXPrompt::getPrompt();
        prompt.setScreenWidth(1440);
        prompt.setScreenHeight(900);
    }
    void TearDown() override {
        delegate.setBoardOutput("primary");
        drainEvents();
    }

    // The buttons sit where the layout functions put them for the board's current size,
    // and a click at a face's centre lands on its button.
    void expectButtonsOnTheFaces(const OpenWindow& open, const char* when) {
        SCOPED_TRACE(when);
        const QRect board = boardScreenGeometry();
        ASSERT_EQ(open.window->geometry(), board);
        const layout::ButtonPair frames = GetParam().frames(board.width(), board.height());
        const QRect negative = widgetFrame(frames.type0, board.height());
        const QRect affirmative = widgetFrame(frames.type1, board.height());
        EXPECT_EQ(open.negative->geometry(), negative);
        EXPECT_EQ(open.affirmative->geometry(), affirmative);
        const QWidget* page = open.negative->parentWidget();
        EXPECT_EQ(page->geometry(), QRect(QPoint(0, 0), board.size()));
        EXPECT_EQ(open.window->childAt(page->mapTo(open.window, negative.center())), open.negative);
        EXPECT_EQ(open.window->childAt(page->mapTo(open.window, affirmative.center())),
                  open.affirmative);
    }

    LoopbackBus bus;
    AppDelegate delegate{bus, AgentOptions{}};
};

TEST_P(WindowFollowTest, ButtonsFollowTheBoardToAnOutputOfAnotherSize) {
    const OpenWindow open = GetParam().open();
    ASSERT_NE(open.window, nullptr);
    ASSERT_TRUE(open.window->isVisible());
    drainEvents();
    expectButtonsOnTheFaces(open, "on the laptop");

    delegate.setBoardOutput("projector");
    drainEvents();
    ASSERT_EQ(boardScreenGeometry(), QRect(1440, 0, 1920, 1080));
    expectButtonsOnTheFaces(open, "on the projector");

    delegate.setBoardOutput("primary");
    drainEvents();
    expectButtonsOnTheFaces(open, "back on the laptop");
}

// A window closed while the board changes and opened again by the same controller.
TEST_P(WindowFollowTest, AWindowOpenedAgainAfterAChangeHasItsButtonsOnTheFaces) {
    const OpenWindow open = GetParam().open();
    drainEvents();
    open.window->close();
    delegate.setBoardOutput("projector");
    drainEvents();
    open.window->present();
    drainEvents();
    expectButtonsOnTheFaces(open, "opened again on the projector");
}

INSTANTIATE_TEST_SUITE_P(FullScreenWindows, WindowFollowTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<WindowCase>& param) {
                             std::string name = param.param.name;
                             std::erase(name, ' ');
                             return name;
                         });

TEST(BoardOutputAnswer, EveryChoiceIsAnsweredWithTheOutputTheBoardIsOnNow) {
    LoopbackBus bus;
    AppDelegate delegate(bus, AgentOptions{});
    // (the choice, the output the agent must say the board is on); an output that is not
    // connected leaves the primary, and no name at all is the primary
    const std::pair<std::string, std::string> cases[] = {
        {"no-such-output", "laptop"},
        {"projector", "projector"},
        {"laptop", "laptop"},
        {"primary", "laptop"},
        {"", "laptop"},
    };
    for (const auto& [choice, board] : cases) {
        bus.posted.clear();
        delegate.setBoardOutput(choice);
        ASSERT_FALSE(bus.posted.empty()) << choice;
        const PostedNotification& answer = bus.posted.back();
        EXPECT_EQ(answer.name, "BoardOutput");
        EXPECT_EQ(answer.object, kCommandObject);
        const std::string taken = choice.empty() ? "primary" : choice;
        EXPECT_EQ(answer.userInfo, (UserInfo{{"output", taken}, {"board", board}})) << choice;
        EXPECT_EQ(boardScreen()->name().toStdString(), board) << choice;
    }
}

} // namespace
} // namespace eboard::testing
