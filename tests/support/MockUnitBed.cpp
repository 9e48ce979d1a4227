#include "support/MockUnitBed.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <termios.h>
#include <umockdev.h>
#include <unistd.h>

namespace eboard::testing {

namespace {
constexpr int kHidrawMajor = 240;

std::string takeString(gchar* text) {
    std::string result = text != nullptr ? text : "";
    g_free(text);
    return result;
}
} // namespace

std::vector<std::uint8_t> unitDescriptor(std::uint8_t reportCount, std::uint8_t usagePage) {
    return {
        0x05, usagePage,         // Usage Page
        0x09, 0x01,              // Usage (Consumer Control)
        0xA1, 0x01,              // Collection (Application)
        0x15, 0x00,              //   Logical Minimum (0)
        0x26, 0xFF,        0x00, //   Logical Maximum (255)
        0x75, 0x08,              //   Report Size (8)
        0x95, reportCount,       //   Report Count
        0x09, 0x01,              //   Usage
        0x81, 0x02,              //   Input (Data, Variable, Absolute)
        0x95, 0x08,              //   Report Count (8)
        0x09, 0x01,              //   Usage
        0x91, 0x02,              //   Output (Data, Variable, Absolute)
        0xC0,                    // End Collection
    };
}

MockUnitBed& MockUnitBed::instance() {
    static MockUnitBed bed;
    return bed;
}

MockUnitBed::MockUnitBed()
    : bed_(umockdev_testbed_new()) {
    if (!umockdev_in_mock_environment()) {
        throw std::runtime_error("run this test under umockdev-wrapper");
    }
    root_ = takeString(umockdev_testbed_get_root_dir(bed_));
    std::filesystem::create_directories(root_ + "/dev");
}

// The testbed lives until the process ends; its folder must not outlive it.
MockUnitBed::~MockUnitBed() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

void MockUnitBed::plug(MockUnit& unit, const UnitTraits& traits) {
    const unsigned index = nextIndex_++;
    char hidName[64];
    std::snprintf(hidName, sizeof hidName, "0003:%04X:%04X.%04X", traits.vendor & 0xFFFF,
                  traits.product & 0xFFFF, index + 1);
    char hidId[64];
    std::snprintf(hidId, sizeof hidId, "0003:%08X:%08X", traits.vendor, traits.product);
    const std::string name = "hidraw" + std::to_string(index);
    const std::string devnum = std::to_string(kHidrawMajor) + ":" + std::to_string(index);
    const std::string minor = std::to_string(index);

    unit.bed_ = bed_;
    unit.hid_ =
        takeString(umockdev_testbed_add_device(bed_, "hid", hidName, nullptr, nullptr, "HID_ID",
                                               hidId, "HID_NAME", "Mock HN-42", nullptr));
    std::vector<std::uint8_t> descriptor = traits.descriptor; // the C API takes a mutable pointer
    umockdev_testbed_set_attribute_binary(bed_, unit.hid_.c_str(), "report_descriptor",
                                          descriptor.data(), descriptor.size());

    // The node is a raw PTY of our own, so a name can come back after an unplug.
    unit.master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (unit.master_ < 0 || ::grantpt(unit.master_) != 0 || ::unlockpt(unit.master_) != 0) {
        throw std::runtime_error("no PTY");
    }
    termios raw{};
    ::tcgetattr(unit.master_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(unit.master_, TCSANOW, &raw);
    unit.queue_ = ::open(::ptsname(unit.master_), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    unit.node_ = "/dev/" + name;
    unit.link_ = root_ + unit.node_;
    std::filesystem::remove(unit.link_);
    std::filesystem::create_symlink(::ptsname(unit.master_), unit.link_);

    unit.hidraw_ = takeString(umockdev_testbed_add_device(
        bed_, "hidraw", name.c_str(), unit.hid_.c_str(), "dev", devnum.c_str(), nullptr, "DEVNAME",
        unit.node_.c_str(), "MAJOR", "240", "MINOR", minor.c_str(), nullptr));
}

MockUnit::~MockUnit() {
    if (plugged()) {
        unplug();
    }
    closeNode();
}

void MockUnit::write(std::span<const std::uint8_t> report) const {
    for (int waited = 0; queue_ >= 0 && waited < 1000; ++waited) {
        int waiting = 0;
        // Straight to the kernel: umockdev's ioctl wrapper takes some 150 us per call.
        if (::syscall(SYS_ioctl, queue_, FIONREAD, &waiting) != 0 || waiting == 0) {
            break;
        }
        ::usleep(1000);
    }
    if (::write(master_, report.data(), report.size()) != static_cast<ssize_t>(report.size())) {
        throw std::runtime_error("report not written");
    }
}

void MockUnit::closeNode() {
    if (queue_ >= 0) {
        ::close(queue_);
        queue_ = -1;
    }
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
}

void MockUnit::unplug() {
    umockdev_testbed_uevent(bed_, hidraw_.c_str(), "remove");
    removeEntries();
}

void MockUnit::vanishSilently() {
    removeEntries();
}

void MockUnit::removeEntries() {
    umockdev_testbed_remove_device(bed_, hidraw_.c_str());
    umockdev_testbed_remove_device(bed_, hid_.c_str());
    std::error_code ignored;
    std::filesystem::remove(link_, ignored);
    hidraw_.clear();
}

} // namespace eboard::testing
