#pragma once

#include "core/frame/ReportDescriptor.h"
#include "core/frame/UnitConstants.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace eboard {

// The bus and ids of a HID device, as udev's HID_ID property "0003:00002A3C:00001201".
struct HidId {
    std::uint32_t bus = 0;
    std::uint32_t vendor = 0;
    std::uint32_t product = 0;
    friend bool operator==(const HidId&, const HidId&) = default;
};
std::optional<HidId> parseHidId(std::string_view text);

// One hidraw node as discovery sees it.
struct HidDeviceInfo {
    std::string syspath; // of the hidraw device: names the unit while it is plugged in
    std::string node;    // "/dev/hidraw0"
    std::string name;    // HID_NAME of the parent, for recordings
    std::optional<HidId> id;
    std::optional<std::vector<std::uint8_t>> reportDescriptor; // none when unreadable
};

// What makes a device the camera unit.
struct UnitCriteria {
    std::uint32_t vendor = kUnitVendorId;
    std::uint32_t product = kUnitProductId;
    std::uint32_t usagePage = kUnitUsagePage;
    std::size_t reportSize = kUnitReportSize;
};

enum class UnitVerdict {
    Usable,
    OtherProduct, // another vendor or product, or no HID_ID
    NoDescriptor,
    MalformedDescriptor,
    WrongUsagePage,
    WrongReportSize,
};

struct UnitAssessment {
    UnitVerdict verdict = UnitVerdict::OtherProduct;
    std::optional<ReportDescriptorSummary> descriptor; // when it could be parsed
};

bool hasUnitIds(const HidDeviceInfo& device, const UnitCriteria& criteria);
UnitAssessment assessUnit(const HidDeviceInfo& device, const UnitCriteria& criteria);
// A short reason for an unusable verdict ("input report of 64 bytes, not 20").
std::string describeVerdict(const UnitAssessment& assessment, const UnitCriteria& criteria);

} // namespace eboard
