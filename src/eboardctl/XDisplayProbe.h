#pragma once

#include <optional>
#include <string>
#include <vector>

namespace eboardctl {

// What an X display offers the agent: a system tray, XTest, its outputs.
struct XDisplayFacts {
    bool opened = false;
    bool systemTray = false; // _NET_SYSTEM_TRAY_S<screen> has an owner
    bool xtest = false;
    // The RandR outputs that are connected and lit; nothing without RandR.
    std::optional<std::vector<std::string>> connectedOutputs;
};

// Opens the display (nullptr: $DISPLAY) once and asks it.
XDisplayFacts probeXDisplay(const char* displayName = nullptr);

} // namespace eboardctl
