#pragma once

#include "ui/dialogs/DrawnButton.h"

#include <QRectF>
#include <optional>

namespace eboard {

// A dialog button whose notification name is handed in by the dialog's opener and whose
// face depends on its type: 0 the negative or secondary choice, anything else the
// affirmative or primary one. Until initval() the button has no name; the name " "
// (one blank) means a click posts nothing.
class TwoStateButton : public DrawnButton {
    Q_OBJECT
public:
    explicit TwoStateButton(QWidget* parent = nullptr);

    // Forgets any handed-in name (back to " ") and sets the type. Called when the
    // dialog's window has loaded.
    void initval(int type);
    // A name replaces the old one; no name keeps it. The frame is only recorded.
    void setButtonInfo(const std::optional<QString>& name, const QRectF& frame);

    const std::optional<QString>& PostMessage() const { return postMessage_; }
    // Answers as a click would: posts the handed-in name, if any.
    void answer() { clicked(); }
    int buttonType() const { return buttonType_; }
    QRectF btn_rect() const { return btnRect_; }

protected:
    QString faceFileName() const override;
    void clicked() override;

    // The faces for type 0 and for the other types; empty for an invisible button.
    virtual QString negativeFace() const = 0;
    virtual QString affirmativeFace() const = 0;

private:
    std::optional<QString> postMessage_;
    int buttonType_ = 0;
    QRectF btnRect_;
};

// A button with one face and one fixed notification name.
class SinglePurposeButton : public DrawnButton {
    Q_OBJECT
public:
    SinglePurposeButton(QString face, QString name, QWidget* parent);

protected:
    QString faceFileName() const override { return face_; }
    void clicked() override;

private:
    QString face_;
    QString name_;
};

} // namespace eboard
