#pragma once

#include <TamsuToolKit/TKButton.h>
#include <TamsuToolKit/TKPopoverController.h>
#include <TamsuToolKit/TKWindow.h>
#include <memory>

// The demo's main window: views, image views in each resize mode, buttons and
// a popover whose arrow points at the button that opens it.
class DemoWindow : public TamsuToolKit::TKWindow {
    Q_OBJECT
public:
    DemoWindow();

    void presentPopover(bool animated);
    // "popover x y w h anchor x y" in global coordinates, for scripted checks.
    QString popoverGeometryLine() const;

private:
    void buildViews();
    void buildImageViews();
    void buildButtons();
    void togglePopover();

    TamsuToolKit::TKButton* popoverButton_ = nullptr;
    std::unique_ptr<TamsuToolKit::TKPopoverController> popover_;
    bool popoverShown_ = false;
};
