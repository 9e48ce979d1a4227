#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace eboard {

// What the device link needs to know of a HID report descriptor.
struct ReportDescriptorSummary {
    // Usage page of the first top-level collection (the device's primary usage page).
    std::uint16_t usagePage = 0;
    // The largest input report in bytes, counting the report ID byte when IDs are used;
    // what a read of the hidraw node returns for that report. 0 without input items.
    std::size_t maxInputReportSize = 0;
    bool usesReportIds = false;
};

// Walks the short and long items of a descriptor. Returns nothing for a malformed one:
// an item running past the end, unbalanced collections, a Pop without a Push, report ID 0,
// sizes beyond what the kernel's HID parser accepts, a reserved global tag, or no
// collection at all. Never reads outside bytes.
std::optional<ReportDescriptorSummary> parseReportDescriptor(std::span<const std::uint8_t> bytes);

} // namespace eboard
