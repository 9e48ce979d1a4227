// eboardctl: inspect and drive the eboard pen driver from a shell.
#include "Command.h"

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
};

constexpr std::array kSubcommands = {
    Subcommand{"calibration", eboardctl::runCalibration,
               "calibration [--file F]                       print the stored calibration record\n"
               "  calibration set X0 Y0 X1 Y1 X2 Y2 X3 Y3 [--file F]  store a calibration record"},
    Subcommand{"grade", eboardctl::runGrade,
               "grade [--type normal|diagnosis] [--file F] [--thresholds T]\n"
               "                                               grade the stored calibration"},
    Subcommand{"map", eboardctl::runMap,
               "map X Y --screen WxH [--file F]              map a raw camera point to the screen"},
    Subcommand{
        "replay", eboardctl::runReplay,
        "replay REC [--calibration F] [--screen WxH] [--smooth N] [--pointer log|xtest|uinput]\n"
        "                                               run a recorded report stream through the "
        "pen pipeline"},
    Subcommand{"devices", eboardctl::runDevices,
               "devices                                      list the camera units and whether "
               "they are usable"},
    Subcommand{"record", eboardctl::runRecord,
               "record [--device PATH]                       write the unit's reports as a "
               "recording until interrupted"},
    Subcommand{"play", eboardctl::runPlay,
               "play REC --to PATH                           write a recording's reports to a node "
               "or FIFO in real time"},
#ifdef EBOARDCTL_BUS_COMMANDS
    Subcommand{"calibrate", eboardctl::runCalibrate,
               "calibrate                                    ask the running agent to calibrate"},
    Subcommand{
        "diagnose", eboardctl::runDiagnose,
        "diagnose                                     ask the running agent for a diagnosis"},
    Subcommand{"quit", eboardctl::runQuit,
               "quit                                         end the running agent"},
    Subcommand{
        "version", eboardctl::runVersionCommand,
        "version                                      show the running agent's About window"},
    Subcommand{
        "smooth", eboardctl::runSmooth,
        "smooth N                                     set the pointer smoothing to N samples"},
    Subcommand{"watch", eboardctl::runWatch,
               "watch                                        print the agent's notifications until "
               "interrupted"},
#endif
};

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
        try {
            return command.run(Arguments(args).subspan(1), stdout);
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
