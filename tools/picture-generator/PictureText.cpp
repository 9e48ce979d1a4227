#include "PictureText.h"

#include <QFontInfo>
#include <QPainter>
#include <QRawFont>
#include <QTextOption>

namespace eboard::pictures {

namespace {
QString describe(const QString& text, const QString& language) {
    return QStringLiteral("\"%1\" (language %2)").arg(text, language);
}

[[noreturn]] void fail(const QString& message) {
    throw PictureError(message.toStdString());
}
} // namespace

QString languageFamily(const QString& language) {
    // The Noto CJK families carry the Han forms each language expects.
    if (language == QLatin1String("zh")) {
        return QStringLiteral("Noto Sans CJK SC");
    }
    if (language == QLatin1String("ja")) {
        return QStringLiteral("Noto Sans CJK JP");
    }
    return QStringLiteral("Liberation Sans");
}

QFont languageFont(const QString& language, int pixelSize, bool bold) {
    QFont font(languageFamily(language));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    const QString used = QFontInfo(font).family();
    if (used.compare(font.family(), Qt::CaseInsensitive) != 0) {
        fail(QStringLiteral("the font \"%1\" for language %2 is not installed (got \"%3\"); "
                            "run tools/install-deps.sh")
                 .arg(font.family(), language, used));
    }
    return font;
}

void checkGlyphs(const QFont& font, const QString& text, const QString& language) {
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid()) {
        fail(QStringLiteral("no font file behind \"%1\" for %2")
                 .arg(font.family(), describe(text, language)));
    }
    for (const char32_t character : text.toUcs4()) {
        if (character == U'\n' || character == U' ') {
            continue;
        }
        if (!raw.supportsCharacter(character)) {
            fail(QStringLiteral("the font \"%1\" has no glyph for U+%2 in %3")
                     .arg(raw.familyName())
                     .arg(uint(character), 4, 16, QLatin1Char('0'))
                     .arg(describe(text, language)));
        }
    }
}

FittedText::FittedText(const QString& text, const QFont& font, const QRectF& area,
                       Qt::Alignment alignment, const QString& language)
    : layout_(std::make_shared<QTextLayout>(text, font)) {
    if (text.trimmed().isEmpty()) {
        fail(QStringLiteral("empty text for an area in language %1").arg(language));
    }
    checkGlyphs(font, text, language);

    QTextOption option(alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WordWrap);
    layout_->setTextOption(option);
    layout_->setCacheEnabled(true);
    layout_->beginLayout();
    double height = 0;
    for (QTextLine line = layout_->createLine(); line.isValid(); line = layout_->createLine()) {
        line.setLineWidth(area.width());
        // A word longer than the line stays whole and sticks out: that is a clipped word.
        if (line.naturalTextWidth() > area.width() + 0.5) {
            layout_->endLayout();
            fail(QStringLiteral("a word of %1 is %2 px wide, the area only %3 px")
                     .arg(describe(text, language))
                     .arg(line.naturalTextWidth(), 0, 'f', 0)
                     .arg(area.width(), 0, 'f', 0));
        }
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout_->endLayout();
    if (height > area.height() + 0.5) {
        fail(QStringLiteral("%1 needs %2 lines (%3 px) but its area is %4 px high")
                 .arg(describe(text, language))
                 .arg(layout_->lineCount())
                 .arg(height, 0, 'f', 0)
                 .arg(area.height(), 0, 'f', 0));
    }
    double top = area.top();
    if (alignment & Qt::AlignVCenter) {
        top += (area.height() - height) / 2;
    } else if (alignment & Qt::AlignBottom) {
        top += area.height() - height;
    }
    origin_ = QPointF(area.left(), top);
    height_ = height;
}

void FittedText::draw(QPainter& painter, const QColor& color) const {
    painter.save();
    painter.setPen(color);
    layout_->draw(&painter, origin_);
    painter.restore();
}

int FittedText::lineCount() const {
    return layout_->lineCount();
}

} // namespace eboard::pictures
