#pragma once
// The CH341A in its I2C mode (USB 1a86:5512) as the bus and its model use it.
//
// Every bulk packet to the chip is at most 32 bytes: the I2C stream command,
// then stream commands up to the end command. Start and stop make those
// conditions; "out" with a length of n sends the n bytes after it without
// telling their acknowledges, and with no length sends the one byte after
// it and answers a status byte with bit 7 set when it was not acknowledged;
// "in" with a length of n reads n bytes and acknowledges each, with no length
// reads one byte and leaves it unacknowledged. Answers come back, in the
// order of the commands, in one bulk read of up to 32 bytes.

#include <cstdint>

namespace ch341a {

inline constexpr std::uint16_t kVendor = 0x1a86;
inline constexpr std::uint16_t kProduct = 0x5512;
inline constexpr int kInterface = 0;
inline constexpr std::uint8_t kEndpointOut = 0x02;
inline constexpr std::uint8_t kEndpointIn = 0x82;
inline constexpr int kPacketSize = 32;

inline constexpr std::uint8_t kI2cStream = 0xAA;
inline constexpr std::uint8_t kStart = 0x74;
inline constexpr std::uint8_t kStop = 0x75;
inline constexpr std::uint8_t kOut = 0x80;
inline constexpr std::uint8_t kIn = 0xC0;
inline constexpr std::uint8_t kSet = 0x60;      // low bits: the speed
inline constexpr std::uint8_t kDelayUs = 0x40;  // low four bits: microseconds
inline constexpr std::uint8_t kEnd = 0x00;
inline constexpr std::uint8_t kLengthBits = 0x3F;

// kSet speeds: 20, 100, 400 and 750 kHz.
inline constexpr std::uint8_t kSpeed20k = 0;
inline constexpr std::uint8_t kSpeed100k = 1;
inline constexpr std::uint8_t kSpeed400k = 2;
inline constexpr std::uint8_t kSpeed750k = 3;

inline constexpr std::uint8_t kNotAcknowledged = 0x80;

}  // namespace ch341a
