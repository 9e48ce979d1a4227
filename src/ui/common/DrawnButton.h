#pragma once

#include <QString>
#include <QWidget>

namespace eboard {

// A button that is only a picture: it draws its face scaled into its bounds (or nothing
// when it has no face or the picture is missing) and reports a left click on the release
// of a press that began on it, wherever the pointer is released. No highlight, no
// tracking: Qt's implicit grab hands the release to the widget the press went to.
class DrawnButton : public QWidget {
    Q_OBJECT
public:
    explicit DrawnButton(QWidget* parent = nullptr);

protected:
    // The face's file name before the string-table lookup; empty for none.
    virtual QString faceFileName() const = 0;
    virtual void clicked() = 0;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace eboard
