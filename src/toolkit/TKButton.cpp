#include <QIcon>
#include <QPixmap>
#include <TamsuToolKit/TKButton.h>
#include <TamsuToolKit/TextColor.h>

namespace TamsuToolKit {

TKButton::TKButton(QWidget* parent)
    : QPushButton(parent) {
    setCursor(Qt::PointingHandCursor);
}

TKButton::TKButton(const QRect& frame, QWidget* parent)
    : TKButton(parent) {
    setGeometry(frame);
}

void TKButton::awakeFromNib() {
    tracking_ = true;
    if (!icon().isNull()) {
        const QSize size = iconSize();
        normalImage_ = icon().pixmap(size).toImage();
        shownImage_ = normalImage_;
    }
    normalTitle_ = text();
    highlightImage_ = QImage();
    selectedImage_ = QImage();
    highlightTitle_.clear();
    selectedTitle_.clear();
}

void TKButton::showImage(const QImage& image) {
    shownImage_ = image;
    if (image.isNull()) {
        setIcon(QIcon());
        return;
    }
    setIcon(QIcon(QPixmap::fromImage(image)));
    setIconSize(image.deviceIndependentSize().toSize());
}

void TKButton::setTitleKeepingTextColor(const QString& title) {
    const QColor color = TextColor::textColor(this);
    setText(title);
    TextColor::setTextColor(this, color);
}

void TKButton::setSelected(bool selected) {
    selected_ = selected;
    if (selected) {
        if (!selectedImage_.isNull()) {
            showImage(selectedImage_);
        }
        if (!selectedTitle_.isEmpty()) {
            setTitleKeepingTextColor(selectedTitle_);
        }
        return;
    }
    showImage(normalImage_);
    setTitleKeepingTextColor(normalTitle_);
}

void TKButton::mouseEntered() {
    if (!mouseOverImage_.isNull()) {
        showImage(mouseOverImage_);
    }
}

void TKButton::mouseExited() {
    if (mouseOverImage_.isNull()) {
        return;
    }
    showImage(selected_ && !selectedImage_.isNull() ? selectedImage_ : normalImage_);
}

void TKButton::enterEvent(QEnterEvent* event) {
    QPushButton::enterEvent(event);
    if (tracking_) {
        mouseEntered();
    }
}

void TKButton::leaveEvent(QEvent* event) {
    QPushButton::leaveEvent(event);
    if (tracking_) {
        mouseExited();
    }
}

} // namespace TamsuToolKit
