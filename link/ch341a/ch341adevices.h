#pragma once
// The CH341A programmers attached, over every installed libusb seam (the
// real libusb, a simulated chip), each known by its USB port path, as the
// chip has no serial number.

#include "ch341ausb.h"

#include <memory>
#include <string>
#include <vector>

inline constexpr char kCh341aIdentityPrefix[] = "CH341A@";

struct Ch341aDevice {
    std::string identity;     // "CH341A@1-1.4": what selects it
    std::string description;  // "CH341A 1-1.4": what the operator sees
    std::string sameSocketAs;
};

bool isCh341a(const Ch341aUsb::Device &device);
// "CH341A@" and the port path (bus, then the ports: "1-1.4"); a simulated
// device's own name.
std::string ch341aIdentity(const Ch341aUsb::Device &device);
std::string ch341aDescription(const Ch341aUsb::Device &device);

namespace ch341a {

// The seams are asked in the order they were installed.
void installUsb(std::shared_ptr<Ch341aUsb> usb);
void removeUsb(const Ch341aUsb *usb);
void removeAllUsb();
std::vector<std::shared_ptr<Ch341aUsb>> installedUsb();

// Every CH341A of every installed seam; a seam that cannot list adds none.
std::vector<Ch341aDevice> listDevices();
// Whether an identity names a CH341A, attached or not.
bool ownsIdentity(const std::string &identity);

}  // namespace ch341a
