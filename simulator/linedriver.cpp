#include "linedriver.h"

#include <vector>

LineDriver::LineDriver(std::shared_ptr<SimulatedModule> module) : socket(std::move(module))
{
}

using Lock = std::lock_guard<std::recursive_mutex>;

std::shared_ptr<SimulatedModule> LineDriver::module() const
{
    Lock lock(mutex);
    return socket.module();
}

void LineDriver::setModule(std::shared_ptr<SimulatedModule> module)
{
    Lock lock(mutex);
    socket.plug(std::move(module));
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

void LineDriver::setBlindToStretching(bool isBlind)
{
    Lock lock(mutex);
    blind = isBlind;
}

void LineDriver::setSclStuckLow(bool stuck)
{
    Lock lock(mutex);
    ModuleSocket::Faults faults = socket.faults();
    faults.sclStuckLow = stuck;
    socket.setFaults(faults);
    settle();
}

void LineDriver::setLineFaults(const ModuleSocket::Faults &faults)
{
    Lock lock(mutex);
    socket.setFaults(faults);
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
    return socket.recorder().transactions();
}

WireTrace LineDriver::trace() const
{
    Lock lock(mutex);
    return socket.trace();
}

int LineDriver::startConditions() const
{
    Lock lock(mutex);
    return socket.recorder().startConditions();
}

void LineDriver::clearRecord()
{
    Lock lock(mutex);
    socket.clearRecord();
}

void LineDriver::setRecording(bool on)
{
    Lock lock(mutex);
    socket.setRecording(on);
}

void LineDriver::setBusHook(std::function<void(const BusEvent &)> hook)
{
    Lock lock(mutex);
    socket.setBusHook(std::move(hook));
}

void LineDriver::advance(Time nanoseconds)
{
    Lock lock(mutex);
    clock += nanoseconds;
    settle();  // a module may let go of SCL meanwhile
}

bool LineDriver::sdaLevel() const
{
    return socket.sda(ModuleSocket::openDrain(sdaOut), ModuleSocket::openDrain(sclOut), clock);
}

bool LineDriver::sclLevel() const
{
    return socket.scl(ModuleSocket::openDrain(sdaOut), ModuleSocket::openDrain(sclOut), clock);
}

void LineDriver::settle()
{
    socket.settle(ModuleSocket::openDrain(sdaOut), ModuleSocket::openDrain(sclOut), clock);
}

void LineDriver::releaseScl()
{
    sclOut = true;
    settle();
    if (blind)
        return;
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
    settle();  // a module that held SCL may let it rise before it is pulled down again
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
