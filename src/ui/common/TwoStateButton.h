#pragma once

#include "core/layout/Pictures.h"
#include "ui/common/DrawnButton.h"

#include <QRectF>
#include <optional>

namespace eboard {

// A dialog button whose notification name is handed in by the dialog's opener and whose
// face depends on its type: 0 the negative or secondary choice, anything else the
// affirmative or primary one. Its faces are its kind's in the faces table. Until
// initval() the button has no name; the name " " (one blank) means a click posts nothing.
class TwoStateButton : public DrawnButton {
    Q_OBJECT
public:
    TwoStateButton(layout::ButtonKind kind, QWidget* parent);

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
    // What it shows: the face of its type.
    const layout::Face& face() const override;

protected:
    void clicked() override;

private:
    layout::ButtonKind kind_;
    std::optional<QString> postMessage_;
    int buttonType_ = 0;
    QRectF btnRect_;
};

// A button with one face, its kind's affirmative one, and one fixed notification name.
class SinglePurposeButton : public DrawnButton {
    Q_OBJECT
public:
    SinglePurposeButton(layout::ButtonKind kind, std::string_view name, QWidget* parent);

    const layout::Face& face() const override;

protected:
    void clicked() override;

private:
    layout::ButtonKind kind_;
    QString name_;
};

} // namespace eboard
