// Reads arbitrary text as a hid-recorder recording. Traps when an error names no line or
// no reason, or when the reports of a recording read whole do not come back unchanged
// from their own report lines.
#include "core/frame/HidRecording.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

namespace {

using eboard::HidRecordingResult;

HidRecordingResult readText(const std::string& text) {
    std::istringstream in(text);
    return eboard::readHidRecording(in);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const HidRecordingResult result =
        readText(std::string(reinterpret_cast<const char*>(data), size));
    if (!result.ok()) {
        if (result.error.empty()) {
            __builtin_trap();
        }
        return 0;
    }
    std::string rewritten;
    for (const eboard::HidReport& report : result.reports) {
        rewritten += eboard::formatHidReportLine(report.microseconds, report.bytes);
        rewritten += '\n';
    }
    const HidRecordingResult again = readText(rewritten);
    if (!again.ok() || again.reports.size() != result.reports.size()) {
        __builtin_trap();
    }
    for (std::size_t i = 0; i < result.reports.size(); ++i) {
        if (again.reports[i].microseconds != result.reports[i].microseconds ||
            again.reports[i].bytes != result.reports[i].bytes) {
            __builtin_trap();
        }
    }
    return 0;
}
