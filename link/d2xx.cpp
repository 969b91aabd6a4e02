#include "d2xx.h"
#include "ftdibackend.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <mutex>

namespace {

struct OpenDevice {
    std::shared_ptr<FtdiBackend> backend;
    void *device;
};

struct Registry {
    std::mutex mutex;
    std::vector<std::shared_ptr<FtdiBackend>> backends;
    std::vector<FT_DEVICE_LIST_INFO_NODE> deviceList;  // as of the last FT_CreateDeviceInfoList
};

// The backend whose answer an FT_OpenEx on this thread returned last, so that
// the advice printed for a failure comes from the backend that failed.
thread_local std::shared_ptr<FtdiBackend> lastOpenAnswer;

Registry &registry()
{
    static Registry instance;
    return instance;
}

OpenDevice *deviceOf(FT_HANDLE handle)
{
    return static_cast<OpenDevice *>(handle);
}

template <typename Call>
FT_STATUS dispatch(FT_HANDLE handle, Call call)
{
    OpenDevice *open = deviceOf(handle);
    if (!open)
        return FT_INVALID_HANDLE;
    return call(*open->backend, open->device);
}

std::vector<FT_DEVICE_LIST_INFO_NODE> collectDevices(FT_STATUS &status)
{
    std::vector<FT_DEVICE_LIST_INFO_NODE> nodes;
    status = FT_OK;
    for (const auto &backend : d2xx::installedBackends()) {
        FT_STATUS s = backend->listDevices(nodes);
        if (s != FT_OK)
            status = s;
    }
    for (auto &node : nodes)
        node.ftHandle = nullptr;  // enumeration never hands out open devices
    return nodes;
}

}  // namespace

FT_STATUS FT_OpenEx(void *arg, std::uint32_t flags, FT_HANDLE *handle)
{
    if (!handle)
        return FT_INVALID_PARAMETER;
    *handle = nullptr;
    if (flags != FT_OPEN_BY_SERIAL_NUMBER || !arg)
        return FT_INVALID_PARAMETER;
    const char *serialNumber = static_cast<const char *>(arg);

    FT_STATUS result = FT_DEVICE_NOT_FOUND;
    lastOpenAnswer.reset();
    for (const auto &backend : d2xx::installedBackends()) {
        void *device = nullptr;
        FT_STATUS status = backend->open(serialNumber, &device);
        if (status == FT_OK) {
            *handle = new OpenDevice{backend, device};
            return FT_OK;
        }
        // A backend that found the device but could not open it knows more
        // than one that never saw it.
        if (status != FT_DEVICE_NOT_FOUND && !lastOpenAnswer) {
            result = status;
            lastOpenAnswer = backend;
        }
    }
    return result;
}

FT_STATUS FT_SetBitMode(FT_HANDLE handle, std::uint8_t mask, std::uint8_t mode)
{
    return dispatch(handle, [&](FtdiBackend &b, void *d) { return b.setBitMode(d, mask, mode); });
}

FT_STATUS FT_Purge(FT_HANDLE handle, std::uint32_t mask)
{
    return dispatch(handle, [&](FtdiBackend &b, void *d) { return b.purge(d, mask); });
}

FT_STATUS FT_SetLatencyTimer(FT_HANDLE handle, std::uint8_t milliseconds)
{
    return dispatch(handle, [&](FtdiBackend &b, void *d) { return b.setLatencyTimer(d, milliseconds); });
}

FT_STATUS FT_SetUSBParameters(FT_HANDLE handle, std::uint32_t inTransferSize, std::uint32_t outTransferSize)
{
    return dispatch(handle, [&](FtdiBackend &b, void *d) { return b.setUsbParameters(d, inTransferSize, outTransferSize); });
}

FT_STATUS FT_SetBaudRate(FT_HANDLE handle, std::uint32_t baudRate)
{
    return dispatch(handle, [&](FtdiBackend &b, void *d) { return b.setBaudRate(d, baudRate); });
}

FT_STATUS FT_SetTimeouts(FT_HANDLE handle, std::uint32_t readTimeout, std::uint32_t writeTimeout)
{
    return dispatch(handle, [&](FtdiBackend &b, void *d) { return b.setTimeouts(d, readTimeout, writeTimeout); });
}

FT_STATUS FT_Write(FT_HANDLE handle, void *buffer, std::uint32_t bytesToWrite, std::uint32_t *bytesWritten)
{
    std::uint32_t written = 0;
    FT_STATUS status = dispatch(handle, [&](FtdiBackend &b, void *d) {
        return b.write(d, static_cast<const std::uint8_t *>(buffer), bytesToWrite, &written);
    });
    if (bytesWritten)
        *bytesWritten = written;
    return status;
}

FT_STATUS FT_Read(FT_HANDLE handle, void *buffer, std::uint32_t bytesToRead, std::uint32_t *bytesReturned)
{
    std::uint32_t returned = 0;
    FT_STATUS status = dispatch(handle, [&](FtdiBackend &b, void *d) {
        return b.read(d, static_cast<std::uint8_t *>(buffer), bytesToRead, &returned);
    });
    if (bytesReturned)
        *bytesReturned = returned;
    return status;
}

FT_STATUS FT_GetBitMode(FT_HANDLE handle, std::uint8_t *pins)
{
    if (!pins)
        return FT_INVALID_PARAMETER;
    return dispatch(handle, [&](FtdiBackend &b, void *d) { return b.getBitMode(d, pins); });
}

FT_STATUS FT_Close(FT_HANDLE handle)
{
    OpenDevice *open = deviceOf(handle);
    if (!open)
        return FT_INVALID_HANDLE;
    FT_STATUS status = open->backend->close(open->device);
    delete open;
    return status;
}

FT_STATUS FT_GetDeviceInfo(FT_HANDLE handle, FT_DEVICE *type, std::uint32_t *, char *, char *, void *)
{
    if (!type)
        return FT_INVALID_PARAMETER;
    return dispatch(handle, [&](FtdiBackend &b, void *d) { return b.deviceType(d, type); });
}

std::int64_t FtdiBackend::clockMicroseconds(void *)
{
    return d2xx::clockMicroseconds(nullptr);
}

FT_STATUS FT_CreateDeviceInfoList(std::uint32_t *numDevices)
{
    if (!numDevices)
        return FT_INVALID_PARAMETER;
    FT_STATUS status;
    std::vector<FT_DEVICE_LIST_INFO_NODE> nodes = collectDevices(status);
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.deviceList = std::move(nodes);
    *numDevices = static_cast<std::uint32_t>(r.deviceList.size());
    return status;
}

FT_STATUS FT_GetDeviceInfoList(FT_DEVICE_LIST_INFO_NODE *nodes, std::uint32_t *numDevices)
{
    if (!nodes || !numDevices)
        return FT_INVALID_PARAMETER;
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    // Never write past the caller's array, even if the list has grown.
    std::uint32_t count = std::min<std::uint32_t>(*numDevices, static_cast<std::uint32_t>(r.deviceList.size()));
    std::copy_n(r.deviceList.begin(), count, nodes);
    *numDevices = count;
    return FT_OK;
}

namespace d2xx {

void installBackend(std::shared_ptr<FtdiBackend> backend)
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.backends.push_back(std::move(backend));
}

void removeBackend(const FtdiBackend *backend)
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.backends.erase(std::remove_if(r.backends.begin(), r.backends.end(),
                                    [backend](const auto &b) { return b.get() == backend; }),
                     r.backends.end());
}

void removeAllBackends()
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.backends.clear();
    r.deviceList.clear();
}

std::vector<std::shared_ptr<FtdiBackend>> installedBackends()
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    return r.backends;
}

std::vector<std::string> openFailureAdvice(FT_STATUS status)
{
    if (lastOpenAnswer)
        return lastOpenAnswer->openFailureAdvice(status);
    std::vector<std::string> lines;
    for (const auto &backend : installedBackends()) {
        std::vector<std::string> more = backend->openFailureAdvice(status);
        lines.insert(lines.end(), more.begin(), more.end());
    }
    return lines;
}

std::int64_t clockMicroseconds(FT_HANDLE handle)
{
    if (OpenDevice *open = deviceOf(handle))
        return open->backend->clockMicroseconds(open->device);
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

std::string statusText(FT_STATUS status)
{
    static const char *const names[] = {
        "FT_OK", "FT_INVALID_HANDLE", "FT_DEVICE_NOT_FOUND", "FT_DEVICE_NOT_OPENED", "FT_IO_ERROR",
        "FT_INSUFFICIENT_RESOURCES", "FT_INVALID_PARAMETER", "FT_INVALID_BAUD_RATE"};
    std::string name;
    if (status < sizeof names / sizeof *names)
        name = names[status];
    else if (status == FT_INVALID_ARGS)
        name = "FT_INVALID_ARGS";
    else if (status == FT_NOT_SUPPORTED)
        name = "FT_NOT_SUPPORTED";
    else if (status == FT_OTHER_ERROR)
        name = "FT_OTHER_ERROR";
    else
        name = "FT_STATUS";
    return name + " (" + std::to_string(status) + ")";
}

}  // namespace d2xx
