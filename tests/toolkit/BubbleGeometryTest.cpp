#include <TamsuToolKit/BubbleGeometry.h>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace Bubble = TamsuToolKit::Bubble;

namespace {

const QSizeF kView(100, 50);
const QPointF kPoint(500, 500);

struct SideCase {
    int side;
    QRectF window;
    QPointF viewOrigin;
};

// A 100 by 50 view, default style (margin 2, arrow 20 by 16, radius 8), scale 1.
TEST(ToolkitBubble, GeometryForEverySide) {
    const SideCase cases[] = {
        {0, {380, 473, 120, 54}, {2, 2}},  {1, {448, 430, 104, 70}, {2, 2}},
        {2, {500, 473, 120, 54}, {18, 2}}, {3, {448, 500, 104, 70}, {2, 18}},
        {4, {380, 482, 120, 54}, {2, 2}},  {5, {380, 464, 120, 54}, {2, 2}},
        {6, {500, 482, 120, 54}, {18, 2}}, {7, {500, 464, 120, 54}, {18, 2}},
        {8, {414, 500, 104, 70}, {2, 18}}, {9, {482, 500, 104, 70}, {2, 18}},
        {10, {414, 430, 104, 70}, {2, 2}}, {11, {482, 430, 104, 70}, {2, 2}},
        {12, {500, 500, 104, 54}, {2, 2}}, {40, {500, 500, 104, 54}, {2, 2}},
    };
    for (const SideCase& c : cases) {
        SCOPED_TRACE(c.side);
        const Bubble::Layout layout = Bubble::updateGeometry(kView, kPoint, c.side, 0, {}, 1.0);
        EXPECT_EQ(layout.windowFrame, c.window);
        EXPECT_EQ(layout.viewFrame, QRectF(c.viewOrigin, kView));
    }
}

TEST(ToolkitBubble, DistanceAndScale) {
    EXPECT_EQ(Bubble::updateGeometry(kView, kPoint, 1, 5, {}, 1.0).windowFrame,
              QRectF(448, 425, 104, 70));
    EXPECT_EQ(Bubble::updateGeometry(kView, kPoint, 2, 5, {}, 1.0).windowFrame,
              QRectF(505, 473, 120, 54));
    // Scale 2 doubles margin and arrow room, not the view.
    const Bubble::Layout scaled = Bubble::updateGeometry(kView, kPoint, 3, 0, {}, 2.0);
    EXPECT_EQ(scaled.windowFrame, QRectF(446, 500, 108, 90));
    EXPECT_EQ(scaled.viewFrame, QRectF(4, 36, 100, 50));
}

struct AutoCase {
    const char* name;
    QPointF point;
    QRectF screen;
    QRectF parent;
    int expected;
};

TEST(ToolkitBubble, AutomaticSideTable) {
    const QRectF screen(0, 0, 1440, 900);
    const AutoCase cases[] = {
        {"room below", {700, 500}, screen, screen, 1},
        {"no room below, right, extends up", {700, 10}, screen, screen, 6},
        {"no room below or right: left, extends up", {1400, 10}, screen, screen, 4},
        {"below, too far left: extends right", {30, 500}, screen, screen, 11},
        {"below, too far right: extends left", {1420, 500}, screen, screen, 10},
        {"only above fits", {75, 20}, {0, 0, 150, 900}, {0, 0, 150, 900}, 3},
        {"nothing fits: below", {75, 30}, {0, 0, 150, 60}, {0, 0, 150, 60}, 1},
        {"right, reaches the parent's top: extends down", {700, 60}, screen, {600, 20, 200, 20}, 7},
        {"upward wanted but no room above: stays centred",
         {700, 50},
         {0, 0, 1440, 60},
         {600, 40, 200, 20},
         2},
    };
    for (const AutoCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(
            Bubble::bestSideForAutomaticPosition(kView, c.point, 0, {}, c.screen, c.parent, 1.0),
            c.expected);
    }
}

std::vector<QPointF> points(const QPainterPath& path) {
    std::vector<QPointF> result;
    for (int i = 0; i < path.elementCount(); ++i) {
        result.emplace_back(path.elementAt(i).x, path.elementAt(i).y);
    }
    return result;
}

bool containsRun(const QPainterPath& path, const std::vector<QPointF>& run) {
    const std::vector<QPointF> all = points(path);
    return std::search(all.begin(), all.end(), run.begin(), run.end()) != all.end();
}

struct OutlineCase {
    const char* name;
    int side;
    QRectF viewFrame;
    bool roundBesideArrow;
    QPointF start;
    std::vector<QPointF> arrow; // base start, tip, base end
};

TEST(ToolkitBubble, OutlineStartAndArrowTable) {
    const QRectF top(2, 2, 100, 50);     // arrow room above or beside the view
    const QRectF bottom(2, 18, 100, 50); // arrow room below the view
    const QRectF left(18, 2, 100, 50);
    const OutlineCase cases[] = {
        {"side 1, centre of top", 1, top, true, {9, 53}, {{42, 53}, {52, 69}, {62, 53}}},
        {"side 10, near top-right", 10, top, true, {9, 53}, {{75, 53}, {85, 69}, {95, 53}}},
        {"side 11, round corner", 11, top, true, {9, 53}, {{9, 53}, {19, 69}, {29, 53}}},
        {"side 11, square corner", 11, top, false, {1, 53}, {{1, 53}, {11, 69}, {21, 53}}},
        {"side 3, centre of bottom", 3, bottom, true, {9, 69}, {{62, 17}, {52, 1}, {42, 17}}},
        {"side 0, centre of right", 0, top, true, {9, 53}, {{103, 37}, {119, 27}, {103, 17}}},
        {"side 2, centre of left", 2, left, true, {25, 53}, {{17, 17}, {1, 27}, {17, 37}}},
        {"side 5, square top-right", 5, top, false, {9, 53}, {{103, 53}, {119, 43}, {103, 33}}},
    };
    for (const OutlineCase& c : cases) {
        SCOPED_TRACE(c.name);
        Bubble::Style style;
        style.drawsRoundCornerBesideArrow = c.roundBesideArrow;
        const QPainterPath path = Bubble::backgroundPath(c.viewFrame, c.side, style, 1.0);
        ASSERT_GT(path.elementCount(), 0);
        EXPECT_EQ(QPointF(path.elementAt(0).x, path.elementAt(0).y), c.start);
        EXPECT_TRUE(containsRun(path, c.arrow));
        // Closed: it ends where it started.
        const auto last = path.elementAt(path.elementCount() - 1);
        EXPECT_EQ(QPointF(last.x, last.y), c.start);
    }
}

TEST(ToolkitBubble, OutlineBoundsWithAndWithoutArrow) {
    const QRectF view(2, 2, 100, 50);
    EXPECT_EQ(Bubble::backgroundPath(view, 1, {}, 1.0).boundingRect(), QRectF(1, 1, 102, 68));
    Bubble::Style noArrow;
    noArrow.hasArrow = false;
    EXPECT_EQ(Bubble::backgroundPath(view, 1, noArrow, 1.0).boundingRect(), QRectF(1, 1, 102, 52));
    // Sides above 11 have no arrow edge: a plain rounded rectangle.
    EXPECT_EQ(Bubble::backgroundPath(view, 12, {}, 1.0).boundingRect(), QRectF(1, 1, 102, 52));
}

TEST(ToolkitBubble, SquareCornerHasNoArc) {
    Bubble::Style style;
    style.drawsRoundCornerBesideArrow = false;
    const QPainterPath square = Bubble::backgroundPath({2, 2, 100, 50}, 11, style, 1.0);
    const QPainterPath round = Bubble::backgroundPath({2, 2, 100, 50}, 1, style, 1.0);
    const auto cubics = [](const QPainterPath& path) {
        int count = 0;
        for (int i = 0; i < path.elementCount(); ++i) {
            count += path.elementAt(i).type == QPainterPath::CurveToElement ? 1 : 0;
        }
        return count;
    };
    EXPECT_EQ(cubics(square), 3);
    EXPECT_EQ(cubics(round), 4);
    EXPECT_TRUE(square.contains(QPointF(1.5, 52.5)));
    EXPECT_FALSE(round.contains(QPointF(1.5, 52.5)));
}

struct SetterCase {
    const char* name;
    Bubble::Style (*apply)(Bubble::Style);
    float borderWidth, viewMargin, cornerRadius, arrowBaseWidth;
};

TEST(ToolkitBubble, SetterClampTable) {
    const SetterCase cases[] = {
        {"border width capped by margin",
         [](Bubble::Style s) { return Bubble::applyBorderWidth(s, 10); }, 2, 2, 8, 20},
        {"border width below margin kept",
         [](Bubble::Style s) { return Bubble::applyBorderWidth(s, 1); }, 1, 2, 8, 20},
        {"negative margin becomes 0 and re-clamps radius",
         [](Bubble::Style s) {
             return Bubble::applyViewMargin(s, -3, {30, 20});
         },
         2, 0, 0, 20},
        {"margin grows, radius and arrow kept",
         [](Bubble::Style s) {
             return Bubble::applyViewMargin(s, 6, {100, 50});
         },
         2, 6, 8, 20},
        {"radius capped",
         [](Bubble::Style s) {
             return Bubble::applyCornerRadius(s, 100, {100, 50});
         },
         2, 2, 17, 20},
        {"negative radius becomes 0",
         [](Bubble::Style s) {
             return Bubble::applyCornerRadius(s, -5, {100, 50});
         },
         2, 2, 0, 20},
        {"radius never negative for a tiny view",
         [](Bubble::Style s) {
             return Bubble::applyCornerRadius(s, 8, {4, 4});
         },
         2, 2, 0, 8},
        {"arrow base capped less two radii",
         [](Bubble::Style s) {
             return Bubble::applyArrowBaseWidth(s, 100, {100, 50});
         },
         2, 2, 8, 38},
        {"arrow base capped less one radius when corners stay square",
         [](Bubble::Style s) {
             s.drawsRoundCornerBesideArrow = false;
             return Bubble::applyArrowBaseWidth(s, 100, {100, 50});
         },
         2, 2, 8, 46},
    };
    for (const SetterCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Bubble::Style s = c.apply({});
        EXPECT_FLOAT_EQ(s.borderWidth, c.borderWidth);
        EXPECT_FLOAT_EQ(s.viewMargin, c.viewMargin);
        EXPECT_FLOAT_EQ(s.cornerRadius, c.cornerRadius);
        EXPECT_FLOAT_EQ(s.arrowBaseWidth, c.arrowBaseWidth);
    }
}

TEST(ToolkitBubble, ArrowInset) {
    EXPECT_DOUBLE_EQ(Bubble::arrowInset({}, 1.0), 18.0);
    Bubble::Style square;
    square.drawsRoundCornerBesideArrow = false;
    EXPECT_DOUBLE_EQ(Bubble::arrowInset(square, 2.0), 20.0);
}

} // namespace
