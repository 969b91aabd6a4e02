#include "qsfpcodes.h"

#include <iterator>

namespace sff {
namespace qsfp {

namespace {

CodeName reserved(quint8 code, const Words &words)
{
    return {words(QT_TRANSLATE_NOOP("Sff", "Reserved (%1)")).arg(hexCode(code)), CodeKind::Reserved};
}

const char *const kRevisions[] = {
    QT_TRANSLATE_NOOP("Sff", "Not specified"),
    "SFF-8436 Rev 4.8",
    QT_TRANSLATE_NOOP("Sff", "SFF-8436 Rev 4.8, bytes 186-189 excepted"),
    "SFF-8636 Rev 1.3",
    "SFF-8636 Rev 1.4",
    "SFF-8636 Rev 1.5",
    "SFF-8636 Rev 2.0",
    "SFF-8636 Rev 2.5-2.7",
    "SFF-8636 Rev 2.8-2.10",
};

const char *const kEncodings[] = {
    QT_TRANSLATE_NOOP("Sff", "Unspecified"), "8B/10B", "4B/5B", "NRZ", QT_TRANSLATE_NOOP("Sff", "SONET scrambled"),
    "64B/66B", "Manchester", QT_TRANSLATE_NOOP("Sff", "256B/257B (transcoded FEC)"), "PAM4",
};

const char *const kTransmitters[16] = {
    "850 nm VCSEL", "1310 nm VCSEL", "1550 nm VCSEL", "1310 nm FP", "1310 nm DFB", "1550 nm DFB",
    "1310 nm EML", "1550 nm EML", QT_TRANSLATE_NOOP("Sff", "Other or undefined"), "1490 nm DFB",
    QT_TRANSLATE_NOOP("Sff", "Copper cable, unequalized"),
    QT_TRANSLATE_NOOP("Sff", "Copper cable, passive equalized"),
    QT_TRANSLATE_NOOP("Sff", "Copper cable, near and far end limiting active equalizers"),
    QT_TRANSLATE_NOOP("Sff", "Copper cable, far end limiting active equalizers"),
    QT_TRANSLATE_NOOP("Sff", "Copper cable, near end limiting active equalizers"),
    QT_TRANSLATE_NOOP("Sff", "Copper cable, linear active equalizers"),
};

// Standard designations stay as they are written in English.
const char *const kComplianceBits[8][8] = {
    {QT_TRANSLATE_NOOP("Sff", "extended compliance (byte 192)"), "10GBASE-LRM", "10GBASE-LR", "10GBASE-SR",
     "40GBASE-CR4", "40GBASE-SR4", "40GBASE-LR4", "40G active cable (XLPPI)"},
    {nullptr, nullptr, nullptr, nullptr, "40G OTN (OTU3B/OTU3C)", "OC-48 long reach", "OC-48 intermediate reach",
     "OC-48 short reach"},
    {"SAS 24.0 Gb/s", "SAS 12.0 Gb/s", "SAS 6.0 Gb/s", "SAS 3.0 Gb/s", nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, nullptr, nullptr, "1000BASE-T", "1000BASE-CX", "1000BASE-LX", "1000BASE-SX"},
    {"FC very long distance (V)", "FC short distance (S)", "FC intermediate distance (I)", "FC long distance (L)",
     "FC medium distance (M)", nullptr, "FC longwave laser (LC)", "FC electrical inter-enclosure (EL)"},
    {"FC electrical intra-enclosure (EL)", "FC shortwave laser w/o OFC (SN)", "FC shortwave laser with OFC (SL)",
     "FC longwave laser (LL)", nullptr, nullptr, nullptr, nullptr},
    {"FC twin axial pair (TW)", "FC twisted pair (TP)", "FC miniature coax (MI)", "FC video coax (TV)",
     "FC multimode 62.5 um (M6)", "FC multimode 50 um (M5)", "FC multimode 50 um OM3 (M5E)", "FC single mode (SM)"},
    {"FC 1200 MB/s", "FC 800 MB/s", "FC 1600 MB/s", "FC 400 MB/s", "FC 3200 MB/s", "FC 200 MB/s",
     QT_TRANSLATE_NOOP("Sff", "FC speed in byte 192"), "FC 100 MB/s"},
};

const char *const kDeviceTechnologyBits[8] = {
    nullptr, nullptr, nullptr, nullptr,
    QT_TRANSLATE_NOOP("Sff", "active wavelength control"),
    QT_TRANSLATE_NOOP("Sff", "cooled transmitter"),
    QT_TRANSLATE_NOOP("Sff", "APD detector"),
    QT_TRANSLATE_NOOP("Sff", "tunable transmitter"),
};

const char *const kExtendedModuleBits[8] = {
    nullptr, nullptr, "InfiniBand HDR", "InfiniBand EDR", "InfiniBand FDR", "InfiniBand QDR", "InfiniBand DDR",
    "InfiniBand SDR",
};

const char *const kOptionBits[3][8] = {
    {nullptr, QT_TRANSLATE_NOOP("Sff", "LPMode/TxDis input configurable"),
     QT_TRANSLATE_NOOP("Sff", "IntL/RxLOSL output configurable"),
     QT_TRANSLATE_NOOP("Sff", "TX input adaptive equalizer freeze"),
     QT_TRANSLATE_NOOP("Sff", "TX input equalizer auto-adaptive"),
     QT_TRANSLATE_NOOP("Sff", "TX input equalizer programmable"),
     QT_TRANSLATE_NOOP("Sff", "RX output emphasis programmable"),
     QT_TRANSLATE_NOOP("Sff", "RX output amplitude programmable")},
    {QT_TRANSLATE_NOOP("Sff", "TX CDR control"), QT_TRANSLATE_NOOP("Sff", "RX CDR control"),
     QT_TRANSLATE_NOOP("Sff", "TX CDR loss of lock flag"), QT_TRANSLATE_NOOP("Sff", "RX CDR loss of lock flag"),
     QT_TRANSLATE_NOOP("Sff", "RX squelch disable"), QT_TRANSLATE_NOOP("Sff", "RX output disable"),
     QT_TRANSLATE_NOOP("Sff", "TX squelch disable"), QT_TRANSLATE_NOOP("Sff", "TX squelch")},
    {QT_TRANSLATE_NOOP("Sff", "page 02h"), QT_TRANSLATE_NOOP("Sff", "page 01h"), "RATE_SELECT", "TX_DISABLE",
     "TX_FAULT", QT_TRANSLATE_NOOP("Sff", "TX squelch reduces average power"), "TX LOS",
     QT_TRANSLATE_NOOP("Sff", "pages 20h-21h")},
};

// Byte 220 without bit 3, which names one of two kinds of RX power.
const char *const kDiagnosticTypeBits[8] = {
    nullptr, nullptr,
    QT_TRANSLATE_NOOP("Sff", "temperature monitored"),
    QT_TRANSLATE_NOOP("Sff", "supply voltage monitored"),
    nullptr,
    QT_TRANSLATE_NOOP("Sff", "TX power monitored"),
    nullptr, nullptr,
};

const char *const kEnhancedOptionBits[8] = {
    nullptr, nullptr, nullptr,
    QT_TRANSLATE_NOOP("Sff", "initialization complete flag"),
    QT_TRANSLATE_NOOP("Sff", "rate selection declared"),
    QT_TRANSLATE_NOOP("Sff", "application select table"),
    QT_TRANSLATE_NOOP("Sff", "TC readiness flag"),
    nullptr,
};

const char *const kStatusBits[8] = {
    nullptr, nullptr, nullptr, nullptr, nullptr,
    QT_TRANSLATE_NOOP("Sff", "flat memory"),
    QT_TRANSLATE_NOOP("Sff", "IntL asserted"),
    QT_TRANSLATE_NOOP("Sff", "data not ready"),
};

const char *const kLaneStatusBits[3][8] = {
    {"TX4 LOS", "TX3 LOS", "TX2 LOS", "TX1 LOS", "RX4 LOS", "RX3 LOS", "RX2 LOS", "RX1 LOS"},
    {QT_TRANSLATE_NOOP("Sff", "TX4 adaptive equalizer fault"), QT_TRANSLATE_NOOP("Sff", "TX3 adaptive equalizer fault"),
     QT_TRANSLATE_NOOP("Sff", "TX2 adaptive equalizer fault"), QT_TRANSLATE_NOOP("Sff", "TX1 adaptive equalizer fault"),
     "TX4 fault", "TX3 fault", "TX2 fault", "TX1 fault"},
    {QT_TRANSLATE_NOOP("Sff", "TX4 CDR loss of lock"), QT_TRANSLATE_NOOP("Sff", "TX3 CDR loss of lock"),
     QT_TRANSLATE_NOOP("Sff", "TX2 CDR loss of lock"), QT_TRANSLATE_NOOP("Sff", "TX1 CDR loss of lock"),
     QT_TRANSLATE_NOOP("Sff", "RX4 CDR loss of lock"), QT_TRANSLATE_NOOP("Sff", "RX3 CDR loss of lock"),
     QT_TRANSLATE_NOOP("Sff", "RX2 CDR loss of lock"), QT_TRANSLATE_NOOP("Sff", "RX1 CDR loss of lock")},
};

const char *const kLimitNames[4] = {
    QT_TRANSLATE_NOOP("Sff", "high alarm"), QT_TRANSLATE_NOOP("Sff", "low alarm"),
    QT_TRANSLATE_NOOP("Sff", "high warning"), QT_TRANSLATE_NOOP("Sff", "low warning"),
};
const char *const kLimitKeys[4] = {"high_alarm", "low_alarm", "high_warning", "low_warning"};

}  // namespace

CodeName revisionComplianceName(quint8 code, const Words &words)
{
    if (code < std::size(kRevisions))
        return {words(kRevisions[code]), CodeKind::Defined};
    return reserved(code, words);
}

CodeName encodingName(quint8 code, const Words &words)
{
    if (code < std::size(kEncodings))
        return {words(kEncodings[code]), CodeKind::Defined};
    return reserved(code, words);
}

CodeName transmitterTechnologyName(quint8 code, const Words &words)
{
    return {words(kTransmitters[code & 0x0F]), CodeKind::Defined};
}

bool isCopper(quint8 deviceTechnology)
{
    return deviceTechnology >= page00::kFirstCopperTechnology;
}

BitNames extendedIdentifierBits(quint8 value, const Words &words)
{
    static const char *const kClasses[8] = {"1 (1.5 W)", "2 (2.0 W)", "3 (2.5 W)", "4 (3.5 W)",
                                            "5 (4.0 W)", "6 (4.5 W)", "7 (5.0 W)", "8"};
    BitNames result;
    const int higher = value & 0x03;
    const int powerClass = (value & 0x20) ? 7 : higher ? 3 + higher : value >> 6;
    result.names.append(words(QT_TRANSLATE_NOOP("Sff", "power class %1")).arg(QLatin1String(kClasses[powerClass])));
    if (value & 0x10)
        result.names.append(words(QT_TRANSLATE_NOOP("Sff", "CLEI code in page 02h")));
    if (value & 0x08)
        result.names.append(words(QT_TRANSLATE_NOOP("Sff", "CDR in TX")));
    if (value & 0x04)
        result.names.append(words(QT_TRANSLATE_NOOP("Sff", "CDR in RX")));
    return result;
}

BitNames complianceBits(int index, quint8 value, const Words &words)
{
    if (index < 0 || index >= int(std::size(kComplianceBits)))
        return {};
    return bitsOf(kComplianceBits[index], value, words);
}

BitNames deviceTechnologyBits(quint8 value, const Words &words)
{
    BitNames result;
    result.names.append(transmitterTechnologyName(value >> 4, words).text);
    append(result, bitsOf(kDeviceTechnologyBits, value & 0x0F, words));
    if (!(value & 0x02) && !isCopper(value))
        result.names.append(words(QT_TRANSLATE_NOOP("Sff", "PIN detector")));
    return result;
}

BitNames extendedModuleBits(quint8 value, const Words &words)
{
    return bitsOf(kExtendedModuleBits, value, words);
}

BitNames optionBits(quint8 byte193, quint8 byte194, quint8 byte195, const Words &words)
{
    BitNames result = bitsOf(kOptionBits[0], byte193, words);
    append(result, bitsOf(kOptionBits[1], byte194, words));
    append(result, bitsOf(kOptionBits[2], byte195, words));
    return result;
}

BitNames diagnosticTypeBits(quint8 value, const Words &words)
{
    BitNames result = bitsOf(kDiagnosticTypeBits, value & ~page00::kAverageRxPower, words);
    result.names.append(value & page00::kAverageRxPower ? words(QT_TRANSLATE_NOOP("Sff", "average RX power"))
                                                        : words(QT_TRANSLATE_NOOP("Sff", "RX power as OMA")));
    return result;
}

BitNames enhancedOptionBits(quint8 value, const Words &words)
{
    return bitsOf(kEnhancedOptionBits, value, words);
}

BitNames statusBits(quint8 value, const Words &words)
{
    return bitsOf(kStatusBits, value, words);
}

BitNames laneStatusBits(int index, quint8 value, const Words &words)
{
    if (index < 0 || index >= int(std::size(kLaneStatusBits)))
        return {};
    return bitsOf(kLaneStatusBits[index], value, words);
}

BitNames moduleFlagBits(int index, quint8 value, const Words &words)
{
    BitNames result;
    for (int bit = 7; bit >= 4; --bit)
        if (value & (1 << bit))
            result.names.append(words(kLimitNames[7 - bit]));
    // Byte 6 bit 0 is the initialization complete flag, bit 1 TC readiness.
    if (index == 0 && (value & 0x01))
        result.names.append(words(QT_TRANSLATE_NOOP("Sff", "initialization complete")));
    if (index == 0 && (value & 0x02))
        result.names.append(words(QT_TRANSLATE_NOOP("Sff", "TC ready")));
    for (int bit = 3; bit >= 0; --bit)
        if ((value & (1 << bit)) && (index != 0 || bit > 1))
            result.unallocated.append(bit);
    return result;
}

BitNames laneFlagBits(quint8 first, quint8 second, const Words &words)
{
    BitNames result;
    const quint8 bytes[2] = {first, second};
    for (int lane = 0; lane < kLanes; ++lane) {
        const int shift = lane % 2 == 0 ? 4 : 0;
        for (int limit = 0; limit < 4; ++limit)
            if (bytes[lane / 2] & (1 << (shift + 3 - limit)))
                result.names.append(words(QT_TRANSLATE_NOOP("Sff", "lane %1 %2")).arg(lane + 1).arg(words(kLimitNames[limit])));
    }
    return result;
}

QStringList laneFlagKeys(quint8 first, quint8 second, bool alarms)
{
    QStringList keys;
    const quint8 bytes[2] = {first, second};
    for (int lane = 0; lane < kLanes; ++lane) {
        const int shift = lane % 2 == 0 ? 4 : 0;
        for (int limit = alarms ? 0 : 2; limit < (alarms ? 2 : 4); ++limit)
            if (bytes[lane / 2] & (1 << (shift + 3 - limit)))
                keys.append(QStringLiteral("lane_%1_%2").arg(lane + 1).arg(QLatin1String(kLimitKeys[limit])));
    }
    return keys;
}

QStringList moduleFlagKeys(quint8 value, bool alarms)
{
    QStringList keys;
    for (int limit = alarms ? 0 : 2; limit < (alarms ? 2 : 4); ++limit)
        if (value & (1 << (7 - limit)))
            keys.append(QLatin1String(kLimitKeys[limit]));
    return keys;
}

}  // namespace qsfp
}  // namespace sff
