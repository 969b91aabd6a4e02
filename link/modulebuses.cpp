#include "modulebuses.h"

#include "ch341adevices.h"
#include "ch341amodulebus.h"
#include "ftdimodulebus.h"
#include "i2cdevadapters.h"
#include "i2cdevmodulebus.h"

ProgrammerKind programmerKindOf(const std::string &identity)
{
    if (i2cDevAdapterNumber(identity) >= 0)
        return ProgrammerKind::I2cDev;
    if (ch341a::ownsIdentity(identity))
        return ProgrammerKind::Ch341a;
    return ProgrammerKind::Ftdi;
}

std::string programmerKindName(ProgrammerKind kind)
{
    switch (kind) {
    case ProgrammerKind::I2cDev:
        return "i2c-dev";
    case ProgrammerKind::Ch341a:
        return "CH341A";
    case ProgrammerKind::Ftdi:
        break;
    }
    return "FTDI";
}

std::unique_ptr<ModuleBus> makeModuleBus(const std::string &identity, bool compatible)
{
    switch (programmerKindOf(identity)) {
    case ProgrammerKind::I2cDev:
        return std::make_unique<I2cDevModuleBus>(i2cdev::installedSystem());
    case ProgrammerKind::Ch341a:
        return std::make_unique<Ch341aModuleBus>(ch341a::installedUsb());
    case ProgrammerKind::Ftdi:
        break;
    }
    return std::make_unique<FtdiModuleBus>(compatible ? FtdiModuleBus::Exchange::Compatible
                                                      : FtdiModuleBus::Exchange::Fast);
}
