#include "ui/calibration/CalibrationMessageView.h"

#include "core/layout/ResultLayout.h"
#include "core/state/JUXPrompt.h"
#include "ui/AppResources.h"

namespace eboard {

CalibrationMessageView::CalibrationMessageView(QWidget* parent)
    : DrawnView(parent) {}

void CalibrationMessageView::setErrorType(std::int32_t areaErr, std::int32_t edgeErr,
                                          std::int32_t isEdgeMax) {
    areaErr_ = areaErr;
    edgeErr_ = edgeErr;
    isEdgeMax_ = isEdgeMax;
    update();
}

PointD CalibrationMessageView::getLeastDrawPoint() const {
    const JUXPrompt& prompt = JUXPrompt::getPrompt();
    return layout::resultAnchor(prompt.screenWidth(), prompt.screenHeight());
}

layout::HintCode CalibrationMessageView::hintCode() const {
    return layout::resultHintCode(edgeErr_, isEdgeMax_);
}

void CalibrationMessageView::draw(QPainter& painter) {
    const JUXPrompt& prompt = JUXPrompt::getPrompt();
    const std::int32_t w = prompt.screenWidth();
    const std::int32_t h = prompt.screenHeight();
    fillRect(painter, {0, 0, double(w), double(h)}, Qt::black);

    const QPixmap picture =
        loadPicture(QString::fromLatin1(layout::resultPictureKey(areaErr_, edgeErr_, isEdgeMax_)));
    const QSizeF size = logicalSize(picture);
    const layout::RectD where =
        layout::resultPictureRect(w, h, size.width(), size.height(), prompt.localeID());
    drawPicture(painter, picture, {where.x, where.y}, QPainter::CompositionMode_Source);
}

} // namespace eboard
