#include "qsfpdecoder.h"

#include "checkcodes.h"
#include "family.h"
#include "fieldshow.h"
#include "qsfpcodes.h"
#include "qsfpdiagnostics.h"
#include "textfields.h"

namespace sff {
namespace qsfp {

namespace {

using namespace fields;

const Page kPage00{page00::kPage};

QVector<Entry> build()
{
    QVector<Entry> list;
    using S = Section;
    const auto add = [&list](Span span, int page, const QString &key, const char *name, Section section, Kind kind,
                             int index = 0, int lane = -1) {
        list.append({span, page, key, name, section, kind, index, lane});
    };
    const auto low = [&add](Span span, const char *key, const char *name, Section section, Kind kind, int index = 0) {
        add(span, kNoPage, QLatin1String(key), name, section, kind, index);
    };
    const auto p00 = [&add](Span span, const char *key, const char *name, Section section, Kind kind, int index = 0) {
        add(span, page00::kPage, QLatin1String(key), name, section, kind, index);
    };

    low(lower::kIdentifier, "identifier", QT_TRANSLATE_NOOP("Sff", "Identifier"), S::Identification, Kind::Identifier);
    low(lower::kRevisionCompliance, "revision_compliance", QT_TRANSLATE_NOOP("Sff", "Revision compliance"),
        S::Identification, Kind::RevisionCompliance);
    low(lower::kStatus, "status", QT_TRANSLATE_NOOP("Sff", "Status"), S::StatusFlags, Kind::Status);
    low(lower::kLosFlags, "los_flags", QT_TRANSLATE_NOOP("Sff", "Loss of signal"), S::StatusFlags, Kind::LaneStatus, 0);
    low(lower::kFaultFlags, "fault_flags", QT_TRANSLATE_NOOP("Sff", "Transmitter faults"), S::StatusFlags,
        Kind::LaneStatus, 1);
    low(lower::kLolFlags, "cdr_lol_flags", QT_TRANSLATE_NOOP("Sff", "CDR loss of lock"), S::StatusFlags,
        Kind::LaneStatus, 2);
    low(lower::kTemperatureFlags, "temperature_flags", QT_TRANSLATE_NOOP("Sff", "Temperature flags"), S::StatusFlags,
        Kind::ModuleFlags, 0);
    low(lower::kVccFlags, "vcc_flags", QT_TRANSLATE_NOOP("Sff", "Supply voltage flags"), S::StatusFlags,
        Kind::ModuleFlags, 1);
    low(lower::kRxPowerFlags, "rx_power_flags", QT_TRANSLATE_NOOP("Sff", "RX power flags"), S::StatusFlags,
        Kind::LaneFlags);
    low(lower::kTxBiasFlags, "tx_bias_flags", QT_TRANSLATE_NOOP("Sff", "Laser bias current flags"), S::StatusFlags,
        Kind::LaneFlags);
    low(lower::kTxPowerFlags, "tx_power_flags", QT_TRANSLATE_NOOP("Sff", "TX power flags"), S::StatusFlags,
        Kind::LaneFlags);

    low(lower::kTemperature, "temperature", QT_TRANSLATE_NOOP("Sff", "Temperature"), S::Values, Kind::Value,
        a2::kTemperature);
    low(lower::kVcc, "vcc", QT_TRANSLATE_NOOP("Sff", "Supply voltage"), S::Values, Kind::Value, a2::kVcc);
    for (int q : {a2::kRxPower, a2::kTxBias, a2::kTxPower})
        for (int lane = 0; lane < kLanes; ++lane) {
            const Span span = q == a2::kRxPower ? lower::rxPower(lane) : q == a2::kTxBias ? lower::txBias(lane)
                                                                                         : lower::txPower(lane);
            add(span, kNoPage, QStringLiteral("%1_%2").arg(quantityKey(q)).arg(lane + 1), nullptr, S::Values,
                Kind::Value, q, lane);
        }

    low(lower::kTxDisable, "tx_disable", QT_TRANSLATE_NOOP("Sff", "TX disable"), S::Controls, Kind::Control, 0);
    low(lower::kRxRateSelect, "rx_rate_select", QT_TRANSLATE_NOOP("Sff", "RX rate select"), S::Controls, Kind::Opaque);
    low(lower::kTxRateSelect, "tx_rate_select", QT_TRANSLATE_NOOP("Sff", "TX rate select"), S::Controls, Kind::Opaque);
    low(lower::kRxApplicationSelect, "rx_application_select", QT_TRANSLATE_NOOP("Sff", "RX application select"),
        S::Controls, Kind::Opaque);
    low(lower::kPowerControl, "power_control", QT_TRANSLATE_NOOP("Sff", "Power control"), S::Controls, Kind::Control,
        1);
    low(lower::kTxApplicationSelect, "tx_application_select", QT_TRANSLATE_NOOP("Sff", "TX application select"),
        S::Controls, Kind::Opaque);
    low(lower::kCdrControl, "cdr_control", QT_TRANSLATE_NOOP("Sff", "CDR control"), S::Controls, Kind::Control, 2);
    low(lower::kSignalControl, "signal_control", QT_TRANSLATE_NOOP("Sff", "LPMode and TX disable signals"),
        S::Controls, Kind::Opaque);
    low(lower::kMasks, "masks", QT_TRANSLATE_NOOP("Sff", "Interrupt masks"), S::Controls, Kind::Opaque);
    low(lower::kPasswordChange, "password_change", QT_TRANSLATE_NOOP("Sff", "Password change"), S::UserArea,
        Kind::Opaque);
    low(lower::kPasswordEntry, "password_entry", QT_TRANSLATE_NOOP("Sff", "Password entry"), S::UserArea,
        Kind::Opaque);
    low(lower::kPageSelect, "page_select", QT_TRANSLATE_NOOP("Sff", "Page select"), S::UserArea, Kind::Opaque);

    p00(page00::kIdentifier, "identifier_copy", QT_TRANSLATE_NOOP("Sff", "Identifier (page 00h)"), S::Identification,
        Kind::Identifier);
    p00(page00::kExtendedIdentifier, "extended_identifier", QT_TRANSLATE_NOOP("Sff", "Extended identifier"),
        S::Identification, Kind::ExtendedIdentifier);
    p00(page00::kConnector, "connector", QT_TRANSLATE_NOOP("Sff", "Connector"), S::Identification, Kind::Connector);
    p00(page00::kEncoding, "encoding", QT_TRANSLATE_NOOP("Sff", "Encoding"), S::Identification, Kind::Encoding);
    p00(page00::kNominalRate, "nominal_rate", QT_TRANSLATE_NOOP("Sff", "Nominal signalling rate"), S::Identification,
        Kind::NominalRate);
    p00(page00::kExtendedRate, "extended_rate", QT_TRANSLATE_NOOP("Sff", "Nominal signalling rate, 250 MBd units"),
        S::Identification, Kind::ExtendedRate);
    p00(page00::kRateIdentifier, "rate_identifier", QT_TRANSLATE_NOOP("Sff", "Rate identifier"), S::Identification,
        Kind::RateIdentifier);
    p00(page00::kDeviceTechnology, "device_technology", QT_TRANSLATE_NOOP("Sff", "Device technology"),
        S::Identification, Kind::DeviceTechnology);

    p00(page00::kVendorName, "vendor_name", QT_TRANSLATE_NOOP("Sff", "Vendor name"), S::Vendor, Kind::Text);
    p00(page00::kVendorOui, "vendor_oui", QT_TRANSLATE_NOOP("Sff", "Vendor OUI"), S::Vendor, Kind::Oui);
    p00(page00::kPartNumber, "part_number", QT_TRANSLATE_NOOP("Sff", "Part number"), S::Vendor, Kind::Text);
    p00(page00::kRevision, "revision", QT_TRANSLATE_NOOP("Sff", "Revision"), S::Vendor, Kind::Text);
    p00(page00::kSerialNumber, "serial_number", QT_TRANSLATE_NOOP("Sff", "Serial number"), S::Vendor, Kind::Text);
    p00(page00::kDateCode, "date_code", QT_TRANSLATE_NOOP("Sff", "Date code"), S::Vendor, Kind::DateCode);

    p00(page00::kWavelength, "wavelength", QT_TRANSLATE_NOOP("Sff", "Wavelength"), S::Link, Kind::Wavelength);
    p00(page00::kWavelengthTolerance, "wavelength_tolerance", QT_TRANSLATE_NOOP("Sff", "Wavelength tolerance"),
        S::Link, Kind::WavelengthTolerance);
    p00(page00::kLengthSmfKm, "length_smf_km", QT_TRANSLATE_NOOP("Sff", "Length, single-mode fibre (km)"), S::Link,
        Kind::Length, 0);
    p00(page00::kLengthOm3, "length_om3", QT_TRANSLATE_NOOP("Sff", "Length, OM3 50 um"), S::Link, Kind::Length, 1);
    p00(page00::kLengthOm2, "length_om2", QT_TRANSLATE_NOOP("Sff", "Length, OM2 50 um"), S::Link, Kind::Length, 2);
    p00(page00::kLengthOm1, "length_om1", QT_TRANSLATE_NOOP("Sff", "Length, OM1 62.5 um"), S::Link, Kind::Length, 3);
    p00(page00::kLengthCopperOrOm4, "length_om4_or_copper", QT_TRANSLATE_NOOP("Sff", "Length, OM4 or copper cable"),
        S::Link, Kind::Length, 4);
    p00(page00::kMaxCaseTemperature, "max_case_temperature", QT_TRANSLATE_NOOP("Sff", "Maximum case temperature"),
        S::Link, Kind::MaxCaseTemperature);

    const char *const complianceKeys[8] = {"compliance_ethernet", "compliance_sonet", "compliance_sas",
                                           "compliance_gigabit_ethernet", "compliance_fc_length",
                                           "compliance_fc_technology", "compliance_fc_media", "compliance_fc_speed"};
    const char *const complianceNames[8] = {
        QT_TRANSLATE_NOOP("Sff", "10/40G Ethernet compliance"), QT_TRANSLATE_NOOP("Sff", "SONET compliance"),
        QT_TRANSLATE_NOOP("Sff", "SAS/SATA compliance"), QT_TRANSLATE_NOOP("Sff", "Gigabit Ethernet compliance"),
        QT_TRANSLATE_NOOP("Sff", "Fibre Channel link length and technology"),
        QT_TRANSLATE_NOOP("Sff", "Fibre Channel transmitter technology"),
        QT_TRANSLATE_NOOP("Sff", "Fibre Channel transmission media"), QT_TRANSLATE_NOOP("Sff", "Fibre Channel speed"),
    };
    for (int i = 0; i < 8; ++i)
        p00({page00::kCompliance.offset + i, 1}, complianceKeys[i], complianceNames[i], S::Compliance,
            Kind::Compliance, i);
    p00(page00::kExtendedCompliance, "extended_compliance", QT_TRANSLATE_NOOP("Sff", "Extended compliance"),
        S::Compliance, Kind::ExtendedCompliance);
    p00(page00::kExtendedModule, "extended_module", QT_TRANSLATE_NOOP("Sff", "InfiniBand compliance"), S::Compliance,
        Kind::ExtendedModule);

    p00(page00::kOptions, "options", QT_TRANSLATE_NOOP("Sff", "Options"), S::Options, Kind::Options);
    p00(page00::kDiagnosticType, "diagnostic_type", QT_TRANSLATE_NOOP("Sff", "Diagnostic monitoring type"),
        S::Options, Kind::DiagnosticType);
    p00(page00::kEnhancedOptions, "enhanced_options", QT_TRANSLATE_NOOP("Sff", "Enhanced options"), S::Options,
        Kind::EnhancedOptions);
    p00(page00::kCcBase, "cc_base", "CC_BASE", S::CheckCodes, Kind::CheckCode, 0);
    p00(page00::kCcExt, "cc_ext", "CC_EXT", S::CheckCodes, Kind::CheckCode, 1);
    p00(page00::kVendorSpecific, "vendor_specific", QT_TRANSLATE_NOOP("Sff", "Vendor specific"), S::VendorArea,
        Kind::Opaque);

    add(page01::kTable, page01::kPage, QStringLiteral("application_select_table"),
        QT_TRANSLATE_NOOP("Sff", "Application select table"), S::UserArea, Kind::Opaque);
    add(page02::kUserEeprom, page02::kPage, QStringLiteral("user_eeprom"), QT_TRANSLATE_NOOP("Sff", "User EEPROM"),
        S::UserArea, Kind::Opaque);
    for (int q : {a2::kTemperature, a2::kVcc, a2::kRxPower, a2::kTxBias, a2::kTxPower})
        for (int limit = 0; limit < a2::kLimitCount; ++limit)
            add(page03::threshold(q, limit), page03::kPage, thresholdKey(q, limit), nullptr, S::Thresholds,
                Kind::Threshold, q * a2::kLimitCount + limit);
    add(page03::kVendorThresholds, page03::kPage, QStringLiteral("vendor_thresholds"),
        QT_TRANSLATE_NOOP("Sff", "Vendor specific thresholds"), S::Thresholds, Kind::Opaque);
    add(page03::kLaneControls, page03::kPage, QStringLiteral("lane_controls"),
        QT_TRANSLATE_NOOP("Sff", "Lane equalizers, emphasis and amplitude"), S::Controls, Kind::Opaque);
    add(page03::kLaneMasks, page03::kPage, QStringLiteral("lane_masks"), QT_TRANSLATE_NOOP("Sff", "Lane flag masks"),
        S::Controls, Kind::Opaque);
    sortForListing(list);
    return list;
}

struct Context {
    const ModuleImage &image;
    const Words &w;
    Diagnostics diagnostics;
    bool copper;          // byte 147 names a copper cable
    bool technologyKnown;

    quint8 page0(int offset) const { return image.byte(kDevice, offset, kPage00); }
    bool holdsPage0(Span span) const { return image.holds(kDevice, span, kPage00); }
};

void judge(Field &field, int quantity, int lane, const Context &c)
{
    const Diagnostics &d = c.diagnostics;
    if (d.hasThresholds)
        fields::judge(field, d.value(quantity, lane), d.thresholds[quantity], c.w);
}

void showLength(Field &field, int index, quint8 value, const Context &c)
{
    // Units of bytes 142 to 146; byte 146 counts metres of cable in a cable.
    static const int kUnits[5] = {1, 2, 1, 1, 2};
    if (index == 4 && (c.copper || !c.technologyKnown)) {
        field.name = c.w(QT_TRANSLATE_NOOP("Sff", "Length, copper or active cable"));
        showNumber(field, value, QT_TRANSLATE_NOOP("Sff", "m"), c.w);
    } else if (index == 4) {
        field.name = c.w(QT_TRANSLATE_NOOP("Sff", "Length, OM4 50 um"));
        showNumber(field, value * 2, QT_TRANSLATE_NOOP("Sff", "m"), c.w);
    } else {
        showNumber(field, value * kUnits[index], index == 0 ? QT_TRANSLATE_NOOP("Sff", "km") : QT_TRANSLATE_NOOP("Sff", "m"),
                   c.w);
    }
    if (value == 0xFF)
        field.detail = c.w(QT_TRANSLATE_NOOP("Sff", "or more"));
}

void showAttenuation(Field &field, const char *name, const Context &c)
{
    field.key = field.key == QLatin1String("wavelength") ? QStringLiteral("attenuation_low")
                                                         : QStringLiteral("attenuation_high");
    field.name = c.w(name);
    field.value = QStringLiteral("%1, %2").arg(quint8(field.raw.at(0))).arg(quint8(field.raw.at(1)));
    field.unit = c.w(QT_TRANSLATE_NOOP("Sff", "dB"));
}

void showControl(Field &field, int index, quint8 value, const Words &w)
{
    QStringList names;
    if (index == 0) {
        for (int lane = 0; lane < kLanes; ++lane)
            if (value & (1 << lane))
                names.append(w(QT_TRANSLATE_NOOP("Sff", "TX%1 disabled")).arg(lane + 1));
    } else if (index == 1) {
        static const char *const kPowerBits[4] = {
            QT_TRANSLATE_NOOP("Sff", "power override"), QT_TRANSLATE_NOOP("Sff", "low power set"),
            QT_TRANSLATE_NOOP("Sff", "power classes 5-7 enabled"), QT_TRANSLATE_NOOP("Sff", "power class 8 enabled")};
        for (int bit = 0; bit < 4; ++bit)
            if (value & (1 << bit))
                names.append(w(kPowerBits[bit]));
        if (value & lower::kSoftwareReset)
            names.append(w(QT_TRANSLATE_NOOP("Sff", "software reset")));
    } else {
        for (int lane = 0; lane < kLanes; ++lane)
            if (value & (0x10 << lane))
                names.append(w(QT_TRANSLATE_NOOP("Sff", "TX%1 CDR on")).arg(lane + 1));
        for (int lane = 0; lane < kLanes; ++lane)
            if (value & (1 << lane))
                names.append(w(QT_TRANSLATE_NOOP("Sff", "RX%1 CDR on")).arg(lane + 1));
    }
    field.value = names.isEmpty() ? w(QT_TRANSLATE_NOOP("Sff", "none")) : names.join(QLatin1String(", "));
}

void decodeField(Field &field, const Entry &entry, const Context &c)
{
    const Words &w = c.w;
    const quint8 first = quint8(field.raw.at(0));
    const quint8 second = field.raw.size() > 1 ? quint8(field.raw.at(1)) : 0;
    const Diagnostics &d = c.diagnostics;
    switch (entry.kind) {
    case Kind::Identifier:
        showCode(field, identifierName(first, w), w);
        break;
    case Kind::RevisionCompliance:
        showCode(field, revisionComplianceName(first, w), w);
        break;
    case Kind::Status:
        showBits(field, statusBits(first, w), w);
        if (first & lower::kDataNotReady)
            warn(field, w(QT_TRANSLATE_NOOP("Sff", "The module's monitors are not ready yet")));
        break;
    case Kind::LaneStatus: {
        const BitNames bits = laneStatusBits(entry.index, first, w);
        showBits(field, bits, w);
        if (!bits.names.isEmpty())
            warn(field, w(QT_TRANSLATE_NOOP("Sff", "The module reports trouble on its lanes")));
        break;
    }
    case Kind::ModuleFlags:
        showFlags(field, moduleFlagBits(entry.index, first, w), first & 0xC0, first & 0x30, w);
        break;
    case Kind::LaneFlags:
        showFlags(field, laneFlagBits(first, second, w), (first | second) & 0xCC, (first | second) & 0x33, w);
        break;
    case Kind::Value:
        field.name = valueName(entry.index, qMax(entry.lane, 0), d, w);
        showQuantity(field, entry.index, d.value(entry.index, qMax(entry.lane, 0)), w);
        judge(field, entry.index, qMax(entry.lane, 0), c);
        break;
    case Kind::Threshold: {
        const int quantity = entry.index / a2::kLimitCount;
        field.name = thresholdName(valueName(quantity, -1, d, w), entry.index % a2::kLimitCount, w);
        showQuantity(field, quantity, d.thresholds[quantity][entry.index % a2::kLimitCount], w);
        break;
    }
    case Kind::Control:
        showControl(field, entry.index, first, w);
        break;
    case Kind::Opaque:
        showOpaque(field, w);
        break;
    case Kind::ExtendedIdentifier:
        showBits(field, extendedIdentifierBits(first, w), w);
        break;
    case Kind::Connector:
        showCode(field, connectorName(first, w), w);
        break;
    case Kind::Compliance:
        showBits(field, qsfp::complianceBits(entry.index, first, w), w);
        break;
    case Kind::Encoding:
        showCode(field, qsfp::encodingName(first, w), w);
        break;
    case Kind::NominalRate:
        if (first == page00::kNominalRateAbove) {
            if (c.holdsPage0(page00::kExtendedRate)) {
                showNumber(field, c.page0(page00::kExtendedRate.offset) * 250, QT_TRANSLATE_NOOP("Sff", "MBd"), w);
                field.detail = w(QT_TRANSLATE_NOOP("Sff", "from byte 222"));
            } else {
                field.value = w(QT_TRANSLATE_NOOP("Sff", "above 25.4 GBd"));
            }
        } else {
            showNumber(field, first * 100, QT_TRANSLATE_NOOP("Sff", "MBd"), w);
        }
        break;
    case Kind::ExtendedRate:
        showNumber(field, first * 250, QT_TRANSLATE_NOOP("Sff", "MBd"), w);
        if (first != 0 && c.holdsPage0(page00::kNominalRate)
            && c.page0(page00::kNominalRate.offset) != page00::kNominalRateAbove)
            field.detail = w(QT_TRANSLATE_NOOP("Sff", "not used: byte 140 gives the rate"));
        break;
    case Kind::RateIdentifier:
        field.value = (first & 0x03) == 0 ? w(QT_TRANSLATE_NOOP("Sff", "no extended rate select"))
                                          : w(QT_TRANSLATE_NOOP("Sff", "extended rate select, version %1"))
                                                .arg(first & 0x03);
        if (first & 0xFC)
            warn(field, w(QT_TRANSLATE_NOOP("Sff", "Bits without a meaning are set: %1")).arg(hexCode(first & 0xFC)));
        break;
    case Kind::Length:
        showLength(field, entry.index, first, c);
        break;
    case Kind::DeviceTechnology:
        showBits(field, deviceTechnologyBits(first, w), w);
        break;
    case Kind::Text:
        showText(field, readText(field.raw), w);
        break;
    case Kind::ExtendedModule:
        showBits(field, extendedModuleBits(first, w), w);
        break;
    case Kind::Oui:
        showOui(field, w);
        break;
    case Kind::Wavelength:
        if (c.copper)
            showAttenuation(field, QT_TRANSLATE_NOOP("Sff", "Attenuation at 2.5 and 5.0 GHz"), c);
        else
            showNumber(field, (first << 8 | second) * 0.05, QT_TRANSLATE_NOOP("Sff", "nm"), w, 2);
        break;
    case Kind::WavelengthTolerance:
        if (c.copper) {
            showAttenuation(field, QT_TRANSLATE_NOOP("Sff", "Attenuation at 7.0 and 12.9 GHz"), c);
        } else {
            showNumber(field, (first << 8 | second) * 0.005, QT_TRANSLATE_NOOP("Sff", "nm"), w, 3);
            if (field.unit.size())
                field.value.prepend(QStringLiteral("±"));
        }
        break;
    case Kind::MaxCaseTemperature:
        field.value = QString::number(first == 0 ? 70 : first);
        field.unit = w(QT_TRANSLATE_NOOP("Sff", "°C"));
        if (first == 0)
            field.detail = w(QT_TRANSLATE_NOOP("Sff", "the default"));
        break;
    case Kind::CheckCode:
        showCheckCode(field, c.image, entry.index == 0 ? kCcBase : kCcExt, w);
        break;
    case Kind::ExtendedCompliance:
        showCode(field, extendedComplianceName(first, w), w);
        break;
    case Kind::Options:
        showBits(field, qsfp::optionBits(first, second, quint8(field.raw.at(2)), w), w);
        break;
    case Kind::DateCode:
        showDateCode(field, w);
        break;
    case Kind::DiagnosticType:
        showBits(field, qsfp::diagnosticTypeBits(first, w), w);
        break;
    case Kind::EnhancedOptions:
        showBits(field, qsfp::enhancedOptionBits(first, w), w);
        break;
    }
}


}  // namespace

const QVector<Entry> &catalogue()
{
    static const QVector<Entry> entries = build();
    return entries;
}

const Entry *entryAt(const Address &address)
{
    if (address.device != kDevice)
        return nullptr;
    const int page = address.offset < kHalfSize ? kNoPage : address.page.number;
    for (const Entry &entry : catalogue())
        if (entry.page == page && entry.span.contains(address.offset))
            return &entry;
    return nullptr;
}

QString entryName(const Entry &entry, const Words &words)
{
    if (entry.name)
        return words(entry.name);
    const Diagnostics unknown;
    if (entry.kind == Kind::Value)
        return valueName(entry.index, entry.lane, unknown, words);
    return thresholdName(quantityName(entry.index / a2::kLimitCount, words), entry.index % a2::kLimitCount, words);
}

Decoded decode(const ModuleImage &image, Language language)
{
    const Words w(language);
    const bool technologyKnown = image.holds(kDevice, page00::kDeviceTechnology, kPage00);
    const Context c{image, w, Diagnostics::of(image),
                    technologyKnown && isCopper(image.byte(kDevice, page00::kDeviceTechnology.offset, kPage00)),
                    technologyKnown};
    Decoded decoded;
    decoded.family = Family::Qsfp;
    decoded.fields = catalogueFields(image, kDevice, catalogue(), w, [&c](Field &field, const Entry &entry) {
        decodeField(field, entry, c);
        return true;
    });
    decoded.findings = hostFindings(image, w);
    decoded.missing = missingRegions(image, Family::Qsfp, w);
    return decoded;
}

QVector<Finding> hostFindings(const ModuleImage &image, const Words &w)
{
    QVector<Finding> candidates{
        checkCodeFinding(image, kCcBase, QStringLiteral("cc_base"),
                         QT_TRANSLATE_NOOP("Sff", "CC_BASE is %1 but should be %2: hosts may refuse the module or "
                                                  "ignore its identification."),
                         QT_TRANSLATE_NOOP("Sff", "Recompute CC_BASE"), w),
        checkCodeFinding(image, kCcExt, QStringLiteral("cc_ext"),
                         QT_TRANSLATE_NOOP("Sff", "CC_EXT is %1 but should be %2: hosts ignore bytes 192-222 "
                                                  "(options, serial number, date code, diagnostic type)."),
                         QT_TRANSLATE_NOOP("Sff", "Recompute CC_EXT"), w),
        identifierCopyFinding(image, kDevice, lower::kIdentifier, page00::kIdentifier, kPage00, w)};
    for (const Span span : {page00::kVendorName, page00::kPartNumber, page00::kRevision, page00::kSerialNumber}) {
        const Entry *entry = entryAt(Address{kDevice, span.offset, kPage00});
        if (image.holds(kDevice, span, kPage00))
            candidates.append(paddingFinding(image, kDevice, kPage00, span, entry->key, entryName(*entry, w),
                                             {kCcBase, kCcExt}, w));
    }
    const Span lot{page00::kDateCode.offset + 6, 2};
    if (image.holds(kDevice, lot, kPage00))
        candidates.append(paddingFinding(image, kDevice, kPage00, lot, QStringLiteral("date_code"),
                                         w(QT_TRANSLATE_NOOP("Sff", "The lot code")), {kCcBase, kCcExt}, w));
    return findingsAmong(candidates);
}

}  // namespace qsfp
}  // namespace sff
