#include "ui/common/TwoStateButton.h"

#include "core/notify/NotificationCenter.h"

#include <QAccessible>

namespace eboard {

namespace {
const QString kPostsNothing = QStringLiteral(" ");
}

TwoStateButton::TwoStateButton(layout::ButtonKind kind, QWidget* parent)
    : DrawnButton(parent)
    , kind_(kind) {}

void TwoStateButton::initval(int type) {
    postMessage_ = kPostsNothing;
    buttonType_ = type;
    update();
    // The face, and with it what the button is called, may have changed.
    if (QAccessible::isActive()) {
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
}

void TwoStateButton::setButtonInfo(const std::optional<QString>& name, const QRectF& frame) {
    if (name) {
        postMessage_ = *name;
    }
    btnRect_ = frame;
    update();
}

const layout::Face& TwoStateButton::face() const {
    const layout::ButtonFaces& faces = layout::buttonFaces(kind_);
    return buttonType_ == 0 ? faces.negative : faces.affirmative;
}

void TwoStateButton::clicked() {
    if (!postMessage_ || *postMessage_ == kPostsNothing) {
        return;
    }
    NotificationCenter::defaultCenter().postNotification(postMessage_->toStdString());
}

SinglePurposeButton::SinglePurposeButton(layout::ButtonKind kind, std::string_view name,
                                         QWidget* parent)
    : DrawnButton(parent)
    , kind_(kind)
    , name_(QString::fromLatin1(name)) {}

const layout::Face& SinglePurposeButton::face() const {
    return layout::buttonFaces(kind_).affirmative;
}

void SinglePurposeButton::clicked() {
    NotificationCenter::defaultCenter().postNotification(name_.toStdString());
}

} // namespace eboard
