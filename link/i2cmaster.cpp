#include "i2cmaster.h"

namespace {

constexpr int kShort = 8;
constexpr int kLong = 16;
// Read-back positions of a received data bit, from the start of its SDA run:
// the first bit of a byte is flushed alone (8 + 16 samples) and taken just
// after SCL rose; every later one is flushed with the previous bit's 8
// trailing SCL-low samples in front and taken just before SCL rises.
constexpr int kFirstBitSamples = 24;
constexpr int kFirstBitIndex = 9;
constexpr int kLaterBitSamples = 32;
constexpr int kLaterBitIndex = 16;
constexpr int kLaterBitOffset = kLaterBitIndex - kShort;
// The acknowledge is taken inside the final SCL-high run, 5 from its end.
constexpr int kAckFromEnd = 5;
constexpr int kRecoveryPulses = 9;

}  // namespace

void I2cMaster::sdaRun(std::uint8_t level, int count)
{
    port.sdaLevel = level;
    port.queueSamples(count);
}

void I2cMaster::sclRun(std::uint8_t level, int count)
{
    port.sclLevel = level;
    port.queueSamples(count);
}

void I2cMaster::flushAndEvaluate()
{
    if (!port.flush()) {
        portFailed = true;
        return;
    }
    ackSample = 1;
    evaluateReadBack();
}

void I2cMaster::evaluateReadBack()
{
    const std::uint8_t *in = port.inBuffer.data();
    const int count = port.inCount;
    if (sampleAck && count >= kAckFromEnd) {
        const std::uint8_t pins = in[count - kAckFromEnd];
        ackSample = port.sdaOf(pins);
        sclSample = port.sclOf(pins);
    }
    if (sampleBit) {
        if (count == kFirstBitSamples) {
            const std::uint8_t pins = in[kFirstBitIndex];
            sclSample = port.sclOf(pins);
            if (sclSample)
                shiftIn(port.sdaOf(pins));
        } else if (count == kLaterBitSamples) {
            shiftIn(port.sdaOf(in[kLaterBitIndex]));
        }
    }
}

void I2cMaster::shiftIn(std::uint8_t bit)
{
    rxByte = static_cast<std::uint8_t>((rxByte << 1) | (bit & 1));
}

void I2cMaster::beginClockWait()
{
    pollStartUs = port.nowUs();
    sclTimedOut = 0;
}

std::uint8_t I2cMaster::pollScl()
{
    std::uint8_t pins = 0;
    if (!port.readPins(pins))
        portFailed = true;
    sclSample = port.sclOf(pins);
    if (port.nowUs() - pollStartUs >= kClockStretchLimitUs)
        sclTimedOut = 1;
    return pins;
}

void I2cMaster::startCondition()
{
    sdaRun(0, kShort);
    sclRun(0, kShort);
}

void I2cMaster::stop()
{
    sdaRun(0, kLong);
    sclRun(1, kLong);
    sdaRun(1, kLong);
    sclRun(0, kShort);
    sclRun(1, kShort);
    if (!batched())
        flushAndEvaluate();
}

void I2cMaster::writeBit(std::uint8_t bit)
{
    sdaRun(bit & 1, kShort);
    sclRun(1, kLong);
    sclRun(0, kShort);
    sdaRun(0, kShort);
}

void I2cMaster::writeByte(std::uint8_t value, std::uint8_t *ack)
{
    for (int bit = 7; bit >= 0; --bit)
        writeBit((value >> bit) & 1);
    sdaRun(1, kShort);  // released for the acknowledge
    const int clockHigh = port.outCount;
    sclRun(1, kLong);

    if (batched()) {
        probes.push_back({Probe::SclHigh, clockHigh + 1, nullptr});
        probes.push_back({Probe::Acknowledge, clockHigh + kLong - kAckFromEnd, ack});
        sclRun(0, kShort);
        return;
    }

    sampleAck = 1;
    flushAndEvaluate();
    sampleAck = 0;
    const std::uint8_t acknowledge = portFailed ? 1 : ackSample;
    // The acknowledge stands even if the module then holds the clock.
    beginClockWait();
    while (sclSample == 0 && sclTimedOut == 0 && !portFailed)
        pollScl();
    sclRun(0, kShort);
    flushAndEvaluate();
    if (ack)
        *ack = acknowledge;
}

void I2cMaster::readByte(bool acknowledge, std::uint8_t *byte)
{
    if (batched()) {
        if (byte)
            *byte = 0;
        for (int bit = 0; bit < 8; ++bit) {
            const int dataStart = port.outCount;
            sdaRun(1, kShort);
            sclRun(1, kLong);
            probes.push_back({Probe::SclHigh, dataStart + kShort + 1, nullptr});
            probes.push_back({Probe::DataBit, dataStart + (bit == 0 ? kFirstBitIndex : kLaterBitOffset), byte});
            sclRun(0, kShort);
        }
        writeBit(acknowledge ? 0 : 1);
        return;
    }

    rxByte = 0;
    for (int bit = 0; bit < 8; ++bit) {
        sdaRun(1, kShort);
        sclRun(1, kLong);
        sampleBit = 1;
        flushAndEvaluate();
        sampleBit = 0;

        // A bit whose clock a module holds low is taken from the pins once
        // it lets go.
        beginClockWait();
        while (sclSample == 0 && !sclTimedOut && !portFailed) {
            const std::uint8_t pins = pollScl();
            if (sclSample) {
                shiftIn(port.sdaOf(pins));
                break;
            }
        }
        sclRun(0, kShort);
    }
    writeBit(acknowledge ? 0 : 1);
    flushAndEvaluate();
    if (byte)
        *byte = rxByte;
}

std::uint8_t I2cMaster::selectWrite(std::uint8_t address)
{
    std::uint8_t ack = 1;
    startCondition();
    writeByte(static_cast<std::uint8_t>(address * 2), &ack);
    sync();
    return ack;
}

std::uint8_t I2cMaster::selectRead(std::uint8_t address)
{
    std::uint8_t ack = 1;
    startCondition();
    writeByte(static_cast<std::uint8_t>(address * 2 + 1), &ack);
    sync();
    return ack;
}

void I2cMaster::dropResults()
{
    probes.clear();
}

void I2cMaster::sync()
{
    if (!batched() || port.outCount == 0)
        return;
    if (!port.flush()) {
        portFailed = true;
        probes.clear();
        return;
    }
    evaluateProbes();
}

void I2cMaster::evaluateProbes()
{
    const std::uint8_t *in = port.inBuffer.data();
    for (const Probe &probe : probes) {
        if (probe.position >= port.inCount)
            continue;  // cannot happen: probes point into their own batch
        const std::uint8_t pins = in[probe.position];
        switch (probe.kind) {
        case Probe::SclHigh:
            if (!port.sclOf(pins))
                sclHeld = true;
            break;
        case Probe::Acknowledge:
            if (probe.target)
                *probe.target = port.sdaOf(pins);
            break;
        case Probe::DataBit:
            if (probe.target)
                *probe.target = static_cast<std::uint8_t>((*probe.target << 1) | port.sdaOf(pins));
            break;
        }
    }
    probes.clear();
}

void I2cMaster::recoverBus()
{
    const Exchange previous = mode;
    mode = Exchange::PerFlush;
    probes.clear();
    // Clock the module out of whatever it was sending: with SDA released,
    // the ninth pulse at the latest is an acknowledge clock without an
    // acknowledge, after which a sending module lets go of SDA.
    sdaRun(1, kShort);
    for (int pulse = 0; pulse < kRecoveryPulses && !portFailed; ++pulse) {
        sclRun(0, kShort);
        sclRun(1, kLong);
        if (!port.flush()) {
            portFailed = true;
            break;
        }
        if (port.inCount > 0 && port.sdaOf(port.inBuffer[static_cast<size_t>(port.inCount - 1)]))
            break;
    }
    // SDA falling, then rising, while SCL is high: a start condition that
    // resets every device's state, then a stop that leaves the bus idle.
    sdaRun(0, kShort);
    sdaRun(1, kLong);
    flushAndEvaluate();
    mode = previous;
}
