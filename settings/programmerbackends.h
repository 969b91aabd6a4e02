#pragma once

#include <QString>

// Installs the D2XX backends the program talks to: real FTDI programmers,
// and the simulated programmer when VEXA_SIMULATOR asks for it. Returns false
// with a message when VEXA_SIMULATOR names a file that is not a module image.
bool installProgrammerBackends(QString *problem);
