#include <TamsuToolKit/Hex.h>
#include <cstdint>

namespace TamsuToolKit::Hex {

namespace {

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'a' && u <= u'f') {
        return u - u'a' + 10;
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    return -1;
}

// The platform's hexadecimal scanner: leading white space skipped, an optional
// 0x/0X prefix, digits up to the first non-digit, and saturation on overflow.
std::uint32_t scanHex(const QString& text) {
    qsizetype pos = 0;
    while (pos < text.size() && text[pos].isSpace()) {
        ++pos;
    }
    if (text.mid(pos, 2).compare(QLatin1String("0x"), Qt::CaseInsensitive) == 0) {
        pos += 2;
    }
    std::uint64_t value = 0;
    bool overflow = false;
    for (; pos < text.size(); ++pos) {
        const int digit = hexDigit(text[pos]);
        if (digit < 0) {
            break;
        }
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFu) {
            overflow = true;
            value &= 0xFFFFFFFFu;
        }
    }
    return overflow ? 0xFFFFFFFFu : static_cast<std::uint32_t>(value);
}

} // namespace

QColor colorWithHexColorString(const QString& hexColorString, double alpha) {
    QString digits = hexColorString;
    digits.remove(u'#');
    const std::uint32_t v = scanHex(digits);
    const auto channel = [v](int shift) { return ((v >> shift) & 0xFFu) / 255.0; };
    return QColor::fromRgbF(static_cast<float>(channel(16)), static_cast<float>(channel(8)),
                            static_cast<float>(channel(0)), static_cast<float>(alpha));
}

QColor colorWithHexColorString(const QString& hexColorString) {
    return colorWithHexColorString(hexColorString, 1.0);
}

} // namespace TamsuToolKit::Hex
