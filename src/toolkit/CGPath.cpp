#include <TamsuToolKit/CGPath.h>

namespace TamsuToolKit::CGPath {

std::optional<QPainterPath> CGPath(const QPainterPath& path) {
    if (path.elementCount() == 0) {
        return std::nullopt;
    }
    QPainterPath copy;
    copy.setFillRule(path.fillRule());
    bool drewSinceMove = false;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            copy.moveTo(e.x, e.y);
            drewSinceMove = false;
            break;
        case QPainterPath::LineToElement:
            copy.lineTo(e.x, e.y);
            drewSinceMove = true;
            break;
        case QPainterPath::CurveToElement:
            if (i + 2 < path.elementCount()) {
                const QPainterPath::Element c2 = path.elementAt(i + 1);
                const QPainterPath::Element end = path.elementAt(i + 2);
                copy.cubicTo(e.x, e.y, c2.x, c2.y, end.x, end.y);
                drewSinceMove = true;
            }
            i += 2;
            break;
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    // QPainterPath records a close as a line back to the subpath's start; closing
    // an already closed subpath adds nothing.
    if (drewSinceMove) {
        copy.closeSubpath();
    }
    return copy;
}

} // namespace TamsuToolKit::CGPath
