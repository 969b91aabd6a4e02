#pragma once
// The FTDI chips that can be a programmer: those with synchronous bit-bang,
// and what D2XX reports about them.

#include <cstdint>

namespace supportedchips {

constexpr std::uint16_t kFtdiVendor = 0x0403;

// D2XX's FT_DEVICE values.
enum DeviceType : std::uint32_t {
    kTypeBM = 0,
    kTypeAM = 1,
    kTypeUnknown = 3,
    kType2232C = 4,
    kType232R = 5,
    kType2232H = 6,
    kType4232H = 7,
    kType232H = 8,
    kTypeXSeries = 9,
};

constexpr std::uint32_t kFlagHighSpeed = 2;  // FT_FLAGS_HISPEED

// Number of bit-bang capable interfaces, 0 for a device that is no programmer.
int interfaceCount(std::uint16_t vendor, std::uint16_t product, std::uint16_t release);
// The chip generation from the device's bcdDevice.
DeviceType deviceType(std::uint16_t release);
bool isHighSpeed(std::uint16_t release);
// The chip's own buffers, in bytes per interface, from FTDI's data sheets:
// `toChip` holds what the host has sent and the chip has not yet put on the
// pins, `toHost` the samples taken and not yet fetched. In synchronous
// bit-bang the chip stops sampling while `toHost` is full, so a host that
// writes more than both hold before reading stalls it.
struct Buffers {
    int toChip;
    int toHost;
};
Buffers buffers(DeviceType type);

// D2XX's ID: vendor in the high half, product in the low half.
constexpr std::uint32_t deviceId(std::uint16_t vendor, std::uint16_t product)
{
    return (std::uint32_t{vendor} << 16) | product;
}

}  // namespace supportedchips
