#pragma once
// The bit-bang sample clock of the FTDI chips: every pin state written is
// held for one period of it, so it sets how long each run of samples lasts
// on the I2C lines.

#include "d2xx.h"

#include <cstdint>

namespace sampleclock {

// The rate of the compatible exchange, as older versions drove every chip.
constexpr std::uint32_t kCompatibleBaudRate = 9600;

// The fast exchange aims at 1 MHz: its shortest run, 8 samples, then lasts
// 8 us, well above the 4.7 us that standard-mode I2C asks of SCL low.
constexpr double kFastSampleClockHz = 1.0e6;

// Samples per second for each unit of baud rate the driver is given.
int multiplier(FT_DEVICE type);
double samplesPerSecond(FT_DEVICE type, std::uint32_t baudRate);
// The baud rate for the fast exchange on a chip generation.
std::uint32_t fastBaudRate(FT_DEVICE type);

}  // namespace sampleclock
