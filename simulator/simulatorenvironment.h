#pragma once
// Switches the simulated programmer on from the environment, for trying the
// tool without hardware:
//   VEXA_SIMULATOR=1          an FTDI programmer "VEXASIM1" with the sample module,
//                             whose diagnostics drift and jitter as they would live,
//                             and a CH341A "VEXASIM2" with the same module in its socket;
//   VEXA_SIMULATOR=/path/file the module's memory lives in that 512-byte file
//                             (device 0x50 then 0x51), loaded at start (a
//                             missing file starts as the sample module) and
//                             saved back atomically after every stored write.
// Unset, empty or 0 leaves the simulator off.
//
// With it on, VEXA_SIMULATOR_MODULES=N starts with an empty socket, where an
// imagined operator plugs N modules one after another, each a fresh copy of
// the module above (kept in the same file, if one is named), and pulls each
// once the tool is done with it: series programming without hardware.
//
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
inline constexpr char kSimulatorFaultVariable[] = "VEXA_SIMULATOR_FAULT";
inline constexpr char kSimulatorSerialNumber[] = "VEXASIM1";
inline constexpr char kSimulatedCh341aName[] = "VEXASIM2";

SimulatorSetup simulatorFromEnvironment();
// The faults a VEXA_SIMULATOR_FAULT value names; false for a name that is none.
bool simulatorFaults(const QString &names, ModuleSocket::Faults &faults);
// `modules` and `faults`: the values of VEXA_SIMULATOR_MODULES and VEXA_SIMULATOR_FAULT.
SimulatorSetup simulatorFor(const QString &setting, const QString &modules = QString(),
                            const QString &faults = QString());
