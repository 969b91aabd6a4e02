#include "fieldcatalogue.h"

#include "diagnosticvalues.h"
#include "cmisdecoder.h"
#include "fieldshow.h"
#include "qsfpdecoder.h"

namespace sff {

namespace {

const char *const kLimitNames[4] = {
    QT_TRANSLATE_NOOP("Sff", "high alarm threshold"),
    QT_TRANSLATE_NOOP("Sff", "low alarm threshold"),
    QT_TRANSLATE_NOOP("Sff", "high warning threshold"),
    QT_TRANSLATE_NOOP("Sff", "low warning threshold"),
};
const char *const kQuantityNames[5] = {
    QT_TRANSLATE_NOOP("Sff", "Temperature"),        QT_TRANSLATE_NOOP("Sff", "Supply voltage"),
    QT_TRANSLATE_NOOP("Sff", "Laser bias current"), QT_TRANSLATE_NOOP("Sff", "TX power"),
    QT_TRANSLATE_NOOP("Sff", "RX power"),
};
// Calibration constants are named as the standard writes them.
const char *const kSlopeNames[4] = {"T(Slope)", "V(Slope)", "Tx_I(Slope)", "Tx_PWR(Slope)"};
const char *const kOffsetNames[4] = {"T(Offset)", "V(Offset)", "Tx_I(Offset)", "Tx_PWR(Offset)"};
const char *const kRxPowerNames[5] = {"Rx_PWR(0)", "Rx_PWR(1)", "Rx_PWR(2)", "Rx_PWR(3)", "Rx_PWR(4)"};
constexpr Span kSlopeSpans[4] = {a2::kTemperatureSlope, a2::kVccSlope, a2::kTxBiasSlope, a2::kTxPowerSlope};
constexpr Span kOffsetSpans[4] = {a2::kTemperatureOffset, a2::kVccOffset, a2::kTxBiasOffset, a2::kTxPowerOffset};

QVector<FieldEntry> build()
{
    QVector<FieldEntry> list;
    const auto a0 = [&list](Span span, const char *key, const char *name, Section section, Kind kind, int index = 0) {
        list.append({kDeviceA0, span, QString::fromLatin1(key), name, nullptr, section, kind, index});
    };
    const auto a2 = [&list](Span span, const QString &key, const char *name, const char *qualifier, Section section,
                            Kind kind, int index = 0) {
        list.append({kDeviceA2, span, key, name, qualifier, section, kind, index});
    };
    using S = Section;

    a0(a0::kIdentifier, "identifier", QT_TRANSLATE_NOOP("Sff", "Identifier"), S::Identification, Kind::Identifier);
    a0(a0::kExtendedIdentifier, "extended_identifier", QT_TRANSLATE_NOOP("Sff", "Extended identifier"),
       S::Identification, Kind::ExtendedIdentifier);
    a0(a0::kConnector, "connector", QT_TRANSLATE_NOOP("Sff", "Connector"), S::Identification, Kind::Connector);
    a0(a0::kEncoding, "encoding", QT_TRANSLATE_NOOP("Sff", "Encoding"), S::Identification, Kind::Encoding);
    a0(a0::kNominalRate, "nominal_rate", QT_TRANSLATE_NOOP("Sff", "Nominal signalling rate"), S::Identification,
       Kind::NominalRate);
    a0(a0::kRateIdentifier, "rate_identifier", QT_TRANSLATE_NOOP("Sff", "Rate identifier"), S::Identification,
       Kind::RateIdentifier);
    a0(a0::kRateMax, "rate_max", QT_TRANSLATE_NOOP("Sff", "Upper signalling rate margin"), S::Identification,
       Kind::RateMax);
    a0(a0::kRateMin, "rate_min", QT_TRANSLATE_NOOP("Sff", "Lower signalling rate margin"), S::Identification,
       Kind::RateMin);

    a0(a0::kVendorName, "vendor_name", QT_TRANSLATE_NOOP("Sff", "Vendor name"), S::Vendor, Kind::Text);
    a0(a0::kVendorOui, "vendor_oui", QT_TRANSLATE_NOOP("Sff", "Vendor OUI"), S::Vendor, Kind::Oui);
    a0(a0::kPartNumber, "part_number", QT_TRANSLATE_NOOP("Sff", "Part number"), S::Vendor, Kind::Text);
    a0(a0::kRevision, "revision", QT_TRANSLATE_NOOP("Sff", "Revision"), S::Vendor, Kind::Text);
    a0(a0::kSerialNumber, "serial_number", QT_TRANSLATE_NOOP("Sff", "Serial number"), S::Vendor, Kind::Text);
    a0(a0::kDateCode, "date_code", QT_TRANSLATE_NOOP("Sff", "Date code"), S::Vendor, Kind::DateCode);

    a0(a0::kWavelength, "wavelength", QT_TRANSLATE_NOOP("Sff", "Wavelength"), S::Link, Kind::WavelengthOrCable);
    a0(a0::kLengthSmfKm, "length_smf_km", QT_TRANSLATE_NOOP("Sff", "Length, single-mode fibre (km)"), S::Link,
       Kind::Length, 0);
    a0(a0::kLengthSmf, "length_smf", QT_TRANSLATE_NOOP("Sff", "Length, single-mode fibre (100 m)"), S::Link,
       Kind::Length, 1);
    a0(a0::kLengthOm2, "length_om2", QT_TRANSLATE_NOOP("Sff", "Length, OM2 50 um"), S::Link, Kind::Length, 2);
    a0(a0::kLengthOm1, "length_om1", QT_TRANSLATE_NOOP("Sff", "Length, OM1 62.5 um"), S::Link, Kind::Length, 3);
    a0(a0::kLengthOm4OrCopper, "length_om4_or_copper", QT_TRANSLATE_NOOP("Sff", "Length, OM4 or copper cable"),
       S::Link, Kind::Length, 4);
    a0(a0::kLengthOm3, "length_om3", QT_TRANSLATE_NOOP("Sff", "Length, OM3 50 um"), S::Link, Kind::Length, 5);

    const char *const complianceKeys[8] = {"compliance_10g_infiniband", "compliance_escon_sonet",
                                           "compliance_sonet",          "compliance_ethernet",
                                           "compliance_fc_length",      "compliance_fc_technology",
                                           "compliance_fc_media",       "compliance_fc_speed"};
    const char *const complianceNames[8] = {
        QT_TRANSLATE_NOOP("Sff", "10G Ethernet and InfiniBand compliance"),
        QT_TRANSLATE_NOOP("Sff", "ESCON and SONET compliance"),
        QT_TRANSLATE_NOOP("Sff", "SONET compliance"),
        QT_TRANSLATE_NOOP("Sff", "Ethernet compliance"),
        QT_TRANSLATE_NOOP("Sff", "Fibre Channel link length and technology"),
        QT_TRANSLATE_NOOP("Sff", "Fibre Channel technology and SFP+ cable"),
        QT_TRANSLATE_NOOP("Sff", "Fibre Channel transmission media"),
        QT_TRANSLATE_NOOP("Sff", "Fibre Channel speed"),
    };
    for (int i = 0; i < 8; ++i)
        a0({a0::kCompliance.offset + i, 1}, complianceKeys[i], complianceNames[i], S::Compliance, Kind::Compliance, i);
    a0(a0::kExtendedCompliance, "extended_compliance", QT_TRANSLATE_NOOP("Sff", "Extended compliance"),
       S::Compliance, Kind::ExtendedCompliance);
    a0(a0::kFibreChannelSpeed2, "fc_speed_2", QT_TRANSLATE_NOOP("Sff", "Fibre Channel speed 2"), S::Compliance,
       Kind::FibreChannelSpeed2);
    a0(a0::kSffCompliance, "sff8472_compliance", QT_TRANSLATE_NOOP("Sff", "SFF-8472 compliance"), S::Compliance,
       Kind::SffCompliance);

    a0(a0::kOptions, "options", QT_TRANSLATE_NOOP("Sff", "Options"), S::Options, Kind::Options);
    a0(a0::kDiagnosticType, "diagnostic_type", QT_TRANSLATE_NOOP("Sff", "Diagnostic monitoring type"), S::Options,
       Kind::DiagnosticType);
    a0(a0::kEnhancedOptions, "enhanced_options", QT_TRANSLATE_NOOP("Sff", "Enhanced options"), S::Options,
       Kind::EnhancedOptions);

    a0(a0::kCcBase, "cc_base", "CC_BASE", S::CheckCodes, Kind::CheckCode, 0);
    a0(a0::kCcExt, "cc_ext", "CC_EXT", S::CheckCodes, Kind::CheckCode, 1);

    a0(a0::kVendorSpecific, "vendor_specific", QT_TRANSLATE_NOOP("Sff", "Vendor specific"), S::VendorArea,
       Kind::Opaque);
    a0(a0::kReserved, "reserved", QT_TRANSLATE_NOOP("Sff", "Reserved"), S::VendorArea, Kind::Opaque);

    for (int q = 0; q < a2::kQuantityCount; ++q)
        for (int limit = 0; limit < a2::kLimitCount; ++limit)
            a2(a2::threshold(q, limit), fields::thresholdKey(q, limit), kQuantityNames[q], kLimitNames[limit],
               S::Thresholds, Kind::Threshold, q * a2::kLimitCount + limit);
    a2(a2::kOptionalThresholds, QStringLiteral("optional_thresholds"),
       QT_TRANSLATE_NOOP("Sff", "Laser temperature and TEC current thresholds"), nullptr, S::Thresholds, Kind::Opaque);

    for (int power = 4; power >= 0; --power)
        a2(a2::rxPowerCoefficient(power), QStringLiteral("rx_power_%1").arg(power), kRxPowerNames[power], nullptr,
           S::Calibration, Kind::RxPowerCoefficient, power);
    const char *const calibrationKeys[4] = {"temperature", "vcc", "tx_bias", "tx_power"};
    for (int i : {2, 3, 0, 1}) {  // in memory order: bias, TX power, temperature, supply
        a2(kSlopeSpans[i], QLatin1String(calibrationKeys[i]) + QLatin1String("_slope"), kSlopeNames[i], nullptr,
           S::Calibration, Kind::Slope, i);
        a2(kOffsetSpans[i], QLatin1String(calibrationKeys[i]) + QLatin1String("_offset"), kOffsetNames[i], nullptr,
           S::Calibration, Kind::Offset, i);
    }
    a2(a2::kUnallocated, QStringLiteral("a2_unallocated"), QT_TRANSLATE_NOOP("Sff", "Unallocated"), nullptr,
       S::Calibration, Kind::Opaque);
    a2(a2::kCcDmi, QStringLiteral("cc_dmi"), "CC_DMI", nullptr, S::CheckCodes, Kind::CheckCode, 2);

    for (int q = 0; q < a2::kQuantityCount; ++q)
        a2(a2::value(q), quantityKey(q), kQuantityNames[q], nullptr, S::Values, Kind::Value, q);
    a2(a2::kOptionalValues, QStringLiteral("optional_values"),
       QT_TRANSLATE_NOOP("Sff", "Laser temperature and TEC current"), nullptr, S::Values, Kind::Opaque);

    a2(a2::kStatusControl, QStringLiteral("status_control"), QT_TRANSLATE_NOOP("Sff", "Status and control"), nullptr,
       S::StatusFlags, Kind::StatusControl);
    a2(a2::kReserved, QStringLiteral("a2_reserved"), QT_TRANSLATE_NOOP("Sff", "Reserved"), nullptr, S::StatusFlags,
       Kind::Opaque);
    a2(a2::kAlarmFlags, QStringLiteral("alarm_flags"), QT_TRANSLATE_NOOP("Sff", "Alarm flags"), nullptr,
       S::StatusFlags, Kind::AlarmFlags);
    a2(a2::kEqualizationControl, QStringLiteral("equalization_control"),
       QT_TRANSLATE_NOOP("Sff", "Input equalization and output emphasis control"), nullptr, S::StatusFlags,
       Kind::Opaque);
    a2(a2::kWarningFlags, QStringLiteral("warning_flags"), QT_TRANSLATE_NOOP("Sff", "Warning flags"), nullptr,
       S::StatusFlags, Kind::WarningFlags);
    a2(a2::kExtendedControl, QStringLiteral("extended_control"),
       QT_TRANSLATE_NOOP("Sff", "Extended module control and status"), nullptr, S::StatusFlags, Kind::Opaque);

    a2(a2::kVendorSpecific, QStringLiteral("a2_vendor_specific"), QT_TRANSLATE_NOOP("Sff", "Vendor specific"),
       nullptr, S::UserArea, Kind::Opaque);
    a2(a2::kPasswordEntry, QStringLiteral("password_entry"), QT_TRANSLATE_NOOP("Sff", "Password entry"), nullptr,
       S::UserArea, Kind::Opaque);
    a2(a2::kPageSelect, QStringLiteral("page_select"), QT_TRANSLATE_NOOP("Sff", "Page select"), nullptr, S::UserArea,
       Kind::Opaque);
    // The upper half unpaged, and its user pages 00h and 01h.
    for (int page : {kNoPage, 0, 1}) {
        list.append({kDeviceA2, a2::kUserEeprom, QStringLiteral("user_eeprom"), QT_TRANSLATE_NOOP("Sff", "User EEPROM"),
                     nullptr, S::UserArea, Kind::Opaque, 0, page});
        list.append({kDeviceA2, a2::kVendorControl, QStringLiteral("vendor_control"),
                     QT_TRANSLATE_NOOP("Sff", "Vendor control functions"), nullptr, S::UserArea, Kind::Opaque, 0,
                     page});
    }

    const auto tuning = [&list](Span span, const char *key, const char *name, Kind kind, int index = 0) {
        list.append({kDeviceA2, span, QString::fromLatin1(key), name, nullptr, S::Tuning, kind, index, tunable::kPage});
    };
    tuning(tunable::kFeatures, "tuning_features", QT_TRANSLATE_NOOP("Sff", "Tuning capabilities"),
           Kind::TuningFeatures);
    tuning({tunable::kFirstFrequencyThz.offset, 4}, "first_frequency", QT_TRANSLATE_NOOP("Sff", "First frequency"),
           Kind::Frequency, 0);
    tuning({tunable::kLastFrequencyThz.offset, 4}, "last_frequency", QT_TRANSLATE_NOOP("Sff", "Last frequency"),
           Kind::Frequency, 1);
    tuning(tunable::kGridSpacing, "grid_spacing", QT_TRANSLATE_NOOP("Sff", "Grid spacing"), Kind::GridSpacing);
    tuning(tunable::kChannelSet, "channel", QT_TRANSLATE_NOOP("Sff", "Channel"), Kind::ChannelSet);
    tuning(tunable::kWavelengthSet, "wavelength_set", QT_TRANSLATE_NOOP("Sff", "Wavelength set"),
           Kind::WavelengthSet);
    tuning(tunable::kControl, "tuning_control", QT_TRANSLATE_NOOP("Sff", "Transmitter dither"), Kind::TuningControl);
    tuning(tunable::kFrequencyError, "frequency_error", QT_TRANSLATE_NOOP("Sff", "Frequency error"),
           Kind::FrequencyError);
    tuning(tunable::kWavelengthError, "wavelength_error", QT_TRANSLATE_NOOP("Sff", "Wavelength error"),
           Kind::WavelengthError);
    tuning(tunable::kStatus, "tuning_status", QT_TRANSLATE_NOOP("Sff", "Tuning status"), Kind::TuningStatus);
    tuning(tunable::kLatchedStatus, "tuning_latched", QT_TRANSLATE_NOOP("Sff", "Latched tuning status"),
           Kind::TuningLatched);
    return list;
}

}  // namespace

const QVector<FieldEntry> &fieldCatalogue()
{
    static const QVector<FieldEntry> catalogue = build();
    return catalogue;
}

QString entryName(const FieldEntry &entry, const Words &words)
{
    if (!entry.qualifier)
        return words(entry.name);
    return words(QT_TRANSLATE_NOOP("Sff", "%1: %2")).arg(words(entry.name), words(entry.qualifier));
}

const FieldEntry *entryAt(const Address &address)
{
    // Bytes of the lower half are the same whatever page is selected.
    const int page = address.offset < kHalfSize ? kNoPage : address.page.number;
    for (const FieldEntry &entry : fieldCatalogue())
        if (entry.device == address.device && entry.page == page && entry.span.contains(address.offset))
            return &entry;
    return nullptr;
}

namespace {

QString nameAt(const Address &address, const Words &words, Family family)
{
    // Pages of device 0x50 are a QSFP module's, and so is its lower page when
    // the family says so.
    const bool pagedByte = address.device == kDeviceA0
                           && (address.offset < kHalfSize ? family != Family::Sfp : address.page.isSet());
    if (pagedByte && (family == Family::Cmis || address.page.isBanked())) {
        const cmis::Entry *entry = cmis::entryAt(address);
        return entry ? cmis::entryName(*entry, words) : QString();
    }
    if (pagedByte) {
        const qsfp::Entry *entry = qsfp::entryAt(address);
        return entry ? qsfp::entryName(*entry, words) : QString();
    }
    if (const FieldEntry *entry = entryAt(address))
        return entryName(*entry, words);
    if (address.device == kDeviceA2 && address.offset >= kHalfSize && address.page.number >= tunable::kFirstVendorPage)
        return words(QT_TRANSLATE_NOOP("Sff", "Vendor page"));
    return QString();
}

}  // namespace

QString fieldNameAt(const Address &address, Family family)
{
    return nameAt(address, Words(Language::Translated), family);
}

QString fieldNameAtUntranslated(const Address &address, Family family)
{
    return nameAt(address, Words(Language::English), family);
}

QString fieldNameAt(const Address &address)
{
    return fieldNameAt(address, Family::Sfp);
}

QString fieldNameAtUntranslated(const Address &address)
{
    return fieldNameAtUntranslated(address, Family::Sfp);
}

}  // namespace sff
