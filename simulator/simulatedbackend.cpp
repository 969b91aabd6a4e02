#include "simulatedbackend.h"

#include <cstring>

namespace {

SimulatedProgrammer *programmerOf(void *device)
{
    return static_cast<SimulatedProgrammer *>(device);
}

}  // namespace

FT_DEVICE_LIST_INFO_NODE SimulatedBackend::node(std::uint32_t id, const std::string &serialNumber,
                                                const std::string &description)
{
    FT_DEVICE_LIST_INFO_NODE n;
    std::memset(&n, 0, sizeof n);
    n.Type = 5;  // FT_DEVICE_232R
    n.ID = id;
    std::strncpy(n.SerialNumber, serialNumber.c_str(), sizeof n.SerialNumber - 1);
    std::strncpy(n.Description, description.c_str(), sizeof n.Description - 1);
    return n;
}

std::shared_ptr<SimulatedProgrammer> SimulatedBackend::addProgrammer(const std::string &serialNumber,
                                                                     std::shared_ptr<SimulatedModule> module)
{
    auto programmer = std::make_shared<SimulatedProgrammer>(serialNumber, std::move(module));
    std::lock_guard<std::mutex> lock(mutex);
    Entry entry{programmer, node(kDeviceId, serialNumber)};
    entry.node.LocId = static_cast<std::uint32_t>(0x100 + entries.size());
    entries.push_back(entry);
    return programmer;
}

void SimulatedBackend::addListEntry(const FT_DEVICE_LIST_INFO_NODE &n)
{
    std::lock_guard<std::mutex> lock(mutex);
    entries.push_back({nullptr, n});
}

std::shared_ptr<SimulatedProgrammer> SimulatedBackend::programmer(const std::string &serialNumber) const
{
    std::lock_guard<std::mutex> lock(mutex);
    for (const Entry &e : entries)
        if (e.programmer && e.programmer->serialNumber() == serialNumber)
            return e.programmer;
    return nullptr;
}

std::vector<std::shared_ptr<SimulatedProgrammer>> SimulatedBackend::programmers() const
{
    std::lock_guard<std::mutex> lock(mutex);
    std::vector<std::shared_ptr<SimulatedProgrammer>> result;
    for (const Entry &e : entries)
        if (e.programmer)
            result.push_back(e.programmer);
    return result;
}

void SimulatedBackend::failListing(FT_STATUS status)
{
    std::lock_guard<std::mutex> lock(mutex);
    listingStatus = status;
}

void SimulatedBackend::setListingHook(std::function<void()> hook)
{
    std::lock_guard<std::mutex> lock(mutex);
    listingHook = std::move(hook);
}

FT_STATUS SimulatedBackend::open(const char *serialNumber, void **device)
{
    std::shared_ptr<SimulatedProgrammer> p = programmer(serialNumber);
    if (!p)
        return FT_DEVICE_NOT_FOUND;
    FT_STATUS status = p->open();
    if (status == FT_OK)
        *device = p.get();  // kept alive by the entry list
    return status;
}

FT_STATUS SimulatedBackend::setBitMode(void *device, std::uint8_t mask, std::uint8_t mode)
{
    return programmerOf(device)->setBitMode(mask, mode);
}

FT_STATUS SimulatedBackend::purge(void *device, std::uint32_t mask)
{
    return programmerOf(device)->configure(SimulatedProgrammer::Call::Purge,
                                           "FT_Purge(" + std::to_string(mask) + ")");
}

FT_STATUS SimulatedBackend::setLatencyTimer(void *device, std::uint8_t milliseconds)
{
    programmerOf(device)->setLatencyTimer(milliseconds);
    return programmerOf(device)->configure(SimulatedProgrammer::Call::SetLatencyTimer,
                                           "FT_SetLatencyTimer(" + std::to_string(milliseconds) + ")");
}

FT_STATUS SimulatedBackend::setUsbParameters(void *device, std::uint32_t inSize, std::uint32_t outSize)
{
    return programmerOf(device)->configure(
        SimulatedProgrammer::Call::SetUSBParameters,
        "FT_SetUSBParameters(" + std::to_string(inSize) + ", " + std::to_string(outSize) + ")");
}

FT_STATUS SimulatedBackend::setBaudRate(void *device, std::uint32_t baudRate)
{
    return programmerOf(device)->setBaudRate(baudRate);
}

FT_STATUS SimulatedBackend::setTimeouts(void *device, std::uint32_t readMs, std::uint32_t writeMs)
{
    return programmerOf(device)->configure(
        SimulatedProgrammer::Call::SetTimeouts,
        "FT_SetTimeouts(" + std::to_string(readMs) + ", " + std::to_string(writeMs) + ")");
}

FT_STATUS SimulatedBackend::write(void *device, const std::uint8_t *data, std::uint32_t count, std::uint32_t *written)
{
    return programmerOf(device)->write(data, count, written);
}

FT_STATUS SimulatedBackend::read(void *device, std::uint8_t *data, std::uint32_t count, std::uint32_t *returned)
{
    return programmerOf(device)->read(data, count, returned);
}

FT_STATUS SimulatedBackend::getBitMode(void *device, std::uint8_t *pins)
{
    return programmerOf(device)->getBitMode(pins);
}

FT_STATUS SimulatedBackend::close(void *device)
{
    return programmerOf(device)->close();
}

FT_STATUS SimulatedBackend::deviceType(void *device, FT_DEVICE *type)
{
    *type = programmerOf(device)->chipType();
    return FT_OK;
}

std::int64_t SimulatedBackend::clockMicroseconds(void *device)
{
    return programmerOf(device)->now() / 1000;
}

FT_STATUS SimulatedBackend::listDevices(std::vector<FT_DEVICE_LIST_INFO_NODE> &nodes)
{
    std::function<void()> hook;
    {
        std::lock_guard<std::mutex> lock(mutex);
        hook = listingHook;
    }
    if (hook)
        hook();
    std::lock_guard<std::mutex> lock(mutex);
    if (listingStatus != FT_OK)
        return listingStatus;
    for (const Entry &e : entries)
        nodes.push_back(e.node);
    return FT_OK;
}
