#pragma once

#include "core/notify/ObserverSet.h"
#include "core/pen/ProjectiveMapping.h"
#include "ui/common/AgentWindow.h"

#include <cstdint>
#include <memory>
#include <utility>

namespace Ui {
class CalibrationPreViewWindowController;
}

namespace eboard {

class CalibrationPreView;
class JUXPrompt;

// The camera preview screen, the first full-screen step of a calibration: while it is
// open the parser feeds it light points ("UpdatePreView", "CleanPreView"), Space goes on
// to the targets ("CalibrateStart") and Escape aborts ("StopCalibratePreview").
// Created afresh for every run; destroying it ends its observations.
class CalibrationPreViewWindowController {
public:
    CalibrationPreViewWindowController();
    ~CalibrationPreViewWindowController();
    CalibrationPreViewWindowController(const CalibrationPreViewWindowController&) = delete;
    CalibrationPreViewWindowController&
    operator=(const CalibrationPreViewWindowController&) = delete;

    // Loads the layout on the first call, runs the set-up and shows the window.
    void showWindow();
    void close();

    AgentWindow* window() const { return window_.get(); }
    CalibrationPreView* myPreView() const;

    void UpdatePreView();
    void CleanPreView();
    void keyUp(WindowKey key);

    // The preview's own mapping from the camera field onto the check area.
    const PerspectiveTransform& previewMapping() const { return previewMapping_; }

private:
    void followScreenSize();
    void windowDidLoad();

    JUXPrompt& prompt_;
    AgentWindowPtr window_;
    std::unique_ptr<Ui::CalibrationPreViewWindowController> ui_;
    PerspectiveTransform previewMapping_;
    std::pair<std::int32_t, std::int32_t> previewSize_{-1, -1};
    ObserverSet observers_;
};

} // namespace eboard
