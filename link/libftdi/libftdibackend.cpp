#include "libftdibackend.h"
#include "diagnostics.h"
#include "openadvice.h"
#include "supportedchips.h"

#include <algorithm>
#include <deque>
#include <climits>
#include <cstring>
#include <string>

using libftdistatus::OpenFailure;

namespace {

// libftdi's own transfer timeout, kept until FT_SetTimeouts.
constexpr std::uint32_t kDefaultTimeoutMs = 5000;
// Largest USB packet of the high-speed chips: a read request that is not a
// multiple of it could be overrun by the chip's last packet.
constexpr std::uint32_t kUsbPacket = 512;
constexpr std::uint32_t kMinTransferSize = 64;
constexpr std::uint32_t kMaxTransferSize = 65536;
// An unread sample reads as all lines high, so that a dead programmer never
// looks like a module pulling SDA low to acknowledge.
constexpr std::uint8_t kIdlePins = 0xFF;
// How long one look at a transfer under way handles USB events.
constexpr int kEventSliceMs = 10;
constexpr int kUsbTimedOut = -7;  // LIBUSB_ERROR_TIMEOUT

template <size_t N>
void copyField(char (&field)[N], const std::string &text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

}  // namespace

struct LibFtdiBackend::Device {
    LibFtdiApi::Context context = nullptr;
    FT_DEVICE type = FT_DEVICE_UNKNOWN;
    bool bitBang = false;
    bool synchronous = false;
    std::uint32_t readTimeoutMs = kDefaultTimeoutMs;
    // The read-back of the last write, while it is under way.
    LibFtdiApi::Transfer pendingRead = nullptr;
    std::vector<std::uint8_t> pendingBuffer;
    // Read-back that arrived and was not yet asked for.
    std::deque<std::uint8_t> received;
};

LibFtdiBackend::LibFtdiBackend(std::shared_ptr<LibFtdiApi> api) : api(std::move(api))
{
}

LibFtdiBackend::~LibFtdiBackend()
{
    for (Device *device : openDevices) {
        api->freeContext(device->context);
        delete device;
    }
}

FT_STATUS LibFtdiBackend::scan(LibFtdiApi::Context context, std::vector<LibFtdiApi::UsbDevice> &usb,
                               std::vector<Programmer> &programmers)
{
    if (api->listDevices(context, usb) < 0)
        return FT_IO_ERROR;
    for (std::size_t i = 0; i < usb.size(); ++i) {
        const LibFtdiApi::UsbDevice &device = usb[i];
        const int interfaces = supportedchips::interfaceCount(device.vendor, device.product, device.release);
        if (interfaces == 0)
            continue;
        std::string description;
        std::string serialNumber;
        const int strings = api->readStrings(context, device, description, serialNumber);
        if (strings != 0) {
            description.clear();
            serialNumber.clear();
        }
        for (int k = 0; k < interfaces; ++k) {
            Programmer p;
            std::memset(&p.node, 0, sizeof p.node);
            p.node.Flags = supportedchips::isHighSpeed(device.release) ? supportedchips::kFlagHighSpeed : 0;
            p.node.Type = supportedchips::deviceType(device.release);
            p.node.ID = supportedchips::deviceId(device.vendor, device.product);
            p.node.LocId = (std::uint32_t{device.bus} << 16) | (std::uint32_t{device.address} << 8)
                           | static_cast<std::uint32_t>(k);
            const char letter = static_cast<char>('A' + k);
            copyField(p.node.SerialNumber,
                      interfaces > 1 && !serialNumber.empty() ? serialNumber + letter : serialNumber);
            copyField(p.node.Description,
                      interfaces > 1 && !description.empty() ? description + ' ' + letter : description);
            p.usbIndex = i;
            p.interfaceIndex = k;
            p.stringsResult = strings;
            programmers.push_back(p);
        }
    }
    return FT_OK;
}

FT_STATUS LibFtdiBackend::open(const char *serialNumber, void **device)
{
    noteOpenFailure(OpenFailure::None);
    LibFtdiApi::Context context = api->newContext();
    if (!context)
        return FT_DEVICE_NOT_FOUND;  // without a USB subsystem no device can be there

    std::vector<LibFtdiApi::UsbDevice> usb;
    std::vector<Programmer> programmers;
    FT_STATUS status = scan(context, usb, programmers);
    bool unreadable = false;
    const Programmer *match = nullptr;
    for (const Programmer &p : programmers) {
        if (p.stringsResult == LibFtdiApi::kUsbErrorAccess)
            unreadable = true;
        // The node's serial number, cut to its field as the device list shows it.
        else if (p.node.SerialNumber[0] && std::strcmp(p.node.SerialNumber, serialNumber) == 0) {
            match = &p;
            break;
        }
    }

    if (match) {
        status = openProgrammer(context, usb[match->usbIndex], match->interfaceIndex, device);
        api->releaseDevices(usb);
        return status;
    }
    api->releaseDevices(usb);
    api->freeContext(context);
    if (status != FT_OK)
        return status;
    // A device whose serial number we may not read could be the one asked for.
    if (unreadable) {
        noteOpenFailure(OpenFailure::PermissionDenied);
        return FT_DEVICE_NOT_OPENED;
    }
    return FT_DEVICE_NOT_FOUND;
}

FT_STATUS LibFtdiBackend::openProgrammer(LibFtdiApi::Context context, const LibFtdiApi::UsbDevice &usb,
                                         int interfaceIndex, void **device)
{
    const int result = api->open(context, usb, interfaceIndex);
    if (result < 0) {
        noteOpenFailure(libftdistatus::openFailureOf(result));
        api->freeContext(context);
        return libftdistatus::ofOpen(result);
    }
    api->setUsbTimeouts(context, static_cast<int>(kDefaultTimeoutMs), static_cast<int>(kDefaultTimeoutMs));
    auto *opened = new Device;
    opened->context = context;
    opened->type = supportedchips::deviceType(usb.release);
    {
        std::lock_guard<std::mutex> lock(mutex);
        openDevices.insert(opened);
    }
    *device = opened;
    return FT_OK;
}

void LibFtdiBackend::noteOpenFailure(OpenFailure failure)
{
    std::lock_guard<std::mutex> lock(mutex);
    lastOpenFailure = failure;
}

FT_STATUS LibFtdiBackend::setBitMode(void *device, std::uint8_t mask, std::uint8_t mode)
{
    Device *d = static_cast<Device *>(device);
    const FT_STATUS status = libftdistatus::ofBitMode(api->setBitMode(d->context, mask, mode));
    if (status == FT_OK) {
        d->bitBang = mode != FT_BITMODE_RESET;
        d->synchronous = mode == FT_BITMODE_SYNC_BITBANG;
    }
    return status;
}

FT_STATUS LibFtdiBackend::purge(void *device, std::uint32_t mask)
{
    Device *d = static_cast<Device *>(device);
    if (mask & ~(FT_PURGE_RX | FT_PURGE_TX))
        return FT_INVALID_PARAMETER;
    if (mask & FT_PURGE_RX) {
        d->received.clear();
        if (FT_STATUS status = libftdistatus::ofPurge(api->purgeReceive(d->context)))
            return status;
    }
    if (mask & FT_PURGE_TX)
        return libftdistatus::ofPurge(api->purgeTransmit(d->context));
    return FT_OK;
}

FT_STATUS LibFtdiBackend::setLatencyTimer(void *device, std::uint8_t milliseconds)
{
    Device *d = static_cast<Device *>(device);
    return libftdistatus::ofLatencyTimer(api->setLatencyTimer(d->context, milliseconds));
}

FT_STATUS LibFtdiBackend::setUsbParameters(void *device, std::uint32_t inSize, std::uint32_t outSize)
{
    Device *d = static_cast<Device *>(device);
    if (inSize < kMinTransferSize || inSize > kMaxTransferSize || inSize % kMinTransferSize != 0)
        return FT_INVALID_PARAMETER;
    const std::uint32_t readChunk = (inSize + kUsbPacket - 1) / kUsbPacket * kUsbPacket;
    if (FT_STATUS status = libftdistatus::ofChunkSize(api->setReadChunkSize(d->context, readChunk)))
        return status;
    // As in D2XX, 0 leaves the out size alone.
    if (outSize == 0)
        return FT_OK;
    if (outSize > kMaxTransferSize)
        return FT_INVALID_PARAMETER;
    return libftdistatus::ofChunkSize(api->setWriteChunkSize(d->context, outSize));
}

FT_STATUS LibFtdiBackend::setBaudRate(void *device, std::uint32_t baudRate)
{
    Device *d = static_cast<Device *>(device);
    if (baudRate == 0 || baudRate > INT_MAX)
        return FT_INVALID_BAUD_RATE;
    // libftdi multiplies the rate by four in the bit-bang modes; D2XX sets the
    // divisor for the rate as given, and the sample clock follows from that.
    std::uint32_t rate = baudRate;
    if (d->bitBang)
        rate = std::max<std::uint32_t>(1, (baudRate + 2) / 4);
    return libftdistatus::ofBaudRate(api->setBaudRate(d->context, static_cast<int>(rate)));
}

FT_STATUS LibFtdiBackend::setTimeouts(void *device, std::uint32_t readMs, std::uint32_t writeMs)
{
    Device *d = static_cast<Device *>(device);
    // libusb's timeouts are ints; 0 means no limit in both worlds.
    const auto clamp = [](std::uint32_t ms) { return static_cast<int>(std::min<std::uint32_t>(ms, INT_MAX)); };
    api->setUsbTimeouts(d->context, clamp(readMs), clamp(writeMs));
    d->readTimeoutMs = readMs;
    return FT_OK;
}

FT_STATUS LibFtdiBackend::write(void *device, const std::uint8_t *data, std::uint32_t count, std::uint32_t *written)
{
    Device *d = static_cast<Device *>(device);
    *written = 0;
    if (count == 0)
        return FT_OK;
    if (count > INT_MAX)
        return FT_INVALID_PARAMETER;
    if (!d->synchronous) {
        const int result = api->write(d->context, data, static_cast<int>(count));
        if (result < 0)
            return libftdistatus::ofTransfer(result);
        *written = static_cast<std::uint32_t>(result);
        return *written == count ? FT_OK : FT_IO_ERROR;
    }

    if (FT_STATUS status = finishReadBack(*d))
        return status;
    d->pendingBuffer.assign(count, kIdlePins);
    d->pendingRead = api->submitRead(d->context, d->pendingBuffer.data(), static_cast<int>(count));
    if (!d->pendingRead)
        return FT_IO_ERROR;
    LibFtdiApi::Transfer transfer = api->submitWrite(d->context, data, static_cast<int>(count));
    const int result = transfer ? await(*d, transfer) : -1;
    *written = static_cast<std::uint32_t>(std::max(result, 0));
    if (*written != count) {
        // The read-back of samples that never went out would never come.
        api->cancelTransfer(d->pendingRead, static_cast<int>(d->readTimeoutMs));
        d->pendingRead = nullptr;
        return transfer && result < 0 ? libftdistatus::ofTransfer(result) : FT_IO_ERROR;
    }
    return FT_OK;
}

int LibFtdiBackend::await(Device &d, LibFtdiApi::Transfer transfer)
{
    // A transfer may take as long as it keeps moving bytes; one that moves
    // none for the read timeout is given up, so that a chip that stopped
    // sampling never holds the caller.
    const auto limit = std::chrono::milliseconds(d.readTimeoutMs != 0 ? d.readTimeoutMs : kDefaultTimeoutMs);
    LibFtdiApi::Clock::time_point deadline = api->now() + limit;
    int progress = 0;
    for (;;) {
        bool completed = false;
        const int moved = api->awaitTransfer(transfer, kEventSliceMs, completed);
        if (completed && moved >= 0)
            return api->finishTransfer(transfer);
        if (moved > progress) {
            progress = moved;
            deadline = api->now() + limit;
        } else if (moved < 0 || api->now() >= deadline) {
            api->cancelTransfer(transfer, static_cast<int>(d.readTimeoutMs));
            return moved < 0 ? moved : kUsbTimedOut;
        }
    }
}

FT_STATUS LibFtdiBackend::finishReadBack(Device &d)
{
    if (!d.pendingRead)
        return FT_OK;
    const int result = await(d, d.pendingRead);
    d.pendingRead = nullptr;
    if (result < 0)
        return libftdistatus::ofTransfer(result);
    d.received.insert(d.received.end(), d.pendingBuffer.begin(),
                      d.pendingBuffer.begin() + std::min<std::size_t>(static_cast<std::size_t>(result), d.pendingBuffer.size()));
    return FT_OK;
}

FT_STATUS LibFtdiBackend::read(void *device, std::uint8_t *data, std::uint32_t count, std::uint32_t *returned)
{
    Device *d = static_cast<Device *>(device);
    *returned = 0;
    if (count == 0)
        return FT_OK;
    if (count > INT_MAX)
        return FT_INVALID_PARAMETER;

    FT_STATUS status = finishReadBack(*d);
    std::uint32_t gathered = std::min<std::uint32_t>(count, static_cast<std::uint32_t>(d->received.size()));
    std::copy_n(d->received.begin(), gathered, data);
    d->received.erase(d->received.begin(), d->received.begin() + gathered);
    if (status == FT_OK && gathered < count)
        status = gather(*d, data, count, gathered);
    std::memset(data + gathered, kIdlePins, count - gathered);
    *returned = gathered;
    return status;
}

FT_STATUS LibFtdiBackend::gather(Device &d, std::uint8_t *data, std::uint32_t count, std::uint32_t &gathered)
{
    // ftdi_read_data() hands over what the chip has sent so far, often less
    // than asked for and nothing at all while the chip is still sampling.
    const LibFtdiApi::Clock::time_point deadline = api->now() + std::chrono::milliseconds(d.readTimeoutMs);
    while (gathered < count) {
        const int result = api->read(d.context, data + gathered, static_cast<int>(count - gathered));
        if (result < 0)
            return libftdistatus::ofTransfer(result);
        gathered += std::min(static_cast<std::uint32_t>(result), count - gathered);
        if (gathered < count && d.readTimeoutMs != 0 && api->now() >= deadline)
            return FT_IO_ERROR;
    }
    return FT_OK;
}

FT_STATUS LibFtdiBackend::getBitMode(void *device, std::uint8_t *pins)
{
    Device *d = static_cast<Device *>(device);
    return libftdistatus::ofReadPins(api->readPins(d->context, pins));
}

FT_STATUS LibFtdiBackend::close(void *device)
{
    Device *d = static_cast<Device *>(device);
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!openDevices.erase(d))
            return FT_INVALID_HANDLE;
    }
    if (d->pendingRead)
        api->cancelTransfer(d->pendingRead, static_cast<int>(d->readTimeoutMs));
    const FT_STATUS status = libftdistatus::ofClose(api->close(d->context));
    api->freeContext(d->context);
    delete d;
    return status;
}

FT_STATUS LibFtdiBackend::deviceType(void *device, FT_DEVICE *type)
{
    *type = static_cast<Device *>(device)->type;
    return FT_OK;
}

FT_STATUS LibFtdiBackend::listDevices(std::vector<FT_DEVICE_LIST_INFO_NODE> &nodes)
{
    LibFtdiApi::Context context = api->newContext();
    if (!context)
        return FT_OK;  // no USB subsystem, so no devices

    std::vector<LibFtdiApi::UsbDevice> usb;
    std::vector<Programmer> programmers;
    const FT_STATUS status = scan(context, usb, programmers);
    for (const Programmer &p : programmers) {
        nodes.push_back(p.node);
        if (p.stringsResult == LibFtdiApi::kUsbErrorAccess && p.interfaceIndex == 0) {
            const LibFtdiApi::UsbDevice &device = usb[p.usbIndex];
            linkdiag::print("No permission to open the FTDI device %04x:%04x on USB bus %u, address %u "
                            "(udev rule %s/%s).\n",
                            unsigned{device.vendor}, unsigned{device.product}, unsigned{device.bus},
                            unsigned{device.address},
                            openadvice::kUdevRuleDirectory, openadvice::kUdevRuleFile);
        }
    }
    api->releaseDevices(usb);
    api->freeContext(context);
    return status;
}

std::vector<std::string> LibFtdiBackend::openFailureAdvice(FT_STATUS status) const
{
    if (status != FT_DEVICE_NOT_OPENED)
        return {};
    std::lock_guard<std::mutex> lock(mutex);
    switch (lastOpenFailure) {
    case OpenFailure::PermissionDenied:
        return openadvice::permissionDenied();
    case OpenFailure::InUse:
        return openadvice::inUse();
    default:
        return {};
    }
}
