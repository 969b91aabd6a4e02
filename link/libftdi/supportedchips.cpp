#include "supportedchips.h"

namespace supportedchips {

int interfaceCount(std::uint16_t vendor, std::uint16_t product, std::uint16_t release)
{
    if (vendor != kFtdiVendor)
        return 0;
    // AM and BM chips share the FT232R's product id but only have asynchronous bit-bang.
    const DeviceType type = deviceType(release);
    if (type == kTypeAM || type == kTypeBM)
        return 0;
    switch (product) {
    case 0x6001:  // FT232R, FT245R
    case 0x6014:  // FT232H
    case 0x6015:  // FT-X series
        return 1;
    case 0x6010:  // FT2232C/D/H
        return 2;
    case 0x6011:  // FT4232H
        return 4;
    default:
        return 0;
    }
}

DeviceType deviceType(std::uint16_t release)
{
    switch (release) {
    case 0x200: return kTypeAM;
    case 0x400: return kTypeBM;
    case 0x500: return kType2232C;
    case 0x600: return kType232R;
    case 0x700: return kType2232H;
    case 0x800: return kType4232H;
    case 0x900: return kType232H;
    case 0x1000: return kTypeXSeries;
    default: return kTypeUnknown;
    }
}

Buffers buffers(DeviceType type)
{
    switch (type) {
    // The data sheets name them from the UART's side: the transmit buffer
    // holds what goes to the chip, the receive buffer what goes to the host.
    case kType232R: return {128, 256};        // FT232R
    case kTypeXSeries: return {512, 512};     // FT230X/FT231X
    case kType2232C: return {128, 384};       // FT2232C/D, per channel
    case kType2232H: return {4096, 4096};     // per channel
    case kType4232H: return {2048, 2048};     // per channel
    case kType232H: return {1024, 1024};
    default: return {128, 128};               // unknown: the smallest of them
    }
}

bool isHighSpeed(std::uint16_t release)
{
    const DeviceType type = deviceType(release);
    return type == kType2232H || type == kType4232H || type == kType232H;
}

}  // namespace supportedchips
