#include <TamsuToolKit/IOReturn.h>
#include <array>
#include <utility>

namespace TamsuToolKit::IOReturn {

namespace {

struct Entry {
    std::uint32_t code;
    const char* message;
};

constexpr std::array<Entry, 50> kMessages{{
    {0x00000000, "success"},
    {0xE00002BC, "general error"},
    {0xE00002BD, "memory allocation error"},
    {0xE00002BE, "resource shortage"},
    {0xE00002BF, "Mach IPC failure"},
    {0xE00002C0, "no such device"},
    {0xE00002C1, "privilege violation"},
    {0xE00002C2, "invalid argument"},
    {0xE00002C3, "device is read locked"},
    {0xE00002C4, "device is write locked"},
    {0xE00002C5, "device is exclusive access"},
    {0xE00002C6, "bad IPC message ID"},
    {0xE00002C7, "unsupported function"},
    {0xE00002C8, "virtual memory error"},
    {0xE00002C9, "internal driver error"},
    {0xE00002CA, "I/O error"},
    {0xE00002CC, "cannot acquire lock"},
    {0xE00002CD, "device is not open"},
    {0xE00002CE, "device is not readable"},
    {0xE00002CF, "device is not writeable"},
    {0xE00002D0, "alignment error"},
    {0xE00002D1, "media error"},
    {0xE00002D2, "device is still open"},
    {0xE00002D3, "rld failure"},
    {0xE00002D4, "DMA failure"},
    {0xE00002D5, "device is busy"},
    {0xE00002D6, "I/O timeout"},
    {0xE00002D7, "device is offline"},
    {0xE00002D8, "device is not ready"},
    {0xE00002D9, "device/channel is not attached"},
    {0xE00002DA, "no DMA channels available"},
    {0xE00002DB, "no space for data"},
    {0xE00002DD, "device port already exists"},
    {0xE00002DE, "cannot wire physical memory"},
    {0xE00002DF, "no interrupt attached"},
    {0xE00002E0, "no DMA frames enqueued"},
    {0xE00002E1, "message is too large"},
    {0xE00002E2, "operation is not permitted"},
    {0xE00002E3, "device is without power"},
    {0xE00002E4, "media is not present"},
    {0xE00002E5, "media is not formatted"},
    {0xE00002E6, "unsupported mode"},
    {0xE00002E7, "data underrun"},
    {0xE00002E8, "data overrun"},
    {0xE00002E9, "device error"},
    {0xE00002EA, "no completion routine"},
    {0xE00002EB, "operation was aborted"},
    {0xE00002EC, "bus bandwidth would be exceeded"},
    {0xE00002ED, "device is not responding"},
    {0xE0000001, "unanticipated driver error"},
}};

} // namespace

QString stringFromIOReturnValue(std::uint64_t code) {
    const auto value = static_cast<std::int64_t>(code);
    for (const Entry& entry : kMessages) {
        if (value == static_cast<std::int64_t>(static_cast<std::int32_t>(entry.code))) {
            return QString::fromUtf8(entry.message);
        }
    }
    return {};
}

} // namespace TamsuToolKit::IOReturn
