#pragma once
// An emulated /dev/uinput for a process started by umockdev-wrapper: an ioctl and write
// handler that records how a virtual device is set up and which input events it is sent.

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <linux/input.h>
#include <linux/uinput.h>
#include <mutex>
#include <ostream>
#include <set>
#include <string>
#include <umockdev.h>
#include <vector>

namespace eboard::testing {

// One input event written to the device.
struct Event {
    std::uint16_t type;
    std::uint16_t code;
    std::int32_t value;
    friend bool operator==(const Event&, const Event&) = default;
};

inline std::ostream& operator<<(std::ostream& out, const Event& event) {
    return out << "{" << event.type << ", " << event.code << ", " << event.value << "}";
}

// What the emulated uinput saw. Filled on umockdev's worker thread, read by the test.
struct UinputRecord {
    bool versionAsked = false;
    bool created = false;
    bool destroyed = false;
    std::string name;
    input_id id{};
    std::set<unsigned long> evBits;
    std::set<unsigned long> keyBits;
    std::set<unsigned long> absBits;
    std::set<unsigned long> propBits;
    std::vector<uinput_abs_setup> axes;
    std::vector<Event> events;
};

class UinputEmulator {
public:
    static UinputEmulator& instance() {
        static UinputEmulator emulator;
        return emulator;
    }

    UinputRecord take() {
        std::lock_guard lock(mutex_);
        return std::exchange(record_, UinputRecord{});
    }
    void clear() { take(); }
    bool mocked() const { return mocked_; }

    UinputEmulator(const UinputEmulator&) = delete;
    UinputEmulator& operator=(const UinputEmulator&) = delete;
    // The testbed lives until the process ends; its folder must not outlive it.
    ~UinputEmulator() {
        if (gchar* root = umockdev_testbed_get_root_dir(testbed_)) {
            std::error_code ignored;
            std::filesystem::remove_all(root, ignored);
            g_free(root);
        }
    }

private:
    UinputEmulator()
        : testbed_(umockdev_testbed_new()) {
        mocked_ = umockdev_in_mock_environment() != FALSE;
        GError* error = nullptr;
        const bool added = umockdev_testbed_add_from_string(testbed_,
                                                            "P: /devices/virtual/misc/uinput\n"
                                                            "N: uinput\n"
                                                            "E: DEVNAME=/dev/uinput\n"
                                                            "E: SUBSYSTEM=misc\n"
                                                            "E: MAJOR=10\n"
                                                            "E: MINOR=223\n"
                                                            "A: dev=10:223\n",
                                                            &error) != FALSE;
        if (!added) {
            ADD_FAILURE() << "cannot add /dev/uinput: " << (error ? error->message : "?");
            g_clear_error(&error);
            return;
        }
        handler_ = umockdev_ioctl_base_new();
        g_signal_connect(handler_, "handle-ioctl", reinterpret_cast<GCallback>(&onIoctl), this);
        g_signal_connect(handler_, "handle-write", reinterpret_cast<GCallback>(&onWrite), this);
        if (umockdev_testbed_attach_ioctl(testbed_, "/dev/uinput", handler_, &error) == FALSE) {
            ADD_FAILURE() << "cannot attach the uinput handler: " << (error ? error->message : "?");
            g_clear_error(&error);
        }
    }

    template <typename T> static bool readArgument(UMockdevIoctlClient* client, T& value) {
        UMockdevIoctlData* data = umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client),
                                                              0, sizeof(T), nullptr);
        if (data == nullptr) {
            return false;
        }
        std::memcpy(&value, data->data, sizeof(T));
        g_object_unref(data);
        return true;
    }

    static bool writeArgument(UMockdevIoctlClient* client, const void* bytes, std::size_t size) {
        UMockdevIoctlData* data =
            umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, size, nullptr);
        if (data == nullptr) {
            return false;
        }
        std::memcpy(data->data, bytes, size);
        g_object_unref(data);
        return true;
    }

    static unsigned long plainArgument(UMockdevIoctlClient* client) {
        unsigned long value = 0;
        std::memcpy(&value, umockdev_ioctl_client_get_arg(client)->data, sizeof value);
        return value;
    }

    static gboolean onIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer self) {
        auto& emulator = *static_cast<UinputEmulator*>(self);
        const unsigned long request = umockdev_ioctl_client_get_request(client);
        bool ok = true;
        std::lock_guard lock(emulator.mutex_);
        UinputRecord& record = emulator.record_;
        if (request == UI_GET_VERSION) {
            const unsigned int version = 5;
            record.versionAsked = true;
            ok = writeArgument(client, &version, sizeof version);
        } else if (request == UI_DEV_SETUP) {
            uinput_setup setup{};
            ok = readArgument(client, setup);
            record.name.assign(setup.name, strnlen(setup.name, sizeof setup.name));
            record.id = setup.id;
        } else if (request == UI_ABS_SETUP) {
            uinput_abs_setup axisSetup{};
            ok = readArgument(client, axisSetup);
            record.axes.push_back(axisSetup);
        } else if (request == UI_SET_EVBIT) {
            record.evBits.insert(plainArgument(client));
        } else if (request == UI_SET_KEYBIT) {
            record.keyBits.insert(plainArgument(client));
        } else if (request == UI_SET_ABSBIT) {
            record.absBits.insert(plainArgument(client));
        } else if (request == UI_SET_PROPBIT) {
            record.propBits.insert(plainArgument(client));
        } else if (request == UI_DEV_CREATE) {
            record.created = true;
        } else if (request == UI_DEV_DESTROY) {
            record.destroyed = true;
        } else if (_IOC_TYPE(request) == UINPUT_IOCTL_BASE && _IOC_NR(request) == 44) {
            // UI_GET_SYSNAME(len)
            const char sysname[] = "input42";
            ok = _IOC_SIZE(request) >= sizeof sysname &&
                 writeArgument(client, sysname, sizeof sysname);
        } else {
            ok = false;
        }
        umockdev_ioctl_client_complete(client, ok ? 0 : -1, ok ? 0 : EINVAL);
        return TRUE;
    }

    static gboolean onWrite(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer self) {
        auto& emulator = *static_cast<UinputEmulator*>(self);
        UMockdevIoctlData* data = umockdev_ioctl_client_get_arg(client);
        const auto length = static_cast<std::size_t>(data->data_len);
        {
            std::lock_guard lock(emulator.mutex_);
            for (std::size_t offset = 0; offset + sizeof(input_event) <= length;
                 offset += sizeof(input_event)) {
                input_event event{};
                std::memcpy(&event, data->data + offset, sizeof event);
                emulator.record_.events.push_back({event.type, event.code, event.value});
            }
        }
        umockdev_ioctl_client_complete(client, static_cast<glong>(length), 0);
        return TRUE;
    }

    UMockdevTestbed* testbed_;
    UMockdevIoctlBase* handler_ = nullptr;
    bool mocked_ = false;
    std::mutex mutex_;
    UinputRecord record_;
};

} // namespace eboard::testing
