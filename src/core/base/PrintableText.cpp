#include "core/base/PrintableText.h"

#include <array>
#include <cstdint>

namespace eboard {

namespace {

constexpr std::array<char, 16> kHex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                       '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};

void appendByteEscape(std::string& out, std::uint8_t byte) {
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
}

// The length of the well-formed UTF-8 sequence at the start of text, or 0.
std::size_t utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    std::size_t length = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF; // the second byte's range, narrowed against overlongs
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

} // namespace

std::string printableText(std::string_view text, std::size_t maxBytes) {
    const std::size_t whole = text.size();
    const bool cut = whole > maxBytes;
    if (cut) {
        text = text.substr(0, maxBytes);
    }
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<std::uint8_t>(text[i]);
        if (byte >= 0x20 && byte < 0x7F) {
            if (byte == '\\') {
                out += '\\';
            }
            out += static_cast<char>(byte);
            ++i;
            continue;
        }
        if (byte < 0x80) {
            switch (byte) {
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            case 0x1B:
                out += "\\e";
                break;
            default:
                appendByteEscape(out, byte);
            }
            ++i;
            continue;
        }
        const std::size_t length = utf8SequenceLength(text.substr(i));
        if (length == 0) {
            appendByteEscape(out, byte);
            ++i;
            continue;
        }
        const auto second = static_cast<std::uint8_t>(text[i + 1]);
        if (byte == 0xC2 && second < 0xA0) { // U+0080..U+009F: C1 controls such as CSI
            out += "\\u00";
            out += kHex[second >> 4];
            out += kHex[second & 0x0F];
        } else {
            out.append(text.substr(i, length));
        }
        i += length;
    }
    if (cut) {
        out += "... (" + std::to_string(whole) + " bytes in all)";
    }
    return out;
}

} // namespace eboard
