#pragma once

#include "core/base/Point.h"
#include "ui/common/DrawnView.h"

#include <QString>
#include <QWidget>
#include <cstdint>

namespace eboard {

// The boxed dialogs' backdrop: "BKg.png" stretched over the whole view, replacing what
// lies under it, so its transparent parts stay transparent.
class StartNormalCalibrateView : public QWidget {
    Q_OBJECT
public:
    explicit StartNormalCalibrateView(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The stop-confirmation dialog's page: black, a title and a content text that speak of
// leaving a calibration (type 0) or a diagnosis (any other type).
class AbortMessageView : public DrawnView {
    Q_OBJECT
public:
    explicit AbortMessageView(QWidget* parent = nullptr);

    void setAbortType(int type);
    int AbortViewType() const { return abortViewType_; }
    // The right end of the content block's bottom edge: the buttons hang below it. It
    // follows the screen size alone, so it is valid before the first paint.
    PointD getLeastDrawPoint() const;

    // The string-table keys of the texts for a type.
    static const char* titleKey(int type);
    static const char* contentKey(int type);

protected:
    void draw(QPainter& painter) override;

private:
    int abortViewType_ = 0;
};

// The diagnosis-excellent page: black with "SCPD_2.png" centred, raised by 9 for the
// translated pictures.
class CalibrateExcellentView : public DrawnView {
    Q_OBJECT
public:
    explicit CalibrateExcellentView(QWidget* parent = nullptr);
    PointD getLeastDrawPoint() const;

protected:
    void draw(QPainter& painter) override;
};

// The camera-position advice page: black with the advice picture of the result screen's
// hint code centred; an unknown code leaves it black.
class CheckCamPositionView : public DrawnView {
    Q_OBJECT
public:
    explicit CheckCamPositionView(QWidget* parent = nullptr);
    PointD getLeastDrawPoint() const;

    // The advice picture for a stored hint code; empty for none.
    static QString pictureForHintCode(std::int32_t code);

protected:
    void draw(QPainter& painter) override;
};

} // namespace eboard
