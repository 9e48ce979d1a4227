#pragma once

#include "device/DeviceFinder.h"

#include <memory>

struct udev;
struct udev_device;
struct udev_monitor;
class QSocketNotifier;

namespace eboard {

// Finds hidraw devices through libudev: an enumeration for the present ones and a
// netlink monitor for hotplug.
class UdevDeviceFinder final : public DeviceFinder {
public:
    // None when libudev cannot be used.
    static std::unique_ptr<UdevDeviceFinder> create();

    class Key {
        friend class UdevDeviceFinder;
        Key() = default;
    };
    UdevDeviceFinder(Key, udev* context);
    ~UdevDeviceFinder() override;
    UdevDeviceFinder(const UdevDeviceFinder&) = delete;
    UdevDeviceFinder& operator=(const UdevDeviceFinder&) = delete;

    std::vector<HidDeviceInfo> presentDevices() override;
    bool watch(AddedHandler added, RemovedHandler removed, QObject* notifierParent) override;

private:
    void receiveEvent();

    udev* udev_;
    udev_monitor* monitor_ = nullptr;
    std::unique_ptr<QSocketNotifier> notifier_;
    AddedHandler added_;
    RemovedHandler removed_;
};

// What discovery learns of one hidraw udev device (descriptor read from the parent's
// sysfs folder as a file: the attribute API stops at the first NUL byte).
HidDeviceInfo describeHidrawDevice(udev_device* hidraw);

} // namespace eboard
