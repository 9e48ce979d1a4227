#pragma once
// Base of the views that draw a calibration window's content in screen coordinates
// (origin bottom-left, y up). Subclasses draw through the helpers below, which convert
// to Qt's top-left system once, at the paint boundary.

#include "core/base/Point.h"
#include "core/layout/Rect.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>
#include <QWidget>

namespace eboard {

// "Helvetica" and "Helvetica Oblique", sized in pixels: the family the dialogs' layouts
// name too, so one face serves all the agent's text. Font configuration picks its
// stand-in (Nimbus Sans, Liberation Sans), else the sans-serif family.
QFont helveticaFont(int pixelSize);
QFont helveticaObliqueFont(int pixelSize);

// A rectangle given from the bottom-left of a view this high, in Qt's top-left system.
QRectF toQtRect(const layout::RectD& rect, double viewHeight);

// A colour given as RGB components from 0 to 1, opaque.
QColor deviceRgb(double red, double green, double blue);

class DrawnView : public QWidget {
    Q_OBJECT
public:
    explicit DrawnView(QWidget* parent = nullptr);

    // The height that y-up coordinates flip about: the view's own, which fills a
    // window as high as the screen.
    double flipHeight() const { return height(); }

    // The number of completed paints (for tools that wait for the first one).
    int paintCount() const { return paintCount_; }

signals:
    // After every completed paint.
    void painted();

protected:
    // Subclasses draw here with the helpers; the base counts and announces the paint.
    virtual void draw(QPainter& painter) = 0;

    void fillRect(QPainter& painter, const layout::RectD& rect, const QColor& color) const;
    void strokeRect(QPainter& painter, const layout::RectD& rect, const QColor& color,
                    double lineWidth) const;
    // Text wrapped into the rectangle from its top, left-aligned, clipped to it.
    void drawText(QPainter& painter, const layout::RectD& rect, const QString& text,
                  const QFont& font, const QColor& color) const;
    // A picture at its natural size in logical pixels with its bottom-left corner at
    // origin; a null picture draws nothing.
    void drawPicture(QPainter& painter, const QPixmap& picture, PointD origin,
                     QPainter::CompositionMode mode) const;

private:
    void paintEvent(QPaintEvent* event) override;

    int paintCount_ = 0;
};

// A picture's size in logical pixels.
QSizeF logicalSize(const QPixmap& picture);

} // namespace eboard
