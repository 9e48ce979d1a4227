#pragma once

#include <cstdio>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace eboardctl {

using Arguments = std::span<const std::string_view>;

// A bad command line or an unusable input: main prints "eboardctl: <message>" and
// exits with kUsageError or kFailure.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr int kSuccess = 0;
inline constexpr int kFailure = 1;
inline constexpr int kUsageError = 2;

// Each subcommand gets the arguments after its name and writes its result to out.
int runCalibration(Arguments args, std::FILE* out);
int runGrade(Arguments args, std::FILE* out);
int runMap(Arguments args, std::FILE* out);
int runReplay(Arguments args, std::FILE* out);
// The camera unit: list, record, play back.
int runDevices(Arguments args, std::FILE* out);
int runRecord(Arguments args, std::FILE* out);
int runPlay(Arguments args, std::FILE* out);

#ifdef EBOARDCTL_BUS_COMMANDS
// Commands to a running agent over the session bus.
int runCalibrate(Arguments args, std::FILE* out);
int runDiagnose(Arguments args, std::FILE* out);
int runQuit(Arguments args, std::FILE* out);
int runVersionCommand(Arguments args, std::FILE* out);
int runSmooth(Arguments args, std::FILE* out);
int runWatch(Arguments args, std::FILE* out);
// The board output: remembered and told to a running agent; the agent's outputs.
int runOutput(Arguments args, std::FILE* out);
int runOutputs(Arguments args, std::FILE* out);
// What the running agent sees; what stands between the pen and the pointer.
int runStatus(Arguments args, std::FILE* out);
int runDoctor(Arguments args, std::FILE* out);
#endif

} // namespace eboardctl
