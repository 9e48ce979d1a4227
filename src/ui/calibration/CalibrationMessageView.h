#pragma once

#include "core/base/Point.h"
#include "core/layout/Pictures.h"
#include "ui/common/DrawnView.h"

#include <cstdint>

namespace eboard {

// The diagnosis result page: one picture chosen by the area grade and the edge check,
// centred on the screen. Its hint code is the advice the picture leads to.
class CalibrationMessageView : public DrawnView {
    Q_OBJECT
public:
    explicit CalibrationMessageView(QWidget* parent = nullptr);

    void setErrorType(std::int32_t areaErr, std::int32_t edgeErr, std::int32_t isEdgeMax);
    // The anchor below the picture that the buttons hang from (screen coordinates).
    PointD getLeastDrawPoint() const;
    layout::HintCode hintCode() const;

    std::int32_t AreaErr() const { return areaErr_; }
    std::int32_t EdgeErr() const { return edgeErr_; }
    std::int32_t isEdgeMax() const { return isEdgeMax_; }

protected:
    void draw(QPainter& painter) override;

private:
    std::int32_t areaErr_ = 0;
    std::int32_t edgeErr_ = 0;
    std::int32_t isEdgeMax_ = 0;
};

} // namespace eboard
