#include "XDisplayProbe.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <memory>

namespace eboardctl {

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

std::optional<std::vector<std::string>> connectedOutputs(Display* display) {
    int eventBase = 0;
    int errorBase = 0;
    if (!XRRQueryExtension(display, &eventBase, &errorBase)) {
        return std::nullopt;
    }
    const Window root = DefaultRootWindow(display);
    const std::unique_ptr<XRRScreenResources, decltype(&XRRFreeScreenResources)> resources(
        XRRGetScreenResourcesCurrent(display, root), &XRRFreeScreenResources);
    if (!resources) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    for (int i = 0; i < resources->noutput; ++i) {
        const std::unique_ptr<XRROutputInfo, decltype(&XRRFreeOutputInfo)> output(
            XRRGetOutputInfo(display, resources.get(), resources->outputs[i]), &XRRFreeOutputInfo);
        // Qt names a screen after its output and lists only the lit ones.
        if (output && output->connection == RR_Connected && output->crtc != 0) {
            names.emplace_back(output->name, static_cast<std::size_t>(output->nameLen));
        }
    }
    return names;
}

} // namespace

XDisplayFacts probeXDisplay(const char* displayName) {
    XDisplayFacts facts;
    const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(displayName));
    if (!display) {
        return facts;
    }
    facts.opened = true;
    const std::string trayName =
        "_NET_SYSTEM_TRAY_S" + std::to_string(DefaultScreen(display.get()));
    const Atom tray = XInternAtom(display.get(), trayName.c_str(), False);
    facts.systemTray = tray != None && XGetSelectionOwner(display.get(), tray) != None;
    int opcode = 0;
    int event = 0;
    int error = 0;
    facts.xtest = XQueryExtension(display.get(), "XTEST", &opcode, &event, &error) != 0;
    facts.connectedOutputs = connectedOutputs(display.get());
    return facts;
}

} // namespace eboardctl
