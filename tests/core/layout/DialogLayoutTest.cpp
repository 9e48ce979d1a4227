#include "core/layout/DialogLayout.h"

#include <gtest/gtest.h>

namespace {

using eboard::PointD;
using namespace eboard::layout;

TEST(StopDialogLayout, BlocksAndButtonsOn1440By900) {
    const StopDialog d = stopDialog(1440, 900);
    EXPECT_EQ(d.content, (RectD{464, 357, 512, 96}));
    EXPECT_EQ(d.title, (RectD{464, 453, 512, 90}));
    EXPECT_EQ(d.leastDrawPoint, (PointD{976, 357}));
    EXPECT_EQ(d.yesButton, (RectD{861, 297, 115, 31}));
    EXPECT_EQ(d.noButton, (RectD{732, 297, 115, 31}));
}

TEST(StopDialogLayout, HalvesOddSizesBeforeSubtracting) {
    // 1441 / 2 truncates to 720, so nothing moves by half a pixel.
    const StopDialog odd = stopDialog(1441, 901);
    EXPECT_EQ(odd.content, (RectD{464, 357, 512, 96}));
    EXPECT_EQ(odd.yesButton, (RectD{861, 297, 115, 31}));

    const StopDialog full = stopDialog(1920, 1080);
    EXPECT_EQ(full.content, (RectD{704, 447, 512, 96}));
    EXPECT_EQ(full.title, (RectD{704, 543, 512, 90}));
    EXPECT_EQ(full.yesButton, (RectD{1101, 387, 115, 31}));
    EXPECT_EQ(full.noButton, (RectD{972, 387, 115, 31}));
    // The affirmative button ends flush with the content block, 14 right of the other.
    EXPECT_EQ(full.yesButton.x + full.yesButton.width, full.content.x + full.content.width);
    EXPECT_EQ(full.yesButton.x - (full.noButton.x + full.noButton.width), 14);
}

TEST(PictureDialogLayout, AnchorAndButtonsOn1440By900) {
    const PointD p = pictureDialogAnchor(1440, 900);
    EXPECT_EQ(p, (PointD{425, 180}));
    const ButtonPair excellent = excellentDialogButtons(p);
    EXPECT_EQ(excellent.type0, (RectD{425, 361, 235, 34}));
    EXPECT_EQ(excellent.type1, (RectD{781, 361, 235, 34}));
    const ButtonPair camera = cameraPositionDialogButtons(p);
    EXPECT_EQ(camera.type0, (RectD{425, 208, 235, 34}));
    EXPECT_EQ(camera.type1, (RectD{781, 208, 235, 34}));
}

TEST(PictureDialogLayout, ButtonsSitAtFixedOffsetsFromTheCentre) {
    for (const auto& [w, h] : {std::pair{1920, 1080}, std::pair{1366, 768}, std::pair{1441, 901}}) {
        const PointD p = pictureDialogAnchor(w, h);
        const ButtonPair excellent = excellentDialogButtons(p);
        const ButtonPair camera = cameraPositionDialogButtons(p);
        EXPECT_EQ(excellent.type0.x, w / 2 - 295);
        EXPECT_EQ(excellent.type1.x, w / 2 + 61);
        EXPECT_EQ(excellent.type0.y, h / 2 - 89);
        EXPECT_EQ(camera.type0.y, h / 2 - 242);
        EXPECT_EQ(camera.type1.y, camera.type0.y);
    }
    EXPECT_EQ(pictureDialogAnchor(1920, 1080), (PointD{665, 270}));
}

TEST(PictureDialogLayout, PictureCentredWithTheLanguageShift) {
    EXPECT_EQ(excellentPictureShift(0), 0);
    for (int locale = 1; locale <= 4; ++locale) {
        EXPECT_EQ(excellentPictureShift(locale), 9) << locale;
    }
    EXPECT_EQ(excellentPictureShift(5), 0);
    EXPECT_EQ(excellentPictureShift(-1), 0);

    EXPECT_EQ(centredPicture(1440, 900, 600, 400, excellentPictureShift(0)),
              (RectD{420, 250, 600, 400}));
    EXPECT_EQ(centredPicture(1440, 900, 600, 400, excellentPictureShift(1)),
              (RectD{420, 259, 600, 400}));
    // The camera-position dialog never shifts.
    EXPECT_EQ(centredPicture(1440, 900, 600, 400, 0), (RectD{420, 250, 600, 400}));
    // Odd picture sizes keep their half: only the screen is halved in integers.
    EXPECT_EQ(centredPicture(1441, 901, 601, 401, 0), (RectD{419.5, 249.5, 601, 401}));
    EXPECT_EQ(centredPicture(1920, 1080, 800, 600, 0).y, 240);
}

} // namespace
