#include "tunablelaser.h"

#include "memorymap.h"

#include <cmath>

namespace {

namespace t = sff::tunable;
constexpr double kLightNmThz = 299792.458;

}  // namespace

TunableLaser::TunableLaser(int channel) : current(channel)
{
    at(t::kFeatures.offset) = t::kTunesByChannel | t::kTunesByWavelength;
    const double lastThz = kFirstThz + (kChannels - 1) * kSpacingGhz / 1000;
    setWord(t::kFirstFrequencyThz.offset, int(kFirstThz));
    setWord(t::kFirstFrequencyGhz.offset, int(std::lround((kFirstThz - int(kFirstThz)) * 10000)));
    setWord(t::kLastFrequencyThz.offset, int(lastThz));
    setWord(t::kLastFrequencyGhz.offset, int(std::lround((lastThz - int(lastThz)) * 10000)));
    setWord(t::kGridSpacing.offset, int(kSpacingGhz * 10));
    setWord(t::kChannelSet.offset, current);
    setWord(t::kWavelengthSet.offset, int(std::lround(wavelengthNm(current) * 20)));
    setWord(t::kFrequencyError.offset, 0);
    setWord(t::kWavelengthError.offset, 0);
}

double TunableLaser::wavelengthNm(int channel)
{
    return kLightNmThz / (kFirstThz + (channel - 1) * kSpacingGhz / 1000);
}

void TunableLaser::setWord(int offset, int value)
{
    at(offset) = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    at(offset + 1) = static_cast<std::uint8_t>(value & 0xFF);
}

int TunableLaser::word(int offset) const
{
    return bytes[offset - 128] << 8 | bytes[offset + 1 - 128];
}

void TunableLaser::settle(Time now)
{
    if (!tuning || now < tunedAt)
        return;
    tuning = false;
    current = target;
    at(t::kStatus.offset) &= std::uint8_t(~(t::kTuning | t::kWavelengthUnlocked));
    at(t::kLatchedStatus.offset) |= t::kNewChannel;
    setWord(t::kChannelSet.offset, current);
    setWord(t::kWavelengthSet.offset, int(std::lround(wavelengthNm(current) * 20)));
    setWord(t::kFrequencyError.offset, 1);    // 0.1 GHz
    setWord(t::kWavelengthError.offset, -1);  // -0.005 nm
}

std::uint8_t TunableLaser::read(int offset, Time now)
{
    settle(now);
    const std::uint8_t value = at(offset);
    if (offset == t::kLatchedStatus.offset)
        at(offset) = 0;
    return value;
}

void TunableLaser::write(int offset, std::uint8_t value, Time now)
{
    settle(now);
    if (offset >= t::kChannelSet.offset && offset < t::kChannelSet.end())
        channelWritten = true;
    else if (offset >= t::kWavelengthSet.offset && offset < t::kWavelengthSet.end())
        wavelengthWritten = true;
    else if (offset != t::kControl.offset)
        return;  // the rest is read-only
    at(offset) = value;
}

void TunableLaser::tuneTo(int channel, Time now)
{
    if (channel < 1 || channel > kChannels) {
        at(t::kLatchedStatus.offset) |= t::kBadChannel;
        const int kept = tuning ? target : current;
        setWord(t::kChannelSet.offset, kept);
        setWord(t::kWavelengthSet.offset, int(std::lround(wavelengthNm(kept) * 20)));
        return;
    }
    target = channel;
    tuning = true;
    tunedAt = now + kTuningNs;
    at(t::kStatus.offset) |= t::kTuning | t::kWavelengthUnlocked;
}

void TunableLaser::writeEnded(Time now)
{
    if (channelWritten) {
        tuneTo(word(t::kChannelSet.offset), now);
    } else if (wavelengthWritten) {
        // The channel whose wavelength is within half a step of the setting.
        const double wanted = word(t::kWavelengthSet.offset) / 20.0;
        int found = 0;
        for (int channel = 1; channel <= kChannels && !found; ++channel)
            if (std::abs(wavelengthNm(channel) - wanted) < 0.026)
                found = channel;
        tuneTo(found, now);
    }
    channelWritten = wavelengthWritten = false;
}
