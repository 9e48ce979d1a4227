#pragma once

#include "core/pen/PointerSink.h"
#include "pointer/ScreenGeometry.h"

#include <memory>
#include <string>

struct libevdev_uinput;

namespace eboard {

// Posts through a virtual absolute mouse made with uinput, so that X11 servers and Wayland
// compositors alike take the events as coming from a real device. The axes span the
// desktop's bounding box one value per device pixel, as X servers and most compositors spread
// an absolute pointer over the whole desktop; the device is made again when that box changes. Evdev
// has no click count, so a double click is two press/release pairs; event numbers and drag deltas
// have no evdev counterpart.
class UinputPointerSink final : public PointerSink {
public:
    static constexpr const char* deviceName = "eboard pen pointer";
    static constexpr const char* defaultDevicePath = "/dev/uinput";

    // Creates the device; nullptr and a reason in *error (if given) when that fails.
    static std::unique_ptr<UinputPointerSink>
    createOnDesktop(const layout::BoardGeometry& geometry, std::string* error,
                    const std::string& uinputPath = defaultDevicePath);
    // A desktop of one output at scale 1.
    static std::unique_ptr<UinputPointerSink>
    create(ScreenGeometry screen, std::string* error,
           const std::string& uinputPath = defaultDevicePath);

    ~UinputPointerSink() override;
    UinputPointerSink(const UinputPointerSink&) = delete;
    UinputPointerSink& operator=(const UinputPointerSink&) = delete;

    // Keeps the device while the desktop's box keeps its size; otherwise makes a new one with
    // the new axes (the old device stays when that fails).
    void setBoardGeometry(const layout::BoardGeometry& geometry) override;
    const layout::BoardGeometry& boardGeometry() const { return geometry_; }

    void moveTo(PointD position) override;
    void leftDown(PointD position, std::uint32_t eventNumber) override;
    void leftUp(PointD position, std::uint32_t eventNumber) override;
    void leftDrag(PointD position, std::int64_t deltaX, std::int64_t deltaY) override;
    void leftDoubleClick(PointD position) override;
    void rightDown(PointD position, std::uint32_t eventNumber) override;
    void rightUp(PointD position, std::uint32_t eventNumber) override;

private:
    struct PassKey {};

public:
    UinputPointerSink(PassKey, int fd, libevdev_uinput* device, layout::BoardGeometry geometry,
                      std::string uinputPath);

private:
    void writeAxes(PointD position);
    void writeButton(unsigned int code, int value);
    void writeReport();

    int fd_;
    libevdev_uinput* device_;
    layout::BoardGeometry geometry_;
    std::string uinputPath_;
};

} // namespace eboard
