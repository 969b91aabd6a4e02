#include "cmiscodes.h"

#include "qsfpcodes.h"

#include <iterator>

namespace sff {
namespace cmis {

namespace {

struct Code {
    quint8 code;
    const char *name;  // standard designations stay in English
};

// SFF-8024 host electrical interface codes: the Ethernet ones a CMIS
// module advertises; others are named by their number.
const Code kHostInterfaces[] = {
    {0x01, "1000BASE-CX (Clause 39)"},     {0x02, "XAUI (Clause 47)"},
    {0x03, "XFI (SFF INF-8071i)"},         {0x04, "SFI (SFF-8431)"},
    {0x05, "25GAUI C2M (Annex 109B)"},     {0x06, "XLAUI C2M (Annex 83B)"},
    {0x07, "XLPPI (Annex 86A)"},           {0x08, "LAUI-2 C2M (Annex 135C)"},
    {0x09, "50GAUI-2 C2M (Annex 135E)"},   {0x0A, "50GAUI-1 C2M (Annex 135G)"},
    {0x0B, "CAUI-4 C2M (Annex 83E)"},      {0x0C, "100GAUI-4 C2M (Annex 135E)"},
    {0x0D, "100GAUI-2 C2M (Annex 135G)"},  {0x0E, "200GAUI-8 C2M (Annex 120C)"},
    {0x0F, "200GAUI-4 C2M (Annex 120E)"},  {0x10, "400GAUI-16 C2M (Annex 120C)"},
    {0x11, "400GAUI-8 C2M (Annex 120E)"},  {0x13, "10GBASE-CX4 (Clause 54)"},
    {0x14, "25GBASE-CR CA-L (Clause 110)"}, {0x15, "25GBASE-CR CA-S (Clause 110)"},
    {0x16, "25GBASE-CR CA-N (Clause 110)"}, {0x17, "40GBASE-CR4 (Clause 85)"},
    {0x18, "50GBASE-CR (Clause 126)"},     {0x1A, "100GBASE-CR4 (Clause 92)"},
    {0x1B, "100GBASE-CR2 (Clause 136)"},   {0x1C, "200GBASE-CR4 (Clause 136)"},
    {0x1D, "400G CR8"},
};

// Media interface codes by media type: multimode fibre (850 nm).
const Code kMmfInterfaces[] = {
    {0x01, "10GBASE-SW (Clause 52)"},  {0x02, "10GBASE-SR (Clause 52)"},  {0x03, "25GBASE-SR (Clause 112)"},
    {0x04, "40GBASE-SR4 (Clause 86)"}, {0x05, "40GE SWDM4 MSA"},          {0x06, "40GE BiDi"},
    {0x07, "50GBASE-SR (Clause 138)"}, {0x08, "100GBASE-SR10 (Clause 86)"}, {0x09, "100GBASE-SR4 (Clause 95)"},
    {0x0A, "100GE SWDM4 MSA"},         {0x0B, "100GE BiDi"},              {0x0C, "100GBASE-SR2 (Clause 138)"},
    {0x0D, "100G-SR"},                 {0x0E, "200GBASE-SR4 (Clause 138)"}, {0x0F, "400GBASE-SR16 (Clause 123)"},
    {0x10, "400GBASE-SR8 (Clause 138)"}, {0x11, "400G-SR4"},             {0x12, "800G-SR8"},
    {0x1A, "400GE BiDi"},
};

// Single-mode fibre.
const Code kSmfInterfaces[] = {
    {0x01, "10GBASE-LW (Clause 52)"},   {0x02, "10GBASE-EW (Clause 52)"},   {0x03, "10G-ZW"},
    {0x04, "10GBASE-LR (Clause 52)"},   {0x05, "10GBASE-ER (Clause 52)"},   {0x06, "10G-ZR"},
    {0x07, "25GBASE-LR (Clause 114)"},  {0x08, "25GBASE-ER (Clause 114)"},  {0x09, "40GBASE-LR4 (Clause 87)"},
    {0x0A, "40GBASE-FR (Clause 89)"},   {0x0B, "50GBASE-FR (Clause 139)"},  {0x0C, "50GBASE-LR (Clause 139)"},
    {0x0D, "100GBASE-LR4 (Clause 88)"}, {0x0E, "100GBASE-ER4 (Clause 88)"}, {0x0F, "100G PSM4 MSA"},
    {0x10, "100G CWDM4 MSA"},           {0x11, "100G 4WDM-10 MSA"},         {0x12, "100G 4WDM-20 MSA"},
    {0x13, "100G 4WDM-40 MSA"},         {0x14, "100GBASE-DR (Clause 140)"}, {0x15, "100G-FR"},
    {0x16, "100G-LR"},                  {0x17, "200GBASE-DR4 (Clause 121)"}, {0x18, "200GBASE-FR4 (Clause 122)"},
    {0x19, "200GBASE-LR4 (Clause 122)"}, {0x1A, "400GBASE-FR8 (Clause 122)"}, {0x1B, "400GBASE-LR8 (Clause 122)"},
    {0x1C, "400GBASE-DR4 (Clause 124)"}, {0x1D, "400G-FR4"},                {0x1E, "400G-LR4-10"},
};

const Code kPassiveCopperInterfaces[] = {{0x01, QT_TRANSLATE_NOOP("Sff", "Copper cable")}};

const Code kActiveCableInterfaces[] = {
    {0x01, QT_TRANSLATE_NOOP("Sff", "Active cable assembly, BER below 1e-12")},
    {0x02, QT_TRANSLATE_NOOP("Sff", "Active cable assembly, BER below 5e-5")},
    {0x03, QT_TRANSLATE_NOOP("Sff", "Active cable assembly, BER below 2.6e-4")},
    {0x04, QT_TRANSLATE_NOOP("Sff", "Active cable assembly, BER below 1e-6")},
};

const Code kBaseTInterfaces[] = {
    {0x01, "1000BASE-T (Clause 40)"}, {0x02, "2.5GBASE-T (Clause 126)"}, {0x03, "5GBASE-T (Clause 126)"},
    {0x04, "10GBASE-T (Clause 55)"},
};

template <std::size_t N>
CodeName lookUp(const Code (&table)[N], quint8 code, const Words &words)
{
    if (code == 0)
        return {words(QT_TRANSLATE_NOOP("Sff", "Undefined")), CodeKind::Defined};
    for (const Code &entry : table)
        if (entry.code == code)
            return {words(entry.name), CodeKind::Defined};
    // Newer revisions of SFF-8024 keep adding codes: one this program does
    // not name is no fault of the module's.
    return {words(QT_TRANSLATE_NOOP("Sff", "Code %1")).arg(hexCode(code)), CodeKind::Defined};
}

const char *const kStates[] = {
    nullptr,
    QT_TRANSLATE_NOOP("Sff", "ModuleLowPwr"),
    QT_TRANSLATE_NOOP("Sff", "ModulePwrUp"),
    QT_TRANSLATE_NOOP("Sff", "ModuleReady"),
    QT_TRANSLATE_NOOP("Sff", "ModulePwrDn"),
    QT_TRANSLATE_NOOP("Sff", "ModuleFault"),
};

const char *const kStateMeanings[] = {
    nullptr,
    QT_TRANSLATE_NOOP("Sff", "low power: the management interface works, the data paths are off"),
    QT_TRANSLATE_NOOP("Sff", "powering up to high power"),
    QT_TRANSLATE_NOOP("Sff", "ready: high power, data paths may be set up"),
    QT_TRANSLATE_NOOP("Sff", "powering down to low power"),
    QT_TRANSLATE_NOOP("Sff", "a fault: the module has shut itself down"),
};

const char *const kMediaTypes[] = {
    QT_TRANSLATE_NOOP("Sff", "Undefined"),
    QT_TRANSLATE_NOOP("Sff", "Optical, multimode fibre"),
    QT_TRANSLATE_NOOP("Sff", "Optical, single-mode fibre"),
    QT_TRANSLATE_NOOP("Sff", "Passive copper cable"),
    QT_TRANSLATE_NOOP("Sff", "Active cable"),
    "BASE-T",
};

}  // namespace

QString revisionName(quint8 code)
{
    return QStringLiteral("CMIS %1.%2").arg(code >> 4).arg(code & 0x0F);
}

CodeName moduleStateName(int state, const Words &words)
{
    if (state > 0 && state < int(std::size(kStates)))
        return {words(kStates[state]), CodeKind::Defined};
    return {words(QT_TRANSLATE_NOOP("Sff", "Reserved (%1)")).arg(state), CodeKind::Reserved};
}

QString moduleStateMeaning(int state, const Words &words)
{
    return state > 0 && state < int(std::size(kStateMeanings)) ? words(kStateMeanings[state]) : QString();
}

CodeName mediaTypeName(quint8 code, const Words &words)
{
    if (code < std::size(kMediaTypes))
        return {words(kMediaTypes[code]), CodeKind::Defined};
    if (code >= 0x40 && code <= 0x8F)
        return {words(QT_TRANSLATE_NOOP("Sff", "Vendor specific (%1)")).arg(hexCode(code)), CodeKind::VendorSpecific};
    return {words(QT_TRANSLATE_NOOP("Sff", "Reserved (%1)")).arg(hexCode(code)), CodeKind::Reserved};
}

CodeName hostInterfaceName(quint8 code, const Words &words)
{
    if (code == kEndOfApplications)
        return {words(QT_TRANSLATE_NOOP("Sff", "End of list")), CodeKind::Defined};
    return lookUp(kHostInterfaces, code, words);
}

CodeName mediaInterfaceName(quint8 mediaType, quint8 code, const Words &words)
{
    switch (mediaType) {
    case kMediaMmf: return lookUp(kMmfInterfaces, code, words);
    case kMediaSmf: return lookUp(kSmfInterfaces, code, words);
    case kMediaPassiveCopper: return lookUp(kPassiveCopperInterfaces, code, words);
    case kMediaActiveCable: return lookUp(kActiveCableInterfaces, code, words);
    case kMediaBaseT: return lookUp(kBaseTInterfaces, code, words);
    }
    return {words(QT_TRANSLATE_NOOP("Sff", "Code %1")).arg(hexCode(code)), CodeKind::Defined};
}

CodeName mediaTechnologyName(quint8 code, const Words &words)
{
    if (code <= 0x0F)
        return qsfp::transmitterTechnologyName(code, words);
    return {words(QT_TRANSLATE_NOOP("Sff", "Reserved (%1)")).arg(hexCode(code)), CodeKind::Reserved};
}

int powerClassOf(quint8 byte200)
{
    return (byte200 >> 5) + 1;
}

double cableLengthOf(quint8 byte202)
{
    static const double kMultipliers[4] = {0.1, 1, 10, 100};
    return (byte202 & 0x3F) * kMultipliers[byte202 >> 6];
}

QList<int> lanesOf(quint8 bits)
{
    QList<int> lanes;
    for (int lane = 0; lane < 8; ++lane)
        if (bits & (1 << lane))
            lanes.append(lane + 1);
    return lanes;
}

}  // namespace cmis
}  // namespace sff
