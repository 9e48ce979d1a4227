#pragma once

#include "core/pen/PointerSink.h"
#include "pointer/ScreenGeometry.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace eboard {

enum class PointerBackend { Automatic, Uinput, XTest, Log };

// "auto", "uinput", "xtest" or "log"; nothing for any other text.
std::optional<PointerBackend> parsePointerBackend(std::string_view name);
std::string_view pointerBackendName(PointerBackend backend);

// The back end a sink made here posts through: "uinput", "xtest" or "log"; empty for
// any other sink.
std::string_view pointerBackendNameOf(const PointerSink& sink);

// WAYLAND_DISPLAY is set, or XDG_SESSION_TYPE is "wayland".
bool isWaylandSession();

// Where the back ends are looked for; the defaults are the real system's.
struct PointerEnvironment {
    std::string uinputPath = "/dev/uinput";
    const char* displayName = nullptr; // nullptr: $DISPLAY
    std::FILE* logStream = stdout;     // not owned
    // In a Wayland session XTest reaches only XWayland's own windows, never the compositor's
    // pointer, so the automatic choice does not fall back to it there.
    bool waylandSession = isWaylandSession();
};

// Creates the sink for a back end. Automatic takes uinput when its device node is writable
// and the device can be made, else (outside a Wayland session) XTest when an X11 display
// opens. On failure: nullptr, and
// *error (if given) says why and how to make a back end available.
// The sink converts the board's logical points with `geometry` (XTest: root-window pixels;
// uinput: axes over the desktop's bounding box).
std::unique_ptr<PointerSink> makeBoardPointerSink(PointerBackend backend,
                                                  const layout::BoardGeometry& geometry,
                                                  std::string* error,
                                                  const PointerEnvironment& environment = {});
// A desktop of one output at scale 1.
std::unique_ptr<PointerSink> makePointerSink(PointerBackend backend, ScreenGeometry screen,
                                             std::string* error);
std::unique_ptr<PointerSink> makePointerSink(PointerBackend backend, ScreenGeometry screen,
                                             std::string* error,
                                             const PointerEnvironment& environment);

} // namespace eboard
