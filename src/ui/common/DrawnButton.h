#pragma once

#include "core/layout/Pictures.h"

#include <QString>
#include <QWidget>

namespace eboard {

// A button that is only a picture: it draws its face scaled into its bounds (or nothing
// when it has no face or the picture is missing) and reports a left click on the release
// of a press that began on it, wherever the pointer is released. No highlight, no
// tracking: Qt's implicit grab hands the release to the widget the press went to. When it
// has the keyboard (the boxed dialogs give it on Tab) it draws a focus ring over its face.
class DrawnButton : public QWidget {
    Q_OBJECT
public:
    explicit DrawnButton(QWidget* parent = nullptr);

    // What it shows: its face in the faces table.
    virtual const layout::Face& face() const = 0;
    // The words of its face in the user's language: the label drawn on its face, or for an
    // invisible click area on the page picture under it.
    QString label() const;
    // Answers as a click would.
    void press() { clicked(); }

protected:
    // The face's file name before the string-table lookup; empty for none.
    QString faceFileName() const { return QString::fromLatin1(face().picture); }
    virtual void clicked() = 0;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace eboard
