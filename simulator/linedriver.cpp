#include "linedriver.h"

#include <vector>

LineDriver::LineDriver(std::shared_ptr<SimulatedModule> module) : plugged(std::move(module))
{
}

using Lock = std::lock_guard<std::recursive_mutex>;

std::shared_ptr<SimulatedModule> LineDriver::module() const
{
    Lock lock(mutex);
    return plugged;
}

void LineDriver::setModule(std::shared_ptr<SimulatedModule> module)
{
    Lock lock(mutex);
    plugged = std::move(module);
    if (plugged)
        plugged->powerCycle();
    settle();
}

void LineDriver::setBitRate(int hertz)
{
    Lock lock(mutex);
    halfBit = 500000000 / hertz;
}

void LineDriver::setStretchLimit(std::chrono::nanoseconds limit)
{
    Lock lock(mutex);
    stretchLimit = limit.count();
}

void LineDriver::setSclStuckLow(bool stuck)
{
    Lock lock(mutex);
    sclStuck = stuck;
    settle();
}

LineDriver::Time LineDriver::now() const
{
    Lock lock(mutex);
    return clock;
}

bool LineDriver::gaveUp() const
{
    Lock lock(mutex);
    return givenUp;
}

std::vector<I2cTransaction> LineDriver::transactions() const
{
    Lock lock(mutex);
    return recorded.transactions();
}

int LineDriver::startConditions() const
{
    Lock lock(mutex);
    return recorded.startConditions();
}

void LineDriver::clearRecord()
{
    Lock lock(mutex);
    recorded.clear();
}

void LineDriver::setRecording(bool on)
{
    Lock lock(mutex);
    recording = on;
}

void LineDriver::setBusHook(std::function<void(const BusEvent &)> hook)
{
    Lock lock(mutex);
    busHook = std::move(hook);
}

void LineDriver::advance(Time nanoseconds)
{
    Lock lock(mutex);
    clock += nanoseconds;
    settle();  // a module may let go of SCL meanwhile
}

bool LineDriver::sdaLevel() const
{
    return sdaOut && !(plugged && plugged->pullsSdaLow());
}

bool LineDriver::sclLevel() const
{
    return sclOut && !sclStuck && !(plugged && plugged->pullsSclLow(clock));
}

void LineDriver::settle()
{
    // Each change is passed on one at a time, SCL first, as on the FTDI
    // board; the hook hears of them once the lines have settled.
    std::vector<BusEvent> events;
    for (int guard = 0; guard < 8; ++guard) {
        const bool scl = sclLevel();
        const bool sda = sdaLevel();
        if (scl != lastScl) {
            lastScl = scl;
            if (scl) {
                if (recording && recorded.sclRose(sda) && busHook)
                    events.push_back({BusEvent::Address, recorded.transactions().back()});
                if (plugged)
                    plugged->sclRose(sda);
            } else if (plugged) {
                plugged->sclFell(clock);
            }
            continue;
        }
        if (sda != lastSda) {
            lastSda = sda;
            if (scl) {
                if (!sda) {
                    if (recording) {
                        recorded.startCondition();
                        if (busHook)
                            events.push_back({BusEvent::Start, recorded.transactions().back()});
                    }
                    if (plugged)
                        plugged->startCondition();
                } else {
                    if (recording) {
                        recorded.stopCondition();
                        if (busHook && !recorded.transactions().empty())
                            events.push_back({BusEvent::Stop, recorded.transactions().back()});
                    }
                    if (plugged)
                        plugged->stopCondition(clock);
                }
            }
            continue;
        }
        break;
    }
    for (const BusEvent &event : events)
        busHook(event);
}

void LineDriver::releaseScl()
{
    sclOut = true;
    settle();
    for (Time waited = 0; !sclLevel(); waited += halfBit) {
        if (waited >= stretchLimit) {
            givenUp = true;
            return;
        }
        advance(halfBit);
    }
}

bool LineDriver::clockBit(bool sda)
{
    sdaOut = sda;
    settle();
    clock += halfBit;
    releaseScl();
    if (givenUp)
        return true;
    const bool sampled = sdaLevel();
    clock += halfBit;
    sclOut = false;
    settle();
    return sampled;
}

void LineDriver::start()
{
    Lock lock(mutex);
    if (givenUp)
        return;
    if (inTransaction) {
        // A repeated start: SDA up while SCL is low, then SCL up.
        sdaOut = true;
        settle();
        clock += halfBit;
        releaseScl();
        if (givenUp)
            return;
    }
    sdaOut = true;
    settle();
    clock += halfBit;
    sdaOut = false;  // SDA falls while SCL is high
    settle();
    clock += halfBit;
    sclOut = false;
    settle();
    inTransaction = true;
}

void LineDriver::stop()
{
    Lock lock(mutex);
    if (givenUp || !inTransaction)
        return;
    sdaOut = false;
    settle();
    clock += halfBit;
    releaseScl();
    if (givenUp)
        return;
    clock += halfBit;
    sdaOut = true;  // SDA rises while SCL is high
    settle();
    clock += halfBit;
    inTransaction = false;
}

bool LineDriver::writeByte(std::uint8_t byte)
{
    Lock lock(mutex);
    if (givenUp)
        return false;
    for (int bit = 7; bit >= 0; --bit)
        clockBit((byte >> bit) & 1);
    const bool acknowledged = !clockBit(true);
    return acknowledged && !givenUp;
}

std::uint8_t LineDriver::readByte(bool acknowledge)
{
    Lock lock(mutex);
    if (givenUp)
        return 0xFF;
    std::uint8_t byte = 0;
    for (int bit = 0; bit < 8; ++bit)
        byte = static_cast<std::uint8_t>(byte << 1 | (clockBit(true) ? 1 : 0));
    clockBit(!acknowledge);
    sdaOut = true;
    settle();
    return givenUp ? 0xFF : byte;
}

void LineDriver::release()
{
    Lock lock(mutex);
    givenUp = false;
    inTransaction = false;
    sclOut = true;
    sdaOut = true;
    settle();
}
