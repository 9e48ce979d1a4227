#pragma once

#include "app/AgentOptions.h"
#include "core/layout/BoardGeometry.h"
#include "core/notify/CommandBus.h"
#include "core/notify/Problems.h"
#include "core/state/AgentStatus.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace eboard {

class JUXPrompt;
class PointerSink;
class ScreenFollower;

// Launch and termination of the agent, after the status menu has woken up.
class AppDelegate {
public:
    AppDelegate(CommandBus& bus, AgentOptions options);
    ~AppDelegate();
    AppDelegate(const AppDelegate&) = delete;
    AppDelegate& operator=(const AppDelegate&) = delete;

    // Device link, stored calibration, autostart on a first run, session preference,
    // screen size, pointer back end and mapping, in that order.
    void applicationDidFinishLaunching();
    // The ordinary end of the application: closes the device link.
    void applicationWillTerminate();
    // The login-item equivalent: an XDG autostart entry for this executable.
    void addToLoginItem();

    PointerSink* pointerSinkInUse() const { return pointerSink_.get(); }
    // Hears of what leaves the pen dead or its calibration wrong: no way to move the
    // pointer, a unit this user may not read, a stored calibration that cannot be used.
    void setProblemReporter(ProblemReporter reporter) { problemReporter_ = std::move(reporter); }

    // The screens or the board output changed: the board's size, the targets and the
    // mapping (from the stored raw points, as after a restart), the pointer's geometry and
    // the open windows follow the board output.
    void followScreens();
    // Makes another output the board ("primary" or a name), follows it and announces
    // "BoardOutput": the choice and the output the board is on now, which is the primary
    // while a named output is not connected.
    void setBoardOutput(const std::string& choice);
    // Announces "Outputs": every output, its device geometry and scale, primary and board.
    void announceOutputs();

    // What `eboardctl status` shows: the unit, the pointer, the board output, the stored
    // calibration and its grade, the smoothing and the session.
    AgentStatus agentStatus() const;

private:
    void installPointerSink();
    // The pen's smoothing as the settings text remembers it; what cannot be used is logged.
    void takeSmoothing(std::string_view config, const std::filesystem::path& path);
    void observeScreenCommands();
    void reportProblem(Problem problem, std::string detail = {});

    CommandBus& bus_;
    AgentOptions options_;
    ProblemReporter problemReporter_;
    JUXPrompt* prompt_ = nullptr;
    std::unique_ptr<PointerSink> pointerSink_;
    std::string pointerProblem_; // why there is no sink
    std::unique_ptr<ScreenFollower> screenFollower_;
    layout::BoardGeometry followedGeometry_;
};

} // namespace eboard
