#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>
#include <QTextLayout>
#include <memory>
#include <stdexcept>

class QPainter;

namespace eboard::pictures {

// Why a picture cannot be drawn; the generator stops the build with its message.
class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The font a language's pictures are set in. Throws when the family is not installed:
// a substitute would draw other glyphs than the ones checked.
QFont languageFont(const QString& language, int pixelSize, bool bold = false);

// The family each language's pictures use.
QString languageFamily(const QString& language);

// Throws, naming the text and the language, when the font actually used lacks a glyph
// for any character of the text.
void checkGlyphs(const QFont& font, const QString& text, const QString& language);

// A text broken into lines that fit an area, checked before anything is drawn.
class FittedText {
public:
    // Throws when a glyph is missing, a word is wider than the area or the lines are
    // taller than it.
    FittedText(const QString& text, const QFont& font, const QRectF& area, Qt::Alignment alignment,
               const QString& language);

    void draw(QPainter& painter, const QColor& color) const;
    int lineCount() const;
    // The height the lines take, at most the area's.
    double height() const { return height_; }

private:
    std::shared_ptr<QTextLayout> layout_;
    QPointF origin_;
    double height_ = 0;
};

} // namespace eboard::pictures
