#include "ui/calibration/CalibrationPreView.h"

#include "core/layout/PageTexts.h"
#include "core/layout/PreviewLayout.h"
#include "core/state/JUXPrompt.h"
#include "ui/AppResources.h"

namespace eboard {

CalibrationPreView::CalibrationPreView(QWidget* parent)
    : DrawnView(parent) {}

void CalibrationPreView::initVariable() {
    updatePoint_ = false;
    drawAreaPoint_ = {0.0, 0.0};
}

void CalibrationPreView::updateCheckAreaLightPoint(PointD point, bool cleanPreView) {
    if (cleanPreView) {
        updatePoint_ = false;
    } else {
        // The mapping's y grows downwards from the check area's top, like the camera's.
        drawAreaPoint_ = {point.x, JUXPrompt::getPrompt().screenHeight() - point.y};
        updatePoint_ = true;
    }
    update();
}

void CalibrationPreView::draw(QPainter& painter) {
    const JUXPrompt& prompt = JUXPrompt::getPrompt();
    const std::int32_t w = prompt.screenWidth();
    const std::int32_t h = prompt.screenHeight();
    const layout::PreviewLayout l = layout::previewLayout(w, h);
    const QColor white = deviceRgb(1, 1, 1);

    fillRect(painter, {0, 0, double(w), double(h)}, Qt::black);
    strokeRect(painter, l.frame, white, 5);
    const auto text = [](std::string_view key) {
        return tableString(layout::kPreviewTexts.table, key);
    };
    drawText(painter, l.instructionText, text(layout::kPreviewInstruction), helveticaFont(16),
             white);
    drawText(painter, l.exitText, text(layout::kPreviewExit), helveticaObliqueFont(14), white);
    drawText(painter, l.titleText, text(layout::kPreviewTitle), helveticaFont(30),
             deviceRgb(0.21, 0.66, 1.0));
    for (const layout::RectD& corner : l.cornerSquares) {
        fillRect(painter, corner, white);
    }
    if (updatePoint_) {
        fillRect(painter, layout::lightPointSquare(drawAreaPoint_), white);
    }
    // A point is shown by one draw only.
    updatePoint_ = false;
}

} // namespace eboard
