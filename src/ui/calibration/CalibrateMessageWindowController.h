#pragma once

#include "ui/common/DialogController.h"
#include "ui_CalibrateMessageWindowController.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace eboard {

class JUXPrompt;

// The diagnosis result screen: the graded picture with two invisible buttons below it
// that post the names handed in after the window is shown; Escape posts "StopResult".
class CalibrateMessageWindowController
    : public FormController<Ui::CalibrateMessageWindowController> {
public:
    CalibrateMessageWindowController();

    // After showWindow(): the grade, and the names the start (yes) and close (no)
    // buttons post; an absent name keeps the button's current one.
    void setErrorType(std::int32_t areaErr, std::int32_t edgeErr, std::int32_t isEdgeMax,
                      const std::optional<QString>& yesMessage,
                      const std::optional<QString>& noMessage);

    CalibrationMessageView* drawView() const { return outlet(&Form::drawView); }
    TextButton* btn_close() const { return outlet(&Form::btn_close); }
    TextButton* btn_Start() const { return outlet(&Form::btn_Start); }

    void keyUp(WindowKey key);

protected:
    void windowDidLoad() override;
    // Under the picture, from the board screen's size, once the grade is handed in.
    void placeButtons() override;
    AgentWindow::Description windowTexts() const override;

private:
    // Tells the camera advice which picture the page shows.
    void recordHintCode();

    JUXPrompt& prompt_;
    // The buttons keep their layout-resource places until the grade is handed in.
    bool buttonsPlaced_ = false;
};

} // namespace eboard
