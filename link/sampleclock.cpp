#include "sampleclock.h"

namespace sampleclock {

int multiplier(FT_DEVICE type)
{
    switch (type) {
    case FT_DEVICE_2232H:
    case FT_DEVICE_4232H:
    case FT_DEVICE_232H:
        // The H chips' data sheets do not state their bit-bang clock; users
        // of them report up to 80 times the rate. Taking the highest keeps
        // the I2C timing safe: at worst the clock is five times slower than
        // aimed at.
        return 80;
    default:
        // FT232R and FT245R (AN232R-01), FT2232C/D and the X series: the
        // bit-bang clock is 16 times the baud rate.
        return 16;
    }
}

double samplesPerSecond(FT_DEVICE type, std::uint32_t baudRate)
{
    return static_cast<double>(multiplier(type)) * baudRate;
}

int samplesPerPacket(FT_DEVICE type)
{
    const bool highSpeed = type == FT_DEVICE_2232H || type == FT_DEVICE_4232H || type == FT_DEVICE_232H;
    return highSpeed ? 510 : 62;
}

std::uint32_t fastBaudRate(FT_DEVICE type)
{
    return static_cast<std::uint32_t>(kFastSampleClockHz / multiplier(type));
}

}  // namespace sampleclock
