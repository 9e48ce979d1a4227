// Settings remembered in agent.conf for the agent's next start and told to a running one
// at once: the board output (which output the projector shows) and the pen's smoothing;
// and the outputs as the running agent sees them.
#include "BusSession.h"
#include "Command.h"
#include "Options.h"
#include "bus/DBusDistributedCenter.h"
#include "bus/SingleInstance.h"
#include "bus/UserInfoConversion.h"
#include "core/base/AgentConfig.h"
#include "core/base/PrintableText.h"
#include "core/notify/Names.h"
#include "core/pen/Smoothing.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace eboardctl {

namespace {

// How long `output` and `outputs` wait for the agent's answer.
constexpr int kAnswerTimeoutMs = 3000;

std::optional<std::string> textValue(const eboard::UserInfo& userInfo, std::string_view key) {
    const auto found = std::find_if(userInfo.begin(), userInfo.end(),
                                    [key](const auto& entry) { return entry.first == key; });
    if (found == userInfo.end()) {
        return std::nullopt;
    }
    const auto* text = std::get_if<std::string>(&found->second);
    return text != nullptr ? std::optional<std::string>(*text) : std::nullopt;
}

// What the agent said it does with the choice; names are escaped, as any process may post.
std::string boardOutputAnswer(const std::string& choice, const std::optional<std::string>& board) {
    if (!board) {
        // An agent from before the answer existed, or one too busy to give it.
        return "told the running agent; it did not say which output it uses";
    }
    if (board->empty()) {
        return "the running agent sees no output at all; it uses this one once it is connected";
    }
    const std::string quoted = "\"" + eboard::printableText(*board) + "\"";
    if (choice == "primary") {
        return "the running agent uses the primary output " + quoted + " now";
    }
    if (*board == choice) {
        return "the running agent uses it now";
    }
    return "\"" + eboard::printableText(choice) +
           "\" is not connected: the running agent keeps the primary output " + quoted +
           " until it is";
}

bool postCommand(QDBusConnection& connection, std::string_view name,
                 const eboard::UserInfo& userInfo) {
    return eboard::DBusDistributedCenter::post(
        connection, QString::fromLatin1(name),
        QString::fromUtf8(eboard::kCommandObject.data(),
                          static_cast<qsizetype>(eboard::kCommandObject.size())),
        eboard::toVariantMap(userInfo));
}

} // namespace

int runOutput(Arguments args, std::FILE* out) {
    if (args.size() != 1 || args[0].empty()) {
        throw UsageError("output needs an output name (see 'eboardctl outputs') or 'primary'");
    }
    const std::string choice(args[0]);
    const std::filesystem::path path = eboard::agentConfigPath();
    if (const std::error_code error = eboard::writeBoardOutputChoice(path, choice)) {
        throw Failure("cannot remember the board output in " + path.string() + ": " +
                      error.message());
    }
    std::fprintf(out, "board output: %s (remembered in %s)\n",
                 eboard::printableText(choice).c_str(), path.c_str());
    BusSession bus(BusSession::Need::Optional);
    if (!bus.agentRunning()) {
        std::fputs("no agent is running; it takes this output when it starts\n", out);
        return kSuccess;
    }
    eboard::DBusDistributedCenter center(bus.connection());
    if (!center.listen()) {
        throw Failure("cannot listen on the session bus");
    }
    // Subscribed before the command goes out, so the answer cannot slip by. Another
    // process may choose another output at the same time: only the answer to this choice
    // counts.
    std::optional<std::string> board;
    center.addObserver(eboard::names::kBoardOutput, [&](const eboard::UserInfo& userInfo) {
        if (board || textValue(userInfo, eboard::names::kOutputKey) != choice) {
            return;
        }
        board = textValue(userInfo, eboard::names::kBoardKey).value_or(std::string());
        QCoreApplication::quit();
    });
    if (!postCommand(bus.connection(), eboard::names::kSetBoardOutput,
                     {{std::string(eboard::names::kOutputKey), choice}})) {
        throw Failure("could not tell the running agent");
    }
    QTimer::singleShot(kAnswerTimeoutMs, QCoreApplication::instance(), &QCoreApplication::quit);
    QCoreApplication::exec();
    std::fprintf(out, "%s\n", boardOutputAnswer(choice, board).c_str());
    return kSuccess;
}

int runSmooth(Arguments args, std::FILE* out) {
    const Options options(args, {"min-cutoff", "beta"});
    if (options.positionals().size() != 1) {
        throw UsageError("smooth needs one whole number N or adaptive");
    }
    const std::filesystem::path path = eboard::agentConfigPath();
    std::vector<std::string> ignored; // the agent names them when it reads the file
    eboard::SmoothingChoice choice =
        eboard::smoothingChoiceOf(eboard::readAgentSettings(path), ignored);
    std::string_view command;
    eboard::UserInfo userInfo;
    if (options.positionals()[0] == "adaptive") {
        choice.mode = eboard::SmoothingMode::Adaptive;
        choice.adaptive = adaptiveParameters(options, choice.adaptive);
        command = eboard::names::kSetSmoothMode;
        userInfo = {{std::string(eboard::names::kModeKey), std::string("adaptive")},
                    {std::string(eboard::names::kMinCutoffKey), choice.adaptive.minCutoff},
                    {std::string(eboard::names::kBetaKey), choice.adaptive.beta}};
    } else {
        if (options.value("min-cutoff") || options.value("beta")) {
            throw UsageError("--min-cutoff and --beta go with adaptive");
        }
        const std::int64_t window = parseInteger(options.positionals()[0], "N");
        if (window < std::numeric_limits<std::int32_t>::min() ||
            window > std::numeric_limits<std::int32_t>::max()) {
            throw UsageError("invalid N '" + std::to_string(window) + "'");
        }
        choice.mode = eboard::SmoothingMode::Average;
        choice.window = static_cast<std::int32_t>(window);
        command = eboard::names::kSetSmoothValue;
        userInfo = {{std::string(eboard::names::kSmoothValueKey), window}};
    }
    const auto values = eboard::smoothingConfigValues(choice);
    if (const std::error_code error = eboard::writeConfigValues(path, values)) {
        throw Failure("cannot remember the smoothing in " + path.string() + ": " + error.message());
    }
    std::fprintf(out, "pen smoothing: %s (remembered in %s)\n",
                 eboard::describeSmoothing(choice).c_str(), path.c_str());
    BusSession bus(BusSession::Need::Optional);
    if (!bus.agentRunning()) {
        std::fputs("no agent is running; it takes this smoothing when it starts\n", out);
        return kSuccess;
    }
    if (!postCommand(bus.connection(), command, userInfo)) {
        throw Failure("could not tell the running agent");
    }
    // The broadcast is queued: a round trip to the bus sends it before the process ends.
    bus.connection().call(QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId")));
    std::fputs("told the running agent\n", out);
    return kSuccess;
}

int runOutputs(Arguments args, std::FILE* out) {
    if (!args.empty()) {
        throw UsageError("unexpected argument '" + std::string(args[0]) + "'");
    }
    BusSession bus(BusSession::Need::Optional);
    if (!bus.connection().isConnected()) {
        throw Failure("no D-Bus session bus: " +
                      bus.connection().lastError().message().toStdString());
    }
    bus.requireAgent();
    eboard::DBusDistributedCenter center(bus.connection());
    if (!center.listen()) {
        throw Failure("cannot listen on the session bus");
    }
    std::string lines;
    bool answered = false;
    center.addObserver(eboard::names::kOutputs, [&](const eboard::UserInfo& userInfo) {
        lines = textValue(userInfo, eboard::names::kOutputsKey).value_or(std::string());
        answered = true;
        QCoreApplication::quit();
    });
    if (!postCommand(bus.connection(), eboard::names::kListOutputs, {})) {
        throw Failure("could not ask the running agent");
    }
    QTimer::singleShot(kAnswerTimeoutMs, QCoreApplication::instance(), &QCoreApplication::quit);
    QCoreApplication::exec();
    if (!answered) {
        throw Failure("the running agent did not answer within 3 s");
    }
    // NAME WxH+X+Y scale S [primary] [board], device pixels; escaped, as any process may post.
    std::size_t start = 0;
    while (start < lines.size()) {
        const std::size_t end = std::min(lines.find('\n', start), lines.size());
        std::fprintf(out, "%s\n", eboard::printableText(lines.substr(start, end - start)).c_str());
        start = end + 1;
    }
    return kSuccess;
}

} // namespace eboardctl
