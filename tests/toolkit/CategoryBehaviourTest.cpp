// Categories with behaviour over time: block timers, block alerts, the main-thread
// post, fades and the button text colour.
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <TamsuToolKit/Block.h>
#include <TamsuToolKit/Blocks.h>
#include <TamsuToolKit/Fade.h>
#include <TamsuToolKit/MainThread.h>
#include <TamsuToolKit/TextColor.h>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>
#include <thread>
#include <vector>

using namespace TamsuToolKit;

namespace {

TEST(ToolkitTimer, ScheduledOneShotFiresOnceWithItsTimer) {
    int fired = 0;
    QTimer* seen = nullptr;
    QPointer<QTimer> timer = Block::scheduledTimerWithTimeInterval(
        0.01,
        [&](QTimer* t) {
            ++fired;
            seen = t;
        },
        QStringLiteral("info"), false);
    ASSERT_FALSE(timer.isNull());
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->property("userInfo").toString(), QStringLiteral("info"));
    QTimer* raw = timer.data();
    EXPECT_TRUE(QTest::qWaitFor([&] { return timer.isNull(); }, 2000))
        << "a fired one-shot without owner deletes itself";
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(seen, raw);
}

// Watches whether the block's captures outlive the block deleting its own timer.
std::weak_ptr<int> gCaptureWatch;
bool gCaptureAliveAfterDelete = false;

TEST(ToolkitTimer, BlockMayDeleteItsOwnTimer) {
    auto capture = std::make_shared<int>(0);
    gCaptureWatch = capture;
    QPointer<QTimer> timer = Block::scheduledTimerWithTimeInterval(
        0.001,
        [capture](QTimer* t) {
            delete t;
            gCaptureAliveAfterDelete = !gCaptureWatch.expired();
        },
        {}, true);
    capture.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] { return timer.isNull(); }, 2000));
    EXPECT_TRUE(gCaptureAliveAfterDelete) << "the running block was destroyed under itself";
    EXPECT_TRUE(gCaptureWatch.expired()) << "and is released afterwards";
}

TEST(ToolkitTimer, RepeatingTimerKeepsFiring) {
    QObject owner;
    int fired = 0;
    QTimer* timer = Block::scheduledTimerWithTimeInterval(
        0.005, [&](QTimer*) { ++fired; }, {}, true, &owner);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired >= 3; }, 2000));
    EXPECT_FALSE(timer->isSingleShot());
}

TEST(ToolkitTimer, UnscheduledTimerWaitsForStart) {
    QObject owner;
    int fired = 0;
    QTimer* timer = Block::timerWithTimeInterval(
        0.001, [&](QTimer*) { ++fired; }, {}, false, &owner);
    EXPECT_FALSE(timer->isActive());
    QTest::qWait(20);
    EXPECT_EQ(fired, 0);
    Block::timerBlockProc(timer);
    EXPECT_EQ(fired, 1);
    QTimer plain;
    Block::timerBlockProc(&plain); // no block attached: nothing happens
    EXPECT_EQ(fired, 1);
}

struct AlertCase {
    const char* name;
    QString cancelTitle;
    QString clicked;
    std::vector<int> dismissed;
    int cancelled;
};

TEST(ToolkitAlert, ReturnCodeTable) {
    const QStringList others{QStringLiteral("First"), QStringLiteral("Second")};
    const AlertCase cases[] = {
        {"second other button", QStringLiteral("Cancel"), QStringLiteral("Second"), {1}, 0},
        {"first other button", QStringLiteral("Cancel"), QStringLiteral("First"), {0}, 0},
        {"cancel calls only the cancel block",
         QStringLiteral("Cancel"),
         QStringLiteral("Cancel"),
         {},
         1},
        {"no cancel title: last button dismisses", QString(), QStringLiteral("Second"), {1}, 0},
        {"no cancel title: first button dismisses", QString(), QStringLiteral("First"), {0}, 0},
    };
    QWidget window;
    window.resize(300, 200);
    window.show();
    for (const AlertCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int> dismissed;
        int cancelled = 0;
        QPointer<QMessageBox> alert = Blocks::showSheetModalForWindow(
            &window, QStringLiteral("Message"), QStringLiteral("Details"), QMessageBox::Warning,
            c.cancelTitle, others, nullptr, [&](int index) { dismissed.push_back(index); },
            [&] { ++cancelled; });
        ASSERT_FALSE(alert.isNull());
        EXPECT_EQ(alert->windowModality(), Qt::WindowModal);
        EXPECT_EQ(alert->text(), QStringLiteral("Message"));
        EXPECT_EQ(alert->buttons().size(), c.cancelTitle.isNull() ? 2 : 3);
        QAbstractButton* target = nullptr;
        for (QAbstractButton* button : alert->buttons()) {
            if (button->text() == c.clicked) {
                target = button;
            }
        }
        ASSERT_NE(target, nullptr);
        target->click();
        EXPECT_EQ(dismissed, c.dismissed);
        EXPECT_EQ(cancelled, c.cancelled);
        EXPECT_TRUE(QTest::qWaitFor([&] { return alert.isNull(); }, 2000))
            << "a closed alert deletes itself";
    }
}

TEST(ToolkitAlert, SecondAlertReplacesTheBlocks) {
    QWidget window;
    window.show();
    int firstCalls = 0;
    int secondCalls = 0;
    QPointer<QMessageBox> first = Blocks::showSheetModalForWindow(
        &window, QStringLiteral("one"), QString(), QMessageBox::Information, QString(),
        {QStringLiteral("A")}, nullptr, [&](int) { ++firstCalls; }, nullptr);
    QPointer<QMessageBox> second = Blocks::showSheetModalForWindow(
        &window, QStringLiteral("two"), QString(), QMessageBox::Information, QString(),
        {QStringLiteral("B")}, nullptr, [&](int) { ++secondCalls; }, nullptr);
    first->buttons().front()->click();
    EXPECT_EQ(firstCalls, 0);
    EXPECT_EQ(secondCalls, 1);
    second->buttons().front()->click();
    EXPECT_EQ(secondCalls, 2);
}

TEST(ToolkitMainThread, WaitingPostRunsOnTheMainThreadBeforeReturning) {
    const QThread* mainThread = QThread::currentThread();
    std::atomic<bool> ranOnMain{false};
    std::atomic<bool> ranBeforeReturn{false};
    std::atomic<bool> done{false};
    std::thread worker([&] {
        MainThread::postNotificationOnMainThread(
            [&] { ranOnMain = QThread::currentThread() == mainThread; }, true);
        ranBeforeReturn = ranOnMain.load();
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done.load(); }, 5000));
    worker.join();
    EXPECT_TRUE(ranOnMain);
    EXPECT_TRUE(ranBeforeReturn);
}

TEST(ToolkitMainThread, NonWaitingPostRunsOnALaterPass) {
    bool ran = false;
    MainThread::postNotificationOnMainThread([&] { ran = true; }, false);
    EXPECT_FALSE(ran);
    QCoreApplication::processEvents();
    EXPECT_TRUE(ran);
    bool direct = false;
    MainThread::postNotificationOnMainThread([&] { direct = true; }, true);
    EXPECT_TRUE(direct) << "waiting on the main thread runs at once";
}

TEST(ToolkitFade, FadeInShowsAndReachesFullOpacity) {
    QWidget window;
    window.resize(50, 50);
    Fade::fadeIn(&window);
    EXPECT_TRUE(window.isVisible());
    EXPECT_LT(window.windowOpacity(), 0.5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.windowOpacity() == 1.0; }, 3000));
}

TEST(ToolkitFade, FadeOutLeavesTheWindowShownAndTransparent) {
    QWidget window;
    window.show();
    Fade::fadeOut(&window);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.windowOpacity() == 0.0; }, 3000));
    EXPECT_TRUE(window.isVisible());
}

TEST(ToolkitFade, NewFadeStopsTheRunningOne) {
    QWidget window;
    window.show();
    Fade::fadeOut(&window);
    Fade::fadeIn(&window);
    QTest::qWait(Fade::FadeDurationMs + 200);
    EXPECT_EQ(window.windowOpacity(), 1.0);
}

TEST(ToolkitTextColor, RoundTrip) {
    QPushButton button(QStringLiteral("Title"));
    TextColor::setTextColor(&button, QColor(12, 34, 56));
    EXPECT_EQ(TextColor::textColor(&button), QColor(12, 34, 56));
    button.setText(QStringLiteral("Other"));
    EXPECT_EQ(TextColor::textColor(&button), QColor(12, 34, 56));
}

} // namespace
