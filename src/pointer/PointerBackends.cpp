#include "pointer/PointerBackends.h"

#include "core/pen/LogPointerSink.h"
#include "pointer/UinputPointerSink.h"
#include "pointer/XTestPointerSink.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <utility>

namespace eboard {

namespace {

struct NamedBackend {
    std::string_view name;
    PointerBackend backend;
};

constexpr std::array<NamedBackend, 4> backendNames{{
    {"auto", PointerBackend::Automatic},
    {"uinput", PointerBackend::Uinput},
    {"xtest", PointerBackend::XTest},
    {"log", PointerBackend::Log},
}};

void setError(std::string* error, std::string message) {
    if (error != nullptr) {
        *error = std::move(message);
    }
}

std::string uinputAdvice(const std::string& path) {
    return "To use uinput, load the module (modprobe uinput) and let your user write " + path +
           ", e.g. with the udev rule 61-eboard-uinput.rules (KERNEL==\"uinput\", "
           "SUBSYSTEM==\"misc\", TAG+=\"uaccess\") and a new login, or by membership in a "
           "group that owns the device node.";
}

constexpr std::string_view x11Advice =
    "To use XTest, run inside an X11 session (DISPLAY set to a display with the XTEST "
    "extension).";

std::unique_ptr<PointerSink> makeUinput(const layout::BoardGeometry& geometry, std::string* reason,
                                        const PointerEnvironment& environment) {
    if (::access(environment.uinputPath.c_str(), W_OK) != 0) {
        setError(reason,
                 environment.uinputPath + " is not writable (" + std::strerror(errno) + ")");
        return nullptr;
    }
    return UinputPointerSink::createOnDesktop(geometry, reason, environment.uinputPath);
}

std::unique_ptr<PointerSink> makeAutomatic(const layout::BoardGeometry& geometry,
                                           std::string* error,
                                           const PointerEnvironment& environment) {
    std::string uinputReason;
    if (auto sink = makeUinput(geometry, &uinputReason, environment)) {
        return sink;
    }
    if (environment.waylandSession) {
        setError(error,
                 "no way to post pointer events in this Wayland session: uinput: " + uinputReason +
                     " (XTest would reach only XWayland's windows, not the desktop). " +
                     uinputAdvice(environment.uinputPath));
        return nullptr;
    }
    std::string x11Reason;
    if (auto sink = XTestPointerSink::open(environment.displayName, &x11Reason, &geometry)) {
        return sink;
    }
    setError(error, "no way to post pointer events: uinput: " + uinputReason +
                        "; XTest: " + x11Reason + ". " + uinputAdvice(environment.uinputPath) +
                        " " + std::string(x11Advice));
    return nullptr;
}

} // namespace

bool isWaylandSession() {
    const char* display = std::getenv("WAYLAND_DISPLAY");
    const char* type = std::getenv("XDG_SESSION_TYPE");
    return (display != nullptr && *display != '\0') ||
           (type != nullptr && std::string_view(type) == "wayland");
}

std::optional<PointerBackend> parsePointerBackend(std::string_view name) {
    for (const auto& entry : backendNames) {
        if (entry.name == name) {
            return entry.backend;
        }
    }
    return std::nullopt;
}

std::string_view pointerBackendName(PointerBackend backend) {
    for (const auto& entry : backendNames) {
        if (entry.backend == backend) {
            return entry.name;
        }
    }
    return "unknown";
}

std::unique_ptr<PointerSink> makePointerSink(PointerBackend backend, ScreenGeometry screen,
                                             std::string* error) {
    return makeBoardPointerSink(backend, boardGeometryOf(screen), error, PointerEnvironment{});
}

std::unique_ptr<PointerSink> makePointerSink(PointerBackend backend, ScreenGeometry screen,
                                             std::string* error,
                                             const PointerEnvironment& environment) {
    return makeBoardPointerSink(backend, boardGeometryOf(screen), error, environment);
}

std::unique_ptr<PointerSink> makeBoardPointerSink(PointerBackend backend,
                                                  const layout::BoardGeometry& geometry,
                                                  std::string* error,
                                                  const PointerEnvironment& environment) {
    switch (backend) {
    case PointerBackend::Automatic:
        return makeAutomatic(geometry, error, environment);
    case PointerBackend::Uinput: {
        std::string reason;
        auto sink = makeUinput(geometry, &reason, environment);
        if (!sink) {
            setError(error, "uinput: " + reason + ". " + uinputAdvice(environment.uinputPath));
        }
        return sink;
    }
    case PointerBackend::XTest: {
        std::string reason;
        auto sink = XTestPointerSink::open(environment.displayName, &reason, &geometry);
        if (!sink) {
            setError(error, "XTest: " + reason + ". " + std::string(x11Advice));
        }
        return sink;
    }
    case PointerBackend::Log:
        return std::make_unique<LogPointerSink>(environment.logStream);
    }
    setError(error, "unknown pointer back end");
    return nullptr;
}

std::string_view pointerBackendNameOf(const PointerSink& sink) {
    if (dynamic_cast<const UinputPointerSink*>(&sink) != nullptr) {
        return pointerBackendName(PointerBackend::Uinput);
    }
    if (dynamic_cast<const XTestPointerSink*>(&sink) != nullptr) {
        return pointerBackendName(PointerBackend::XTest);
    }
    if (dynamic_cast<const LogPointerSink*>(&sink) != nullptr) {
        return pointerBackendName(PointerBackend::Log);
    }
    return {};
}

} // namespace eboard
