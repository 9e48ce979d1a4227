#pragma once

#include "core/base/Point.h"
#include "ui/common/DrawnView.h"

#include <cstdint>

namespace eboard {

// The diagnosis result page: one picture chosen by the area grade and the edge check,
// centred on the screen. It also records the hint code that the camera-position advice
// reads later; the code follows the error fields, so it is right whether or not the
// page has been painted yet.
class CalibrationMessageView : public DrawnView {
    Q_OBJECT
public:
    explicit CalibrationMessageView(QWidget* parent = nullptr);

    void setErrorType(std::int32_t areaErr, std::int32_t edgeErr, std::int32_t isEdgeMax);
    // The anchor below the picture that the buttons hang from (screen coordinates).
    PointD getLeastDrawPoint();
    // Writes the hint code of the current error fields to the shared state.
    void recordHintCode() const;

    std::int32_t AreaErr() const { return areaErr_; }
    std::int32_t EdgeErr() const { return edgeErr_; }
    std::int32_t isEdgeMax() const { return isEdgeMax_; }

protected:
    void draw(QPainter& painter) override;

private:
    PointD leastDrawPoint_;
    std::int32_t areaErr_ = 0;
    std::int32_t edgeErr_ = 0;
    std::int32_t isEdgeMax_ = 0;
};

} // namespace eboard
