#pragma once

#include <cstddef>
#include <cstdint>

namespace eboard {

// How the HN-42 camera unit is recognised on the bus and what it sends.
inline constexpr std::uint16_t kUnitVendorId = 0x2A3C;
inline constexpr std::uint16_t kUnitProductId = 0x1201;
inline constexpr std::uint16_t kUnitUsagePage = 0x0C; // Consumer
// Both the unit's required maximum input report size and the only accepted length.
inline constexpr std::size_t kUnitReportSize = 20;
// The udev rule that lets the user at the seat read the unit (resources/udev).
inline constexpr char kUnitRulesFile[] = "60-eboard-hn42.rules";

} // namespace eboard
