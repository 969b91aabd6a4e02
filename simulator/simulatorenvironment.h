#pragma once
// Switches the simulated programmer on from the environment, for trying the
// tool without hardware:
//   VEXA_SIMULATOR=1          an FTDI programmer "VEXASIM1" with the sample module,
//                             whose diagnostics drift and jitter as they would live,
//                             and a CH341A "VEXASIM2" with the same module in its socket;
//   VEXA_SIMULATOR=tunable    the same with a tunable DWDM SFP+ module, whose
//                             page 02h answers channel and wavelength settings;
//   VEXA_SIMULATOR=qsfp28     the same with a 100GBASE-LR4 QSFP28 module
//                             (SFF-8636): pages 00h-03h, four lanes of live
//                             diagnostics;
//   VEXA_SIMULATOR=qsfp-dd    the same with a 400GBASE-DR4 QSFP-DD module
//                             (CMIS 5.0) in ModuleReady: pages 00h-02h,
//                             bank 0's pages 10h and 11h, eight lanes of live
//                             diagnostics;
//   VEXA_SIMULATOR=/path/file the module's memory lives in that file, loaded
//                             at start (a missing file starts as the sample
//                             module) and saved back atomically after every
//                             stored write: 512 bytes (device 0x50 then 0x51),
//                             or the tool's dump once a page of A2h beyond 00h
//                             holds anything; a file whose byte 0 names a QSFP
//                             module holds one, kept in ethtool's 640 bytes;
//                             one naming a CMIS module, in the tool's dump.
// Every simulated SFP module has A2h pages 00h and 01h of user memory and a
// vendor page 80h that ignores writes.
// Unset, empty or 0 leaves the simulator off.
//
// With it on, VEXA_SIMULATOR_MODULES=N starts with an empty socket, where an
// imagined operator plugs N modules one after another, each a fresh copy of
// the module above (kept in the same file, if one is named), and pulls each
// once the tool is done with it: series programming without hardware.
//
// VEXA_SIMULATOR_PASSWORD=XXXXXXXX (eight hex digits) locks device 0x50 of
// every simulated module behind that password: writes there are
// acknowledged but not kept until it is entered.
// VEXA_SIMULATOR_FAULT=FAULT[,FAULT...] wires both simulated programmers'
// sockets as a faulty board would be, for seeing the programmer check fail:
// no-pull-up, unpowered (the module and its pull-ups without supply),
// sda-stuck-low, scl-stuck-low, swapped (SDA and SCL exchanged).

#include "modulesocket.h"

#include <QString>

#include <memory>

class SimulatedBackend;
class SimulatedCh341aUsb;
class SocketOperator;

struct SimulatorSetup {
    std::shared_ptr<SimulatedBackend> backend;  // null when off or refused
    std::shared_ptr<SimulatedCh341aUsb> ch341a;  // beside it when on
    std::shared_ptr<SocketOperator> socketOperator;  // with VEXA_SIMULATOR_MODULES
    QString error;                               // why the setting was refused
};

inline constexpr char kSimulatorVariable[] = "VEXA_SIMULATOR";
inline constexpr char kSimulatorModulesVariable[] = "VEXA_SIMULATOR_MODULES";
inline constexpr char kSimulatorPasswordVariable[] = "VEXA_SIMULATOR_PASSWORD";
inline constexpr char kSimulatorFaultVariable[] = "VEXA_SIMULATOR_FAULT";
inline constexpr char kSimulatorSerialNumber[] = "VEXASIM1";
inline constexpr char kSimulatedCh341aName[] = "VEXASIM2";

SimulatorSetup simulatorFromEnvironment();
// `modules`, `password`, `faults`: the values of VEXA_SIMULATOR_MODULES,
// VEXA_SIMULATOR_PASSWORD and VEXA_SIMULATOR_FAULT.
SimulatorSetup simulatorFor(const QString &setting, const QString &modules = QString(),
                            const QString &password = QString(), const QString &faults = QString());
// The faults a VEXA_SIMULATOR_FAULT value names; false for a name that is none.
bool simulatorFaults(const QString &names, ModuleSocket::Faults &faults);
