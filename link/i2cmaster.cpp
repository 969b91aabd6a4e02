#include "i2cmaster.h"

namespace {

constexpr int kRecoveryPulses = 9;

}  // namespace

const I2cMaster::Timing I2cMaster::kToolTiming = {8, 8, 8, 16, 8, 8, 16, 16, 16, 8, 8};
const I2cMaster::Timing I2cMaster::kFastTiming = {3, 2, 2, 3, 2, 0, 2, 3, 4, 0, 0};

void I2cMaster::reset(Exchange exchange)
{
    mode = exchange;
    everyClock = false;
    probes.clear();
    portFailed = false;
    sclHeld = false;
    sclSample = 0;
    sclTimedOut = 0;
}

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

void I2cMaster::clockPulse(int count)
{
    const int at = port.outCount;
    sclRun(1, count);
    if (!batched() && everyClock)
        sampleHigh(at);
    else
        probes.push_back({Probe::SclHigh, at + 1, nullptr});
}

bool I2cMaster::flushQueue()
{
    if (portFailed || !port.flush()) {
        portFailed = true;
        probes.clear();
        return false;
    }
    evaluateProbes();
    return true;
}

std::uint8_t I2cMaster::sampleHigh(int at)
{
    if (!flushQueue() || at + 1 >= port.inCount)
        return 1;
    std::uint8_t pins = port.inBuffer[static_cast<size_t>(at + 1)];
    sclSample = port.sclOf(pins);
    if (!sclSample && !sclTimedOut) {
        // A module holds the clock: the value counts once it lets go.
        beginClockWait();
        while (!sclSample && !sclTimedOut && !portFailed)
            pins = pollScl();
    }
    if (!sclSample)
        return 1;
    return port.sdaOf(pins);
}

void I2cMaster::beginClockWait()
{
    pollStartUs = port.nowUs();
    sclTimedOut = 0;
}

std::uint8_t I2cMaster::pollScl()
{
    std::uint8_t pins = 0;
    if (portFailed || !port.readPins(pins)) {
        portFailed = true;
        sclSample = 0;
        return 0;
    }
    sclSample = port.sclOf(pins);
    if (!sclSample && port.nowUs() - pollStartUs >= kClockStretchLimitUs)
        sclTimedOut = 1;
    return pins;
}

void I2cMaster::startCondition()
{
    sdaRun(0, runs.startHold);
    sclRun(0, runs.startLow);
}

void I2cMaster::stop()
{
    sdaRun(0, runs.stopLow);
    clockPulse(runs.stopHigh);
    sdaRun(1, runs.busFree);
    if (runs.pulseLow > 0) {
        sclRun(0, runs.pulseLow);
        sclRun(1, runs.pulseHigh);
    }
    if (!batched())
        flushQueue();
}

void I2cMaster::writeBit(std::uint8_t bit)
{
    sdaRun(bit & 1, runs.dataSetup);
    clockPulse(runs.clockHigh);
    sclRun(0, runs.dataHold);
    if (runs.bitTail > 0)
        sdaRun(0, runs.bitTail);
}

void I2cMaster::writeByte(std::uint8_t value, std::uint8_t *ack)
{
    for (int bit = 7; bit >= 0; --bit)
        writeBit((value >> bit) & 1);
    sdaRun(1, runs.dataSetup);  // released for the acknowledge
    const int clockHigh = port.outCount;
    sclRun(1, runs.clockHigh);

    if (batched()) {
        probes.push_back({Probe::SclHigh, clockHigh + 1, nullptr});
        probes.push_back({Probe::Acknowledge, clockHigh + 1, ack});
        sclRun(0, runs.dataHold);
        return;
    }

    const std::uint8_t acknowledge = sampleHigh(clockHigh);
    sclRun(0, runs.dataHold);
    flushQueue();
    if (ack)
        *ack = acknowledge;
}

void I2cMaster::readByte(bool acknowledge, std::uint8_t *byte)
{
    std::uint8_t received = 0;
    if (batched() && byte)
        *byte = 0;
    for (int bit = 0; bit < 8; ++bit) {
        sdaRun(1, runs.dataSetup);
        const int clockHigh = port.outCount;
        sclRun(1, runs.clockHigh);
        if (batched()) {
            probes.push_back({Probe::SclHigh, clockHigh + 1, nullptr});
            probes.push_back({Probe::DataBit, clockHigh + 1, byte});
        } else {
            received = static_cast<std::uint8_t>((received << 1) | sampleHigh(clockHigh));
        }
        sclRun(0, runs.dataHold);
    }
    writeBit(acknowledge ? 0 : 1);
    if (batched())
        return;
    flushQueue();
    if (byte)
        *byte = received;
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
    flushQueue();
}

void I2cMaster::evaluateProbes()
{
    const std::uint8_t *in = port.inBuffer.data();
    for (const Probe &probe : probes) {
        if (probe.position >= port.inCount)
            continue;  // cannot happen: probes point into their own flush
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
    if (portFailed)
        return;
    const Exchange previous = mode;
    mode = Exchange::PerFlush;
    probes.clear();
    // Clock the module out of whatever it was sending: with SDA released,
    // the ninth pulse at the latest is an acknowledge clock without an
    // acknowledge, after which a sending module lets go of SDA.
    sdaRun(1, runs.dataSetup);
    for (int pulse = 0; pulse < kRecoveryPulses; ++pulse) {
        sclRun(0, runs.dataHold + runs.dataSetup);
        const int clockHigh = port.outCount;
        sclRun(1, runs.clockHigh);
        if (!flushQueue())
            break;
        if (port.sdaOf(port.inBuffer[static_cast<size_t>(clockHigh + 1)]))
            break;
    }
    // SDA falling, then rising, while SCL is high: a start condition that
    // resets every device's state, then a stop that leaves the bus idle.
    sdaRun(1, runs.busFree);
    sdaRun(0, runs.startHold);
    sdaRun(1, runs.busFree);
    flushQueue();
    mode = previous;
}
