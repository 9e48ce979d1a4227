#pragma once

#include "ui/dialogs/DialogController.h"

#include <QString>
#include <memory>

namespace Ui {
class CheckCamPositionWindow;
}

namespace eboard {

class CheckCamPositionButton;
class CheckCamPositionView;

// Shows, over the whole screen, how to move the camera unit for the result screen's hint
// code; offers to go on to a calibration or to cancel. Escape closes it and asks to stop.
class CheckCamPositionWindow : public DialogController {
public:
    CheckCamPositionWindow();
    ~CheckCamPositionWindow() override;

    // The names the buttons post; call after showWindow().
    void setDlgInfo(const QString& yesName, const QString& noName);

    // Outlets; null until showWindow().
    CheckCamPositionButton* btn_cancel() const;
    CheckCamPositionButton* btn_Sd() const;
    CheckCamPositionView* drawView() const;

protected:
    void loadLayout(QWidget& window) override;
    void windowDidLoad() override;
    void placeButtons() override;

private:
    std::unique_ptr<Ui::CheckCamPositionWindow> ui_;
};

} // namespace eboard
