#pragma once

#include "core/pen/ProjectiveMapping.h"
#include "ui/common/DialogController.h"
#include "ui_CalibrationPreViewWindowController.h"

#include <cstdint>
#include <utility>

namespace eboard {

class JUXPrompt;

// The camera preview screen, the first full-screen step of a calibration: while it is
// open the parser feeds it light points ("UpdatePreView", "CleanPreView"), Space goes on
// to the targets ("CalibrateStart") and Escape aborts ("StopCalibratePreview").
// Created afresh for every run; destroying it ends its observations.
class CalibrationPreViewWindowController
    : public FormController<Ui::CalibrationPreViewWindowController> {
public:
    CalibrationPreViewWindowController();

    CalibrationPreView* myPreView() const { return outlet(&Form::myPreView); }

    void UpdatePreView();
    void CleanPreView();
    void keyUp(WindowKey key);

    // The preview's own mapping from the camera field onto the check area.
    const PerspectiveTransform& previewMapping() const { return previewMapping_; }

protected:
    void windowDidLoad() override;
    AgentWindow::Description windowTexts() const override;

private:
    void followScreenSize();

    JUXPrompt& prompt_;
    PerspectiveTransform previewMapping_;
    std::pair<std::int32_t, std::int32_t> previewSize_{-1, -1};
};

} // namespace eboard
