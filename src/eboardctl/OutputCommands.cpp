// The board output: which output the projector shows, remembered for the agent and told to
// a running one; and the outputs as the running agent sees them.
#include "Command.h"
#include "bus/DBusDistributedCenter.h"
#include "bus/SingleInstance.h"
#include "bus/UserInfoConversion.h"
#include "core/base/AgentConfig.h"
#include "core/base/PrintableText.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QTimer>
#include <algorithm>
#include <string>

namespace eboardctl {

namespace {

// How long `outputs` waits for the agent's answer.
constexpr int kAnswerTimeoutMs = 3000;

class BusConnection {
public:
    BusConnection()
        : app_(argc_, argv_)
        , connection_(QDBusConnection::sessionBus()) {}
    QDBusConnection& connection() { return connection_; }
    bool agentRunning() {
        QDBusConnectionInterface* bus = connection_.interface();
        return connection_.isConnected() && bus != nullptr &&
               bus->isServiceRegistered(QString::fromLatin1(eboard::kAgentBusName)).value();
    }

private:
    int argc_ = 1;
    char name_[10] = "eboardctl";
    char* argv_[2] = {name_, nullptr};
    QCoreApplication app_;
    QDBusConnection connection_;
};

bool postCommand(QDBusConnection& connection, const char* name, const eboard::UserInfo& userInfo) {
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
    BusConnection bus;
    if (!bus.agentRunning()) {
        std::fputs("no agent is running; it takes this output when it starts\n", out);
        return kSuccess;
    }
    if (!postCommand(bus.connection(), "SetBoardOutput", {{"output", choice}})) {
        throw Failure("could not tell the running agent");
    }
    // A round trip: the signal has been routed when the answer comes back.
    bus.connection().interface()->isServiceRegistered(QString::fromLatin1(eboard::kAgentBusName));
    std::fputs("the running agent uses it now\n", out);
    return kSuccess;
}

int runOutputs(Arguments args, std::FILE* out) {
    if (!args.empty()) {
        throw UsageError("unexpected argument '" + std::string(args[0]) + "'");
    }
    BusConnection bus;
    if (!bus.connection().isConnected()) {
        throw Failure("no D-Bus session bus: " +
                      bus.connection().lastError().message().toStdString());
    }
    if (!bus.agentRunning()) {
        throw Failure(std::string("no agent is running (nobody owns ") + eboard::kAgentBusName +
                      " on the session bus); start eBoardAgent first");
    }
    eboard::DBusDistributedCenter center(bus.connection());
    if (!center.listen()) {
        throw Failure("cannot listen on the session bus");
    }
    std::string lines;
    bool answered = false;
    center.addObserver("Outputs", [&](const eboard::UserInfo& userInfo) {
        const auto found = std::find_if(userInfo.begin(), userInfo.end(),
                                        [](const auto& entry) { return entry.first == "outputs"; });
        if (found != userInfo.end()) {
            if (const auto* text = std::get_if<std::string>(&found->second)) {
                lines = *text;
            }
        }
        answered = true;
        QCoreApplication::quit();
    });
    if (!postCommand(bus.connection(), "ListOutputs", {})) {
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
