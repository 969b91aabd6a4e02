#include "simulatedch341a.h"

#include "ch341aprotocol.h"

namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

constexpr int kErrorIo = -1;
constexpr int kErrorNotFound = -5;

SimulatedCh341a *boardOf(Ch341aUsb::Handle handle)
{
    return static_cast<SimulatedCh341a *>(handle);
}

int bitRate(int speed)
{
    switch (speed) {
    case ch341a::kSpeed100k: return 100000;
    case ch341a::kSpeed400k: return 400000;
    case ch341a::kSpeed750k: return 750000;
    default: return 20000;
    }
}

}  // namespace

SimulatedCh341a::SimulatedCh341a(Ch341aUsb::Device device, std::shared_ptr<SimulatedModule> module)
    : usbDevice(std::move(device)), driver(std::move(module))
{
    driver.setBitRate(bitRate(ch341a::kSpeed20k));
    driver.setBlindToStretching(true);
}

void SimulatedCh341a::denyAccess(bool denied)
{
    Lock lock(mutex);
    accessDenied = denied;
}

void SimulatedCh341a::bindKernelDriver(bool bound)
{
    Lock lock(mutex);
    driverBound = bound;
}

void SimulatedCh341a::claimElsewhere(bool claimedByOther)
{
    Lock lock(mutex);
    claimedElsewhere = claimedByOther;
}

void SimulatedCh341a::unplugAfter(int transfers)
{
    Lock lock(mutex);
    transfersLeft = transfers;
}

std::vector<std::string> SimulatedCh341a::calls() const
{
    Lock lock(mutex);
    return callLog;
}

std::vector<std::vector<std::uint8_t>> SimulatedCh341a::packets() const
{
    Lock lock(mutex);
    return packetLog;
}

int SimulatedCh341a::speed() const
{
    Lock lock(mutex);
    return speedSet;
}

bool SimulatedCh341a::isOpen() const
{
    Lock lock(mutex);
    return opened;
}

bool SimulatedCh341a::kernelDriverBound() const
{
    Lock lock(mutex);
    return driverBound;
}

bool SimulatedCh341a::present() const
{
    Lock lock(mutex);
    return !unplugged;
}

void SimulatedCh341a::setOpenHook(std::function<void()> hook)
{
    Lock lock(mutex);
    openHook = std::move(hook);
}

int SimulatedCh341a::open()
{
    std::function<void()> hook;
    {
        Lock lock(mutex);
        hook = openHook;
    }
    if (hook)
        hook();
    Lock lock(mutex);
    callLog.push_back("open");
    if (unplugged)
        return Ch341aUsb::kErrorNoDevice;
    if (accessDenied)
        return Ch341aUsb::kErrorAccess;
    opened = true;
    return 0;
}

void SimulatedCh341a::close()
{
    Lock lock(mutex);
    callLog.push_back("close");
    opened = claimed = false;
    answer.clear();
}

int SimulatedCh341a::kernelDriverActive() const
{
    Lock lock(mutex);
    return unplugged ? Ch341aUsb::kErrorNoDevice : driverBound ? 1 : 0;
}

int SimulatedCh341a::detachKernelDriver()
{
    Lock lock(mutex);
    callLog.push_back("detach");
    if (unplugged)
        return Ch341aUsb::kErrorNoDevice;
    driverBound = false;
    return 0;
}

int SimulatedCh341a::attachKernelDriver()
{
    Lock lock(mutex);
    callLog.push_back("attach");
    if (unplugged)
        return Ch341aUsb::kErrorNoDevice;
    driverBound = true;
    return 0;
}

int SimulatedCh341a::claimInterface()
{
    Lock lock(mutex);
    callLog.push_back("claim");
    if (unplugged)
        return Ch341aUsb::kErrorNoDevice;
    if (driverBound || claimedElsewhere)
        return Ch341aUsb::kErrorBusy;
    claimed = true;
    return 0;
}

int SimulatedCh341a::releaseInterface()
{
    Lock lock(mutex);
    callLog.push_back("release");
    claimed = false;
    return unplugged ? Ch341aUsb::kErrorNoDevice : 0;
}

int SimulatedCh341a::bulkTransfer(std::uint8_t endpoint, std::uint8_t *data, int length, int &transferred,
                                  unsigned timeoutMs)
{
    Lock lock(mutex);
    transferred = 0;
    if (transfersLeft == 0)
        unplugged = true;
    if (unplugged)
        return Ch341aUsb::kErrorNoDevice;
    if (transfersLeft > 0)
        --transfersLeft;
    if (!claimed)
        return kErrorNotFound;
    driver.advance(kUsbTransferNs);

    if (endpoint == ch341a::kEndpointOut) {
        // The chip takes the transfer in packets of its endpoint's size.
        for (int first = 0; first < length; first += ch341a::kPacketSize) {
            const int size = std::min(ch341a::kPacketSize, length - first);
            packetLog.emplace_back(data + first, data + first + size);
            execute(data + first, size);
        }
        transferred = length;
        return 0;
    }
    if (endpoint != ch341a::kEndpointIn)
        return kErrorIo;
    if (answer.empty()) {
        driver.advance(static_cast<Time>(timeoutMs) * 1000000);
        return kTimedOut;
    }
    while (transferred < length && !answer.empty()) {
        data[transferred++] = answer.front();
        answer.pop_front();
    }
    return 0;
}

void SimulatedCh341a::execute(const std::uint8_t *packet, int length)
{
    if (length == 0 || packet[0] != ch341a::kI2cStream)
        return;
    for (int i = 1; i < length;) {
        const std::uint8_t command = packet[i++];
        const int count = command & ch341a::kLengthBits;
        if (command == ch341a::kEnd) {
            break;
        } else if (command == ch341a::kStart) {
            driver.start();
        } else if (command == ch341a::kStop) {
            driver.stop();
        } else if ((command & 0xC0) == ch341a::kOut) {
            if (count == 0 && i < length) {
                const bool acknowledged = driver.writeByte(packet[i++]);
                answer.push_back(acknowledged ? 0x00 : ch341a::kNotAcknowledged);
            }
            for (int n = 0; n < count && i < length; ++n)
                driver.writeByte(packet[i++]);
        } else if ((command & 0xC0) == ch341a::kIn) {
            if (count == 0)
                answer.push_back(driver.readByte(false));
            for (int n = 0; n < count; ++n)
                answer.push_back(driver.readByte(true));
        } else if ((command & 0xF0) == ch341a::kSet) {
            speedSet = command & 0x03;
            driver.setBitRate(bitRate(speedSet));
        } else if ((command & 0xF0) == ch341a::kDelayUs) {
            driver.advance(count * 1000);
        } else {
            break;  // not a command the model knows: the rest of the packet is lost
        }
    }
}

std::shared_ptr<SimulatedCh341a> SimulatedCh341aUsb::addBoard(std::uint8_t bus, std::vector<std::uint8_t> ports,
                                                              std::shared_ptr<SimulatedModule> module)
{
    Device device;
    device.bus = bus;
    device.ports = std::move(ports);
    return add(device, std::move(module));
}

std::shared_ptr<SimulatedCh341a> SimulatedCh341aUsb::addBoard(const std::string &name,
                                                              std::shared_ptr<SimulatedModule> module,
                                                              const std::string &sameSocketAs)
{
    Device device;
    device.name = name;
    device.sameSocketAs = sameSocketAs;
    return add(device, std::move(module));
}

std::shared_ptr<SimulatedCh341a> SimulatedCh341aUsb::add(Device device, std::shared_ptr<SimulatedModule> module)
{
    device.vendor = ch341a::kVendor;
    device.product = ch341a::kProduct;
    auto board = std::make_shared<SimulatedCh341a>(device, std::move(module));
    std::lock_guard<std::mutex> lock(mutex);
    boardList.push_back(board);
    return board;
}

void SimulatedCh341aUsb::addOtherDevice(std::uint16_t vendor, std::uint16_t product)
{
    std::lock_guard<std::mutex> lock(mutex);
    Device device;
    device.vendor = vendor;
    device.product = product;
    device.bus = 1;
    device.ports = {static_cast<std::uint8_t>(others.size() + 1)};
    others.push_back(device);
}

std::vector<std::shared_ptr<SimulatedCh341a>> SimulatedCh341aUsb::boards() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return boardList;
}

int SimulatedCh341aUsb::listDevices(std::vector<Device> &devices)
{
    std::lock_guard<std::mutex> lock(mutex);
    devices.insert(devices.end(), others.begin(), others.end());
    for (const auto &board : boardList) {
        if (!board->present())
            continue;
        Device device = board->device();
        device.device = board.get();  // the board list keeps it alive
        devices.push_back(device);
    }
    return 0;
}

void SimulatedCh341aUsb::releaseDevices(std::vector<Device> &devices)
{
    devices.clear();
}

int SimulatedCh341aUsb::open(const Device &device, Handle &handle)
{
    auto *board = static_cast<SimulatedCh341a *>(device.device);
    if (!board)
        return kErrorAccess;
    const int result = board->open();
    if (result == 0)
        handle = board;
    return result;
}

void SimulatedCh341aUsb::close(Handle handle)
{
    boardOf(handle)->close();
}

int SimulatedCh341aUsb::kernelDriverActive(Handle handle, int)
{
    return boardOf(handle)->kernelDriverActive();
}

int SimulatedCh341aUsb::detachKernelDriver(Handle handle, int)
{
    return boardOf(handle)->detachKernelDriver();
}

int SimulatedCh341aUsb::attachKernelDriver(Handle handle, int)
{
    return boardOf(handle)->attachKernelDriver();
}

int SimulatedCh341aUsb::claimInterface(Handle handle, int)
{
    return boardOf(handle)->claimInterface();
}

int SimulatedCh341aUsb::releaseInterface(Handle handle, int)
{
    return boardOf(handle)->releaseInterface();
}

int SimulatedCh341aUsb::bulkTransfer(Handle handle, std::uint8_t endpoint, std::uint8_t *data, int length,
                                     int &transferred, unsigned timeoutMs)
{
    return boardOf(handle)->bulkTransfer(endpoint, data, length, transferred, timeoutMs);
}

std::string SimulatedCh341aUsb::errorText(int code)
{
    // libusb's own wording.
    switch (code) {
    case kErrorIo: return "Input/Output Error";
    case kErrorAccess: return "Access denied (insufficient permissions)";
    case kErrorNoDevice: return "No such device (it may have been disconnected)";
    case kErrorNotFound: return "Entity not found";
    case kErrorBusy: return "Resource busy";
    case SimulatedCh341a::kTimedOut: return "Operation timed out";
    default: return "Other error";
    }
}

std::int64_t SimulatedCh341aUsb::nowUs(Handle handle)
{
    return boardOf(handle)->lines().now() / 1000;
}
