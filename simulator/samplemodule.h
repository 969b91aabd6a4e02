#pragma once

#include <QByteArray>

class SimulatedModule;

// The memory of a plausible 10G long-reach SFP module of our own making, with
// correct check codes: 512 bytes, device 0x50 bytes 0 to 255, then device 0x51
// bytes 0 to 255.
QByteArray sampleModuleImage();

// Module memory as such a 512-byte image, and back.
QByteArray moduleImage(const SimulatedModule &module);
void setModuleImage(SimulatedModule &module, const QByteArray &image);
