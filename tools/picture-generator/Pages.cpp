#include "Pages.h"

#include "PictureText.h"
#include "core/layout/DialogLayout.h"
#include "core/layout/PageTexts.h"
#include "core/layout/ResultLayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <QtMath>

namespace eboard::pictures {

namespace {

const QColor kPage(16, 20, 28);
const QColor kRule(48, 58, 74);
const QColor kMuted(172, 186, 206);
const QColor kSecondaryFace(58, 68, 86);
const QColor kWhite(255, 255, 255);
const QColor kOnAccent(8, 18, 32);
QColor accent(int alpha = 255) {
    QColor colour = QColor::fromRgbF(0.21f, 0.66f, 1.0f);
    colour.setAlpha(alpha);
    return colour;
}

// Any even screen gives the same places inside a picture: only the centre matters.
constexpr std::int32_t kScreenWidth = 1920;
constexpr std::int32_t kScreenHeight = 1080;

constexpr QSize kResultSize(820, 640);
constexpr QSize kExcellentSize(820, 400);
constexpr QSize kAdviceSize(820, 560);

// A button's frame (screen, y up) inside a picture drawn at frame picture (screen, y up),
// in the picture's own top-down pixels.
QRectF insidePicture(const layout::RectD& button, const layout::RectD& picture) {
    return {button.x - picture.x, picture.y + picture.height - (button.y + button.height),
            button.width, button.height};
}

QImage blankPage(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(kPage);
    return image;
}

void prepare(QPainter& painter) {
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
}

void drawFace(QPainter& painter, const QRectF& frame, const QString& label, Face face,
              const QString& language) {
    const int pixelSize = frame.height() >= 34 ? 17 : 14;
    // The label is checked first: a face with a clipped label is never drawn.
    const FittedText text(label, languageFont(language, pixelSize, true),
                          frame.adjusted(10, 0, -10, 0), Qt::AlignCenter, language);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(face == Face::Primary ? accent() : kSecondaryFace);
    painter.drawRoundedRect(frame, 6, 6);
    painter.restore();
    text.draw(painter, face == Face::Primary ? kOnAccent : kWhite);
}

void drawText(QPainter& painter, const QString& text, const QRectF& area, int pixelSize, bool bold,
              const QColor& colour, const QString& language,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    FittedText(text, languageFont(language, pixelSize, bold), area, alignment, language)
        .draw(painter, colour);
}

void drawRule(QPainter& painter, double y, double width) {
    painter.fillRect(QRectF(56, y, width - 112, 2), kRule);
}

void drawArrow(QPainter& painter, QPointF from, QPointF to) {
    const QLineF line(from, to);
    const double angle = qDegreesToRadians(line.angle());
    const QPointF back(-std::cos(angle), std::sin(angle));
    const QPointF side(std::sin(angle), std::cos(angle));
    const QPointF tip = to;
    const QPointF base = tip + back * 20;
    painter.save();
    QPen pen(accent(), 6, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(pen);
    painter.drawLine(from, base);
    painter.setPen(Qt::NoPen);
    painter.setBrush(accent());
    painter.drawPolygon(QPolygonF{tip, base + side * 12, base - side * 12});
    painter.restore();
}

// A camera unit seen from above, its lens towards the board (up) turned by angle degrees.
void drawCamera(QPainter& painter, QPointF centre, double angle, bool ghost) {
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    const QColor body = ghost ? QColor(90, 100, 118) : kWhite;
    if (ghost) {
        painter.setPen(QPen(body, 2, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(body);
    }
    painter.drawRoundedRect(QRectF(-24, -12, 48, 28), 5, 5);
    painter.drawRect(QRectF(-10, -22, 20, 10));
    if (!ghost) {
        painter.setBrush(accent());
        painter.drawEllipse(QPointF(0, 2), 7, 7);
    }
    painter.restore();
}

// The view cone from the camera to both ends of the board.
void drawView(QPainter& painter, QPointF camera, QPointF left, QPointF right) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(accent(55));
    painter.drawPolygon(QPolygonF{camera, left, right});
    painter.restore();
}

// The screen's outline as the camera sees it, for a hint code.
void drawFinding(QPainter& painter, const QRectF& box, layout::HintCode hint) {
    const QRectF board = box.adjusted(30, 30, -30, -30);
    // How much shorter the right edge looks than the left one.
    const double squeeze = hint == layout::HintCode::LongEdge       ? 0.32
                           : hint == layout::HintCode::UnequalEdges ? 0.12
                                                                    : 0.0;
    const double inset = board.height() * squeeze;
    const QPolygonF seen{board.topLeft(), QPointF(board.right(), board.top() + inset),
                         QPointF(board.right(), board.bottom() - inset), board.bottomLeft()};
    painter.save();
    painter.fillRect(box, QColor(24, 30, 42));
    painter.setPen(QPen(kWhite, 3));
    painter.setBrush(accent(60));
    painter.drawPolygon(seen);
    if (hint != layout::HintCode::EdgesFine) {
        // The long edge, the one the finding is about.
        painter.setPen(QPen(accent(), 6, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(seen[0], seen[3]);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(accent());
    for (const QPointF& corner : seen) {
        painter.drawEllipse(corner, 7, 7);
    }
    painter.restore();
}

void drawAdviceScene(QPainter& painter, const QRectF& box, layout::HintCode hint,
                     const StringTable& strings) {
    const QString& language = strings.language();
    painter.save();
    painter.setClipRect(box);
    painter.fillRect(box, QColor(24, 30, 42));
    const QRectF board(box.left() + 40, box.top() + 44, box.width() - 80, 12);
    drawText(painter, strings.text(QStringLiteral("picture_board")),
             QRectF(box.left() + 12, box.top() + 8, box.width() - 24, 30), 17, false, kMuted,
             language, Qt::AlignHCenter | Qt::AlignTop);
    painter.fillRect(board, kWhite);
    const QPointF left(board.left(), board.bottom());
    const QPointF right(board.right(), board.bottom());
    const double middle = board.center().x();
    const double near = box.bottom() - 74;
    if (hint == layout::HintCode::LongEdge) {
        const QPointF before(box.left() + 52, near);
        const QPointF after(middle, near);
        drawView(painter, after, left, right);
        drawCamera(painter, before, 35, true);
        drawArrow(painter, before + QPointF(34, 0), after - QPointF(38, 0));
        drawCamera(painter, after, 0, false);
    } else if (hint == layout::HintCode::UnequalEdges) {
        const QPointF place(middle, near);
        // Where the turned camera looks: past the board's edge.
        QTransform turned;
        turned.translate(place.x(), place.y()).rotate(40).translate(-place.x(), -place.y());
        painter.setPen(QPen(QColor(90, 100, 118), 2, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(QPolygonF{place, turned.map(place + (left - place) * 0.8),
                                      turned.map(place + (right - place) * 0.8)});
        drawView(painter, place, left, right);
        drawCamera(painter, place, 40, true);
        drawCamera(painter, place, 0, false);
        painter.setPen(QPen(accent(), 6, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        const QRectF arc(place.x() - 58, place.y() - 58, 116, 116);
        painter.drawArc(arc, 300 * 16, 70 * 16);
        const QPointF end(place.x() + 58 * std::cos(qDegreesToRadians(10.0)),
                          place.y() - 58 * std::sin(qDegreesToRadians(10.0)));
        painter.setPen(Qt::NoPen);
        painter.setBrush(accent());
        painter.drawPolygon(
            QPolygonF{end + QPointF(0, -20), end + QPointF(-12, 2), end + QPointF(12, 2)});
    } else {
        const QPointF far(middle, box.bottom() - 36);
        const QPointF closer(middle, board.bottom() + 80);
        drawView(painter, closer, left, right);
        drawCamera(painter, far, 0, true);
        drawArrow(painter, far - QPointF(0, 26), closer + QPointF(0, 24));
        drawCamera(painter, closer, 0, false);
    }
    drawText(painter, strings.text(QStringLiteral("picture_camera")),
             QRectF(box.left() + 12, box.bottom() - 30, box.width() / 2 - 40, 26), 17, false,
             kMuted, language, Qt::AlignLeft | Qt::AlignBottom);
    painter.restore();
}

QString text(const StringTable& strings, std::string_view key) {
    return strings.text(QString::fromLatin1(key));
}

// The labels of a page's drawn buttons, as the faces table names the click areas over them.
QString negativeLabel(const StringTable& strings, layout::ButtonKind kind) {
    return text(strings, layout::buttonFaces(kind).negative.label);
}
QString affirmativeLabel(const StringTable& strings, layout::ButtonKind kind) {
    return text(strings, layout::buttonFaces(kind).affirmative.label);
}

} // namespace

QImage buttonFace(QSize size, const QString& label, Face face, const QString& language) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    prepare(painter);
    drawFace(painter, QRectF(QPointF(0, 0), size), label, face, language);
    return image;
}

QImage dialogBackdrop(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    prepare(painter);
    QLinearGradient shade(0, 0, 0, size.height());
    shade.setColorAt(0, QColor(30, 37, 50));
    shade.setColorAt(1, QColor(16, 20, 28));
    painter.fillRect(image.rect(), shade);
    painter.fillRect(QRectF(0, 0, size.width(), 4), accent());
    painter.setPen(QPen(kRule, 1));
    painter.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
    return image;
}

QImage crosshair() {
    QImage image(QSize(64, 64), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    prepare(painter);
    const QPointF centre(32, 32);
    painter.setPen(QPen(accent(), 3, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(2, 32), QPointF(24, 32));
    painter.drawLine(QPointF(40, 32), QPointF(62, 32));
    painter.drawLine(QPointF(32, 2), QPointF(32, 24));
    painter.drawLine(QPointF(32, 40), QPointF(32, 62));
    painter.setPen(QPen(kWhite, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 18, 18);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWhite);
    painter.drawEllipse(centre, 3, 3);
    return image;
}

QImage resultPage(const StringTable& strings, std::int32_t localeID, layout::GradeClass grade,
                  layout::HintCode hint) {
    const QString& language = strings.language();
    QImage image = blankPage(kResultSize);
    QPainter painter(&image);
    prepare(painter);
    const double width = kResultSize.width();

    drawText(painter, text(strings, "picture_result_caption"), QRectF(56, 36, 708, 32), 22, false,
             accent(), language);
    drawText(painter, text(strings, layout::gradeText(grade)), QRectF(56, 72, 708, 72), 46, true,
             kWhite, language);
    drawRule(painter, 150, width);

    drawFinding(painter, QRectF(56, 178, 300, 240), hint);
    drawText(painter, text(strings, "picture_result_seen"), QRectF(56, 424, 300, 52), 16, false,
             kMuted, language, Qt::AlignHCenter | Qt::AlignTop);
    drawText(painter, text(strings, layout::findingText(hint)), QRectF(388, 178, 376, 300), 25,
             false, kWhite, language);
    drawText(painter, text(strings, layout::kResultNext), QRectF(56, 488, 708, 60), 19, false,
             kMuted, language);

    const layout::RectD picture = layout::resultPictureRect(
        kScreenWidth, kScreenHeight, kResultSize.width(), kResultSize.height(), localeID);
    const layout::ResultButtons buttons =
        layout::resultButtons(layout::resultAnchor(kScreenWidth, kScreenHeight));
    drawFace(painter, insidePicture(buttons.close, picture),
             negativeLabel(strings, layout::ButtonKind::Text), Face::Secondary, language);
    drawFace(painter, insidePicture(buttons.start, picture),
             affirmativeLabel(strings, layout::ButtonKind::Text), Face::Primary, language);
    return image;
}

QImage excellentPage(const StringTable& strings, std::int32_t localeID) {
    const QString& language = strings.language();
    QImage image = blankPage(kExcellentSize);
    QPainter painter(&image);
    prepare(painter);

    painter.setPen(Qt::NoPen);
    painter.setBrush(accent());
    painter.drawEllipse(QRectF(56, 40, 96, 96));
    painter.setPen(QPen(kOnAccent, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF{QPointF(79, 90), QPointF(97, 108), QPointF(130, 70)});

    drawText(painter, text(strings, "picture_result_caption"), QRectF(184, 32, 580, 32), 22, false,
             accent(), language);
    drawText(painter, text(strings, layout::kExcellentTitle), QRectF(184, 64, 580, 72), 48, true,
             kWhite, language);
    drawText(painter, text(strings, layout::kExcellentText), QRectF(184, 140, 580, 100), 22, false,
             kWhite, language);

    const layout::RectD picture =
        layout::centredPicture(kScreenWidth, kScreenHeight, kExcellentSize.width(),
                               kExcellentSize.height(), layout::excellentPictureShift(localeID));
    const layout::ButtonPair buttons =
        layout::excellentDialogButtons(layout::pictureDialogAnchor(kScreenWidth, kScreenHeight));
    drawFace(painter, insidePicture(buttons.type0, picture),
             negativeLabel(strings, layout::ButtonKind::CalibrateExcellent), Face::Secondary,
             language);
    drawFace(painter, insidePicture(buttons.type1, picture),
             affirmativeLabel(strings, layout::ButtonKind::CalibrateExcellent), Face::Primary,
             language);
    return image;
}

QImage advicePage(const StringTable& strings, layout::HintCode hint) {
    const QString& language = strings.language();
    QImage image = blankPage(kAdviceSize);
    QPainter painter(&image);
    prepare(painter);
    const double width = kAdviceSize.width();

    // One or two lines of headline, sitting on the rule with the caption above them.
    const FittedText headline(text(strings, layout::adviceTitle(hint)),
                              languageFont(language, 36, true), QRectF(56, 68, 708, 110),
                              Qt::AlignLeft | Qt::AlignBottom, language);
    const double headlineTop = 170 - headline.height();
    drawText(painter, text(strings, layout::kAdviceCaption), QRectF(56, headlineTop - 36, 708, 32),
             22, false, accent(), language);
    headline.draw(painter, kWhite);
    drawRule(painter, 184, width);
    drawAdviceScene(painter, QRectF(56, 200, 320, 264), hint, strings);
    drawText(painter, text(strings, layout::adviceText(hint)), QRectF(404, 200, 360, 264), 23,
             false, kWhite, language);

    const layout::RectD picture = layout::centredPicture(
        kScreenWidth, kScreenHeight, kAdviceSize.width(), kAdviceSize.height(), 0.0);
    const layout::ButtonPair buttons = layout::cameraPositionDialogButtons(
        layout::pictureDialogAnchor(kScreenWidth, kScreenHeight));
    drawFace(painter, insidePicture(buttons.type0, picture),
             negativeLabel(strings, layout::ButtonKind::CheckCamPosition), Face::Secondary,
             language);
    drawFace(painter, insidePicture(buttons.type1, picture),
             affirmativeLabel(strings, layout::ButtonKind::CheckCamPosition), Face::Primary,
             language);
    return image;
}

} // namespace eboard::pictures
