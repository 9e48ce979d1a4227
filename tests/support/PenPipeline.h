#pragma once
// Helpers for tests of the report path: frames, a recording announcement centre and a
// reset of the process-wide state the path keeps.

#include "core/frame/FrameCheck.h"
#include "core/notify/DistributedCenter.h"
#include "core/pen/ProjectiveMapping.h"
#include "core/pen/StrokeInterpretation.h"
#include "core/state/JUXPrompt.h"
#include "support/SharedState.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace eboard::testing {

using FrameBytes = std::array<std::uint8_t, kUnitReportSize>;

// A frame with header 01 55, the given point words and payload length, and the
// checksum computed over what the length covers (at most the 16 bytes present).
inline FrameBytes makeFrame(std::uint16_t x, std::uint16_t y, std::uint8_t length = 4) {
    FrameBytes f{};
    f[0] = 0x01;
    f[1] = 0x55;
    f[3] = length;
    f[4] = static_cast<std::uint8_t>(x >> 8);
    f[5] = static_cast<std::uint8_t>(x & 0xFF);
    f[6] = static_cast<std::uint8_t>(y >> 8);
    f[7] = static_cast<std::uint8_t>(y & 0xFF);
    unsigned sum = f[0] + f[1] + f[3];
    for (std::size_t i = 0; i < length && 4 + i < f.size(); ++i) {
        sum += f[4 + i];
    }
    f[2] = static_cast<std::uint8_t>(sum & 0xFF);
    return f;
}

// A valid frame without a light point: point bytes all 0x00 (or all 0xFF).
inline FrameBytes noPointFrame(std::uint8_t fill = 0x00) {
    const auto word = static_cast<std::uint16_t>((fill << 8) | fill);
    return makeFrame(word, word);
}

// A valid frame whose raw light point (after the mirror) is (x, y).
inline FrameBytes rawPointFrame(int x, int y) {
    return makeFrame(static_cast<std::uint16_t>(1024 - x), static_cast<std::uint16_t>(y));
}

inline void feed(const FrameBytes& frame) {
    checkFrame(Frame(frame));
}

class RecordingDistributedCenter final : public DistributedCenter {
public:
    struct Post {
        std::string name;
        std::string object;
        UserInfo userInfo;
    };
    void postNotification(std::string_view name, std::string_view object,
                          const UserInfo& userInfo) override {
        posts.push_back({std::string(name), std::string(object), userInfo});
    }
    std::vector<Post> posts;
};

// Everything the report path remembers goes back to a fresh process's values.
inline void resetPenPipeline() {
    pointerState() = PointerState{};
    parserState() = ParserState{};
    setPointerSink(nullptr);
    setPointerClock(nullptr);
    setDistributedCenter(nullptr);
    penToScreenMapping() = PerspectiveTransform{};
    resetSharedState();
}

// Maps raw points onto themselves: the unit square onto itself.
inline void useIdentityMapping() {
    const Quad unit{0, 0, 1, 0, 1, 1, 0, 1};
    penToScreenMapping().setPerspective(unit, unit);
}

// The rig the report-path tests share: fresh state, raw points mapped onto themselves,
// a screen of width x height, and events going to sink with time from clock.
inline void preparePenPipeline(PointerSink& sink, const Clock& clock, std::int32_t width,
                               std::int32_t height) {
    resetPenPipeline();
    useIdentityMapping();
    JUXPrompt::getPrompt().setScreenWidth(width);
    JUXPrompt::getPrompt().setScreenHeight(height);
    setPointerSink(&sink);
    setPointerClock(&clock);
}

} // namespace eboard::testing
