#include "linkmedium.h"

#include "memorymap.h"

namespace sff {

namespace {

bool copperConnector(quint8 code)
{
    // Fibre Channel style 1 and 2, BNC/TNC, coax headers, HSSDC II, copper pigtail, RJ45.
    for (quint8 copper : {0x02, 0x03, 0x04, 0x05, 0x20, 0x21, 0x22})
        if (code == copper)
            return true;
    return false;
}

bool copperExtendedCompliance(quint8 code)
{
    // 10 Mb/s single pair, 10GBASE-T (SFI and short reach), 5GBASE-T, 2.5GBASE-T.
    for (quint8 copper : {0x0E, 0x16, 0x1C, 0x1D, 0x1E})
        if (code == copper)
            return true;
    return false;
}

}  // namespace

Medium linkMedium(const ModuleImage &image)
{
    const auto a0 = [&image](int offset) { return image.byte(kDeviceA0, offset); };
    if (a0(a0::kComplianceCableByte) & (a0::kPassiveCableBit | a0::kActiveCableBit))
        return Medium::CableAssembly;
    const quint8 ethernet = a0(a0::kCompliance.offset + 3);  // byte 6
    const quint8 k1000BaseTOrCx = 0x0C;
    if (copperConnector(a0(a0::kConnector.offset)) || (ethernet & k1000BaseTOrCx)
        || copperExtendedCompliance(a0(a0::kExtendedCompliance.offset)))
        return Medium::Copper;
    return Medium::Fibre;
}

std::optional<double> cableLengthMetres(quint8 byte19)
{
    // Bits 7-6 multiply the base value of bits 5-0 by 0.1, 1, 10 or 100.
    static const double kMultipliers[4] = {0.1, 1, 10, 100};
    if (byte19 == 0)
        return std::nullopt;
    return (byte19 & 0x3F) * kMultipliers[byte19 >> 6];
}

}  // namespace sff
