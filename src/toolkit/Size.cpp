#include <QTextLayout>
#include <TamsuToolKit/Size.h>
#include <algorithm>

namespace TamsuToolKit::Size {

QSizeF sizeWithFont(const QString& string, const QFont& font, QSizeF constrainedToSize) {
    QTextLayout layout(string, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    double usedWidth = 0.0;
    double usedHeight = 0.0;
    while (true) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) {
            break;
        }
        line.setLineWidth(constrainedToSize.width());
        if (usedHeight + line.height() > constrainedToSize.height() && usedHeight > 0.0) {
            break;
        }
        line.setPosition(QPointF(0.0, usedHeight));
        usedHeight += line.height();
        usedWidth = std::max(usedWidth, line.naturalTextWidth());
    }
    layout.endLayout();
    return {usedWidth, usedHeight};
}

} // namespace TamsuToolKit::Size
