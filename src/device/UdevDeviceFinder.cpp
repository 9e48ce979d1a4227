#include "device/UdevDeviceFinder.h"

#include <QSocketNotifier>
#include <fstream>
#include <iterator>
#include <libudev.h>

namespace eboard {

namespace {

// The kernel's limit for a HID report descriptor.
constexpr std::size_t kMaxDescriptorSize = 4096;

struct DeviceUnref {
    void operator()(udev_device* device) const { udev_device_unref(device); }
};
using DevicePtr = std::unique_ptr<udev_device, DeviceUnref>;

struct EnumerateUnref {
    void operator()(udev_enumerate* enumerate) const { udev_enumerate_unref(enumerate); }
};

std::string text(const char* value) {
    return value != nullptr ? value : "";
}

std::optional<std::vector<std::uint8_t>> readDescriptorFile(const std::string& folder) {
    std::ifstream file(folder + "/report_descriptor", std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(kMaxDescriptorSize + 1);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    const auto count = static_cast<std::size_t>(file.gcount());
    if (file.bad() || count > kMaxDescriptorSize) {
        return std::nullopt;
    }
    bytes.resize(count);
    return bytes;
}

} // namespace

HidDeviceInfo describeHidrawDevice(udev_device* hidraw) {
    HidDeviceInfo info;
    info.syspath = text(udev_device_get_syspath(hidraw));
    info.node = text(udev_device_get_devnode(hidraw));
    // Owned by hidraw; not to be unreferenced.
    udev_device* hid = udev_device_get_parent_with_subsystem_devtype(hidraw, "hid", nullptr);
    if (hid == nullptr) {
        return info;
    }
    if (const char* id = udev_device_get_property_value(hid, "HID_ID")) {
        info.id = parseHidId(id);
    }
    info.name = text(udev_device_get_property_value(hid, "HID_NAME"));
    info.reportDescriptor = readDescriptorFile(text(udev_device_get_syspath(hid)));
    return info;
}

std::unique_ptr<UdevDeviceFinder> UdevDeviceFinder::create() {
    udev* context = udev_new();
    if (context == nullptr) {
        return nullptr;
    }
    return std::make_unique<UdevDeviceFinder>(Key{}, context);
}

UdevDeviceFinder::UdevDeviceFinder(Key, udev* context)
    : udev_(context) {}

UdevDeviceFinder::~UdevDeviceFinder() {
    notifier_.reset();
    if (monitor_ != nullptr) {
        udev_monitor_unref(monitor_);
    }
    udev_unref(udev_);
}

std::vector<HidDeviceInfo> UdevDeviceFinder::presentDevices() {
    std::vector<HidDeviceInfo> devices;
    const std::unique_ptr<udev_enumerate, EnumerateUnref> enumerate(udev_enumerate_new(udev_));
    if (!enumerate || udev_enumerate_add_match_subsystem(enumerate.get(), "hidraw") < 0 ||
        udev_enumerate_scan_devices(enumerate.get()) < 0) {
        return devices;
    }
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get())) {
        const DevicePtr device(
            udev_device_new_from_syspath(udev_, udev_list_entry_get_name(entry)));
        if (device) {
            devices.push_back(describeHidrawDevice(device.get()));
        }
    }
    return devices;
}

bool UdevDeviceFinder::watch(AddedHandler added, RemovedHandler removed, QObject* notifierParent) {
    if (monitor_ != nullptr) {
        return false;
    }
    monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
    if (monitor_ == nullptr ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor_, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor_) < 0) {
        return false;
    }
    added_ = std::move(added);
    removed_ = std::move(removed);
    notifier_ = std::make_unique<QSocketNotifier>(udev_monitor_get_fd(monitor_),
                                                  QSocketNotifier::Read, notifierParent);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { receiveEvent(); });
    return true;
}

void UdevDeviceFinder::receiveEvent() {
    const DevicePtr device(udev_monitor_receive_device(monitor_));
    if (!device) {
        return;
    }
    const std::string action = text(udev_device_get_action(device.get()));
    if (action == "add") {
        added_(describeHidrawDevice(device.get()));
    } else if (action == "remove") {
        removed_(text(udev_device_get_syspath(device.get())));
    }
}

} // namespace eboard
