#pragma once

#include "ui/common/DrawnView.h"

namespace eboard {

// The target screen's content: the instructions in the middle and the crosshair on the
// target that calibrateIndex names.
class CalibrateView : public DrawnView {
    Q_OBJECT
public:
    explicit CalibrateView(QWidget* parent = nullptr);

    // Redraws, which moves the crosshair to the current target.
    void updateCalibratePoint();

protected:
    void draw(QPainter& painter) override;
};

} // namespace eboard
