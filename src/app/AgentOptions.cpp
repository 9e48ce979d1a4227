#include "app/AgentOptions.h"

namespace eboard {

namespace {

// Splits "--name=value" or takes the value from the next argument.
bool takeValue(std::span<const std::string_view> args, std::size_t& i, std::string_view name,
               std::string_view& value, std::string& error) {
    const std::string_view arg = args[i];
    if (arg.size() > name.size() && arg.substr(0, name.size()) == name && arg[name.size()] == '=') {
        value = arg.substr(name.size() + 1);
        return true;
    }
    if (i + 1 >= args.size()) {
        error = std::string(name) + " needs a value";
        return false;
    }
    value = args[++i];
    return true;
}

bool startsWithOption(std::string_view arg, std::string_view name) {
    return arg == name || (arg.size() > name.size() && arg.substr(0, name.size()) == name &&
                           arg[name.size()] == '=');
}

// Qt's documented command-line options (QGuiApplication, QApplication, and xcb's), which
// Qt removes from the arguments itself. A session manager adds -session on restore.
constexpr std::string_view kQtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",  "qmljsdebugger",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session", "display",
    "style",           "stylesheet",         "name",          "title",   "visual"};
constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// The option's name when arg is "-name" or "--name", else empty.
std::string_view qtOptionName(std::string_view arg) {
    if (arg.starts_with("--")) {
        arg.remove_prefix(2);
    } else if (arg.starts_with("-")) {
        arg.remove_prefix(1);
    } else {
        return {};
    }
    return arg;
}

// Passes over a Qt option and its value; remembers the two the agent needs. False when
// arg is not one of Qt's.
bool takeQtOption(std::span<const std::string_view> args, std::size_t& i, AgentOptions& options,
                  std::string& error) {
    const std::string_view name = qtOptionName(args[i]);
    if (name.empty()) {
        return false;
    }
    for (const std::string_view flag : kQtFlags) {
        if (name == flag) {
            return true;
        }
    }
    for (const std::string_view withValue : kQtOptionsWithValue) {
        if (name != withValue) {
            continue;
        }
        if (i + 1 >= args.size()) {
            error = std::string(args[i]) + " needs a value";
            return true;
        }
        const std::string value(args[++i]);
        if (name == "platform") {
            options.qtPlatform = value;
        } else if (name == "display") {
            options.qtDisplay = value;
        }
        return true;
    }
    return false;
}

} // namespace

AgentOptionsResult parseAgentOptions(std::span<const std::string_view> args) {
    AgentOptionsResult result;
    for (std::size_t i = 0; i < args.size() && result.error.empty(); ++i) {
        const std::string_view arg = args[i];
        std::string_view value;
        if (arg == "--help" || arg == "-h") {
            result.options.showHelp = true;
        } else if (arg == "--version") {
            result.options.showVersion = true;
        } else if (startsWithOption(arg, "--device")) {
            if (takeValue(args, i, "--device", value, result.error)) {
                if (value.empty()) {
                    result.error = "--device needs a path";
                } else {
                    result.options.devicePath = std::filesystem::path(value);
                }
            }
        } else if (startsWithOption(arg, "--pointer")) {
            if (takeValue(args, i, "--pointer", value, result.error)) {
                if (auto backend = parsePointerBackend(value)) {
                    result.options.pointer = *backend;
                } else {
                    result.error = "unknown pointer back end '" + std::string(value) +
                                   "' (auto, uinput, xtest or log)";
                }
            }
        } else if (startsWithOption(arg, "--output")) {
            if (takeValue(args, i, "--output", value, result.error)) {
                if (value.empty()) {
                    result.error = "--output needs an output name or 'primary'";
                } else {
                    result.options.output = std::string(value);
                }
            }
        } else if (!takeQtOption(args, i, result.options, result.error)) {
            result.error = "unknown argument '" + std::string(arg) + "' (try --help)";
        }
    }
    return result;
}

std::string agentUsage() {
    return "Usage: eBoardAgent [options]\n\n"
           "Pen driver for the HN-42 camera unit: a tray icon, calibration and the pen as a\n"
           "mouse. Needs a graphical session and its D-Bus session bus.\n\n"
           "Options:\n"
           "  --device PATH     use this hidraw node (or a file or FIFO of reports) as the\n"
           "                    unit instead of finding it through udev\n"
           "  --pointer KIND    how pointer events are posted: auto (uinput, else XTest),\n"
           "                    uinput, xtest, or log (print them instead: a dry run)\n"
           "  --output NAME     the output the projector shows (the board), e.g. HDMI-1, or\n"
           "                    primary; default: the choice remembered by 'eboardctl output',\n"
           "                    else the primary output\n"
           "  --version         show the version\n"
           "  --help            show this help\n\n"
           "Qt's own options (-platform, -display, -style, -session ...) go to Qt.\n";
}

} // namespace eboard
