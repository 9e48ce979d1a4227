#pragma once

#include "pointer/PointerBackends.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace eboard {

// The agent's command line.
struct AgentOptions {
    std::optional<std::filesystem::path> devicePath; // use this node instead of discovery
    PointerBackend pointer = PointerBackend::Automatic;
    std::optional<std::string> output; // the board output: a name or "primary"
    bool showHelp = false;
    bool showVersion = false;
    // Qt's own options pass through to Qt; these two the agent must know before Qt starts.
    std::optional<std::string> qtPlatform; // -platform NAME
    std::optional<std::string> qtDisplay;  // -display NAME (X11)
};

struct AgentOptionsResult {
    AgentOptions options;
    std::string error; // empty when the command line is good
};

// Accepts "--device PATH", "--pointer auto|uinput|xtest|log", "--output NAME|primary"
// (also as --name=value), "--help"/"-h" and "--version", and passes over Qt's documented
// options (-platform, -display, -session, -style ..., with one dash or two) for Qt to
// take; anything else is an error naming the culprit.
AgentOptionsResult parseAgentOptions(std::span<const std::string_view> args);

std::string agentUsage();

} // namespace eboard
