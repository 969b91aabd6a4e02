#include "ch341adevices.h"

#include "ch341aprotocol.h"

#include <algorithm>
#include <mutex>

namespace {

std::mutex installedMutex;
std::vector<std::shared_ptr<Ch341aUsb>> installed;

std::string portPath(const Ch341aUsb::Device &device)
{
    std::string path = std::to_string(device.bus);
    for (size_t i = 0; i < device.ports.size(); ++i)
        path += (i == 0 ? "-" : ".") + std::to_string(device.ports[i]);
    return path;
}

}  // namespace

bool isCh341a(const Ch341aUsb::Device &device)
{
    return device.vendor == ch341a::kVendor && device.product == ch341a::kProduct;
}

std::string ch341aIdentity(const Ch341aUsb::Device &device)
{
    return device.name.empty() ? kCh341aIdentityPrefix + portPath(device) : device.name;
}

std::string ch341aDescription(const Ch341aUsb::Device &device)
{
    return "CH341A " + (device.name.empty() ? portPath(device) : device.name);
}

namespace ch341a {

void installUsb(std::shared_ptr<Ch341aUsb> usb)
{
    std::lock_guard<std::mutex> lock(installedMutex);
    installed.push_back(std::move(usb));
}

void removeUsb(const Ch341aUsb *usb)
{
    std::lock_guard<std::mutex> lock(installedMutex);
    installed.erase(std::remove_if(installed.begin(), installed.end(),
                                   [usb](const std::shared_ptr<Ch341aUsb> &u) { return u.get() == usb; }),
                    installed.end());
}

void removeAllUsb()
{
    std::lock_guard<std::mutex> lock(installedMutex);
    installed.clear();
}

std::vector<std::shared_ptr<Ch341aUsb>> installedUsb()
{
    std::lock_guard<std::mutex> lock(installedMutex);
    return installed;
}

std::vector<Ch341aDevice> listDevices()
{
    std::vector<Ch341aDevice> found;
    for (const std::shared_ptr<Ch341aUsb> &usb : installedUsb()) {
        std::vector<Ch341aUsb::Device> devices;
        if (usb->listDevices(devices) < 0)
            continue;
        for (const Ch341aUsb::Device &device : devices)
            if (isCh341a(device))
                found.push_back({ch341aIdentity(device), ch341aDescription(device), device.sameSocketAs});
        usb->releaseDevices(devices);
    }
    return found;
}

bool ownsIdentity(const std::string &identity)
{
    if (identity.rfind(kCh341aIdentityPrefix, 0) == 0)
        return true;
    const std::vector<Ch341aDevice> devices = listDevices();
    return std::any_of(devices.begin(), devices.end(),
                       [&](const Ch341aDevice &device) { return device.identity == identity; });
}

}  // namespace ch341a
