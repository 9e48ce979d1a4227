// Commands that talk with a running agent over the session bus.
#include "BusDisconnection.h"
#include "BusSession.h"
#include "Command.h"
#include "Options.h"
#include "bus/DBusDistributedCenter.h"
#include "bus/SingleInstance.h"
#include "bus/UserInfoConversion.h"
#include "core/base/PrintableText.h"
#include "core/calibration/RunResult.h"
#include "core/notify/Names.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QTimer>
#include <cinttypes>
#include <limits>
#include <optional>
#include <string>

namespace eboardctl {

namespace {

void noArguments(Arguments args) {
    if (!args.empty()) {
        throw UsageError("unexpected argument '" + std::string(args[0]) + "'");
    }
}

// Sends one command and waits until the bus daemon has taken it: a round trip on the
// same connection comes back only after the signal before it was routed.
int post(std::string_view name, const eboard::UserInfo& userInfo) {
    BusSession session;
    session.requireAgent();
    if (!eboard::DBusDistributedCenter::post(
            session.connection(), QString::fromLatin1(name),
            QString::fromUtf8(eboard::kCommandObject.data(),
                              static_cast<qsizetype>(eboard::kCommandObject.size())),
            eboard::toVariantMap(userInfo))) {
        throw Failure("could not send " + std::string(name));
    }
    const QDBusMessage reply = session.connection().call(QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId")));
    if (reply.type() == QDBusMessage::ErrorMessage) {
        throw Failure("the session bus did not answer: " + reply.errorMessage().toStdString());
    }
    return kSuccess;
}

// Names and texts come from any process on the bus: escaped, so that none can forge a
// line or steer the terminal.
void printText(std::FILE* out, const std::string& text) {
    std::fputs(eboard::printableText(text).c_str(), out);
}

void printValue(std::FILE* out, const eboard::NotificationValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        printText(out, *text);
    } else if (const auto* integer = std::get_if<std::int64_t>(&value)) {
        std::fprintf(out, "%" PRId64, *integer);
    } else {
        std::fprintf(out, "%.17g", std::get<double>(value));
    }
}

} // namespace

namespace {

// Only "--wait" is taken: the command then follows the run it starts.
bool waitOption(Arguments args) {
    if (args.empty()) {
        return false;
    }
    if (args.size() == 1 && args[0] == "--wait") {
        return true;
    }
    throw UsageError("unexpected argument '" + std::string(args[0]) + "'");
}

bool isCompletedRun(const std::string& result) {
    const std::optional<eboard::RunResult> known = eboard::runResultNamed(result);
    return known && eboard::isCompletedRun(*known);
}

// Whether the announcement tells the end of the run that answers this request.
bool answersRequest(const eboard::UserInfo& userInfo, const std::string& token) {
    for (const auto& [key, value] : userInfo) {
        const auto* text = std::get_if<std::string>(&value);
        if (key != eboard::names::kRequestKey || text == nullptr) {
            continue;
        }
        std::size_t start = 0;
        while (start <= text->size()) {
            const std::size_t end = std::min(text->find(' ', start), text->size());
            if (text->compare(start, end - start, token) == 0) {
                return true;
            }
            start = end + 1;
        }
    }
    return false;
}

// Posts the request with a token of this connection's own, then waits for the agent to
// announce how the run that answers it ended; the end of a run the request cut short is
// someone else's. The subscription is in place before the request goes out, so no
// ending can slip by.
int postAndFollow(std::string_view name, std::FILE* out) {
    BusSession session;
    session.requireAgent();
    eboard::DBusDistributedCenter center(session.connection());
    if (!center.listen()) {
        throw Failure("cannot listen on the session bus");
    }
    const std::string token = session.connection().baseService().toStdString();
    std::optional<std::string> result;
    center.addObserver(eboard::names::kCalibrateEnded, [&](const eboard::UserInfo& userInfo) {
        if (result || !answersRequest(userInfo, token)) {
            return;
        }
        result = "unknown";
        for (const auto& [key, value] : userInfo) {
            if (const auto* text = std::get_if<std::string>(&value);
                key == eboard::names::kResultKey && text) {
                result = *text;
            }
        }
        QCoreApplication::quit();
    });
    bool agentGone = false;
    QTimer agentCheck;
    QObject::connect(&agentCheck, &QTimer::timeout, [&session, &agentGone] {
        QDBusConnectionInterface* bus = session.connection().interface();
        if (bus == nullptr ||
            !bus->isServiceRegistered(QString::fromLatin1(eboard::kAgentBusName)).value()) {
            agentGone = true;
            QCoreApplication::quit();
        }
    });
    agentCheck.start(500);
    bool busGone = false;
    BusDisconnection disconnection(session.connection(), [&busGone] {
        busGone = true;
        QCoreApplication::quit();
    });
    center.postNotification(name, eboard::kCommandObject,
                            {{std::string(eboard::names::kRequestKey), token}});
    QCoreApplication::exec();
    if (!result) {
        throw Failure(busGone     ? "the session bus went away"
                      : agentGone ? "the agent ended before the run did"
                                  : "the run's end was not announced");
    }
    printText(out, *result);
    std::fputc('\n', out);
    std::fflush(out);
    return isCompletedRun(*result) ? kSuccess : kFailure;
}

} // namespace

int runCalibrate(Arguments args, std::FILE* out) {
    if (waitOption(args)) {
        return postAndFollow(eboard::names::kStartCalibrate, out);
    }
    return post(eboard::names::kStartCalibrate, {});
}

int runDiagnose(Arguments args, std::FILE* out) {
    if (waitOption(args)) {
        return postAndFollow(eboard::names::kCompleteCalibrate, out);
    }
    return post(eboard::names::kCompleteCalibrate, {});
}

int runQuit(Arguments args, std::FILE*) {
    noArguments(args);
    return post(eboard::names::kQuit, {});
}

int runVersionCommand(Arguments args, std::FILE*) {
    noArguments(args);
    return post(eboard::names::kVersion, {});
}

int runWatch(Arguments args, std::FILE* out) {
    noArguments(args);
    BusSession session;
    eboard::DBusDistributedCenter center(session.connection());
    if (!center.listen()) {
        throw Failure("cannot listen on the session bus");
    }
    center.addMonitor([out](const std::string& name, const eboard::UserInfo& userInfo) {
        if (name.empty()) {
            std::fputs("(empty name)", out);
        } else {
            printText(out, name);
        }
        for (const auto& [key, value] : userInfo) {
            std::fputc(' ', out);
            printText(out, key);
            std::fputc('=', out);
            printValue(out, value);
        }
        std::fputc('\n', out);
        std::fflush(out);
    });
    // Without a bus there is nothing more to watch; the bus library tells its own
    // connection so with a local signal.
    bool busGone = false;
    BusDisconnection disconnection(session.connection(), [&busGone] {
        busGone = true;
        QCoreApplication::quit();
    });
    const int status = QCoreApplication::exec();
    if (busGone) {
        throw Failure("the session bus went away");
    }
    return status;
}

} // namespace eboardctl
