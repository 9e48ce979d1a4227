#include "core/frame/HidRecording.h"

#include "core/base/PrintableText.h"

#include <array>
#include <charconv>
#include <limits>

namespace eboard {

namespace {

constexpr std::array<std::string_view, 5> kSkippedPrefixes = {"#", "R:", "N:", "I:", "P:"};

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

// Splits off the next space-separated field.
std::string_view nextField(std::string_view& rest) {
    const auto begin = rest.find_first_not_of(' ');
    if (begin == std::string_view::npos) {
        rest = {};
        return {};
    }
    rest.remove_prefix(begin);
    const auto end = rest.find(' ');
    const std::string_view field = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end);
    return field;
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

template <typename T> bool parseNumber(std::string_view text, T& value, int base = 10) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return error == std::errc() && end == text.data() + text.size();
}

// A field as error messages quote it: escaped, and cut when long, since a recording may
// come from anywhere.
std::string quoted(std::string_view field) {
    constexpr std::size_t kMaxQuoted = 40;
    return "'" + printableText(field, kMaxQuoted) + "'";
}

// "<seconds>.<6 digits>" as microseconds.
bool parseTime(std::string_view text, std::int64_t& microseconds) {
    const auto dot = text.find('.');
    if (dot == std::string_view::npos) {
        return false;
    }
    const std::string_view whole = text.substr(0, dot);
    const std::string_view fraction = text.substr(dot + 1);
    std::int64_t seconds = 0;
    std::int64_t micros = 0;
    if (!allDigits(whole) || fraction.size() != 6 || !allDigits(fraction) ||
        !parseNumber(whole, seconds) || !parseNumber(fraction, micros)) {
        return false;
    }
    constexpr std::int64_t kMaxSeconds = std::numeric_limits<std::int64_t>::max() / 1'000'000 - 1;
    if (seconds > kMaxSeconds) {
        return false;
    }
    microseconds = seconds * 1'000'000 + micros;
    return true;
}

// Fills report from the fields after "E:"; an empty result means success.
std::string parseReportLine(std::string_view rest, HidReport& report) {
    const std::string_view time = nextField(rest);
    if (!parseTime(time, report.microseconds)) {
        return "bad time stamp " + quoted(time) + " (expected <seconds>.<6 digits>)";
    }
    const std::string_view lengthField = nextField(rest);
    std::size_t length = 0;
    if (!allDigits(lengthField) || !parseNumber(lengthField, length) || length > 4096) {
        return "bad report length " + quoted(lengthField);
    }
    report.bytes.clear();
    report.bytes.reserve(length);
    for (std::string_view field = nextField(rest); !field.empty(); field = nextField(rest)) {
        std::uint8_t byte = 0;
        if (field.size() != 2 || !parseNumber(field, byte, 16)) {
            return "bad report byte " + quoted(field);
        }
        report.bytes.push_back(byte);
    }
    if (report.bytes.size() != length) {
        return "report length " + std::to_string(length) + " but " +
               std::to_string(report.bytes.size()) + " bytes";
    }
    return {};
}

} // namespace

HidRecordingResult readHidRecording(std::istream& in) {
    HidRecordingResult result;
    std::string text;
    std::size_t lineNumber = 0;
    const auto fail = [&](std::string message) {
        result.reports.clear();
        result.errorLine = lineNumber;
        result.error = std::move(message);
        return result;
    };
    while (std::getline(in, text)) {
        ++lineNumber;
        std::string_view line = text;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (isBlank(line)) {
            continue;
        }
        bool skipped = false;
        for (const std::string_view prefix : kSkippedPrefixes) {
            skipped = skipped || line.starts_with(prefix);
        }
        if (skipped) {
            continue;
        }
        if (!line.starts_with("E:")) {
            return fail("unrecognised line " + quoted(line));
        }
        HidReport report;
        if (std::string message = parseReportLine(line.substr(2), report); !message.empty()) {
            return fail(std::move(message));
        }
        if (!result.reports.empty() && report.microseconds < result.reports.back().microseconds) {
            return fail("time stamp earlier than the report before");
        }
        result.reports.push_back(std::move(report));
    }
    return result;
}

std::string formatHidReportLine(std::int64_t microseconds, std::span<const std::uint8_t> bytes) {
    std::array<char, 48> head{};
    const int written =
        std::snprintf(head.data(), head.size(), "E: %06lld.%06lld %zu",
                      static_cast<long long>(microseconds / 1'000'000),
                      static_cast<long long>(microseconds % 1'000'000), bytes.size());
    std::string line(head.data(), static_cast<std::size_t>(written > 0 ? written : 0));
    static constexpr char kHex[] = "0123456789abcdef";
    for (const std::uint8_t byte : bytes) {
        line += ' ';
        line += kHex[byte >> 4];
        line += kHex[byte & 0x0F];
    }
    return line;
}

void writeHidRecordingHeader(std::FILE* out, std::string_view name, std::uint16_t bus,
                             std::uint16_t vendor, std::uint16_t product,
                             std::span<const std::uint8_t> reportDescriptor) {
    std::fprintf(out, "# %.*s\n", static_cast<int>(name.size()), name.data());
    std::fprintf(out, "R: %zu", reportDescriptor.size());
    for (const std::uint8_t byte : reportDescriptor) {
        std::fprintf(out, " %02x", byte);
    }
    std::fprintf(out, "\nN: %.*s\n", static_cast<int>(name.size()), name.data());
    std::fprintf(out, "I: %x %04x %04x\n", bus, vendor, product);
}

void writeHidReport(std::FILE* out, std::int64_t microseconds,
                    std::span<const std::uint8_t> bytes) {
    const std::string line = formatHidReportLine(microseconds, bytes);
    std::fprintf(out, "%s\n", line.c_str());
}

} // namespace eboard
