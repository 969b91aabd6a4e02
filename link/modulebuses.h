#pragma once
// Makes the bus for a programmer identity, whatever kind of programmer it
// names: "i2c-7" an i2c-dev adapter, "CH341A@1-1.4" (or a simulated
// CH341A's name) a CH341A, anything else an FTDI chip's serial number.

#include "modulebus.h"

#include <memory>
#include <string>

enum class ProgrammerKind { Ftdi, I2cDev, Ch341a };

ProgrammerKind programmerKindOf(const std::string &identity);
// "FTDI", "i2c-dev", "CH341A": as the buses' kind() names them.
std::string programmerKindName(ProgrammerKind kind);

// Compatible asks FTDI programmers for the exchange of the original tool
// (9600 baud, a flush per bit); other kinds have only one way of working.
std::unique_ptr<ModuleBus> makeModuleBus(const std::string &identity, bool compatible);
