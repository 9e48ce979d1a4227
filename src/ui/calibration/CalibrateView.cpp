#include "ui/calibration/CalibrateView.h"

#include "core/layout/PageTexts.h"
#include "core/layout/TargetLayout.h"
#include "core/state/JUXPrompt.h"
#include "ui/AppResources.h"

namespace eboard {

CalibrateView::CalibrateView(QWidget* parent)
    : DrawnView(parent) {}

void CalibrateView::updateCalibratePoint() {
    update();
}

void CalibrateView::draw(QPainter& painter) {
    const JUXPrompt& prompt = JUXPrompt::getPrompt();
    const std::int32_t w = prompt.screenWidth();
    const std::int32_t h = prompt.screenHeight();
    const layout::CentredTextBlock block = layout::centredTextBlock(w, h);

    fillRect(painter, {0, 0, double(w), double(h)}, Qt::black);
    const auto text = [](std::string_view key) {
        return tableString(layout::kTargetTexts.table, key);
    };
    drawText(painter, block.body, text(layout::kTargetInstruction), helveticaFont(16),
             deviceRgb(1, 1, 1));
    drawText(painter, block.title, text(layout::kTargetTitle), helveticaFont(30),
             deviceRgb(0.21, 0.66, 1.0));

    // No target to show when the index or the targets are out of step (targets not laid
    // out yet): the texts alone are drawn.
    const std::int32_t index = prompt.calibrateIndex();
    const std::vector<PointD>& targets = prompt.ScreenCalibratePoint();
    if (index < 0 || std::size_t(index) >= targets.size()) {
        return;
    }
    const QPixmap crosshair = loadPicture(QStringLiteral("CP_3-crosshair.png"));
    const QSizeF size = logicalSize(crosshair);
    const layout::RectD where =
        layout::centredOn(targets[std::size_t(index)], size.width(), size.height());
    drawPicture(painter, crosshair, {where.x, where.y}, QPainter::CompositionMode_SourceOver);
}

} // namespace eboard
