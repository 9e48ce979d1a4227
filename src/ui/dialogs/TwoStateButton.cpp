#include "ui/dialogs/TwoStateButton.h"

#include "core/notify/NotificationCenter.h"

namespace eboard {

namespace {
const QString kPostsNothing = QStringLiteral(" ");
}

TwoStateButton::TwoStateButton(QWidget* parent)
    : DrawnButton(parent) {}

void TwoStateButton::initval(int type) {
    postMessage_ = kPostsNothing;
    buttonType_ = type;
    update();
}

void TwoStateButton::setButtonInfo(const std::optional<QString>& name, const QRectF& frame) {
    if (name) {
        postMessage_ = *name;
    }
    btnRect_ = frame;
    update();
}

QString TwoStateButton::faceFileName() const {
    return buttonType_ == 0 ? negativeFace() : affirmativeFace();
}

void TwoStateButton::clicked() {
    if (!postMessage_ || *postMessage_ == kPostsNothing) {
        return;
    }
    NotificationCenter::defaultCenter().postNotification(postMessage_->toStdString());
}

SinglePurposeButton::SinglePurposeButton(QString face, QString name, QWidget* parent)
    : DrawnButton(parent)
    , face_(std::move(face))
    , name_(std::move(name)) {}

void SinglePurposeButton::clicked() {
    NotificationCenter::defaultCenter().postNotification(name_.toStdString());
}

} // namespace eboard
