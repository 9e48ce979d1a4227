#include "ui/dialogs/DialogViews.h"

#include "core/layout/DialogLayout.h"
#include "core/layout/PageTexts.h"
#include "core/layout/Pictures.h"
#include "core/state/JUXPrompt.h"
#include "ui/AppResources.h"

#include <QPainter>
#include <QPixmap>
#include <optional>

namespace eboard {

namespace {

std::int32_t screenWidth() {
    return JUXPrompt::getPrompt().screenWidth();
}
std::int32_t screenHeight() {
    return JUXPrompt::getPrompt().screenHeight();
}

PointD pictureAnchor() {
    return layout::pictureDialogAnchor(screenWidth(), screenHeight());
}

// The picture's bottom-left corner when centred on the screen and raised by shift.
PointD centredOrigin(const QPixmap& picture, double shift) {
    const QSizeF size = logicalSize(picture);
    const layout::RectD r =
        layout::centredPicture(screenWidth(), screenHeight(), size.width(), size.height(), shift);
    return {r.x, r.y};
}

} // namespace

StartNormalCalibrateView::StartNormalCalibrateView(QWidget* parent)
    : QWidget(parent) {}

void StartNormalCalibrateView::paintEvent(QPaintEvent*) {
    // The backdrop is the one picture not looked up in the string table.
    const QPixmap backdrop = loadUntranslatedPicture(QString::fromLatin1(layout::kBackdropPicture));
    if (backdrop.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), backdrop);
}

AbortMessageView::AbortMessageView(QWidget* parent)
    : DrawnView(parent) {}

void AbortMessageView::setAbortType(int type) {
    abortViewType_ = type;
    update();
}

PointD AbortMessageView::getLeastDrawPoint() const {
    return layout::stopDialog(screenWidth(), screenHeight()).leastDrawPoint;
}

// The keys are literals of the page-text table: their views end in a terminating zero.
const char* AbortMessageView::titleKey(int type) {
    return layout::stopTexts(type).title.data();
}

const char* AbortMessageView::contentKey(int type) {
    return layout::stopTexts(type).content.front().data();
}

void AbortMessageView::draw(QPainter& painter) {
    painter.fillRect(rect(), Qt::black);
    const layout::StopDialog page = layout::stopDialog(screenWidth(), screenHeight());
    drawText(painter, page.content, localizedString(contentKey(abortViewType_)), helveticaFont(16),
             Qt::white);
    drawText(painter, page.title, localizedString(titleKey(abortViewType_)), helveticaFont(30),
             deviceRgb(0.21, 0.66, 1.0));
}

CalibrateExcellentView::CalibrateExcellentView(QWidget* parent)
    : DrawnView(parent) {}

PointD CalibrateExcellentView::getLeastDrawPoint() const {
    return pictureAnchor();
}

void CalibrateExcellentView::draw(QPainter& painter) {
    const QPixmap picture = loadPicture(QString::fromLatin1(layout::kExcellentPicture));
    painter.fillRect(rect(), Qt::black);
    const double shift = layout::excellentPictureShift(JUXPrompt::getPrompt().localeID());
    drawPicture(painter, picture, centredOrigin(picture, shift), QPainter::CompositionMode_Source);
}

CheckCamPositionView::CheckCamPositionView(QWidget* parent)
    : DrawnView(parent) {}

PointD CheckCamPositionView::getLeastDrawPoint() const {
    return pictureAnchor();
}

QString CheckCamPositionView::pictureForHintCode(std::int32_t code) {
    const std::optional<layout::HintCode> hint = layout::hintCodeOf(code);
    return hint ? QString::fromLatin1(layout::advicePicture(*hint)) : QString();
}

void CheckCamPositionView::draw(QPainter& painter) {
    painter.fillRect(rect(), Qt::black);
    const QString name = pictureForHintCode(JUXPrompt::getPrompt().itoScreenErrorType());
    if (!name.isEmpty()) {
        const QPixmap picture = loadPicture(name);
        drawPicture(painter, picture, centredOrigin(picture, 0.0),
                    QPainter::CompositionMode_Source);
    }
}

} // namespace eboard
