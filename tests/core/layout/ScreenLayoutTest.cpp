#include "core/layout/PreviewLayout.h"
#include "core/layout/ResultLayout.h"
#include "core/layout/TargetLayout.h"
#include "core/pen/ProjectiveMapping.h"

#include <gtest/gtest.h>

namespace eboard::layout {
namespace {

TEST(PreviewLayout, CheckAreaAndFrameOn1920x1080) {
    const PreviewLayout l = previewLayout(1920, 1080);
    EXPECT_EQ(l.left, 384);
    EXPECT_EQ(l.top, 216);
    EXPECT_EQ(l.right, 1536);
    EXPECT_EQ(l.bottom, 864);
    EXPECT_EQ(l.frame, (RectD{394, 226, 1132, 628}));
    EXPECT_EQ(l.instructionText, (RectD{394, 118, 1132, 101}));
    EXPECT_EQ(l.exitText, (RectD{394, 96, 1132, 19}));
    EXPECT_EQ(l.titleText, (RectD{394, 874, 1432, 38}));
    EXPECT_EQ(l.cornerSquares[0], (RectD{0, 1030, 50, 50}));
    EXPECT_EQ(l.cornerSquares[1], (RectD{1870, 1030, 50, 50}));
    EXPECT_EQ(l.cornerSquares[2], (RectD{0, 0, 50, 50}));
    EXPECT_EQ(l.cornerSquares[3], (RectD{1870, 0, 50, 50}));
}

TEST(PreviewLayout, TruncatesEachDivisionOn1366x768) {
    const PreviewLayout l = previewLayout(1366, 768);
    EXPECT_EQ(l.left, 273);
    EXPECT_EQ(l.top, 153);
    EXPECT_EQ(l.right, 1092);
    EXPECT_EQ(l.bottom, 613);
    EXPECT_EQ(l.frame, (RectD{283, 163, 799, 440}));
}

TEST(PreviewLayout, MappingScalesTheCameraFieldOntoTheCheckArea) {
    const PreviewLayout l = previewLayout(1920, 1080);
    PerspectiveTransform mapping;
    mapping.setPerspective(previewSourceQuad(), previewTargetQuad(l));
    ASSERT_TRUE(mapping.isUsable());
    const PointF centre = mapping.mapPoint({512.0f, 384.0f});
    EXPECT_FLOAT_EQ(centre.x, 960.0f);
    EXPECT_FLOAT_EQ(centre.y, 540.0f);
    // Drawn with y flipped about the screen height: the square a centred raw point gives.
    EXPECT_EQ(lightPointSquare({centre.x, 1080.0 - centre.y}), (RectD{955, 535, 10, 10}));
    const PointF origin = mapping.mapPoint({0.0f, 0.0f});
    EXPECT_FLOAT_EQ(origin.x, 384.0f);
    EXPECT_FLOAT_EQ(1080.0f - origin.y, 864.0f);
    const PointF far = mapping.mapPoint({1024.0f, 768.0f});
    EXPECT_FLOAT_EQ(far.x, 1536.0f);
    EXPECT_FLOAT_EQ(far.y, 864.0f);
}

TEST(TargetLayout, TextBlocksAndCrosshairOn1920x1080) {
    const CentredTextBlock block = centredTextBlock(1920, 1080);
    EXPECT_EQ(block.body, (RectD{704, 447, 512, 96}));
    EXPECT_EQ(block.title, (RectD{704, 543, 512, 90}));
    EXPECT_EQ(centredOn({192, 972}, 64, 64), (RectD{160, 940, 64, 64}));
    EXPECT_EQ(centredOn({192, 972}, 65, 31), (RectD{159.5, 956.5, 65, 31}));
}

TEST(TargetLayout, HalvesTruncateOn1440And1441Wide) {
    const CentredTextBlock block = centredTextBlock(1440, 900);
    EXPECT_EQ(block.body, (RectD{464, 357, 512, 96}));
    EXPECT_EQ(block.title, (RectD{464, 453, 512, 90}));
    EXPECT_EQ(centredTextBlock(1441, 900).body.x, 464);
    EXPECT_EQ(centredTextBlock(1441, 901).body.y, 357);
}

TEST(ResultLayout, HintCodeFollowsTheEdgeFieldsAndKeepsItsStoredValues) {
    EXPECT_EQ(resultHintCode(1, 1), HintCode::LongEdge);
    EXPECT_EQ(resultHintCode(-3, 7), HintCode::LongEdge);
    EXPECT_EQ(resultHintCode(1, 0), HintCode::UnequalEdges);
    EXPECT_EQ(resultHintCode(0, 0), HintCode::EdgesFine);
    EXPECT_EQ(resultHintCode(0, 5), HintCode::EdgesFine);
    // The shared state and the advice page keep these numbers.
    EXPECT_EQ(hintCodeOf(0), HintCode::LongEdge);
    EXPECT_EQ(hintCodeOf(1), HintCode::UnequalEdges);
    EXPECT_EQ(hintCodeOf(2), HintCode::EdgesFine);
    EXPECT_EQ(hintCodeOf(3), std::nullopt);
    EXPECT_EQ(hintCodeOf(-1), std::nullopt);
}

TEST(ResultLayout, EachHintLeadsToTheAdviceOfItsResultPictures) {
    // A result picture's name ends as its advice picture's does: "t", "ct" or "c".
    const auto ending = [](std::string_view name) {
        std::string_view tail = name.substr(name.find('-') + 1);
        if (!tail.empty() && tail.front() >= '0' && tail.front() <= '9') {
            tail.remove_prefix(1);
        }
        return tail;
    };
    for (const HintCode hint : kHintCodes) {
        for (const GradeClass grade : kGradeClasses) {
            EXPECT_EQ(ending(resultPicture(grade, hint)), ending(advicePicture(hint)));
        }
    }
}

TEST(ResultLayout, TwelvePictureKeys) {
    struct Case {
        int area;
        int edge;
        int edgeMax;
        const char* key;
    };
    const Case cases[] = {
        {1, 0, 0, "SCPD_3-1c.png"}, {1, 1, 1, "SCPD_3-2t.png"}, {1, 1, 0, "SCPD_3-3ct.png"},
        {2, 0, 1, "SCPD_4-1c.png"}, {2, 2, 3, "SCPD_4-2t.png"}, {2, 1, 0, "SCPD_4-3ct.png"},
        {3, 0, 9, "SCPD_5-1c.png"}, {3, 1, 1, "SCPD_5-2t.png"}, {3, 4, 0, "SCPD_5-3ct.png"},
        {0, 0, 0, "SCPD_3-c.png"},  {4, 1, 1, "SCPD_3-t.png"},  {-1, 1, 0, "SCPD_3-ct.png"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(resultPictureKey(c.area, c.edge, c.edgeMax), c.key)
            << c.area << " " << c.edge << " " << c.edgeMax;
    }
}

TEST(ResultLayout, PictureCentredWithTheLanguageShift) {
    EXPECT_EQ(resultPictureRect(1920, 1080, 600, 400, 0), (RectD{660, 340, 600, 400}));
    EXPECT_EQ(resultPictureRect(1920, 1080, 800, 600, 2).y, 250);
    EXPECT_EQ(resultPictureRect(1920, 1080, 800, 600, 0).y, 240);
    for (int locale : {1, 3, 4}) {
        EXPECT_EQ(resultPictureRect(1920, 1080, 600, 400, locale).y, 350);
    }
    EXPECT_EQ(resultPictureRect(1920, 1080, 600, 400, 5).y, 340);
    EXPECT_EQ(resultPictureRect(1441, 901, 600, 400, 0), (RectD{420, 250, 600, 400}));
}

TEST(ResultLayout, ButtonsHangFromTheAnchor) {
    const PointD anchor = resultAnchor(1920, 1080);
    EXPECT_EQ(anchor, (PointD{665, 270}));
    const ResultButtons buttons = resultButtons(anchor);
    EXPECT_EQ(buttons.close, (RectD{665, 254, 235, 34}));
    EXPECT_EQ(buttons.start, (RectD{1021, 254, 235, 34}));
    // 591 wide from 295 left of the centre line; bottom 286 below the centre.
    const ResultButtons on1366 = resultButtons(resultAnchor(1366, 768));
    EXPECT_EQ(on1366.close.x, 683 - 295);
    EXPECT_EQ(on1366.start.x + on1366.start.width - on1366.close.x, 591);
    EXPECT_EQ(on1366.close.y, 384 - 286);
}

TEST(LayoutConversion, FlipsOnceAboutTheViewHeight) {
    EXPECT_EQ(toTopDown(RectD{955, 535, 10, 10}, 1080), (RectD{955, 535, 10, 10}));
    EXPECT_EQ(toTopDown(RectD{394, 226, 1132, 628}, 1080), (RectD{394, 226, 1132, 628}));
    EXPECT_EQ(toTopDown(RectD{0, 0, 50, 50}, 1080), (RectD{0, 1030, 50, 50}));
    EXPECT_EQ(toTopDown(PointD{192, 972}, 1080), (PointD{192, 108}));
}

} // namespace
} // namespace eboard::layout
