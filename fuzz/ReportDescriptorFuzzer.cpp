// Walks arbitrary bytes as a HID report descriptor. Traps when an accepted descriptor
// claims an input report larger than the kernel's HID layer can deliver.
#include "core/frame/ReportDescriptor.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace {

// The kernel's largest report buffer, plus the report ID byte.
constexpr std::size_t kLargestDeliverableReport = 16384 + 1;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto summary = eboard::parseReportDescriptor(std::span(data, size));
    if (summary && summary->maxInputReportSize > kLargestDeliverableReport) {
        __builtin_trap();
    }
    return 0;
}
