#pragma once
// The i2c-dev adapters of the system, as /sys/class/i2c-dev lists them, and
// the system-call implementation the program's i2c-dev buses use.

#include "i2cdevsystem.h"

#include <memory>
#include <string>
#include <vector>

inline constexpr char kI2cDevClassDirectory[] = "/sys/class/i2c-dev";

struct I2cDevAdapter {
    int number = -1;
    std::string name;  // the kernel's adapter name, e.g. "MCP2221 usb-i2c bridge"

    // "i2c-7": what selects the adapter.
    std::string identity() const;
    // "i2c-7: MCP2221 usb-i2c bridge": what the operator sees.
    std::string description() const;
    // "/dev/i2c-7"
    std::string devicePath() const;
};

// The adapters in the order of their numbers; empty when there is no
// i2c-dev class (the module not loaded) or nothing in it.
std::vector<I2cDevAdapter> listI2cDevAdapters(I2cDevSystem &system);

// The adapter number an identity names ("i2c-7" gives 7), or -1.
int i2cDevAdapterNumber(const std::string &identity);

namespace i2cdev {

// The system calls the buses and the listing use; none until installed.
void installSystem(std::shared_ptr<I2cDevSystem> system);
void removeSystem();
std::shared_ptr<I2cDevSystem> installedSystem();

}  // namespace i2cdev
