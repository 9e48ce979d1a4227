#include "core/pen/MouseSimulator.h"

#include "core/pen/LogPointerSink.h"
#include "support/RecordingPointerSink.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

using eboard::MouseSimulator;
using eboard::PointD;
using eboard::RecordingPointerSink;
using Event = RecordingPointerSink::Event;
using Kind = RecordingPointerSink::Kind;

TEST(MouseSimulator, PressesAreNumberedFrom1025AndReleasesRepeatTheNumber) {
    RecordingPointerSink sink;
    MouseSimulator mouse(&sink);
    EXPECT_EQ(mouse.eventNumber(), 1024u);
    EXPECT_EQ(mouse.lastLocation(), (PointD{0, 0}));

    mouse.leftButtonDown({1, 2});
    mouse.leftButtonUp({1, 2});
    mouse.rightButtonDown({3, 4});
    mouse.rightButtonUp({3, 4});
    mouse.leftButtonUp({5, 6}); // a release without a press keeps the current number
    EXPECT_EQ(sink.events, (std::vector<Event>{{Kind::LeftDown, {1, 2}, 1025, 0, 0},
                                               {Kind::LeftUp, {1, 2}, 1025, 0, 0},
                                               {Kind::RightDown, {3, 4}, 1026, 0, 0},
                                               {Kind::RightUp, {3, 4}, 1026, 0, 0},
                                               {Kind::LeftUp, {5, 6}, 1026, 0, 0}}));
}

TEST(MouseSimulator, NumbersBelow1024RestartThereAndTheCounterWraps) {
    RecordingPointerSink sink;
    MouseSimulator mouse(&sink);
    mouse.setEventNumber(5);
    mouse.leftButtonDown({});
    EXPECT_EQ(sink.events.back().eventNumber, 1024u);

    mouse.setEventNumber(std::numeric_limits<std::uint32_t>::max() - 1);
    mouse.rightButtonDown({});
    EXPECT_EQ(sink.events.back().eventNumber, 4294967295u);
    mouse.leftButtonDown({});
    EXPECT_EQ(sink.events.back().eventNumber, 0u); // wrapped
    mouse.leftButtonUp({});
    EXPECT_EQ(sink.events.back().eventNumber, 0u);
    mouse.leftButtonDown({});
    EXPECT_EQ(sink.events.back().eventNumber, 1024u);
}

TEST(MouseSimulator, DragDeltasTruncateTowardZeroFromTheLastLocation) {
    RecordingPointerSink sink;
    MouseSimulator mouse(&sink);
    mouse.setLastLocation({100, 100});
    mouse.leftMouseDragging({103.9, 98.2});
    mouse.leftMouseDragging({100.5, 99.0});
    EXPECT_EQ(sink.events, (std::vector<Event>{{Kind::LeftDrag, {103.9, 98.2}, 0, 3, -1},
                                               {Kind::LeftDrag, {100.5, 99.0}, 0, -3, 0}}));
    EXPECT_EQ(mouse.lastLocation(), (PointD{100.5, 99.0}));
}

TEST(MouseSimulator, PressesLeaveTheLastLocationOtherOperationsSetIt) {
    RecordingPointerSink sink;
    MouseSimulator mouse(&sink);
    mouse.movePosition({10, 10});
    mouse.leftButtonDown({50, 50});
    mouse.rightButtonDown({60, 60});
    EXPECT_EQ(mouse.lastLocation(), (PointD{10, 10}));
    mouse.leftMouseDragging({12, 13}); // deltas from the move, not from the presses
    EXPECT_EQ(sink.events.back(), (Event{Kind::LeftDrag, {12, 13}, 0, 2, 3}));

    for (auto operation : {&MouseSimulator::leftButtonUp, &MouseSimulator::rightButtonUp,
                           &MouseSimulator::leftMouseDoubleClick, &MouseSimulator::movePosition}) {
        mouse.setLastLocation({});
        (mouse.*operation)({7, 8});
        EXPECT_EQ(mouse.lastLocation(), (PointD{7, 8}));
    }
}

TEST(MouseSimulator, DoubleClickIsOneSinkOperationWithoutANumber) {
    RecordingPointerSink sink;
    MouseSimulator mouse(&sink);
    mouse.leftMouseDoubleClick({4, 5});
    EXPECT_EQ(sink.events, (std::vector<Event>{{Kind::LeftDouble, {4, 5}, 0, 0, 0}}));
    EXPECT_EQ(mouse.eventNumber(), 1024u);
}

TEST(MouseSimulator, WithoutASinkTheBookkeepingGoesOn) {
    MouseSimulator mouse;
    mouse.leftButtonDown({1, 1});
    mouse.leftButtonUp({2, 2});
    EXPECT_EQ(mouse.eventNumber(), 1025u);
    EXPECT_EQ(mouse.lastLocation(), (PointD{2, 2}));
}

TEST(MouseSimulator, DeltasSaturateInsteadOfOverflowing) {
    EXPECT_EQ(eboard::truncatedDelta(0, 1e300), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(eboard::truncatedDelta(0, -1e300), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(eboard::truncatedDelta(1.0, -2.9), -3);
}

TEST(LogPointerSink, WritesOneLinePerEvent) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    eboard::LogPointerSink sink(file);
    MouseSimulator mouse(&sink);
    mouse.movePosition({100, 200});
    mouse.leftButtonDown({100, 200});
    mouse.leftMouseDragging({103.456, 198.004});
    mouse.leftButtonUp({-2.5, 0});
    mouse.leftMouseDoubleClick({-2.5, 0});
    mouse.rightButtonDown({1, 2});
    mouse.rightButtonUp({1, 2});
    std::rewind(file);
    std::string text;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        text += static_cast<char>(c);
    }
    std::fclose(file);
    EXPECT_EQ(text, "move 100.00 200.00\n"
                    "left-down 100.00 200.00 1025\n"
                    "left-drag 103.46 198.00 3 -1\n"
                    "left-up -2.50 0.00 1025\n"
                    "left-double -2.50 0.00\n"
                    "right-down 1.00 2.00 1026\n"
                    "right-up 1.00 2.00 1026\n");
}

} // namespace
