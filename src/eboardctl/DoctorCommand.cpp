// `eboardctl doctor`: what stands between the pen and the pointer, with or without a
// running agent. Gathers the facts; the rules that judge them are core's.
#include "AutostartProbe.h"
#include "BusSession.h"
#include "CalibrationArchiveFile.h"
#include "Command.h"
#include "XDisplayProbe.h"
#include "bus/AgentStatusService.h"
#include "core/base/AgentConfig.h"
#include "core/base/DataFile.h"
#include "core/base/DataPaths.h"
#include "core/calibration/SettingArchive.h"
#include "core/frame/UnitConstants.h"
#include "core/state/Doctor.h"
#include "device/HidrawDevice.h"
#include "device/UdevDeviceFinder.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace eboardctl {

namespace {

constexpr std::size_t kDataFileLimit = 1 << 20;

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

void findUnits(eboard::DoctorFacts& facts) {
    const std::unique_ptr<eboard::UdevDeviceFinder> finder = eboard::UdevDeviceFinder::create();
    if (!finder) {
        return;
    }
    const eboard::UnitCriteria criteria;
    for (const eboard::HidDeviceInfo& device : finder->presentDevices()) {
        if (!eboard::hasUnitIds(device, criteria)) {
            continue;
        }
        eboard::DoctorFacts::Unit unit{device.node, {}};
        const int fd = eboard::openNodeForReading(device.node);
        if (fd >= 0) {
            ::close(fd);
        } else {
            unit.openProblem = std::strerror(-fd);
        }
        facts.units.push_back(unit);
    }
    // Where udev looks for rules, the administrator's folders first.
    constexpr std::array kRuleFolders = {"/etc/udev/rules.d", "/run/udev/rules.d",
                                         "/usr/local/lib/udev/rules.d", "/usr/lib/udev/rules.d",
                                         "/lib/udev/rules.d"};
    for (const char* folder : kRuleFolders) {
        const std::string rule = std::string(folder) + "/" + eboard::kUnitRulesFile;
        if (::access(rule.c_str(), F_OK) == 0) {
            facts.udevRule = rule;
            break;
        }
    }
}

void readDataFiles(eboard::DoctorFacts& facts) {
    const std::filesystem::path archive = eboard::archivePath();
    facts.archivePath = archive.string();
    for (const std::filesystem::path& path :
         {archive, eboard::thresholdsPath(), eboard::agentConfigPath()}) {
        const eboard::DataFile file = eboard::readDataFile(path, kDataFileLimit);
        if (file.error && !file.missing()) {
            facts.dataFileProblems.push_back({path.string(), file.error.message()});
        }
    }
    using Calibration = eboard::DoctorFacts::Calibration;
    const eboard::SettingArchiveLoad stored = eboard::peekSettingArchive(archive);
    switch (stored.outcome) {
    case eboard::SettingArchiveLoad::Outcome::Missing:
        facts.calibration = Calibration::Missing;
        break;
    case eboard::SettingArchiveLoad::Outcome::Unreadable:
        facts.calibration = Calibration::Unreadable;
        break;
    case eboard::SettingArchiveLoad::Outcome::Loaded:
        facts.calibration = mapsThePen(stored.data) ? Calibration::Usable : Calibration::Unusable;
        break;
    }
}

void askBus(eboard::DoctorFacts& facts, BusSession& session) {
    if (!session.connection().isConnected()) {
        facts.busProblem = session.connection().lastError().message().toStdString();
        return;
    }
    QDBusConnectionInterface* bus = session.connection().interface();
    facts.statusNotifierWatcher =
        bus != nullptr &&
        bus->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher")).value();
    facts.agentRunning = session.agentRunning();
    if (facts.agentRunning) {
        facts.agent = eboard::askAgentStatus(session.connection(), &facts.agentProblem);
    }
}

} // namespace

int runDoctor(Arguments args, std::FILE* out) {
    if (!args.empty()) {
        throw UsageError("unexpected argument '" + std::string(args[0]) + "'");
    }
    eboard::DoctorFacts facts;
    facts.sessionType = environmentValue("XDG_SESSION_TYPE");
    facts.display = environmentValue("DISPLAY");
    facts.waylandDisplay = environmentValue("WAYLAND_DISPLAY");

    BusSession session(BusSession::Need::Optional);
    askBus(facts, session);
    if (!facts.display.empty()) {
        const XDisplayFacts display = probeXDisplay();
        facts.xSystemTray = display.systemTray;
        facts.xtest = display.xtest;
        facts.connectedOutputs = display.connectedOutputs;
    }
    findUnits(facts);
    if (::access("/dev/uinput", W_OK) != 0) {
        facts.uinputMissing = errno == ENOENT;
        facts.uinputProblem = std::strerror(errno);
    }
    facts.autostart = probeAutostart();
    readDataFiles(facts);
    facts.boardChoice =
        eboard::boardOutputChoiceOf(eboard::readAgentSettings(eboard::agentConfigPath()))
            .value_or("primary");

    int problems = 0;
    for (const eboard::Finding& finding : eboard::diagnose(facts)) {
        std::fputs(eboard::formatFinding(finding).c_str(), out);
        problems += finding.ok ? 0 : 1;
    }
    std::fflush(out);
    return problems;
}

} // namespace eboardctl
