#pragma once

#include "app/AgentOptions.h"
#include "core/notify/DistributedCenter.h"

#include <memory>

namespace eboard {

class JUXPrompt;
class PointerSink;

// Launch and termination of the agent, after the status menu has woken up.
class AppDelegate {
public:
    AppDelegate(DistributedCenter& bus, AgentOptions options);
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

private:
    void installPointerSink();

    DistributedCenter& bus_;
    AgentOptions options_;
    JUXPrompt* prompt_ = nullptr;
    std::unique_ptr<PointerSink> pointerSink_;
};

} // namespace eboard
