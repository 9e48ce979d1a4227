// Reads arbitrary bytes as a thresholds file, as grading does.
#include "core/calibration/Thresholds.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const eboard::Thresholds thresholds = eboard::parseThresholds(std::span(data, size));
    // Keeps the result observable so that no part of the reading is optimised away.
    volatile std::int32_t sink = thresholds.AreaPer ^ thresholds.AreaPer1 ^ thresholds.AreaPer2 ^
                                 thresholds.EdgePer ^ thresholds.MaxEdge;
    (void)sink;
    return 0;
}
