#pragma once
// Lists the programmers of every kind: the D2XX driver's FTDI chips, the
// i2c-dev adapters and the CH341A boards. Blocks for as long as the drivers
// do, so the settings dialog runs it on the thread pool.

#include "programmerinfo.h"

#include <QVector>

// FTDI chips in the driver's order (nodes without an ID or a serial number
// left out, none when the driver fails), then i2c-dev adapters by number,
// then CH341A boards.
QVector<ProgrammerInfo> discoverProgrammers();
