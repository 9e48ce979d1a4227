#include "pointer/UinputPointerSink.h"

#include "core/base/Log.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <libevdev/libevdev-uinput.h>
#include <libevdev/libevdev.h>
#include <linux/input.h>
#include <optional>
#include <unistd.h>
#include <utility>

namespace eboard {

namespace {

void setError(std::string* error, std::string message) {
    if (error != nullptr) {
        *error = std::move(message);
    }
}

struct EvdevDeleter {
    void operator()(libevdev* device) const { libevdev_free(device); }
};

struct FdCloser {
    int fd = -1;
    ~FdCloser() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    int release() { return std::exchange(fd, -1); }
};

input_absinfo axisSpanning(std::int32_t extent) {
    input_absinfo axis{};
    axis.minimum = 0;
    axis.maximum = extent - 1;
    return axis;
}

// A plain absolute mouse (ABS_X/ABS_Y plus mouse buttons, no pen or touch bits) is what udev
// classifies as ID_INPUT_MOUSE and libinput drives as an absolute pointer.
std::unique_ptr<libevdev, EvdevDeleter> describeDevice(const layout::PixelRect& desktop) {
    std::unique_ptr<libevdev, EvdevDeleter> device{libevdev_new()};
    if (!device) {
        return nullptr;
    }
    libevdev_set_name(device.get(), UinputPointerSink::deviceName);
    libevdev_set_id_bustype(device.get(), BUS_VIRTUAL);
    const input_absinfo xAxis = axisSpanning(desktop.width);
    const input_absinfo yAxis = axisSpanning(desktop.height);
    const bool described =
        libevdev_enable_event_code(device.get(), EV_SYN, SYN_REPORT, nullptr) == 0 &&
        libevdev_enable_event_code(device.get(), EV_KEY, BTN_LEFT, nullptr) == 0 &&
        libevdev_enable_event_code(device.get(), EV_KEY, BTN_RIGHT, nullptr) == 0 &&
        libevdev_enable_event_code(device.get(), EV_ABS, ABS_X, &xAxis) == 0 &&
        libevdev_enable_event_code(device.get(), EV_ABS, ABS_Y, &yAxis) == 0;
    return described ? std::move(device) : nullptr;
}

struct MadeDevice {
    int fd = -1;
    libevdev_uinput* device = nullptr;
};

std::optional<MadeDevice> makeDevice(const layout::PixelRect& desktop, const std::string& path,
                                     std::string* error) {
    if (desktop.isEmpty()) {
        setError(error, "the desktop has no usable size (" + std::to_string(desktop.width) + "x" +
                            std::to_string(desktop.height) + ")");
        return std::nullopt;
    }
    const auto description = describeDevice(desktop);
    if (!description) {
        setError(error, "cannot describe the virtual pointer device");
        return std::nullopt;
    }
    FdCloser fd{::open(path.c_str(), O_RDWR | O_CLOEXEC)};
    if (fd.fd < 0) {
        setError(error, "cannot open " + path + ": " + std::strerror(errno));
        return std::nullopt;
    }
    libevdev_uinput* device = nullptr;
    const int result = libevdev_uinput_create_from_device(description.get(), fd.fd, &device);
    if (result != 0) {
        setError(error, "cannot create the virtual pointer device through " + path + ": " +
                            std::strerror(-result));
        return std::nullopt;
    }
    return MadeDevice{fd.release(), device};
}

} // namespace

std::unique_ptr<UinputPointerSink> UinputPointerSink::create(ScreenGeometry screen,
                                                             std::string* error,
                                                             const std::string& uinputPath) {
    return createOnDesktop(boardGeometryOf(screen), error, uinputPath);
}

std::unique_ptr<UinputPointerSink>
UinputPointerSink::createOnDesktop(const layout::BoardGeometry& geometry, std::string* error,
                                   const std::string& uinputPath) {
    const auto made = makeDevice(geometry.desktop, uinputPath, error);
    if (!made) {
        return nullptr;
    }
    return std::make_unique<UinputPointerSink>(PassKey{}, made->fd, made->device, geometry,
                                               uinputPath);
}

UinputPointerSink::UinputPointerSink(PassKey, int fd, libevdev_uinput* device,
                                     layout::BoardGeometry geometry, std::string uinputPath)
    : fd_(fd)
    , device_(device)
    , geometry_(geometry)
    , uinputPath_(std::move(uinputPath)) {}

void UinputPointerSink::setBoardGeometry(const layout::BoardGeometry& geometry) {
    const bool sameAxes = geometry.desktop.width == geometry_.desktop.width &&
                          geometry.desktop.height == geometry_.desktop.height;
    if (!sameAxes) {
        std::string error;
        const auto made = makeDevice(geometry.desktop, uinputPath_, &error);
        if (!made) {
            logWarning("the virtual pointer keeps its old axes: " + error);
            return;
        }
        libevdev_uinput_destroy(device_);
        ::close(fd_);
        fd_ = made->fd;
        device_ = made->device;
    }
    geometry_ = geometry;
}

UinputPointerSink::~UinputPointerSink() {
    // Destroys the input device; the descriptor is ours to close afterwards.
    libevdev_uinput_destroy(device_);
    ::close(fd_);
}

// Write failures are dropped like every other posting failure of the agent: a lost event
// cannot be repaired later, and the next frame posts again.
void UinputPointerSink::writeAxes(PointD position) {
    const auto axes = layout::boardToAxes(geometry_, position);
    if (!axes) {
        return;
    }
    libevdev_uinput_write_event(device_, EV_ABS, ABS_X, axes->x);
    libevdev_uinput_write_event(device_, EV_ABS, ABS_Y, axes->y);
}

void UinputPointerSink::writeButton(unsigned int code, int value) {
    libevdev_uinput_write_event(device_, EV_KEY, code, value);
}

void UinputPointerSink::writeReport() {
    libevdev_uinput_write_event(device_, EV_SYN, SYN_REPORT, 0);
}

void UinputPointerSink::moveTo(PointD position) {
    writeAxes(position);
    writeReport();
}

void UinputPointerSink::leftDown(PointD position, std::uint32_t) {
    writeAxes(position);
    writeButton(BTN_LEFT, 1);
    writeReport();
}

void UinputPointerSink::leftUp(PointD position, std::uint32_t) {
    writeAxes(position);
    writeButton(BTN_LEFT, 0);
    writeReport();
}

void UinputPointerSink::leftDrag(PointD position, std::int64_t, std::int64_t) {
    writeAxes(position);
    writeReport();
}

void UinputPointerSink::leftDoubleClick(PointD position) {
    leftDown(position, 0);
    writeButton(BTN_LEFT, 0);
    writeReport();
    writeButton(BTN_LEFT, 1);
    writeReport();
    writeButton(BTN_LEFT, 0);
    writeReport();
}

void UinputPointerSink::rightDown(PointD position, std::uint32_t) {
    writeAxes(position);
    writeButton(BTN_RIGHT, 1);
    writeReport();
}

void UinputPointerSink::rightUp(PointD position, std::uint32_t) {
    writeAxes(position);
    writeButton(BTN_RIGHT, 0);
    writeReport();
}

} // namespace eboard
