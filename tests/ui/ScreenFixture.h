#pragma once
// Shared set-up of the calibration screen tests: a known screen size in the shared state,
// the targets laid out for it, and test pictures of one flat colour each, found before
// the installed ones.

#include "core/calibration/CalibrationData.h"
#include "core/state/JUXPrompt.h"
#include "support/SharedState.h"
#include "support/TempDir.h"
#include "ui/common/CursorHiding.h"

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QSet>
#include <QString>
#include <QTranslator>
#include <cstdlib>
#include <gtest/gtest.h>

namespace eboard::testing {

// Names a file that exists nowhere for each hidden picture key, so a test can see a
// missing picture although the build's own pictures are installed beside the tests.
class PictureHider : public QTranslator {
public:
    QSet<QString> hidden;

    QString translate(const char* /*context*/, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override {
        const QString key = QString::fromUtf8(source);
        return hidden.contains(key) ? QStringLiteral("absent-in-tests/") + key : QString();
    }
    bool isEmpty() const override { return hidden.isEmpty(); }
};

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

    // The picture of that key is found nowhere, neither among the test's pictures nor among
    // the built ones.
    void hidePicture(const QString& key) {
        hider.hidden.insert(key);
        QCoreApplication::installTranslator(&hider);
    }

    void SetUp() override {
        ::setenv("EBOARD_PICTURE_DIR", pictures.path().c_str(), 1);
        resetSharedState();
        useScreen(1920, 1080);
    }

    void TearDown() override {
        QCoreApplication::removeTranslator(&hider);
        ::unsetenv("EBOARD_PICTURE_DIR");
        while (cursorHideCount() > 0) {
            showCursor();
        }
        resetSharedState();
    }

    TempDir pictures;
    PictureHider hider;
};

} // namespace eboard::testing
