#pragma once

#include "ui/common/AgentWindow.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

namespace Ui {
class CalibrateMessageWindowController;
}

namespace eboard {

class CalibrationMessageView;
class JUXPrompt;
class TextButton;

// The diagnosis result screen: the graded picture with two invisible buttons below it
// that post the names handed in after the window is shown; Escape posts "StopResult".
class CalibrateMessageWindowController {
public:
    CalibrateMessageWindowController();
    ~CalibrateMessageWindowController();
    CalibrateMessageWindowController(const CalibrateMessageWindowController&) = delete;
    CalibrateMessageWindowController& operator=(const CalibrateMessageWindowController&) = delete;

    void showWindow();
    void close();

    // After showWindow(): the grade, and the names the start (yes) and close (no)
    // buttons post; an absent name keeps the button's current one.
    void setErrorType(std::int32_t areaErr, std::int32_t edgeErr, std::int32_t isEdgeMax,
                      const std::optional<QString>& yesMessage,
                      const std::optional<QString>& noMessage);

    AgentWindow* window() const { return window_.get(); }
    CalibrationMessageView* drawView() const;
    TextButton* btn_close() const;
    TextButton* btn_Start() const;

    void keyUp(WindowKey key);

private:
    void windowDidLoad();
    // The buttons under the picture, from the board screen's size.
    void placeButtons();

    JUXPrompt& prompt_;
    AgentWindowPtr window_;
    std::unique_ptr<Ui::CalibrateMessageWindowController> ui_;
    // The buttons keep their layout-resource places until the grade is handed in.
    bool buttonsPlaced_ = false;
};

} // namespace eboard
