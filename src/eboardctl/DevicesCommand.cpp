// eboardctl devices: every hidraw device with the camera unit's vendor and product, and
// whether the agent could use it.
#include "Command.h"
#include "Options.h"
#include "core/frame/UnitConstants.h"
#include "device/HidrawDevice.h"
#include "device/UdevDeviceFinder.h"

#include <cstring>
#include <string>
#include <unistd.h>

namespace eboardctl {

namespace {

std::string openProblem(const std::string& node) {
    const int fd = eboard::openNodeForReading(node);
    if (fd >= 0) {
        ::close(fd);
        return {};
    }
    if (-fd == EACCES || -fd == EPERM) {
        return std::string("permission denied (install the udev rule ") + eboard::kUnitRulesFile +
               ")";
    }
    return std::strerror(-fd);
}

std::string line(const eboard::HidDeviceInfo& device, const eboard::UnitCriteria& criteria) {
    const eboard::UnitAssessment assessment = eboard::assessUnit(device, criteria);
    char head[160];
    const auto& summary = assessment.descriptor;
    std::snprintf(head, sizeof head, "%s %04x:%04x usage-page=", device.node.c_str(),
                  device.id->vendor, device.id->product);
    std::string text = head;
    if (summary) {
        std::snprintf(head, sizeof head, "0x%02x input-report=%zu", summary->usagePage,
                      summary->maxInputReportSize);
        text += head;
    } else {
        text += "? input-report=?";
    }
    std::string problem = assessment.verdict == eboard::UnitVerdict::Usable
                              ? openProblem(device.node)
                              : eboard::describeVerdict(assessment, criteria);
    return text + (problem.empty() ? " ok" : " unusable: " + problem);
}

} // namespace

int runDevices(Arguments args, std::FILE* out) {
    const Options options(args, {});
    if (!options.positionals().empty()) {
        throw UsageError("devices takes no arguments");
    }
    const std::unique_ptr<eboard::UdevDeviceFinder> finder = eboard::UdevDeviceFinder::create();
    if (!finder) {
        throw Failure("udev is not available");
    }
    const eboard::UnitCriteria criteria;
    int listed = 0;
    for (const eboard::HidDeviceInfo& device : finder->presentDevices()) {
        if (eboard::hasUnitIds(device, criteria)) {
            std::fprintf(out, "%s\n", line(device, criteria).c_str());
            ++listed;
        }
    }
    if (listed == 0) {
        std::fputs("eboardctl: no camera unit found\n", stderr);
    }
    return kSuccess;
}

} // namespace eboardctl
