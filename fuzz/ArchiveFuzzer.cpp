// Decodes arbitrary bytes as a calibration archive. Besides memory and undefined-behaviour
// errors it traps when a record that decodes does not survive being written and read back.
#include "core/calibration/SettingArchive.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>

namespace {

bool sameValue(float a, float b) {
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto decoded = eboard::decodeSettingArchive(std::span(data, size));
    if (!decoded) {
        return 0;
    }
    const auto again = eboard::decodeSettingArchive(eboard::encodeSettingArchive(*decoded));
    if (!again) {
        __builtin_trap();
    }
    for (std::size_t i = 0; i < eboard::SettingData::kValueCount; ++i) {
        if (!sameValue(decoded->value(i), again->value(i))) {
            __builtin_trap();
        }
    }
    return 0;
}
