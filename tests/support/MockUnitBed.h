#pragma once
// An emulated sysfs and /dev under umockdev: hid devices with a HID_ID and a report
// descriptor, each with a hidraw child whose node is a raw PTY the test writes reports to.
// Only usable in a process started by umockdev-wrapper.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

typedef struct _UMockdevTestbed UMockdevTestbed;

namespace eboard::testing {

// The camera unit's descriptor: Consumer page, one 20-byte input report, no report IDs.
std::vector<std::uint8_t> unitDescriptor(std::uint8_t reportCount = 20,
                                         std::uint8_t usagePage = 0x0C);

struct UnitTraits {
    std::uint32_t vendor = 0x2A3C;
    std::uint32_t product = 0x1201;
    std::vector<std::uint8_t> descriptor = unitDescriptor();
};

class MockUnit {
public:
    MockUnit() = default;
    MockUnit(const MockUnit&) = delete;
    MockUnit& operator=(const MockUnit&) = delete;
    ~MockUnit();

    // Writes one report to the node in a single write, once the reader has taken the one
    // before (or a second has passed): a hidraw node hands out one report per read, a PTY
    // is a byte stream that would give a slow reader two reports at once.
    void write(std::span<const std::uint8_t> report) const;
    // Closes the device end of the node: the reader sees end of file.
    void closeNode();
    // "remove" uevent, then the sysfs entries go.
    void unplug();
    // Removes the sysfs entries without any uevent.
    void vanishSilently();

    const std::string& hidrawSyspath() const { return hidraw_; }
    const std::string& node() const { return node_; }
    // The node's stand-in in the real file system (a link to the PTY).
    const std::string& nodeLink() const { return link_; }
    bool plugged() const { return !hidraw_.empty(); }

private:
    friend class MockUnitBed;
    void removeEntries();

    UMockdevTestbed* bed_ = nullptr;
    std::string hid_;
    std::string hidraw_;
    std::string node_;
    std::string link_;
    int master_ = -1;
    int queue_ = -1; // the node's reading end, held only to see what waits in it
};

class MockUnitBed {
public:
    // The process's one testbed (created on first use, before any udev monitor).
    static MockUnitBed& instance();

    // Adds the hid device and its hidraw node, which sends the "add" uevent.
    void plug(MockUnit& unit, const UnitTraits& traits = {});

    // Where a /dev path of the emulated system lies in the real file system.
    std::string devPath(const std::string& node) const { return root_ + node; }

    MockUnitBed(const MockUnitBed&) = delete;
    MockUnitBed& operator=(const MockUnitBed&) = delete;
    ~MockUnitBed();

private:
    MockUnitBed();
    UMockdevTestbed* bed_;
    std::string root_;
    unsigned nextIndex_ = 0;
};

} // namespace eboard::testing
