#include "modulebuses.h"

#include "ftdimodulebus.h"

std::unique_ptr<ModuleBus> makeModuleBus(const std::string &, bool compatible)
{
    return std::make_unique<FtdiModuleBus>(compatible ? FtdiModuleBus::Exchange::Compatible
                                                      : FtdiModuleBus::Exchange::Fast);
}
