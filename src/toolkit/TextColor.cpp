#include <TamsuToolKit/TextColor.h>

namespace TamsuToolKit::TextColor {

QColor textColor(const QAbstractButton* button) {
    return button->palette().color(QPalette::Active, QPalette::ButtonText);
}

void setTextColor(QAbstractButton* button, const QColor& color) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, color);
    button->setPalette(palette);
}

} // namespace TamsuToolKit::TextColor
