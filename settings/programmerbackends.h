#pragma once

#include <QString>

// Installs what the program talks to programmers through: libftdi for FTDI
// chips, the system's i2c-dev adapters, libusb for CH341A boards, and the
// simulated programmers when VEXA_SIMULATOR asks for them. Returns false
// with a message when VEXA_SIMULATOR names a file that is not a module image.
bool installProgrammerBackends(QString *problem);
