#include "core/notify/NotificationCenter.h"

#include "core/notify/ObserverSet.h"

#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using eboard::NotificationCenter;

// Observer tags: only their addresses matter.
char kA, kB, kC; // mutable objects, so their addresses are distinct

TEST(NotificationCenter, DeliversToObserversOfTheNameInRegistrationOrder) {
    NotificationCenter center;
    std::vector<std::string> calls;
    center.addObserver(&kB, "Ping", [&] { calls.push_back("B"); });
    center.addObserver(&kA, "Pong", [&] { calls.push_back("A-pong"); });
    center.addObserver(&kA, "Ping", [&] { calls.push_back("A"); });
    center.addObserver(&kC, "Ping", [&] { calls.push_back("C"); });

    center.postNotification("Ping");
    EXPECT_EQ(calls, (std::vector<std::string>{"B", "A", "C"}));
    calls.clear();
    center.postNotification("Nobody");
    EXPECT_TRUE(calls.empty());
}

TEST(NotificationCenter, RemovesPerObserverAndNameOrPerObserver) {
    NotificationCenter center;
    std::vector<std::string> calls;
    center.addObserver(&kA, "Ping", [&] { calls.push_back("A-ping"); });
    center.addObserver(&kA, "Pong", [&] { calls.push_back("A-pong"); });
    center.addObserver(&kB, "Ping", [&] { calls.push_back("B-ping"); });

    center.removeObserver(&kA, "Ping");
    center.postNotification("Ping");
    center.postNotification("Pong");
    EXPECT_EQ(calls, (std::vector<std::string>{"B-ping", "A-pong"}));

    calls.clear();
    center.addObserver(&kA, "Ping", [&] { calls.push_back("A-ping"); });
    center.removeObserver(&kA);
    center.postNotification("Ping");
    center.postNotification("Pong");
    EXPECT_EQ(calls, (std::vector<std::string>{"B-ping"}));
    EXPECT_EQ(center.observerCount("Pong"), 0u);
}

TEST(NotificationCenter, RegisteringTwiceDeliversTwiceAndOneRemovalRemovesBoth) {
    NotificationCenter center;
    int calls = 0;
    center.addObserver(&kA, "Ping", [&] { ++calls; });
    center.addObserver(&kA, "Ping", [&] { ++calls; });
    center.postNotification("Ping");
    EXPECT_EQ(calls, 2);
    center.removeObserver(&kA, "Ping");
    center.postNotification("Ping");
    EXPECT_EQ(calls, 2);
}

// The dialog answer pairs: whichever handler runs first removes both registrations.
TEST(NotificationCenter, ObserverRemovedDuringAPostIsNotCalledLaterInThatPost) {
    NotificationCenter center;
    std::vector<std::string> calls;
    center.addObserver(&kA, "Yes", [&] {
        calls.push_back("A");
        center.removeObserver(&kB, "Yes");
        center.removeObserver(&kA, "Yes"); // itself, while it runs
    });
    center.addObserver(&kB, "Yes", [&] { calls.push_back("B"); });
    center.addObserver(&kC, "Yes", [&] { calls.push_back("C"); });

    center.postNotification("Yes");
    EXPECT_EQ(calls, (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(center.observerCount("Yes"), 1u);
    calls.clear();
    center.postNotification("Yes");
    EXPECT_EQ(calls, (std::vector<std::string>{"C"}));
}

TEST(NotificationCenter, ObserverAddedDuringAPostIsFirstCalledByTheNextPost) {
    NotificationCenter center;
    std::vector<std::string> calls;
    center.addObserver(&kA, "Ping", [&] {
        calls.push_back("A");
        center.addObserver(&kB, "Ping", [&] { calls.push_back("B"); });
    });
    center.postNotification("Ping");
    EXPECT_EQ(calls, (std::vector<std::string>{"A"}));
    calls.clear();
    center.postNotification("Ping");
    EXPECT_EQ(calls, (std::vector<std::string>{"A", "B"}));
}

TEST(NotificationCenter, NestedPostIsDeliveredWholeBeforeTheOuterGoesOn) {
    NotificationCenter center;
    std::vector<std::string> calls;
    center.addObserver(&kA, "Outer", [&] {
        calls.push_back("outer-A");
        center.postNotification("Inner");
    });
    center.addObserver(&kB, "Inner", [&] {
        calls.push_back("inner-B");
        center.removeObserver(&kC); // removed inside the nested post
    });
    center.addObserver(&kC, "Outer", [&] { calls.push_back("outer-C"); });
    center.addObserver(&kC, "Inner", [&] { calls.push_back("inner-C"); });

    center.postNotification("Outer");
    EXPECT_EQ(calls, (std::vector<std::string>{"outer-A", "inner-B"}));
    EXPECT_EQ(center.observerCount("Outer"), 1u);
    EXPECT_EQ(center.observerCount("Inner"), 1u);
}

TEST(NotificationCenter, AnObserverThatThrowsLeavesTheCentreUsable) {
    NotificationCenter center;
    int calls = 0;
    center.addObserver(&kA, "Ping", [&] {
        center.removeObserver(&kA);
        throw std::runtime_error("observer failed");
    });
    center.addObserver(&kB, "Ping", [&] { ++calls; });
    EXPECT_THROW(center.postNotification("Ping"), std::runtime_error);
    // The removal made during the failed post is swept; later removals are immediate.
    EXPECT_EQ(center.observerCount("Ping"), 1u);
    center.postNotification("Ping");
    EXPECT_EQ(calls, 1);
}

TEST(NotificationCenter, DefaultCenterIsOneInstance) {
    EXPECT_EQ(&NotificationCenter::defaultCenter(), &NotificationCenter::defaultCenter());
}

} // namespace

namespace eboard {
namespace {

TEST(ObserverSet, DestroyingTheSetEndsEveryObservation) {
    NotificationCenter center;
    int calls = 0;
    {
        ObserverSet set(center);
        set.observe("A", [&] { ++calls; });
        set.observe("B", [&] { ++calls; });
        center.postNotification("A");
        EXPECT_EQ(center.observerCount("B"), 1u);
    }
    center.postNotification("A");
    center.postNotification("B");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(center.observerCount("A"), 0u);
    EXPECT_EQ(center.observerCount("B"), 0u);
}

TEST(ObserverSet, ReplacingTheOwnerKeepsOnlyTheNewObservations) {
    NotificationCenter center;
    std::vector<int> seen;
    auto first = std::make_unique<ObserverSet>(center);
    first->observe("UpdatePreView", [&] { seen.push_back(1); });
    auto second = std::make_unique<ObserverSet>(center);
    second->observe("UpdatePreView", [&] { seen.push_back(2); });
    first = std::move(second);
    center.postNotification("UpdatePreView");
    EXPECT_EQ(seen, std::vector<int>{2});
}

TEST(NotificationCenterTap, SeesEveryPostBeforeTheObservers) {
    NotificationCenter center;
    std::vector<std::string> order;
    center.addObserver(&order, "X", [&] { order.push_back("observer"); });
    center.setPostTap([&](std::string_view name) { order.push_back("tap " + std::string(name)); });
    center.postNotification("X");
    center.postNotification("Y");
    center.setPostTap({});
    center.postNotification("Z");
    EXPECT_EQ(order, (std::vector<std::string>{"tap X", "observer", "tap Y"}));
}

} // namespace
} // namespace eboard
