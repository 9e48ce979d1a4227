// The pages with invisible buttons, shown by the window bench on the X display in every
// language: wherever a button answers clicks its face is drawn, and just outside it the
// page's own background shows. A face drawn from copied numbers, or not moved against a
// language's picture shift, leaves a button over the background.
#include "core/layout/DialogLayout.h"
#include "core/layout/ResultLayout.h"
#include "support/OnScreen.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"

#include <QImage>
#include <QString>
#include <QTranslator>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace eboard {
namespace {

const std::filesystem::path kShare =
    std::filesystem::path(EBOARD_BIN_DIR).parent_path() / "share/eboard";

struct Page {
    const char* windowClass;
    const char* options;
    const char* pictureKey;
    // The picture's frame on a w x h screen (y up) for a language and picture size.
    std::function<layout::RectD(std::int32_t, std::int32_t, double, double, std::int32_t)> picture;
    std::function<std::pair<layout::RectD, layout::RectD>(std::int32_t, std::int32_t)> buttons;
};

const Page kPages[] = {
    {"CalibrateMessageWindowController", "--error-type 2 1 1", "SCPD_4-2t.png",
     [](std::int32_t w, std::int32_t h, double pw, double ph, std::int32_t locale) {
         return layout::resultPictureRect(w, h, pw, ph, locale);
     },
     [](std::int32_t w, std::int32_t h) {
         const auto b = layout::resultButtons(layout::resultAnchor(w, h));
         return std::pair{b.close, b.start};
     }},
    {"CalibrateExcellentWindow", "", "SCPD_2.png",
     [](std::int32_t w, std::int32_t h, double pw, double ph, std::int32_t locale) {
         return layout::centredPicture(w, h, pw, ph, layout::excellentPictureShift(locale));
     },
     [](std::int32_t w, std::int32_t h) {
         const auto b = layout::excellentDialogButtons(layout::pictureDialogAnchor(w, h));
         return std::pair{b.type0, b.type1};
     }},
    {"CheckCamPositionWindow", "--hint-code 1", "SCPD_6-3ct.png",
     [](std::int32_t w, std::int32_t h, double pw, double ph, std::int32_t) {
         return layout::centredPicture(w, h, pw, ph, 0.0);
     },
     [](std::int32_t w, std::int32_t h) {
         const auto b = layout::cameraPositionDialogButtons(layout::pictureDialogAnchor(w, h));
         return std::pair{b.type0, b.type1};
     }},
};

using testing::onScreen;

bool same(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) < 6 && std::abs(qGreen(a) - qGreen(b)) < 6 &&
           std::abs(qBlue(a) - qBlue(b)) < 6;
}

QSize pictureSize(const char* language, const char* key) {
    QTranslator table;
    EXPECT_TRUE(table.load(QStringLiteral("eboard_%1").arg(QLatin1String(language)),
                           QString::fromStdString((kShare / "translations").string())));
    const QString name = table.translate("Localizable", key);
    return QImage(QString::fromStdString((kShare / "pictures").string()) + QLatin1Char('/') +
                  (name.isEmpty() ? QString::fromLatin1(key) : name))
        .size();
}

TEST(PageFaces, EveryButtonShowsItsFaceAndThePageAroundIt) {
    const char* const languages[] = {"en", "zh", "ja", "fr", "de"};
    const testing::TempDir folder;
    for (const Page& page : kPages) {
        for (std::int32_t locale = 0; locale < 5; ++locale) {
            const char* language = languages[locale];
            SCOPED_TRACE(std::string(page.windowClass) + " in " + language);
            const auto shot = folder.path() / (std::string(page.windowClass) + language + ".png");
            const auto run =
                testing::runCommand(std::string(EBOARD_BIN_DIR) + "/eboard-window-bench " +
                                    page.windowClass + " --language " + language + " " +
                                    page.options + " --screenshot " + shot.string() + " 2>&1");
            ASSERT_EQ(run.status, 0) << run.out;
            const QImage image =
                QImage(QString::fromStdString(shot.string())).convertToFormat(QImage::Format_RGB32);
            ASSERT_FALSE(image.isNull());
            const int w = image.width();
            const int h = image.height();

            const QSize size = pictureSize(language, page.pictureKey);
            ASSERT_TRUE(size.isValid());
            const QRect picture =
                onScreen(page.picture(w, h, size.width(), size.height(), locale), h);
            const QRgb background = image.pixel(picture.topLeft() + QPoint(6, 6));
            ASSERT_FALSE(same(background, qRgb(0, 0, 0))) << "no picture on the screen";

            const auto [left, right] = page.buttons(w, h);
            for (const layout::RectD& frame : {left, right}) {
                const QRect button = onScreen(frame, h);
                const QPoint c = button.center();
                EXPECT_FALSE(same(image.pixel(c), background))
                    << "no face at " << c.x() << "," << c.y();
                // A band inside each edge is face too: the face fills the whole button.
                for (const QPoint inside :
                     {QPoint(button.left() + 3, c.y()), QPoint(button.right() - 3, c.y()),
                      QPoint(button.left() + 12, button.top() + 2),
                      QPoint(button.left() + 12, button.bottom() - 2)}) {
                    EXPECT_FALSE(same(image.pixel(inside), background))
                        << "page inside the button at " << inside.x() << "," << inside.y();
                }
                for (const QPoint outside :
                     {QPoint(button.left() - 3, c.y()), QPoint(button.right() + 3, c.y()),
                      QPoint(c.x(), button.top() - 3), QPoint(c.x(), button.bottom() + 3)}) {
                    EXPECT_TRUE(same(image.pixel(outside), background))
                        << "face outside the button at " << outside.x() << "," << outside.y();
                }
            }
        }
    }
}

} // namespace
} // namespace eboard
