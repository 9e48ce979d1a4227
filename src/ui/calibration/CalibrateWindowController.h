#pragma once

#include "core/notify/ObserverSet.h"
#include "ui/common/AgentWindow.h"

#include <memory>

namespace Ui {
class CalibrateWindowController;
}

namespace eboard {

class CalibrateView;
class JUXPrompt;

// The four-point target screen: takes one raw light point per crosshair from
// "UpdateCalibrate", closes itself after the fourth, and posts "StopCalibrate" on
// Escape. Created afresh for every run; destroying it ends its observations.
class CalibrateWindowController {
public:
    CalibrateWindowController();
    ~CalibrateWindowController();
    CalibrateWindowController(const CalibrateWindowController&) = delete;
    CalibrateWindowController& operator=(const CalibrateWindowController&) = delete;

    void showWindow();
    void close();

    AgentWindow* window() const { return window_.get(); }
    CalibrateView* calibrate_view() const;

    void UpdateCalibrate();
    void keyUp(WindowKey key);

private:
    void windowDidLoad();

    JUXPrompt& prompt_;
    AgentWindowPtr window_;
    std::unique_ptr<Ui::CalibrateWindowController> ui_;
    ObserverSet observers_;
};

} // namespace eboard
