#include "core/layout/BoardGeometry.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace eboard::layout {
namespace {

// One layout of the table: the outputs, which one is the board, a logical point on it and
// where that point must land.
struct LayoutCase {
    const char* name;
    std::vector<OutputGeometry> outputs;
    std::size_t board;
    PointD logical;
    PixelRect desktop; // device pixels
    PixelPoint device; // root-window pixel
    PixelPoint axes;   // uinput axis values
};

OutputGeometry output(const char* name, PixelRect logical, double scale, bool primary = false) {
    return {name, logical, scale, primary};
}

class BoardLayouts : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(BoardLayouts, PointLandsOnTheBoardOutput) {
    const LayoutCase& c = GetParam();
    const BoardGeometry geometry = boardGeometry(c.outputs, c.board);
    EXPECT_EQ(geometry.desktop, c.desktop);
    EXPECT_EQ(boardToDevice(geometry, c.logical), c.device);
    EXPECT_EQ(boardToAxes(geometry, c.logical), c.axes);
    // The landing pixel lies on the board output, whatever its neighbours.
    const PixelRect board = geometry.board;
    EXPECT_GE(c.device.x, board.x);
    EXPECT_LT(c.device.x, board.x + board.width);
    EXPECT_GE(c.device.y, board.y);
    EXPECT_LT(c.device.y, board.y + board.height);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BoardLayouts,
    ::testing::Values(LayoutCase{"OneOutputScale1",
                                 {output("eDP-1", {0, 0, 1920, 1080}, 1.0, true)},
                                 0,
                                 {150.5, 236.9},
                                 {0, 0, 1920, 1080},
                                 {150, 236},
                                 {150, 236}},
                      LayoutCase{"OneOutputScale2",
                                 {output("eDP-1", {0, 0, 960, 540}, 2.0, true)},
                                 0,
                                 {75.3, 118.2},
                                 {0, 0, 1920, 1080},
                                 {150, 236},
                                 {150, 236}},
                      LayoutCase{"OneOutputScale1point5",
                                 {output("eDP-1", {0, 0, 1280, 720}, 1.5, true)},
                                 0,
                                 {100.4, 157.4},
                                 {0, 0, 1920, 1080},
                                 {150, 236},
                                 {150, 236}},
                      LayoutCase{"BoardLeftOfLaptop",
                                 {output("HDMI-1", {0, 0, 1024, 768}, 1.0),
                                  output("eDP-1", {1024, 0, 1920, 1080}, 1.0, true)},
                                 0,
                                 {1000, 700},
                                 {0, 0, 2944, 1080},
                                 {1000, 700},
                                 {1000, 700}},
                      LayoutCase{"BoardRightOfLaptop",
                                 {output("eDP-1", {0, 0, 1920, 1080}, 1.0, true),
                                  output("HDMI-1", {1920, 0, 1024, 768}, 1.0)},
                                 1,
                                 {10, 20},
                                 {0, 0, 2944, 1080},
                                 {1930, 20},
                                 {1930, 20}},
                      LayoutCase{"BoardAboveLaptop",
                                 {output("eDP-1", {0, 768, 1920, 1080}, 1.0, true),
                                  output("HDMI-1", {448, 0, 1024, 768}, 1.0)},
                                 1,
                                 {512, 767.9},
                                 {0, 0, 1920, 1848},
                                 {960, 767},
                                 {960, 767}},
                      LayoutCase{"BoardAtNegativeOrigin",
                                 {output("eDP-1", {0, 0, 1920, 1080}, 1.0, true),
                                  output("HDMI-1", {-1280, -200, 1280, 800}, 1.0)},
                                 1,
                                 {640, 400},
                                 {-1280, -200, 3200, 1280},
                                 {-640, 200},
                                 {640, 400}},
                      LayoutCase{"HiDpiLaptopBesideScale1Projector",
                                 {output("eDP-1", {0, 0, 1440, 900}, 2.0, true),
                                  output("HDMI-1", {2880, 0, 1920, 1080}, 1.0)},
                                 1,
                                 {100, 50},
                                 {0, 0, 4800, 1800},
                                 {2980, 50},
                                 {2980, 50}},
                      LayoutCase{"Scale1point5ProjectorBesideScale1Laptop",
                                 {output("eDP-1", {0, 0, 1366, 768}, 1.0, true),
                                  output("HDMI-1", {1366, 0, 2560, 1440}, 1.5)},
                                 1,
                                 {1279.5, 719.9},
                                 {0, 0, 5206, 2160},
                                 {3285, 1079},
                                 {3285, 1079}},
                      LayoutCase{"HiDpiBoardIsThePrimary",
                                 {output("HDMI-1", {0, 0, 1920, 1080}, 1.0),
                                  output("eDP-1", {1920, 0, 1280, 800}, 2.0, true)},
                                 1,
                                 {640, 400},
                                 {0, 0, 4480, 1600},
                                 {3200, 800},
                                 {3200, 800}}),
    [](const ::testing::TestParamInfo<LayoutCase>& param) {
        return std::string(param.param.name);
    });

TEST(BoardGeometry, PointsOffTheBoardStayOnItsEdges) {
    const std::vector<OutputGeometry> outputs{output("eDP-1", {0, 0, 1920, 1080}, 1.0, true),
                                              output("HDMI-1", {1920, 0, 1024, 768}, 2.0)};
    const BoardGeometry geometry = boardGeometry(outputs, 1);
    EXPECT_EQ(geometry.board, (PixelRect{1920, 0, 2048, 1536}));
    // Left of the board would be the laptop screen; below it, nothing.
    EXPECT_EQ(boardToDevice(geometry, {-30, 5000}), (PixelPoint{1920, 1535}));
    EXPECT_EQ(boardToDevice(geometry, {1e9, -1e9}), (PixelPoint{3967, 0}));
}

TEST(BoardGeometry, NonFinitePointsAndEmptyBoardsGoNowhere) {
    const BoardGeometry geometry = singleOutputGeometry(1920, 1080);
    EXPECT_EQ(boardToDevice(geometry, {std::nan(""), 3}), std::nullopt);
    EXPECT_EQ(boardToAxes(geometry, {3, HUGE_VAL}), std::nullopt);
    EXPECT_EQ(boardToDevice(singleOutputGeometry(0, 1080), {3, 3}), std::nullopt);
    EXPECT_EQ(boardToDevice(boardGeometry({}, 0), {3, 3}), std::nullopt);
}

TEST(BoardGeometry, BoardChoiceFallsBackToThePrimary) {
    const std::vector<OutputGeometry> outputs{output("HDMI-1", {0, 0, 1024, 768}, 1.0),
                                              output("eDP-1", {1024, 0, 1920, 1080}, 1.0, true)};
    std::string note;
    EXPECT_EQ(chooseBoardOutput(outputs, "", &note), 1u);
    EXPECT_EQ(chooseBoardOutput(outputs, "primary", &note), 1u);
    EXPECT_EQ(chooseBoardOutput(outputs, "HDMI-1", &note), 0u);
    EXPECT_TRUE(note.empty());
    EXPECT_EQ(chooseBoardOutput(outputs, "DP-3", &note), 1u);
    EXPECT_NE(note.find("\"DP-3\""), std::string::npos);
    EXPECT_NE(note.find("\"eDP-1\""), std::string::npos);

    const std::vector<OutputGeometry> noPrimary{output("A", {0, 0, 10, 10}, 1.0),
                                                output("B", {10, 0, 10, 10}, 1.0)};
    EXPECT_EQ(chooseBoardOutput(noPrimary, "primary", nullptr), 0u);
    EXPECT_EQ(chooseBoardOutput({}, "primary", nullptr), std::nullopt);
}

TEST(BoardGeometry, OutputLinesGiveDevicePixelsAndRoles) {
    EXPECT_EQ(describeOutput(output("eDP-1", {0, 0, 1280, 720}, 1.5, true), false),
              "eDP-1 1920x1080+0+0 scale 1.5 primary");
    EXPECT_EQ(describeOutput(output("HDMI-1", {-1280, -200, 1280, 800}, 1.0), true),
              "HDMI-1 1280x800-1280-200 scale 1 board");
}

} // namespace
} // namespace eboard::layout
