#pragma once
// Shared set-up of the calibration screen tests: a known screen size in the shared state,
// the targets laid out for it, and test pictures of one flat colour each, found before
// the installed ones.

#include "core/calibration/CalibrationData.h"
#include "core/state/JUXPrompt.h"
#include "support/TempDir.h"
#include "ui/common/CursorHiding.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <cstdlib>
#include <gtest/gtest.h>

namespace eboard::testing {

class ScreenFixture : public ::testing::Test {
protected:
    void useScreen(int width, int height) {
        JUXPrompt& prompt = JUXPrompt::getPrompt();
        prompt.setScreenWidth(width);
        prompt.setScreenHeight(height);
        initCalibrateData();
    }

    // A picture of one colour under the given file name.
    void addPicture(const QString& name, int width, int height, const QColor& color) {
        QImage image(width, height, QImage::Format_ARGB32);
        image.fill(color);
        ASSERT_TRUE(image.save(QString::fromStdString((pictures / name.toStdString()).string())));
    }

    void SetUp() override {
        ::setenv("EBOARD_PICTURE_DIR", pictures.path().c_str(), 1);
        JUXPrompt& prompt = JUXPrompt::getPrompt();
        prompt.setCurrentStatus(JUXPrompt::kPointerMode);
        prompt.setCalibrateIndex(0);
        prompt.setCalibratePoint({});
        prompt.setLocaleID(JUXPrompt::kEnglish);
        useScreen(1920, 1080);
    }

    void TearDown() override {
        ::unsetenv("EBOARD_PICTURE_DIR");
        while (cursorHideCount() > 0) {
            showCursor();
        }
        JUXPrompt::getPrompt().setCurrentStatus(JUXPrompt::kPointerMode);
        JUXPrompt::getPrompt().setCalibrateIndex(0);
    }

    TempDir pictures;
};

} // namespace eboard::testing
