#include "codes.h"

#include <iterator>

namespace sff {

namespace {

struct Code {
    int value;
    const char *name;  // a translatable text where it has words, a designation otherwise
};

// SFF-8024 identifiers (Table 4-1).
const Code kIdentifiers[] = {
    {0x00, QT_TRANSLATE_NOOP("Sff", "Unknown or unspecified")},
    {0x01, "GBIC"},
    {0x02, QT_TRANSLATE_NOOP("Sff", "Module soldered to motherboard")},
    {0x03, "SFP/SFP+/SFP28"},
    {0x04, "300 pin XBI"},
    {0x05, "XENPAK"},
    {0x06, "XFP"},
    {0x07, "XFF"},
    {0x08, "XFP-E"},
    {0x09, "XPAK"},
    {0x0A, "X2"},
    {0x0B, "DWDM-SFP/SFP+ (not using SFF-8472)"},
    {0x0C, "QSFP (INF-8438)"},
    {0x0D, "QSFP+ (SFF-8436 or SFF-8636)"},
    {0x0E, "CXP"},
    {0x0F, "Shielded Mini Multilane HD 4X"},
    {0x10, "Shielded Mini Multilane HD 8X"},
    {0x11, "QSFP28 (SFF-8636)"},
    {0x12, "CXP2 (CXP28)"},
    {0x13, "CDFP Style 1/Style 2"},
    {0x14, "Shielded Mini Multilane HD 4X Fanout Cable"},
    {0x15, "Shielded Mini Multilane HD 8X Fanout Cable"},
    {0x16, "CDFP Style 3"},
    {0x17, "microQSFP"},
    {0x18, "QSFP-DD (INF-8628)"},
    {0x19, "OSFP 8X"},
    {0x1A, "SFP-DD"},
    {0x1B, "DSFP"},
    {0x1C, "x4 MiniLink/OcuLink"},
    {0x1D, "x8 MiniLink"},
    {0x1E, "QSFP+ with CMIS"},
    {0x1F, "SFP-DD with CMIS"},
    {0x20, "SFP+ with CMIS"},
    {0x21, "OSFP-XD with CMIS"},
    {0x22, "OIF-ELSFP with CMIS"},
    {0x23, "CDFP (x4 PCIe) with CMIS"},
    {0x24, "CDFP (x8 PCIe) with CMIS"},
    {0x25, "CDFP (x16 PCIe) with CMIS"},
    {0x26, "XPO"},
};

// SFF-8024 connectors (Table 4-3).
const Code kConnectors[] = {
    {0x00, QT_TRANSLATE_NOOP("Sff", "Unknown or unspecified")},
    {0x01, "SC"},
    {0x02, QT_TRANSLATE_NOOP("Sff", "Fibre Channel Style 1 copper connector")},
    {0x03, QT_TRANSLATE_NOOP("Sff", "Fibre Channel Style 2 copper connector")},
    {0x04, "BNC/TNC"},
    {0x05, QT_TRANSLATE_NOOP("Sff", "Fibre Channel coax headers")},
    {0x06, "Fiber Jack"},
    {0x07, "LC"},
    {0x08, "MT-RJ"},
    {0x09, "MU"},
    {0x0A, "SG"},
    {0x0B, QT_TRANSLATE_NOOP("Sff", "Optical pigtail")},
    {0x0C, "MPO 1x12"},
    {0x0D, "MPO 2x16"},
    {0x20, "HSSDC II"},
    {0x21, QT_TRANSLATE_NOOP("Sff", "Copper pigtail")},
    {0x22, "RJ45"},
    {0x23, QT_TRANSLATE_NOOP("Sff", "No separable connector")},
    {0x24, "MXC 2x16"},
    {0x25, "CS"},
    {0x26, "SN (Mini CS)"},
    {0x27, "MPO 2x12"},
    {0x28, "MPO 1x16"},
};

// SFF-8024 encodings as the identification of an SFP numbers them (Table 4-2).
const Code kEncodings[] = {
    {0x00, QT_TRANSLATE_NOOP("Sff", "Unspecified")},
    {0x01, "8B/10B"},
    {0x02, "4B/5B"},
    {0x03, "NRZ"},
    {0x04, "Manchester"},
    {0x05, "SONET Scrambled"},
    {0x06, "64B/66B"},
    {0x07, "256B/257B"},
    {0x08, "PAM4"},
};

// SFF-8024 extended compliance codes (Table 4-4). 50h-55h, once 64GFC and
// 128GFC, are reserved again: those speeds moved to 7Fh-81h.
const Code kExtendedCompliance[] = {
    {0x00, QT_TRANSLATE_NOOP("Sff", "Unspecified")},
    {0x01, "100G AOC or 25GAUI C2M AOC, BER 5e-5"},
    {0x02, "100GBASE-SR4 or 25GBASE-SR"},
    {0x03, "100GBASE-LR4 or 25GBASE-LR"},
    {0x04, "100GBASE-ER4 or 25GBASE-ER"},
    {0x05, "100GBASE-SR10"},
    {0x06, "100G CWDM4"},
    {0x07, "100G PSM4 Parallel SMF"},
    {0x08, "100G ACC or 25GAUI C2M ACC, BER 5e-5"},
    {0x09, "Obsolete (100G CWDM4 without FEC)"},
    {0x0B, "100GBASE-CR4, 25GBASE-CR CA-25G-L or 50GBASE-CR2 with RS FEC"},
    {0x0C, "25GBASE-CR CA-25G-S or 50GBASE-CR2 with BASE-R FEC"},
    {0x0D, "25GBASE-CR CA-25G-N or 50GBASE-CR2 without FEC"},
    {0x0E, "10 Mb/s Single Pair Ethernet"},
    {0x10, "40GBASE-ER4"},
    {0x11, "4 x 10GBASE-SR"},
    {0x12, "40G PSM4 Parallel SMF"},
    {0x13, "G.959.1 P1I1-2D1 (10709 MBd, 2 km, 1310 nm SM)"},
    {0x14, "G.959.1 P1S1-2D2 (10709 MBd, 40 km, 1550 nm SM)"},
    {0x15, "G.959.1 P1L1-2D2 (10709 MBd, 80 km, 1550 nm SM)"},
    {0x16, "10GBASE-T with SFI electrical interface"},
    {0x17, "100G CLR4"},
    {0x18, "100G AOC or 25GAUI C2M AOC, BER 1e-12"},
    {0x19, "100G ACC or 25GAUI C2M ACC, BER 1e-12"},
    {0x1A, "100GE-DWDM2"},
    {0x1B, "100G 1550 nm WDM (4 wavelengths)"},
    {0x1C, "10GBASE-T Short Reach (30 m)"},
    {0x1D, "5GBASE-T"},
    {0x1E, "2.5GBASE-T"},
    {0x1F, "40G SWDM4"},
    {0x20, "100G SWDM4"},
    {0x21, "100G PAM4 BiDi"},
    {0x22, "4WDM-10 MSA"},
    {0x23, "4WDM-20 MSA"},
    {0x24, "4WDM-40 MSA"},
    {0x25, "100GBASE-DR, CAUI-4 without FEC"},
    {0x26, "100G-FR or 100GBASE-FR1, CAUI-4 without FEC"},
    {0x27, "100G-LR or 100GBASE-LR1, CAUI-4 without FEC"},
    {0x28, "100GBASE-SR1, CAUI-4 without FEC"},
    {0x29, "100GBASE-SR1, 200GBASE-SR2 or 400GBASE-SR4"},
    {0x2A, "100GBASE-FR1 or 400GBASE-DR4-2"},
    {0x2B, "100GBASE-LR1"},
    {0x2C, "100G-LR1-20 MSA, CAUI-4 without FEC"},
    {0x2D, "100G-ER1-30 MSA, CAUI-4 without FEC"},
    {0x2E, "100G-ER1-40 MSA, CAUI-4 without FEC"},
    {0x2F, "100G-LR1-20 MSA"},
    {0x30, "ACC with 50GAUI, 100GAUI-2 or 200GAUI-4 C2M, BER 1e-6"},
    {0x31, "AOC with 50GAUI, 100GAUI-2 or 200GAUI-4 C2M, BER 1e-6"},
    {0x32, "ACC with 50GAUI, 100GAUI-2 or 200GAUI-4 C2M, BER 2.6e-4"},
    {0x33, "AOC with 50GAUI, 100GAUI-2 or 200GAUI-4 C2M, BER 2.6e-4"},
    {0x34, "100G-ER1-30 MSA"},
    {0x35, "100G-ER1-40 MSA"},
    {0x36, "100GBASE-VR1, 200GBASE-VR2 or 400GBASE-VR4"},
    {0x37, "10GBASE-BR"},
    {0x38, "25GBASE-BR"},
    {0x39, "50GBASE-BR"},
    {0x3A, "100GBASE-VR1, CAUI-4 without FEC"},
    {0x3F, "100GBASE-CR1, 200GBASE-CR2 or 400GBASE-CR4"},
    {0x40, "50GBASE-CR, 100GBASE-CR2 or 200GBASE-CR4"},
    {0x41, "50GBASE-SR, 100GBASE-SR2 or 200GBASE-SR4"},
    {0x42, "50GBASE-FR or 200GBASE-DR4"},
    {0x43, "200GBASE-FR4"},
    {0x44, "200G 1550 nm PSM4"},
    {0x45, "50GBASE-LR"},
    {0x46, "200GBASE-LR4"},
    {0x47, "400GBASE-DR4"},
    {0x48, "400GBASE-FR4"},
    {0x49, "400GBASE-LR4-6"},
    {0x4A, "50GBASE-ER"},
    {0x4B, "400G-LR4-10"},
    {0x4C, "400GBASE-ZR"},
    {0x7F, "256GFC-SW4 (FC-PI-7P)"},
    {0x80, "64GFC (FC-PI-7)"},
    {0x81, "128GFC (FC-PI-8)"},
};

// Byte 13.
const Code kRateIdentifiers[] = {
    {0x00, QT_TRANSLATE_NOOP("Sff", "Unspecified")},
    {0x01, QT_TRANSLATE_NOOP("Sff", "SFF-8079: 4/2/1G Rate_Select and AS0/AS1")},
    {0x02, QT_TRANSLATE_NOOP("Sff", "SFF-8431: 8/4/2G Rx Rate_Select only")},
    {0x04, QT_TRANSLATE_NOOP("Sff", "SFF-8431: 8/4/2G Tx Rate_Select only")},
    {0x06, QT_TRANSLATE_NOOP("Sff", "SFF-8431: 8/4/2G independent Rx and Tx Rate_Select")},
    {0x08, QT_TRANSLATE_NOOP("Sff", "FC-PI-5: 16/8/4G Rx Rate_Select only")},
    {0x0A, QT_TRANSLATE_NOOP("Sff", "FC-PI-5: 16/8/4G independent Rx and Tx Rate_Select")},
    {0x0C, QT_TRANSLATE_NOOP("Sff", "FC-PI-6: 32/16/8G independent Rx and Tx Rate_Select")},
    {0x0E, QT_TRANSLATE_NOOP("Sff", "10/8G Rx and Tx Rate_Select for the CDRs")},
    {0x10, QT_TRANSLATE_NOOP("Sff", "FC-PI-7: 64/32/16G independent Rx and Tx Rate_Select")},
    {0x20, QT_TRANSLATE_NOOP("Sff", "Rate select by the PMDs of byte 36")},
};

// Byte 94.
const Code kSffCompliance[] = {
    {0x00, QT_TRANSLATE_NOOP("Sff", "Diagnostics not included or undefined")},
    {0x01, "SFF-8472 Rev 9.3"},
    {0x02, "SFF-8472 Rev 9.5"},
    {0x03, "SFF-8472 Rev 10.2"},
    {0x04, "SFF-8472 Rev 10.4"},
    {0x05, "SFF-8472 Rev 11.0"},
    {0x06, "SFF-8472 Rev 11.3"},
    {0x07, "SFF-8472 Rev 11.4"},
    {0x08, "SFF-8472 Rev 12.3"},
    {0x09, "SFF-8472 Rev 12.4"},
};

template <std::size_t N>
CodeName lookUp(const Code (&table)[N], quint8 code, const Words &words, int vendorSpecificFrom = 0x100)
{
    for (const Code &entry : table)
        if (entry.value == code)
            return {words(entry.name), CodeKind::Defined};
    if (code >= vendorSpecificFrom)
        return {words(QT_TRANSLATE_NOOP("Sff", "Vendor specific (%1)")).arg(hexCode(code)), CodeKind::VendorSpecific};
    return {words(QT_TRANSLATE_NOOP("Sff", "Reserved (%1)")).arg(hexCode(code)), CodeKind::Reserved};
}

// The tables of bit names run from bit 7 down to bit 0; nullptr marks a bit
// without meaning.

// Bytes 3..10. Standard designations stay as they are written in English.
const char *const kComplianceBits[8][8] = {
    {"10GBASE-ER", "10GBASE-LRM", "10GBASE-LR", "10GBASE-SR", "InfiniBand 1X SX", "InfiniBand 1X LX",
     "InfiniBand 1X Copper Active", "InfiniBand 1X Copper Passive"},
    {"ESCON MMF 1310 nm LED", "ESCON SMF 1310 nm Laser", "OC-192 short reach", "SONET reach specifier bit 1",
     "SONET reach specifier bit 2", "OC-48 long reach", "OC-48 intermediate reach", "OC-48 short reach"},
    {nullptr, "OC-12 single mode long reach", "OC-12 single mode intermediate reach", "OC-12 short reach", nullptr,
     "OC-3 single mode long reach", "OC-3 single mode intermediate reach", "OC-3 short reach"},
    {"BASE-PX", "BASE-BX10", "100BASE-FX", "100BASE-LX/LX10", "1000BASE-T", "1000BASE-CX", "1000BASE-LX",
     "1000BASE-SX"},
    {"FC very long distance (V)", "FC short distance (S)", "FC intermediate distance (I)", "FC long distance (L)",
     "FC medium distance (M)", "FC shortwave laser, linear Rx (SA)", "FC longwave laser (LC)",
     "FC electrical inter-enclosure (EL)"},
    {"FC electrical intra-enclosure (EL)", "FC shortwave laser w/o OFC (SN)", "FC shortwave laser with OFC (SL)",
     "FC longwave laser (LL)", "SFP+ active cable", "SFP+ passive cable", "FC copper FC-BaseT", nullptr},
    {"FC twin axial pair (TW)", "FC twisted pair (TP)", "FC miniature coax (MI)", "FC video coax (TV)",
     "FC multimode 62.5 um (M6)", "FC multimode 50 um (M5, M5E)", nullptr, "FC single mode (SM)"},
    {"FC 1200 MB/s", "FC 800 MB/s", "FC 1600 MB/s", "FC 400 MB/s", "FC 3200 MB/s", "FC 200 MB/s",
     "FC speed 2 (byte 62)", "FC 100 MB/s"},
};

const char *const kFibreChannelSpeed2Bits[8] = {nullptr, nullptr, nullptr, nullptr,
                                                nullptr, nullptr, nullptr, "FC 6400 MB/s (64GFC)"};

const char *const kPassiveCableBits[8] = {nullptr, nullptr, nullptr, nullptr,
                                          nullptr, nullptr, "FC-PI-4 Appendix H", "SFF-8431 Appendix E"};
const char *const kActiveCableBits[8] = {nullptr,           nullptr,           nullptr,
                                         nullptr,           "FC-PI-4 limiting", "SFF-8431 limiting",
                                         "FC-PI-4 Appendix H", "SFF-8431 Appendix E"};

const char *const kOptionBits64[8] = {
    nullptr,
    nullptr,
    QT_TRANSLATE_NOOP("Sff", "power level 3"),
    QT_TRANSLATE_NOOP("Sff", "paging implemented"),
    QT_TRANSLATE_NOOP("Sff", "retimer or CDR"),
    QT_TRANSLATE_NOOP("Sff", "cooled laser"),
    QT_TRANSLATE_NOOP("Sff", "power level 2"),
    QT_TRANSLATE_NOOP("Sff", "linear receiver output"),
};
const char *const kOptionBits65[8] = {
    QT_TRANSLATE_NOOP("Sff", "receiver decision threshold"),
    QT_TRANSLATE_NOOP("Sff", "tunable transmitter"),
    "RATE_SELECT",
    "TX_DISABLE",
    "TX_FAULT",
    QT_TRANSLATE_NOOP("Sff", "inverted LOS"),
    "LOS",
    nullptr,
};

// Byte 92 without bit 3, which names one of two kinds of RX power.
const char *const kDiagnosticTypeBits[8] = {
    nullptr,
    QT_TRANSLATE_NOOP("Sff", "digital diagnostics"),
    QT_TRANSLATE_NOOP("Sff", "internally calibrated"),
    QT_TRANSLATE_NOOP("Sff", "externally calibrated"),
    nullptr,
    QT_TRANSLATE_NOOP("Sff", "address change required"),
    nullptr,
    nullptr,
};

const char *const kEnhancedOptionBits[8] = {
    QT_TRANSLATE_NOOP("Sff", "alarm and warning flags"),
    QT_TRANSLATE_NOOP("Sff", "soft TX_DISABLE"),
    QT_TRANSLATE_NOOP("Sff", "soft TX_FAULT"),
    QT_TRANSLATE_NOOP("Sff", "soft RX_LOS"),
    QT_TRANSLATE_NOOP("Sff", "soft RATE_SELECT"),
    QT_TRANSLATE_NOOP("Sff", "application select (SFF-8079)"),
    QT_TRANSLATE_NOOP("Sff", "soft rate select (SFF-8431)"),
    nullptr,
};

const char *const kStatusControlBits[8] = {
    QT_TRANSLATE_NOOP("Sff", "TX_DISABLE pin high"),
    QT_TRANSLATE_NOOP("Sff", "soft TX_DISABLE set"),
    QT_TRANSLATE_NOOP("Sff", "RS(1) high"),
    QT_TRANSLATE_NOOP("Sff", "RS(0) high"),
    QT_TRANSLATE_NOOP("Sff", "soft RS(0) set"),
    QT_TRANSLATE_NOOP("Sff", "TX_FAULT"),
    QT_TRANSLATE_NOOP("Sff", "RX_LOS"),
    QT_TRANSLATE_NOOP("Sff", "data not ready"),
};

struct Flag {
    const char *name;
    const char *key;
};
const Flag kFlags[2][8] = {
    {{QT_TRANSLATE_NOOP("Sff", "temperature high"), "temperature_high"},
     {QT_TRANSLATE_NOOP("Sff", "temperature low"), "temperature_low"},
     {QT_TRANSLATE_NOOP("Sff", "supply voltage high"), "vcc_high"},
     {QT_TRANSLATE_NOOP("Sff", "supply voltage low"), "vcc_low"},
     {QT_TRANSLATE_NOOP("Sff", "bias current high"), "tx_bias_high"},
     {QT_TRANSLATE_NOOP("Sff", "bias current low"), "tx_bias_low"},
     {QT_TRANSLATE_NOOP("Sff", "TX power high"), "tx_power_high"},
     {QT_TRANSLATE_NOOP("Sff", "TX power low"), "tx_power_low"}},
    {{QT_TRANSLATE_NOOP("Sff", "RX power high"), "rx_power_high"},
     {QT_TRANSLATE_NOOP("Sff", "RX power low"), "rx_power_low"},
     {QT_TRANSLATE_NOOP("Sff", "laser temperature high"), "laser_temperature_high"},
     {QT_TRANSLATE_NOOP("Sff", "laser temperature low"), "laser_temperature_low"},
     {QT_TRANSLATE_NOOP("Sff", "TEC current high"), "tec_current_high"},
     {QT_TRANSLATE_NOOP("Sff", "TEC current low"), "tec_current_low"},
     {nullptr, nullptr},
     {nullptr, nullptr}},
};

}  // namespace

QString hexCode(quint8 code)
{
    return QString::number(code, 16).rightJustified(2, QLatin1Char('0')).toUpper() + QLatin1Char('h');
}

CodeName identifierName(quint8 code, const Words &words)
{
    return lookUp(kIdentifiers, code, words, 0x80);
}

CodeName extendedIdentifierName(quint8 code, const Words &words)
{
    if (code == 0x00)
        return {words(QT_TRANSLATE_NOOP("Sff", "GBIC not specified or not MOD_DEF compliant")), CodeKind::Defined};
    if (code == 0x04)
        return {words(QT_TRANSLATE_NOOP("Sff", "Defined by the two-wire interface ID only")), CodeKind::Defined};
    if (code <= 0x07)
        return {words(QT_TRANSLATE_NOOP("Sff", "GBIC compliant with MOD_DEF %1")).arg(code), CodeKind::Defined};
    return {words(QT_TRANSLATE_NOOP("Sff", "Reserved (%1)")).arg(hexCode(code)), CodeKind::Reserved};
}

CodeName connectorName(quint8 code, const Words &words)
{
    return lookUp(kConnectors, code, words, 0x80);
}

CodeName encodingName(quint8 code, const Words &words)
{
    return lookUp(kEncodings, code, words);
}

CodeName extendedComplianceName(quint8 code, const Words &words)
{
    return lookUp(kExtendedCompliance, code, words);
}

CodeName rateIdentifierName(quint8 code, const Words &words)
{
    // The odd codes up to 11h are left unspecified on purpose; 12h-1Fh are reserved.
    if (code < 0x12 && (code & 1) && code != 0x01)
        return {words(QT_TRANSLATE_NOOP("Sff", "Unspecified")), CodeKind::Defined};
    return lookUp(kRateIdentifiers, code, words);
}

CodeName sffComplianceName(quint8 code, const Words &words)
{
    return lookUp(kSffCompliance, code, words);
}

BitNames complianceBits(int index, quint8 value, const Words &words)
{
    if (index < 0 || index >= int(std::size(kComplianceBits)))
        return {};
    return bitsOf(kComplianceBits[index], value, words);
}

BitNames fibreChannelSpeed2Bits(quint8 value, const Words &words)
{
    return bitsOf(kFibreChannelSpeed2Bits, value, words);
}

BitNames cableComplianceBits(bool active, quint8 byte60, quint8 byte61, const Words &words)
{
    BitNames result = bitsOf(active ? kActiveCableBits : kPassiveCableBits, byte60, words);
    for (int bit = 7; bit >= 0; --bit)
        if (byte61 & (1 << bit))
            result.unallocated.append(bit);
    return result;
}

BitNames optionBits(quint8 byte64, quint8 byte65, const Words &words)
{
    BitNames result = bitsOf(kOptionBits64, byte64, words);
    append(result, bitsOf(kOptionBits65, byte65, words));
    return result;
}

BitNames diagnosticTypeBits(quint8 value, const Words &words)
{
    BitNames result = bitsOf(kDiagnosticTypeBits, value & ~0x08, words);
    if (value & 0x40)
        result.names.append(value & 0x08 ? words(QT_TRANSLATE_NOOP("Sff", "average RX power"))
                                         : words(QT_TRANSLATE_NOOP("Sff", "RX power as OMA")));
    return result;
}

BitNames enhancedOptionBits(quint8 value, const Words &words)
{
    return bitsOf(kEnhancedOptionBits, value, words);
}

BitNames statusControlBits(quint8 value, const Words &words)
{
    return bitsOf(kStatusControlBits, value, words);
}

BitNames flagBits(quint8 first, quint8 second, const Words &words)
{
    BitNames result;
    const quint8 bytes[2] = {first, second};
    for (int byte = 0; byte < 2; ++byte)
        for (int bit = 7; bit >= 0; --bit) {
            if (!(bytes[byte] & (1 << bit)))
                continue;
            if (const char *name = kFlags[byte][7 - bit].name)
                result.names.append(words(name));
            else
                result.unallocated.append(bit);
        }
    return result;
}

QStringList flagKeys(quint8 first, quint8 second)
{
    QStringList keys;
    const quint8 bytes[2] = {first, second};
    for (int byte = 0; byte < 2; ++byte)
        for (int bit = 7; bit >= 0; --bit)
            if ((bytes[byte] & (1 << bit)) && kFlags[byte][7 - bit].key)
                keys.append(QString::fromLatin1(kFlags[byte][7 - bit].key));
    return keys;
}

}  // namespace sff
