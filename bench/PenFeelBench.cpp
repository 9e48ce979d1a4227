// Pen feel: how far the smoothed pen lands from where the pen really was, and how far it
// trails a moving pen, for the moving average (n = 1, 2, 4, 8) and the adaptive mode.
//
// Synthetic strokes run through the stroke interpretation as the camera would send them:
// integer raw points with Gaussian noise (sigma 1 raw unit) every 10 ms, on a calibration
// of 1.875 px per raw unit (1024 x 576 raw onto 1920 x 1080). The recordings under
// tests/data/replay run through the frame check as `eboardctl replay` does; they have no
// noise-free path, so their figures are taken against the unsmoothed path (n = 1).
//
//   pen_feel_bench [--recordings DIR] [--chart FILE] [--sweep]
//
// RMS: root mean square distance to the reference path over a stroke's continuing frames.
// Lag: frames the output trails the reference along the motion, the least-squares fit of
// output = reference - lag * velocity. Exits 1 when a target is missed.
#include "core/frame/FrameCheck.h"
#include "core/frame/HidRecording.h"
#include "core/pen/Clock.h"
#include "core/pen/PointerSink.h"
#include "core/pen/ProjectiveMapping.h"
#include "core/pen/StrokeInterpretation.h"
#include "core/state/JUXPrompt.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace eboard;

constexpr double kFrameInterval = 0.010;
constexpr double kPixelsPerRaw = 1.875;
constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;
constexpr int kStrokesPerKind = 40;

struct Filter {
    std::string name;
    SmoothingMode mode = SmoothingMode::Average;
    int window = 4;
    AdaptiveSmoothing adaptive;
};

// Keeps the last drag of a frame, in the mapping's coordinates (bottom-left, y up).
class DragRecorder final : public PointerSink {
public:
    std::optional<PointD> drag;

    void moveTo(PointD) override {}
    void leftDown(PointD, std::uint32_t) override {}
    void leftUp(PointD, std::uint32_t) override {}
    void leftDrag(PointD p, std::int64_t, std::int64_t) override {
        drag = PointD{p.x, static_cast<double>(JUXPrompt::getPrompt().screenHeight()) - p.y};
    }
    void leftDoubleClick(PointD) override {}
    void rightDown(PointD, std::uint32_t) override {}
    void rightUp(PointD, std::uint32_t) override {}
};

// One frame of a synthetic stroke: where the pen is and what the camera reports.
struct PenFrame {
    PointD truth; // screen pixels, bottom-left
    PointD raw;   // integer camera units
};
using Stroke = std::vector<PenFrame>;

// A continuing frame's output beside its reference.
struct Pair {
    PointD reference;
    PointD output;
};

// Sums over strokes: squared distances, and the lag fit's two sums.
struct Figures {
    double squared = 0.0;
    long count = 0;
    double alongMotion = 0.0; // sum of (reference - output) . velocity
    double motion = 0.0;      // sum of |velocity|^2

    void add(const std::vector<Pair>& pairs) {
        for (std::size_t k = 0; k < pairs.size(); ++k) {
            const double ex = pairs[k].reference.x - pairs[k].output.x;
            const double ey = pairs[k].reference.y - pairs[k].output.y;
            squared += ex * ex + ey * ey;
            ++count;
            if (k > 0) {
                const double vx = pairs[k].reference.x - pairs[k - 1].reference.x;
                const double vy = pairs[k].reference.y - pairs[k - 1].reference.y;
                alongMotion += ex * vx + ey * vy;
                motion += vx * vx + vy * vy;
            }
        }
    }
    double rms() const { return count > 0 ? std::sqrt(squared / static_cast<double>(count)) : 0; }
    std::optional<double> lag() const {
        return motion > 1e-9 ? std::optional<double>(alongMotion / motion) : std::nullopt;
    }
};

void useFilter(const Filter& filter) {
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    prompt.setSmoothingMode(filter.mode);
    prompt.setIsmooth(filter.window);
    prompt.setAdaptiveSmoothing(filter.adaptive);
}

// Runs one synthetic stroke, touch to lift, and pairs each continuing frame's drag with
// where the pen was.
std::vector<Pair> runStroke(const Stroke& stroke, const Filter& filter, ManualClock& clock,
                            DragRecorder& sink) {
    useFilter(filter);
    PointerState& state = pointerState();
    std::vector<Pair> pairs;
    double now = clock.now();
    for (std::size_t k = 0; k < stroke.size(); ++k) {
        now += kFrameInterval;
        clock.setNow(now);
        sink.drag.reset();
        state.lightPointPresent = true;
        JUXPrompt::getPrompt().setLightPointRaw(stroke[k].raw);
        interpretStroke();
        if (k > 0 && sink.drag) {
            pairs.push_back({stroke[k].truth, *sink.drag});
        }
    }
    // Lifted well apart from the next touch: no double click, nothing held.
    now += 1.0;
    clock.setNow(now);
    state.lightPointPresent = false;
    interpretStroke();
    return pairs;
}

PointD cameraReport(PointD truth, std::mt19937& random) {
    std::normal_distribution<double> noise(0.0, 1.0);
    return PointD{std::round(truth.x / kPixelsPerRaw + noise(random)),
                  std::round(truth.y / kPixelsPerRaw + noise(random))};
}

// A pen held still (speed 0) or drawn along a straight line at speed px per frame, in a
// random direction, centred on the screen.
Stroke syntheticStroke(double speed, int frames, std::mt19937& random) {
    std::uniform_real_distribution<double> angle(-0.5, 0.5);
    std::uniform_real_distribution<double> offset(-200.0, 200.0);
    const double a = angle(random) + (random() % 2 == 0 ? 0.0 : 3.14159265358979);
    const double length = speed * (frames - 1);
    const PointD centre{kScreenWidth / 2.0 + offset(random), kScreenHeight / 2.0 + offset(random)};
    const PointD start{centre.x - std::cos(a) * length / 2, centre.y - std::sin(a) * length / 2};
    Stroke stroke;
    for (int k = 0; k < frames; ++k) {
        const PointD truth{start.x + std::cos(a) * speed * k, start.y + std::sin(a) * speed * k};
        stroke.push_back({truth, cameraReport(truth, random)});
    }
    return stroke;
}

struct StrokeKind {
    const char* name;
    double speed; // px per frame
    int frames;
};
// Long strokes at two speeds, and the short quick ones of handwriting, where the start of
// a stroke counts most.
constexpr StrokeKind kKinds[] = {
    {"rest", 0.0, 200}, {"3 px/f", 3.0, 150}, {"15 px/f", 15.0, 80}, {"short 8 px/f", 8.0, 20}};

struct KindFigures {
    Figures kinds[std::size(kKinds)];
};

KindFigures measureSynthetic(const Filter& filter) {
    DragRecorder sink;
    ManualClock clock(0.0);
    setPointerSink(&sink);
    setPointerClock(&clock);
    resetPointerState();
    penToScreenMapping().setPerspective(Quad{0, 0, 1024, 0, 1024, 576, 0, 576},
                                        Quad{0, 0, 1920, 0, 1920, 1080, 0, 1080});
    KindFigures figures;
    // The same strokes and noise for every filter.
    std::mt19937 random(20261208);
    for (std::size_t kind = 0; kind < std::size(kKinds); ++kind) {
        for (int i = 0; i < kStrokesPerKind; ++i) {
            const Stroke stroke = syntheticStroke(kKinds[kind].speed, kKinds[kind].frames, random);
            figures.kinds[kind].add(runStroke(stroke, filter, clock, sink));
        }
    }
    return figures;
}

// The continuing frames' drags of a recording, one list per stroke.
std::vector<std::vector<PointD>> replayDrags(const std::vector<HidReport>& reports,
                                             const Filter& filter) {
    DragRecorder sink;
    ManualClock clock(0.0);
    setPointerSink(&sink);
    setPointerClock(&clock);
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    prompt.setCurrentStatus(JUXPrompt::kPointerMode);
    // The recordings' calibration: screen = 2 * raw.
    penToScreenMapping().setPerspective(Quad{0, 0, 1, 0, 1, 1, 0, 1}, Quad{0, 0, 2, 0, 2, 2, 0, 2});
    useFilter(filter);
    resetPointerState();
    std::vector<std::vector<PointD>> strokes(1);
    for (const HidReport& report : reports) {
        clock.setNow(report.seconds());
        sink.drag.reset();
        const bool wasDown = pointerState().penWasDown;
        if (report.bytes.size() == kUnitReportSize) {
            checkFrame(Frame(report.bytes.data(), kUnitReportSize));
        }
        if (sink.drag) {
            strokes.back().push_back(*sink.drag);
        } else if (wasDown && !pointerState().penWasDown && !strokes.back().empty()) {
            strokes.emplace_back();
        }
    }
    return strokes;
}

Figures measureRecording(const std::vector<HidReport>& reports, const Filter& filter) {
    const auto reference = replayDrags(reports, Filter{"n=1", SmoothingMode::Average, 1, {}});
    const auto output = replayDrags(reports, filter);
    Figures figures;
    for (std::size_t s = 0; s < std::min(reference.size(), output.size()); ++s) {
        std::vector<Pair> pairs;
        for (std::size_t k = 0; k < std::min(reference[s].size(), output[s].size()); ++k) {
            pairs.push_back({reference[s][k], output[s][k]});
        }
        figures.add(pairs);
    }
    return figures;
}

std::string lagText(const Figures& figures) {
    const std::optional<double> lag = figures.lag();
    char text[32];
    std::snprintf(text, sizeof text, "%6.2f", lag.value_or(0.0));
    return lag ? text : "     -";
}

std::vector<Filter> filters(const AdaptiveSmoothing& adaptive) {
    std::vector<Filter> list;
    for (int n : {1, 2, 4, 8}) {
        list.push_back({"average n=" + std::to_string(n), SmoothingMode::Average, n, {}});
    }
    list.push_back({"adaptive", SmoothingMode::Adaptive, 4, adaptive});
    return list;
}

// Tries the adaptive mode's parameters over a grid and prints each figure, to choose the
// defaults: low lag at 15 px/f and 3 px/f, jitter at rest no more than the 4-average's.
void sweep() {
    std::printf("min_cutoff beta   d_cutoff  rest RMS  lag 3 px/f  lag 15 px/f  lag short\n");
    for (double dCutoff : {1.0, 4.0, 8.0, 16.0}) {
        for (double minCutoff : {0.5, 1.0, 2.0, 4.0}) {
            for (double beta : {0.005, 0.01, 0.02, 0.05, 0.1}) {
                const AdaptiveSmoothing p{minCutoff, beta, dCutoff};
                const KindFigures f = measureSynthetic({"", SmoothingMode::Adaptive, 4, p});
                std::printf("%10.2f %6.3f %8.1f %9.3f %11s %12s %10s\n", minCutoff, beta, dCutoff,
                            f.kinds[0].rms(), lagText(f.kinds[1]).c_str(),
                            lagText(f.kinds[2]).c_str(), lagText(f.kinds[3]).c_str());
            }
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    std::string recordings = EBOARD_REPLAY_DIR;
    std::string chart;
    bool sweeping = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--recordings" && i + 1 < argc) {
            recordings = argv[++i];
        } else if (a == "--chart" && i + 1 < argc) {
            chart = argv[++i];
        } else if (a == "--sweep") {
            sweeping = true;
        } else {
            std::fprintf(stderr, "usage: pen_feel_bench [--recordings DIR] [--chart FILE] "
                                 "[--sweep]\n");
            return 2;
        }
    }
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    prompt.setScreenWidth(kScreenWidth);
    prompt.setScreenHeight(kScreenHeight);
    if (sweeping) {
        sweep();
        return 0;
    }

    std::printf("Synthetic strokes: %d of each kind, Gaussian noise sigma 1 raw unit "
                "(%.3f px), integer reports every %.0f ms\n",
                kStrokesPerKind, kPixelsPerRaw, kFrameInterval * 1000);
    std::printf("adaptive: min cutoff %.2f Hz, beta %.3f, speed cutoff %.1f Hz\n\n",
                AdaptiveSmoothing::kDefaultMinCutoff, AdaptiveSmoothing::kDefaultBeta,
                AdaptiveSmoothing::kDefaultDerivativeCutoff);
    std::printf("%-14s %12s %12s %7s %13s %7s %12s %7s\n", "filter", "rest RMS px", "3px/f RMS px",
                "lag f", "15px/f RMS px", "lag f", "short RMS px", "lag f");
    std::vector<std::pair<Filter, KindFigures>> results;
    for (const Filter& filter : filters(AdaptiveSmoothing{})) {
        const KindFigures f = measureSynthetic(filter);
        results.emplace_back(filter, f);
        std::printf("%-14s %12.3f %12.3f %7s %13.3f %7s %12.3f %7s\n", filter.name.c_str(),
                    f.kinds[0].rms(), f.kinds[1].rms(), lagText(f.kinds[1]).c_str(),
                    f.kinds[2].rms(), lagText(f.kinds[2]).c_str(), f.kinds[3].rms(),
                    lagText(f.kinds[3]).c_str());
    }

    std::printf("\nRecordings in %s, against the unsmoothed path (RMS px, lag f):\n",
                recordings.c_str());
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(recordings)) {
        if (entry.path().extension() == ".rec") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    std::printf("%-14s", "recording");
    for (const Filter& filter : filters(AdaptiveSmoothing{})) {
        std::printf(" %18s", filter.name.c_str());
    }
    std::printf("\n");
    std::string still;
    for (const std::filesystem::path& file : files) {
        std::ifstream in(file);
        const HidRecordingResult recording = readHidRecording(in);
        if (!recording.ok()) {
            std::fprintf(stderr, "%s:%zu: %s\n", file.c_str(), recording.errorLine,
                         recording.error.c_str());
            return 2;
        }
        // A pen that never moves within a stroke gives nothing to compare.
        const Filter unsmoothed{"n=1", SmoothingMode::Average, 1, {}};
        if (!measureRecording(recording.reports, unsmoothed).lag()) {
            still += (still.empty() ? "" : ", ") + file.stem().string();
            continue;
        }
        std::printf("%-14s", file.stem().c_str());
        for (const Filter& filter : filters(AdaptiveSmoothing{})) {
            const Figures f = measureRecording(recording.reports, filter);
            std::printf("     %6.2f %s", f.rms(), lagText(f).c_str());
        }
        std::printf("\n");
    }

    if (!still.empty()) {
        std::printf("(the pen does not move within a stroke in: %s)\n", still.c_str());
    }

    const KindFigures& average4 = results[2].second;
    const KindFigures& adaptive = results[4].second;
    struct Target {
        const char* what;
        bool met;
    };
    const Target targets[] = {
        {"rest: RMS jitter at most the 4-average's",
         adaptive.kinds[0].rms() <= average4.kinds[0].rms()},
        {"15 px/f: lag at most 0.5 frame", adaptive.kinds[2].lag().value_or(9) <= 0.5},
        {"3 px/f: lag below the 4-average's",
         adaptive.kinds[1].lag().value_or(9) < average4.kinds[1].lag().value_or(0)},
    };
    std::printf("\n");
    bool allMet = true;
    for (const Target& target : targets) {
        std::printf("target %-45s %s\n", target.what, target.met ? "met" : "MISSED");
        allMet = allMet && target.met;
    }

    if (!chart.empty()) {
        // One row per filter: name, rest RMS, lag at 3 and at 15 px per frame, on short
        // strokes.
        std::FILE* out = std::fopen(chart.c_str(), "w");
        if (out == nullptr) {
            std::perror(chart.c_str());
            return 2;
        }
        for (const auto& [filter, f] : results) {
            std::fprintf(out, "\"%s\"\t%.4f\t%.4f\t%.4f\t%.4f\n", filter.name.c_str(),
                         f.kinds[0].rms(), f.kinds[1].lag().value_or(0),
                         f.kinds[2].lag().value_or(0), f.kinds[3].lag().value_or(0));
        }
        std::fclose(out);
    }
    return allMet ? 0 : 1;
}
