#pragma once
// Reads regions of the module one after the other, for read, verify and
// decode. With all it reads the lower half of device 0x50 first and then
// what the module advertises there, looking again after every region. A
// module that says it has no diagnostics (A0h byte 92) and does not answer
// at A2h gives its A0h tables alone, with a note. A module of another family
// than SFP is named once its lower page is read.

#include "regionselection.h"

#include <QCoreApplication>

class Console;
class TransferSession;

class RegionReader
{
    Q_DECLARE_TR_FUNCTIONS(RegionReader)

public:
    // Fills `image` with each region's bytes. Returns kExitSuccess,
    // kExitFailure after a message, or kExitInterrupted without one: what an
    // interruption means is for the command to say.
    static int read(TransferSession &session, Console &console, const RegionSelection &selection,
                    sff::ModuleImage *image);
};
