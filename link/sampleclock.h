#pragma once
// The bit-bang sample clock of the FTDI chips: every pin state written is
// held for one period of it, so it sets how long each run of samples lasts
// on the I2C lines.

#include "d2xx.h"

#include <cstdint>

namespace sampleclock {

// The rate of the compatible exchange, as older versions drove every chip.
constexpr std::uint32_t kCompatibleBaudRate = 9600;

// The fast exchange's sample clock. Full-speed USB carries about 0.6
// million samples a second in synchronous bit-bang (a byte out and a byte
// back each), so the chips of that speed can keep this clock up; its runs
// (I2cMaster::kFastTiming) make standard-mode I2C of it.
constexpr double kFastSampleClockHz = 500000;

// Samples per second for each unit of baud rate the driver is given.
int multiplier(FT_DEVICE type);
double samplesPerSecond(FT_DEVICE type, std::uint32_t baudRate);
// The baud rate for the fast exchange on a chip generation.
std::uint32_t fastBaudRate(FT_DEVICE type);
// Samples one USB packet brings back: 64 bytes (512 on the high-speed H
// chips) less the chip's two status bytes. A read-back that ends inside a
// packet waits for the chip's latency timer.
int samplesPerPacket(FT_DEVICE type);

}  // namespace sampleclock
