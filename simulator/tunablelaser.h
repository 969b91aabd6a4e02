#pragma once
// Page 02h of a tunable DWDM SFP+ module: a laser on the 50 GHz C-band grid
// that answers channel and wavelength settings. After a setting it tunes for
// a while of module time, with "tuning" and "wavelength unlocked" in its
// status, then reports the new channel in its latched status; a setting out
// of its range is refused as a bad channel and changes nothing. Latched bits
// clear when read.

#include "simulatedmodule.h"

class TunableLaser : public RegisterPage
{
public:
    static constexpr double kFirstThz = 191.35;
    static constexpr double kSpacingGhz = 50.0;
    static constexpr int kChannels = 96;
    static constexpr Time kTuningNs = 80'000'000;  // 80 ms

    explicit TunableLaser(int channel = 1);

    std::uint8_t read(int offset, Time now) override;
    void write(int offset, std::uint8_t value, Time now) override;
    void writeEnded(Time now) override;
    std::array<std::uint8_t, 128> snapshot() const override { return bytes; }

    int channel() const { return current; }
    // The wavelength of a channel in nm.
    static double wavelengthNm(int channel);

private:
    std::uint8_t &at(int offset) { return bytes[offset - 128]; }
    void setWord(int offset, int value);
    int word(int offset) const;
    void settle(Time now);
    void tuneTo(int channel, Time now);

    SimulatedModule::PageBytes bytes{};
    int current;
    int target = 0;
    bool tuning = false;
    Time tunedAt = 0;
    bool channelWritten = false;
    bool wavelengthWritten = false;
};
