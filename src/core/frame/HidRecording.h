#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <istream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace eboard {

// One input report of a recording and when it arrived.
struct HidReport {
    std::int64_t microseconds = 0; // since the start of the recording
    std::vector<std::uint8_t> bytes;

    double seconds() const { return static_cast<double>(microseconds) / 1e6; }
};

struct HidRecordingResult {
    std::vector<HidReport> reports;
    std::size_t errorLine = 0; // 1-based; 0 when the recording was read whole
    std::string error;

    bool ok() const { return errorLine == 0; }
};

// Reads the hid-recorder text format. Report lines are
//   E: <seconds>.<microseconds, 6 digits> <length> <length hex bytes>
// Lines starting with "#", "R:", "N:", "I:" or "P:" and blank lines are skipped.
// Any other line, a malformed report line or a time stamp earlier than the one before
// stops the reading with an error naming the line.
HidRecordingResult readHidRecording(std::istream& in);

// "E: 000012.345678 20 01 55 ..." for one report.
std::string formatHidReportLine(std::int64_t microseconds, std::span<const std::uint8_t> bytes);
// The comment and device lines a recording starts with: name, bus/vendor/product ids
// and the report descriptor.
void writeHidRecordingHeader(std::FILE* out, std::string_view name, std::uint16_t bus,
                             std::uint16_t vendor, std::uint16_t product,
                             std::span<const std::uint8_t> reportDescriptor);
void writeHidReport(std::FILE* out, std::int64_t microseconds, std::span<const std::uint8_t> bytes);

} // namespace eboard
