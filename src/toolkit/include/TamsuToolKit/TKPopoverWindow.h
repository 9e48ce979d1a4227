#pragma once

#include <TamsuToolKit/MAAttachedWindow.h>

namespace TamsuToolKit {

// The bubble window with settable answers to whether it may become key or main;
// both start false, so a popover does not take the keyboard from its parent.
class TAMSUTOOLKIT_EXPORT TKPopoverWindow : public MAAttachedWindow {
    Q_OBJECT
public:
    TKPopoverWindow(QWidget* view, QPointF point, QWidget* window, int side, float distance);

    static std::unique_ptr<TKPopoverWindow> initWithView(QWidget* view, QPointF point,
                                                         QWidget* window = nullptr,
                                                         int side = AutomaticSide,
                                                         float distance = 0.0f);
    static std::unique_ptr<TKPopoverWindow> initWithView(QWidget* view, QPointF point, int side,
                                                         float distance = 0.0f);

    bool canBecomeKeyWindow() const override { return canBecomeKeyWindow_; }
    void setCanBecomeKeyWindow(bool can);
    bool canBecomeMainWindow() const override { return canBecomeMainWindow_; }
    void setCanBecomeMainWindow(bool can) { canBecomeMainWindow_ = can; }

private:
    bool canBecomeKeyWindow_ = false;
    bool canBecomeMainWindow_ = false;
};

} // namespace TamsuToolKit
