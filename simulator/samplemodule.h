#pragma once

#include "moduleimage.h"

#include <QByteArray>

class SimulatedModule;

// The memory of a plausible 10G long-reach SFP module of our own making, with
// correct check codes: 512 bytes, device 0x50 bytes 0 to 255, then device 0x51
// bytes 0 to 255. Its options say that A2h has pages.
QByteArray sampleModuleImage();
// A tunable 10G DWDM SFP+ module on the 50 GHz C-band grid, tuned to channel 1.
QByteArray tunableModuleImage();

// A 100GBASE-LR4 QSFP28 module (SFF-8636) of our own making: the lower page
// and pages 00h-03h in ethtool's 640-byte layout, with correct check codes,
// thresholds in page 03h and four lanes of diagnostics.
QByteArray qsfp28ModuleImage();
// What makes a simulated module a QSFP28 one: pages 01h-03h of device
// 0x50, the password entry in the lower page, read-only status and
// monitors, four-byte writes and the software reset bit.
void makeQsfpModule(SimulatedModule &module);

// A 400GBASE-DR4 QSFP-DD module (CMIS 5.0) of our own making, in
// ModuleReady: the lower page with two applications, pages 00h-02h with
// correct check codes and thresholds, and bank 0's pages 10h and 11h with
// eight lanes of diagnostics.
sff::ModuleImage qsfpDdModuleImage();
// What makes a simulated module a CMIS one: pages 01h and 02h, banked pages
// 10h and 11h (one bank), the password entry at lower bytes 122-125,
// read-only status and advertising, eight-byte writes.
void makeCmisModule(SimulatedModule &module);

// The pages of an SFP module's A2h: 00h and 01h of user memory (01h blank)
// and a vendor page 80h that ignores writes.
void addUserPages(SimulatedModule &module);

// Module memory as such a 512-byte image, and back.
QByteArray moduleImage(const SimulatedModule &module);
void setModuleImage(SimulatedModule &module, const QByteArray &image);

// Module memory with the pages that hold anything: the 512 bytes, and the
// EEPROM pages of A2h other than 00h unless they are blank; of a QSFP module
// the lower page and its pages 00h-03h; of a CMIS module its pages and each
// bank of its banked pages. A module image
// holding a2-high or a2-page-00 gives page 00h; its other A2h pages go to the
// pages the module has.
sff::ModuleImage moduleRegions(const SimulatedModule &module);
void setModuleRegions(SimulatedModule &module, const sff::ModuleImage &image);
