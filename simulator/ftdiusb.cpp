#include "ftdiusb.h"

#include <algorithm>

namespace {

constexpr int kStatusBytes = 2;

}  // namespace

FtdiUsb::FtdiUsb(FT_DEVICE type)
    : high(type == FT_DEVICE_2232H || type == FT_DEVICE_4232H || type == FT_DEVICE_232H)
    , frameNs(high ? 125000 : 1000000)
    , packetBytes(high ? 512 : 64)
    , packetsPerFrame(high ? 13 : 19)
{
}

FtdiUsb::Time FtdiUsb::nextFrame(Time now) const
{
    return (now + frameNs - 1) / frameNs * frameNs;
}

FtdiUsb::Time FtdiUsb::sampleSpacing(Time samplePeriod) const
{
    // A sample needs 1/packetBytes of a packet out and 1/(packetBytes - 2)
    // of one back.
    const double packetsPerSample = 1.0 / packetBytes + 1.0 / (packetBytes - kStatusBytes);
    const auto usb = static_cast<Time>(static_cast<double>(frameNs) * packetsPerSample / packetsPerFrame);
    return std::max(samplePeriod, usb);
}

FtdiUsb::Time FtdiUsb::readBackDelay(int count) const
{
    return count % (packetBytes - kStatusBytes) == 0 ? 0 : latencyNs;
}
