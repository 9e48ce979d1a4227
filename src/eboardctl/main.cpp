// eboardctl: inspect and drive the eboard pen driver from a shell.
#include "Command.h"
#include "core/calibration/RunResult.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace {

using eboardctl::Arguments;

struct Subcommand {
    std::string_view name;
    int (*run)(Arguments, std::FILE*);
    std::string_view usage;
    std::string_view details = {}; // more for `eboardctl NAME --help`
    bool followsRuns = false;      // --wait: the help lists every way a run can end
};

constexpr std::string_view kCornerDetails =
    "The eight values are the raw camera points of the four screen corners, in this order:\n"
    "  X0 Y0  corner 0, top left       X1 Y1  corner 1, top right\n"
    "  X2 Y2  corner 2, bottom left    X3 Y3  corner 3, bottom right\n"
    "A raw point is what the camera sees with x mirrored: x = 1024 - the report's X, y = the\n"
    "report's Y. Stored as RawPoint0_X ... RawPoint3_Y. Corners that enclose no area are\n"
    "stored with a warning: the agent cannot map the pen with them.\n";

constexpr std::array kSubcommands = {
    Subcommand{"calibration", eboardctl::runCalibration,
               "calibration [--file F]                       print the stored calibration record\n"
               "  calibration set X0 Y0 X1 Y1 X2 Y2 X3 Y3 [--file F]  store a calibration record "
               "(corners 0-3:\n"
               "                                               top left, top right, bottom left, "
               "bottom right)",
               kCornerDetails},
    Subcommand{"grade", eboardctl::runGrade,
               "grade [--type normal|diagnosis] [--file F] [--thresholds T]\n"
               "                                               grade the stored calibration"},
    Subcommand{"map", eboardctl::runMap,
               "map X Y --screen WxH [--file F]              map a raw camera point to the screen"},
    Subcommand{
        "replay", eboardctl::runReplay,
        "replay REC [--file F] [--screen WxH] [--smooth N|adaptive] [--pointer log|xtest|uinput]\n"
        "                                               run a recorded report stream through the "
        "pen pipeline",
        "--calibration F is another name for --file F. --smooth N averages the last N pen\n"
        "positions (4 unless given); --smooth adaptive takes the adaptive smoothing, with\n"
        "--min-cutoff HZ and --beta B when given (see 'eboardctl smooth --help').\n"},
    Subcommand{"devices", eboardctl::runDevices,
               "devices                                      list the camera units and whether "
               "they are usable"},
    Subcommand{"record", eboardctl::runRecord,
               "record [--device PATH]                       write the unit's reports as a "
               "recording until interrupted",
               "Without --device the first usable camera unit is recorded; the recording goes to\n"
               "standard output in the hid-recorder text format.\n"},
    Subcommand{"play", eboardctl::runPlay,
               "play REC --to PATH                           write a recording's reports to a node "
               "or FIFO in real time",
               "A FIFO without a reader is waited for (start eBoardAgent --device PATH).\n"},
#ifdef EBOARDCTL_BUS_COMMANDS
    Subcommand{"calibrate", eboardctl::runCalibrate,
               "calibrate [--wait]                           ask the running agent to calibrate",
               "A calibration ends normal-end or poor when graded.\n", true},
    Subcommand{"diagnose", eboardctl::runDiagnose,
               "diagnose [--wait]                            ask the running agent for a diagnosis",
               "A diagnosis ends excellent, class1, class2 or class3 when graded.\n", true},
    Subcommand{"quit", eboardctl::runQuit,
               "quit                                         end the running agent"},
    Subcommand{
        "version", eboardctl::runVersionCommand,
        "version                                      show the running agent's About window"},
    Subcommand{"smooth", eboardctl::runSmooth,
               "smooth N|adaptive [--min-cutoff HZ] [--beta B]\n"
               "                                               choose how the pen's positions are "
               "smoothed",
               "smooth N averages the N most recent pen positions; 1 means none. Only the last 50\n"
               "are kept: a value above 50 goes round those again, so some count more than once.\n"
               "An average trails a moving pen by (N - 1) / 2 frames at every speed.\n"
               "smooth adaptive smooths strongly while the pen is nearly still and hardly at all\n"
               "while it moves fast: --min-cutoff is its cutoff at rest in Hz (default 1), --beta\n"
               "how fast the cutoff rises with the pen's speed (default 0.1).\n"
               "The mode and the parameters are remembered in $XDG_CONFIG_HOME/eboard/agent.conf\n"
               "(smoothing, smoothing_min_cutoff, smoothing_beta) and told to a running agent at\n"
               "once; the average's N lasts until the agent ends.\n"},
    Subcommand{"watch", eboardctl::runWatch,
               "watch                                        print the agent's notifications until "
               "interrupted"},
    Subcommand{"output", eboardctl::runOutput,
               "output NAME|primary                          choose the output the projector "
               "shows (the board)",
               "Remembered in $XDG_CONFIG_HOME/eboard/agent.conf for the next start, and told to\n"
               "a running agent at once. An output that is not connected leaves the agent on\n"
               "the primary output until it is.\n"},
    Subcommand{"outputs", eboardctl::runOutputs,
               "outputs                                      list the running agent's outputs: "
               "device geometry, scale, primary, board"},
    Subcommand{"status", eboardctl::runStatus,
               "status                                       show what the running agent sees: "
               "unit, pointer, board, calibration",
               "One line each: the unit (and its node), the pointer back end and whether it can\n"
               "move the pointer, the board output, the stored calibration and its grade, the\n"
               "pen's smoothing and the session. Status 1 when no agent runs.\n"},
    Subcommand{
        "doctor", eboardctl::runDoctor,
        "doctor                                       check what the pen needs, with the fix "
        "for each problem",
        "Checks, with or without a running agent: the session and display, a system tray,\n"
        "the camera unit (found, readable, udev rule), /dev/uinput, XWayland in a Wayland\n"
        "session, the autostart entry, the data files and the calibration, and the board\n"
        "output. One line each, marked with a check mark or a cross; each cross is followed\n"
        "by the fix. The exit status is the number of problems found.\n"},
#endif
};

bool asksForHelp(Arguments args) {
    return std::any_of(args.begin(), args.end(),
                       [](std::string_view arg) { return arg == "--help" || arg == "-h"; });
}

void printCommandHelp(const Subcommand& command, std::FILE* out) {
    std::fprintf(out, "Usage: eboardctl %.*s\n", static_cast<int>(command.usage.size()),
                 command.usage.data());
    if (!command.details.empty()) {
        std::fprintf(out, "\n%.*s", static_cast<int>(command.details.size()),
                     command.details.data());
    }
    if (command.followsRuns) {
        std::fputs("\nWith --wait, returns when the run ends and prints how it ended:\n", out);
        for (const bool completed : {true, false}) {
            std::fputs(completed ? "  status 0:" : "  status 1:", out);
            for (const eboard::RunResultInfo& info : eboard::runResults()) {
                if (info.completed == completed) {
                    std::fprintf(out, " %.*s", static_cast<int>(info.name.size()),
                                 info.name.data());
                }
            }
            std::fputc('\n', out);
        }
        std::fputs("A new request ends a run in progress as aborted; not-saved means the\n"
                   "calibration could not be stored (it holds until the agent ends).\n",
                   out);
    }
}

void printHelp(std::FILE* out) {
    std::fputs("Usage: eboardctl <command> [arguments]\n\n"
               "Inspect and drive the eboard driver for the HN-42 pen camera unit.\n\n"
               "Commands:\n",
               out);
    for (const Subcommand& command : kSubcommands) {
        std::fprintf(out, "  %.*s\n", static_cast<int>(command.usage.size()), command.usage.data());
    }
    std::fputs("\nOptions:\n"
               "  --help       show this help\n"
               "  --version    show the version\n\n"
               "F defaults to ~/Library/HN-42_driver/eBoardSetting.archive and T to\n"
               "~/Library/HN-42_driver/checkvalue.dat.\n",
               out);
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty()) {
        printHelp(stderr);
        return eboardctl::kUsageError;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printHelp(stdout);
        return eboardctl::kSuccess;
    }
    if (args[0] == "--version") {
        std::printf("eboardctl %s\n", EBOARD_VERSION);
        return eboardctl::kSuccess;
    }
    for (const Subcommand& command : kSubcommands) {
        if (command.name != args[0]) {
            continue;
        }
        const Arguments rest = Arguments(args).subspan(1);
        if (asksForHelp(rest)) {
            printCommandHelp(command, stdout);
            return eboardctl::kSuccess;
        }
        try {
            return command.run(rest, stdout);
        } catch (const eboardctl::UsageError& error) {
            std::fprintf(stderr, "eboardctl: %s\n", error.what());
            return eboardctl::kUsageError;
        } catch (const eboardctl::Failure& error) {
            std::fprintf(stderr, "eboardctl: %s\n", error.what());
            return eboardctl::kFailure;
        } catch (const std::filesystem::filesystem_error& error) {
            std::fprintf(stderr, "eboardctl: %s: %s\n", error.path1().c_str(),
                         error.code().message().c_str());
            return eboardctl::kFailure;
        } catch (const std::exception& error) {
            // Whatever a command did not foresee still ends in one line, never an abort.
            std::fprintf(stderr, "eboardctl: %s\n", error.what());
            return eboardctl::kFailure;
        }
    }
    std::fprintf(stderr, "eboardctl: unknown command '%s' (try --help)\n",
                 std::string(args[0]).c_str());
    return eboardctl::kUsageError;
}
