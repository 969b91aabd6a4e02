#include "simulatedprogrammer.h"

#include <algorithm>
#include <cstdio>

namespace {

// Samples per second for each unit of baud rate.
int bitBangMultiplier(FT_DEVICE type)
{
    switch (type) {
    case FT_DEVICE_2232H:
    case FT_DEVICE_4232H:
    case FT_DEVICE_232H:
        return 80;
    default:
        return 16;
    }
}

std::string hex(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

}  // namespace

SimulatedProgrammer::SimulatedProgrammer(std::string serialNumber, std::shared_ptr<SimulatedModule> module)
    : serial(std::move(serialNumber)), socket(std::move(module))
{
}

std::shared_ptr<SimulatedModule> SimulatedProgrammer::module() const
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    return socket.module();
}

void SimulatedProgrammer::setModule(std::shared_ptr<SimulatedModule> module)
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    socket.plug(std::move(module));
}

void SimulatedProgrammer::failCall(Call call, FT_STATUS status, int successes)
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    failures[call] = {status, successes};
}

void SimulatedProgrammer::setChipType(FT_DEVICE type)
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    chip = type;
    usb = FtdiUsb(type);
    usb.setLatencyTimer(latencyMs);
}

void SimulatedProgrammer::setLatencyTimer(int milliseconds)
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    latencyMs = milliseconds;
    usb.setLatencyTimer(milliseconds);
}

FT_DEVICE SimulatedProgrammer::chipType() const
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    return chip;
}

void SimulatedProgrammer::shortenReads(int missing)
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    readsShortBy = missing;
}

void SimulatedProgrammer::clearFailures()
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    failures.clear();
}

void SimulatedProgrammer::setSclStuckLow(bool stuck)
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    ModuleSocket::Faults faults = socket.faults();
    faults.sclStuckLow = stuck;
    socket.setFaults(faults);
    settle();
}

void SimulatedProgrammer::setLineFaults(const ModuleSocket::Faults &faults)
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    socket.setFaults(faults);
    settle();
}

void SimulatedProgrammer::setWriteHook(std::function<void(int)> hook)
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    writeHook = std::move(hook);
}

void SimulatedProgrammer::setOpenHook(std::function<void()> hook)
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    openHook = std::move(hook);
}

void SimulatedProgrammer::setBusHook(std::function<void(const BusEvent &)> hook)
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    socket.setBusHook(std::move(hook));
}

SimulatedProgrammer::Record SimulatedProgrammer::record() const
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    Record copy = log;
    copy.transactions = socket.recorder().transactions();
    copy.startConditions = socket.recorder().startConditions();
    return copy;
}

WireTrace SimulatedProgrammer::trace() const
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    return socket.trace();
}

void SimulatedProgrammer::clearRecord()
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    log = Record();
    socket.clearRecord();
}

void SimulatedProgrammer::setRecording(bool on)
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    recording = on;
    socket.setRecording(on);
}

void SimulatedProgrammer::note(std::string call)
{
    if (recording)
        log.calls.push_back(std::move(call));
}

SimulatedProgrammer::Time SimulatedProgrammer::now() const
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    return clock;
}

void SimulatedProgrammer::advance(std::chrono::nanoseconds duration)
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    clock += duration.count();
    settle();  // a module may let go of SCL meanwhile
}

void SimulatedProgrammer::controlRequest()
{
    clock = usb.controlDone(clock);
    if (recording)
        ++log.usbTransfers;
}

bool SimulatedProgrammer::wasUsed() const
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    return !log.calls.empty();
}

std::vector<I2cTransaction> SimulatedProgrammer::transactions() const
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    return socket.recorder().transactions();
}

int SimulatedProgrammer::startConditions() const
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    return socket.recorder().startConditions();
}

void SimulatedProgrammer::denyAccess(bool denied)
{
    if (denied)
        failCall(Call::OpenEx, FT_DEVICE_NOT_OPENED);
    else
        clearFailures();
}

void SimulatedProgrammer::unplugAfter(int exchanges)
{
    failCall(Call::Write, FT_IO_ERROR, exchanges);
}

bool SimulatedProgrammer::isOpen() const
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    return opened;
}

FT_STATUS SimulatedProgrammer::injectedFailure(Call call)
{
    auto it = failures.find(call);
    if (it == failures.end())
        return FT_OK;
    if (it->second.successesLeft > 0) {
        --it->second.successesLeft;
        return FT_OK;
    }
    return it->second.status;
}

FT_STATUS SimulatedProgrammer::open()
{
    std::function<void()> hook;
    {
        std::lock_guard<std::recursive_mutex> lock(mutex);
        hook = openHook;
    }
    if (hook)
        hook();
    std::lock_guard<std::recursive_mutex> lock(mutex);
    note("FT_OpenEx(" + serial + ")");
    if (FT_STATUS status = injectedFailure(Call::OpenEx))
        return status;
    if (opened)
        return FT_DEVICE_NOT_OPENED;  // already in use, as the driver reports it
    controlRequest();  // the device is reset
    opened = true;
    outputMask = 0;
    bitMode = 0;
    driven = 0xFF;
    readBack.clear();
    return FT_OK;
}

FT_STATUS SimulatedProgrammer::setBitMode(std::uint8_t mask, std::uint8_t mode)
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    note("FT_SetBitMode(" + hex(mask) + ", " + std::to_string(mode) + ")");
    controlRequest();
    if (FT_STATUS status = injectedFailure(Call::SetBitMode))
        return status;
    outputMask = mode == FT_BITMODE_RESET ? 0 : mask;
    bitMode = mode;
    settle();
    return FT_OK;
}

FT_STATUS SimulatedProgrammer::configure(Call call, const std::string &description)
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    note(description);
    if (call == Call::Purge) {
        readBack.clear();
        controlRequest();  // one for each direction
        controlRequest();
    } else if (call == Call::SetLatencyTimer) {
        controlRequest();
    }
    return injectedFailure(call);
}

FT_STATUS SimulatedProgrammer::setBaudRate(std::uint32_t baudRate)
{
    FT_STATUS status = configure(Call::SetBaudRate, "FT_SetBaudRate(" + std::to_string(baudRate) + ")");
    std::lock_guard<std::recursive_mutex> lock(mutex);
    controlRequest();
    if (status == FT_OK && baudRate > 0) {
        samplePeriod = static_cast<Time>(1e9 / (static_cast<double>(bitBangMultiplier(chip)) * baudRate));
    }
    return status;
}

FT_STATUS SimulatedProgrammer::write(const std::uint8_t *data, std::uint32_t count, std::uint32_t *written)
{
    std::function<void(int)> hook;
    {
        std::lock_guard<std::recursive_mutex> lock(mutex);
        hook = writeHook;
    }
    if (hook)
        hook(static_cast<int>(count));
    std::lock_guard<std::recursive_mutex> lock(mutex);
    note("FT_Write(" + std::to_string(count) + ")");
    *written = 0;
    if (FT_STATUS status = injectedFailure(Call::Write))
        return status;
    if (recording) {
        log.flushSizes.push_back(static_cast<int>(count));
        ++log.usbTransfers;
    }
    clock = usb.nextFrame(clock);
    const Time spacing = usb.sampleSpacing(samplePeriod);
    for (std::uint32_t i = 0; i < count; ++i) {
        settle();
        if (bitMode == FT_BITMODE_SYNC_BITBANG) {
            const std::uint8_t sample = pins();
            readBack.push_back(sample);
            if (recording)
                log.samplesRead.push_back(sample);
        }
        if (recording)
            log.samplesWritten.push_back(data[i]);
        drive(data[i]);
        clock += spacing;
    }
    *written = count;
    return FT_OK;
}

FT_STATUS SimulatedProgrammer::read(std::uint8_t *data, std::uint32_t count, std::uint32_t *returned)
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    note("FT_Read(" + std::to_string(count) + ")");
    *returned = 0;
    clock += usb.readBackDelay(static_cast<int>(count));
    settle();  // a module may let go of SCL meanwhile
    if (FT_STATUS status = injectedFailure(Call::Read))
        return status;
    const std::uint32_t wanted = count - std::min<std::uint32_t>(count, static_cast<std::uint32_t>(readsShortBy));
    const std::uint32_t available = std::min<std::uint32_t>(wanted, static_cast<std::uint32_t>(readBack.size()));
    std::copy_n(readBack.begin(), available, data);
    readBack.erase(readBack.begin(), readBack.begin() + available);
    *returned = available;
    return FT_OK;
}

FT_STATUS SimulatedProgrammer::getBitMode(std::uint8_t *result)
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    note("FT_GetBitMode");
    controlRequest();
    if (FT_STATUS status = injectedFailure(Call::GetBitMode))
        return status;
    settle();  // a module may have let go of SCL since the last write
    *result = pins();
    if (recording)
        log.pinReads.push_back(*result);
    return FT_OK;
}

FT_STATUS SimulatedProgrammer::close()
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    note("FT_Close");
    opened = false;
    outputMask = 0;
    bitMode = 0;
    driven = 0xFF;
    settle();
    return injectedFailure(Call::Close);
}

void SimulatedProgrammer::drive(std::uint8_t pinState)
{
    driven = pinState;
    settle();
}

// What the chip does to a line: an output drives its level, an input lets
// the pull-up have it.
ModuleSocket::Drive SimulatedProgrammer::masterSda() const
{
    if (!(outputMask & kSdaPin))
        return ModuleSocket::Drive::Released;
    return (driven & kSdaPin) ? ModuleSocket::Drive::High : ModuleSocket::Drive::Low;
}

ModuleSocket::Drive SimulatedProgrammer::masterScl() const
{
    if (!(outputMask & kSclPin))
        return ModuleSocket::Drive::Released;
    return (driven & kSclPin) ? ModuleSocket::Drive::High : ModuleSocket::Drive::Low;
}

bool SimulatedProgrammer::sdaLevel() const
{
    return socket.sda(masterSda(), masterScl(), clock);
}

bool SimulatedProgrammer::sclLevel() const
{
    return socket.scl(masterSda(), masterScl(), clock);
}

std::uint8_t SimulatedProgrammer::pins() const
{
    // Outputs read back what they drive unless a line is pulled low; pins
    // other than SDA and SCL are not connected on the board and read low.
    std::uint8_t result = 0;
    if (sdaLevel())
        result |= kSdaPin;
    if (sclLevel())
        result |= kSclPin;
    return result;
}

void SimulatedProgrammer::settle()
{
    socket.settle(masterSda(), masterScl(), clock);
}
