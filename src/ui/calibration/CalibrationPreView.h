#pragma once

#include "core/base/Point.h"
#include "ui/common/DrawnView.h"

namespace eboard {

// The preview screen's content: the check-area frame, the instructions, the corner
// marks and, for one draw after each new point, the light point's square.
class CalibrationPreView : public DrawnView {
    Q_OBJECT
public:
    explicit CalibrationPreView(QWidget* parent = nullptr);

    void initVariable();
    // A point mapped onto the screen (y up from the bottom): shown by the next draw. With
    // clean the point is ignored and the next draw shows none.
    void updateCheckAreaLightPoint(PointD point, bool cleanPreView);

    PointD DrawAreaPoint() const { return drawAreaPoint_; }
    bool UpdatePoint() const { return updatePoint_; }

protected:
    void draw(QPainter& painter) override;

private:
    PointD drawAreaPoint_;
    bool updatePoint_ = false;
};

} // namespace eboard
