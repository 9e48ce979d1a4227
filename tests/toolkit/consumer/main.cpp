// Uses a little of every part of the installed library; exits 0 when the answers
// are right.
#include <QApplication>
#include <TamsuToolKit/BubbleGeometry.h>
#include <TamsuToolKit/Hex.h>
#include <TamsuToolKit/IOReturn.h>
#include <TamsuToolKit/TKPopoverController.h>
#include <TamsuToolKit/TKView.h>
#include <TamsuToolKit/TamsuToolKit.h>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failures = 0;
    const auto check = [&failures](bool ok, const char* what) {
        if (!ok) {
            std::fprintf(stderr, "consumer: %s failed\n", what);
            ++failures;
        }
    };

    check(TamsuToolKit::TamsuToolKit::aspectFitRect({0, 0, 400, 300}, {0, 0, 100, 100}) ==
              QRectF(0, 12.5, 100, 75),
          "aspectFitRect");
    check(TamsuToolKit::Hex::colorWithHexColorString(QStringLiteral("#00FF00")) ==
              QColor(0, 255, 0),
          "colorWithHexColorString");
    check(TamsuToolKit::IOReturn::stringFromIOReturnValue(0) == QStringLiteral("success"),
          "stringFromIOReturnValue");
    check(TamsuToolKit::Bubble::updateGeometry({100, 50}, {500, 500}, 1, 0, {}, 1.0).windowFrame ==
              QRectF(448, 430, 104, 70),
          "Bubble::updateGeometry");

    int drawn = 0;
    TamsuToolKit::TKView view(QRect(0, 0, 20, 20));
    view.setDrawingBlock([&drawn](TamsuToolKit::TKView*, const QRect&) { ++drawn; });
    QImage image(20, 20, QImage::Format_ARGB32_Premultiplied);
    view.render(&image);
    check(drawn == 1, "TKView drawing block");

    auto* content = new QWidget;
    content->resize(60, 30);
    TamsuToolKit::TKPopoverController popover(content);
    // Attached to the screen's bottom-left corner until presented: right of it,
    // extending upward, with the arrow's room on the left.
    check(popover.window()->side() == 6, "TKPopoverController side");
    check(popover.window()->geometry().size() == QSize(80, 40), "TKPopoverController window");

    std::printf("consumer: %s\n", failures == 0 ? "ok" : "FAILED");
    return failures == 0 ? 0 : 1;
}
