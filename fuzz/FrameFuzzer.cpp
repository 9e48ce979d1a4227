// Feeds arbitrary report streams through checkFrame in every parser mode, with an
// arbitrary mapping, screen and smoothing window. Besides memory and undefined-behaviour
// errors it traps on any pointer event at a non-finite position.
#include "core/frame/FrameCheck.h"
#include "core/frame/HidRecording.h"
#include "core/pen/Clock.h"
#include "core/pen/PointerSink.h"
#include "core/pen/ProjectiveMapping.h"
#include "core/pen/StrokeInterpretation.h"
#include "core/state/JUXPrompt.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

namespace {

using namespace eboard;

class FiniteCheckingSink final : public PointerSink {
public:
    void moveTo(PointD p) override { check(p); }
    void leftDown(PointD p, std::uint32_t) override { check(p); }
    void leftUp(PointD p, std::uint32_t) override { check(p); }
    void leftDrag(PointD p, std::int64_t, std::int64_t) override { check(p); }
    void leftDoubleClick(PointD p) override { check(p); }
    void rightDown(PointD p, std::uint32_t) override { check(p); }
    void rightUp(PointD p, std::uint32_t) override { check(p); }

private:
    static void check(PointD p) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
            __builtin_trap();
        }
    }
};

// Reads values off the front of the input.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size)
        : data_(data)
        , size_(size) {}
    template <typename T> T take() {
        T value{};
        if (size_ >= sizeof(T)) {
            std::memcpy(&value, data_, sizeof(T));
            data_ += sizeof(T);
            size_ -= sizeof(T);
        }
        return value;
    }
    bool take(std::uint8_t* out, std::size_t n) {
        if (size_ < n) {
            return false;
        }
        std::memcpy(out, data_, n);
        data_ += n;
        size_ -= n;
        return true;
    }
    std::size_t size() const { return size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

FiniteCheckingSink sink;
ManualClock fuzzClock;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Completed calibrations write their archive under $HOME: keep that out of the way.
    ::setenv("HOME", "/proc/eboard-fuzz-home", 1); // no directory can be made there
    setPointerSink(&sink);
    setPointerClock(&fuzzClock);
    resetPointerState();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    prompt.setScreenWidth(input.take<std::int32_t>());
    prompt.setScreenHeight(input.take<std::int32_t>());
    prompt.setIsmooth(input.take<std::int32_t>());
    const auto mappingKind = input.take<std::uint8_t>();
    if (mappingKind % 4 == 0) {
        Quad source{}, target{};
        for (float& v : source) {
            v = input.take<float>();
        }
        for (float& v : target) {
            v = input.take<float>();
        }
        penToScreenMapping().setPerspective(source, target);
    } else if (mappingKind % 4 == 1) {
        penToScreenMapping().setPerspective(Quad{100, 100, 900, 120, 880, 700, 120, 680},
                                            Quad{0, 0, 1920, 0, 1920, 1080, 0, 1080});
    }
    if (input.take<std::uint8_t>() % 8 == 0) {
        std::vector<PointD> captured, targets;
        for (int i = 0; i < 4; ++i) {
            captured.push_back({input.take<float>(), input.take<float>()});
            targets.push_back({input.take<float>(), input.take<float>()});
        }
        const auto keep = static_cast<std::size_t>(input.take<std::uint8_t>() % 5);
        captured.resize(keep);
        prompt.setCalibratePoint(std::move(captured));
        prompt.setScreenCalibratePoint(std::move(targets));
    }
    if (input.take<std::uint8_t>() % 16 == 0) {
        pointerState().sampleCount = 65530;
    }

    double now = 0.0;
    std::array<std::uint8_t, kUnitReportSize> frame{};
    while (input.size() > 0) {
        // Each report: a control byte (mode, time step, whether to fix the checksum).
        const auto control = input.take<std::uint8_t>();
        if (!input.take(frame.data(), frame.size())) {
            break;
        }
        const std::int32_t mode = (control & 0x07) == 7 ? -1 : (control & 0x07) % 5;
        prompt.setCurrentStatus(mode);
        if (control & 0x80) {
            // Repair header and checksum so that most frames get past the check.
            frame[0] = 0x01;
            frame[1] = 0x55;
            frame[3] = static_cast<std::uint8_t>(frame[3] % 17);
            unsigned sum = frame[0] + frame[1] + frame[3];
            for (std::size_t i = 0; i < frame[3]; ++i) {
                sum += frame[4 + i];
            }
            frame[2] = static_cast<std::uint8_t>(sum);
        }
        now += static_cast<double>((control >> 3) & 0x0F) * 0.05;
        fuzzClock.setNow(now);
        checkFrame(Frame(frame));
    }

    // The recording reader takes the same bytes as text.
    std::istringstream text(std::string(reinterpret_cast<const char*>(data), size));
    (void)readHidRecording(text);
    return 0;
}
