#include "ui/dialogs/DialogViews.h"

#include "core/layout/DialogLayout.h"
#include "core/state/JUXPrompt.h"
#include "ui/AppResources.h"
#include "ui/dialogs/DialogPainting.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>

namespace eboard {

namespace {

std::int32_t screenWidth() {
    return JUXPrompt::getPrompt().screenWidth();
}
std::int32_t screenHeight() {
    return JUXPrompt::getPrompt().screenHeight();
}

PointD pictureAnchor() {
    return dialog_layout::pictureDialogAnchor(screenWidth(), screenHeight());
}

// Black over the whole page, then the picture centred at its natural size, replacing
// what lies under it. A missing picture leaves the page black.
void drawPicturePage(QWidget& view, const QString& pictureName, double shift) {
    QPainter painter(&view);
    painter.fillRect(view.rect(), Qt::black);
    if (pictureName.isEmpty()) {
        return;
    }
    const QPixmap picture = loadPicture(pictureName);
    if (picture.isNull()) {
        return;
    }
    const QSizeF size = naturalSize(picture);
    const auto rect = dialog_layout::centredPicture(screenWidth(), screenHeight(), size.width(),
                                                    size.height(), shift);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawPixmap(toWidgetRect(rect, view.height()), picture, picture.rect());
}

} // namespace

StartNormalCalibrateView::StartNormalCalibrateView(QWidget* parent)
    : QWidget(parent) {}

void StartNormalCalibrateView::paintEvent(QPaintEvent*) {
    // The backdrop is the one picture not looked up in the string table.
    const QPixmap backdrop(resourceFolder() + QStringLiteral("/pictures/BKg.png"));
    if (backdrop.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), backdrop);
}

AbortMessageView::AbortMessageView(QWidget* parent)
    : QWidget(parent) {}

void AbortMessageView::setAbortType(int type) {
    abortViewType_ = type;
    update();
}

PointD AbortMessageView::getLeastDrawPoint() {
    leastDrawPoint_ = dialog_layout::stopDialog(screenWidth(), screenHeight()).leastDrawPoint;
    return leastDrawPoint_;
}

const char* AbortMessageView::titleKey(int type) {
    return type == 0 ? "ExitCalTitle" : "ExitDiaTitle";
}

const char* AbortMessageView::contentKey(int type) {
    return type == 0 ? "ExitCal" : "ExitDia";
}

void AbortMessageView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::black);
    const auto layout = dialog_layout::stopDialog(screenWidth(), screenHeight());
    drawWrappedText(painter, localizedString(contentKey(abortViewType_)),
                    toWidgetRect(layout.content, height()), sansSerifFont(16), Qt::white);
    leastDrawPoint_ = layout.leastDrawPoint;
    drawWrappedText(painter, localizedString(titleKey(abortViewType_)),
                    toWidgetRect(layout.title, height()), sansSerifFont(30),
                    QColor::fromRgbF(0.21f, 0.66f, 1.0f));
}

CalibrateExcellentView::CalibrateExcellentView(QWidget* parent)
    : QWidget(parent) {}

PointD CalibrateExcellentView::getLeastDrawPoint() {
    leastDrawPoint_ = pictureAnchor();
    return leastDrawPoint_;
}

void CalibrateExcellentView::paintEvent(QPaintEvent*) {
    drawPicturePage(*this, QStringLiteral("SCPD_2.png"),
                    dialog_layout::excellentPictureShift(JUXPrompt::getPrompt().localeID()));
    leastDrawPoint_ = pictureAnchor();
}

CheckCamPositionView::CheckCamPositionView(QWidget* parent)
    : QWidget(parent) {}

PointD CheckCamPositionView::getLeastDrawPoint() {
    leastDrawPoint_ = pictureAnchor();
    return leastDrawPoint_;
}

QString CheckCamPositionView::pictureForHintCode(int code) {
    switch (code) {
    case 0:
        return QStringLiteral("SCPD_6-2t.png");
    case 1:
        return QStringLiteral("SCPD_6-3ct.png");
    case 2:
        return QStringLiteral("SCPD_6-1c.png");
    default:
        return {};
    }
}

void CheckCamPositionView::paintEvent(QPaintEvent*) {
    drawPicturePage(*this, pictureForHintCode(JUXPrompt::getPrompt().itoScreenErrorType()), 0.0);
    leastDrawPoint_ = pictureAnchor();
}

} // namespace eboard
