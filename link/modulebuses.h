#pragma once
// Makes the bus for a programmer identity, whatever kind of programmer it
// names.

#include "modulebus.h"

#include <memory>
#include <string>

// Compatible asks FTDI programmers for the exchange of the original tool
// (9600 baud, a flush per bit); other kinds have only one way of working.
std::unique_ptr<ModuleBus> makeModuleBus(const std::string &identity, bool compatible);
