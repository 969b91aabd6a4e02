#pragma once
// Asks the D2XX driver for its device list. Blocks for as long as the driver
// does, so the settings dialog runs it on the thread pool.

#include "programmerinfo.h"

#include <QVector>

// The usable programmers in the driver's order; empty when the driver fails.
// Nodes without an ID or without a serial number are left out.
QVector<ProgrammerInfo> discoverProgrammers();
