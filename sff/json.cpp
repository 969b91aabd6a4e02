#include "json.h"

#include "codes.h"
#include "diagnosticvalues.h"
#include "linkmedium.h"
#include "family.h"
#include "cmisdecoder.h"
#include "jsonparts.h"
#include "qsfpdecoder.h"
#include "tuning.h"

#include <QJsonArray>

namespace sff {

namespace {

using namespace jsonparts;

const Words kEnglish(Language::English);

void putCode(QJsonObject &json, const ModuleImage &image, const char *key, Span span,
             CodeName (*name)(quint8, const Words &))
{
    if (image.holds(kDeviceA0, span))
        json.insert(QLatin1String(key), name(image.byte(kDeviceA0, span.offset), kEnglish).text);
}

void putLinkFacts(QJsonObject &json, const ModuleImage &image)
{
    const Medium medium = linkMedium(image);
    const bool cable = medium == Medium::CableAssembly;
    if (image.holds(kDeviceA0, a0::kWavelength))
        json.insert(QStringLiteral("wavelength_nm"),
                    cable ? QJsonValue(QJsonValue::Null) : QJsonValue(image.word(kDeviceA0, a0::kWavelength.offset)));
    if (image.holds(kDeviceA0, a0::kNominalRate)) {
        const quint8 rate = image.byte(kDeviceA0, a0::kNominalRate.offset);
        if (rate != a0::kNominalRateAbove)
            json.insert(QStringLiteral("nominal_rate_mbd"), rate * 100);
        else if (image.holds(kDeviceA0, a0::kRateMax))
            json.insert(QStringLiteral("nominal_rate_mbd"), image.byte(kDeviceA0, a0::kRateMax.offset) * 250);
    }
    if (image.holds(kDeviceA0, {a0::kLengthSmfKm.offset, 6})) {
        const auto length = [&image](Span span, int unit) { return image.byte(kDeviceA0, span.offset) * unit; };
        const bool copper = medium != Medium::Fibre;
        const QPair<const char *, int> lengths[] = {
            {"smf_km", cable ? 0 : length(a0::kLengthSmfKm, 1)},
            {"smf_m", cable ? 0 : length(a0::kLengthSmf, 100)},
            {"om1_m", length(a0::kLengthOm1, 10)},
            {"om2_m", length(a0::kLengthOm2, 10)},
            {"om3_m", cable ? 0 : length(a0::kLengthOm3, 10)},
            {"om4_m", copper ? 0 : length(a0::kLengthOm4OrCopper, 10)},
            {"copper_m", copper ? length(a0::kLengthOm4OrCopper, 1) : 0},
            {"cable_attenuation_12g9_db", cable ? length(a0::kLengthSmfKm, 1) : 0},
            {"cable_attenuation_25g78_db", cable ? length(a0::kLengthSmf, 1) : 0},
        };
        QJsonObject object;
        for (const auto &entry : lengths)
            if (entry.second != 0)
                object.insert(QLatin1String(entry.first), entry.second);
        if (const std::optional<double> metres = cable ? cableLengthMetres(image.byte(kDeviceA0, a0::kLengthOm3.offset))
                                                       : std::nullopt)
            object.insert(QStringLiteral("cable_length_m"), number(*metres, 1));
        json.insert(QStringLiteral("lengths"), object);
    }
    if (image.holds(kDeviceA0, a0::kCompliance) && image.holds(kDeviceA0, a0::kExtendedCompliance)) {
        QStringList names;
        for (int i = 0; i < a0::kCompliance.length; ++i)
            names += complianceBits(i, image.byte(kDeviceA0, a0::kCompliance.offset + i), kEnglish).names;
        if (image.holds(kDeviceA0, a0::kFibreChannelSpeed2))
            names += fibreChannelSpeed2Bits(image.byte(kDeviceA0, a0::kFibreChannelSpeed2.offset), kEnglish).names;
        if (const quint8 extended = image.byte(kDeviceA0, a0::kExtendedCompliance.offset))
            names.append(extendedComplianceName(extended, kEnglish).text);
        json.insert(QStringLiteral("transceiver"), QJsonArray::fromStringList(names));
    }
}

QJsonObject diagnosticsJson(const ModuleImage &image)
{
    const Diagnostics d = Diagnostics::of(image);
    QJsonObject json;
    if (d.hasValues) {
        for (int q = 0; q < a2::kQuantityCount; ++q)
            json.insert(valueKey(q), quantity(q, d.values[q]));
        json.insert(QStringLiteral("tx_power_dbm"), dbm(d.values[a2::kTxPower]));
        json.insert(QStringLiteral("rx_power_dbm"), dbm(d.values[a2::kRxPower]));
        const RxPowerKind kind = d.rxPowerKind;
        json.insert(QStringLiteral("rx_power_kind"), kind == RxPowerKind::Unknown ? QJsonValue(QJsonValue::Null)
                                                     : QJsonValue(kind == RxPowerKind::Average ? "average" : "oma"));
    }
    if (d.hasThresholds)
        json.insert(QStringLiteral("thresholds"), thresholds(d.thresholds));
    if (d.hasFlags) {
        json.insert(QStringLiteral("alarms"), QJsonArray::fromStringList(flagKeys(d.alarmFlags[0], d.alarmFlags[1])));
        json.insert(QStringLiteral("warnings"),
                    QJsonArray::fromStringList(flagKeys(d.warningFlags[0], d.warningFlags[1])));
    }
    return json;
}

QJsonObject tunableJson(const Tuning &t)
{
    QJsonObject json{{QStringLiteral("advertised"), t.advertised}};
    if (!t.held)
        return json;
    json.insert(QStringLiteral("by_channel"), bool(t.features & tunable::kTunesByChannel));
    json.insert(QStringLiteral("by_wavelength"), bool(t.features & tunable::kTunesByWavelength));
    json.insert(QStringLiteral("first_frequency_thz"), number(t.firstThz, 4));
    json.insert(QStringLiteral("last_frequency_thz"), number(t.lastThz, 4));
    json.insert(QStringLiteral("grid_spacing_ghz"), number(t.spacingGhz, 1));
    json.insert(QStringLiteral("channels"), t.channels());
    json.insert(QStringLiteral("channel"), t.channel);
    if (t.hasChannel(t.channel)) {
        json.insert(QStringLiteral("frequency_thz"), number(t.channelThz(t.channel), 4));
        json.insert(QStringLiteral("wavelength_nm"), number(wavelengthOfThz(t.channelThz(t.channel)), 2));
    }
    json.insert(QStringLiteral("wavelength_set_nm"), number(t.wavelengthSetNm, 2));
    json.insert(QStringLiteral("frequency_error_ghz"), number(t.frequencyErrorGhz, 1));
    json.insert(QStringLiteral("wavelength_error_nm"), number(t.wavelengthErrorNm, 3));
    json.insert(QStringLiteral("status"), QJsonArray::fromStringList(tuningStatusKeys(t.status, false)));
    json.insert(QStringLiteral("latched"), QJsonArray::fromStringList(tuningStatusKeys(t.latched, true)));
    return json;
}

}  // namespace

QJsonObject toJson(const Field &field)
{
    return {
        {QStringLiteral("device"), field.device == kDeviceA0 ? QStringLiteral("A0h") : QStringLiteral("A2h")},
        {QStringLiteral("page"), field.page == kNoPage ? QJsonValue(QJsonValue::Null) : QJsonValue(field.page)},
        {QStringLiteral("offset"), field.offset},
        {QStringLiteral("length"), field.length},
        {QStringLiteral("key"), field.key},
        {QStringLiteral("name"), field.name},
        {QStringLiteral("raw"), QString::fromLatin1(field.raw.toHex(' ').toUpper())},
        {QStringLiteral("value"), field.value},
        {QStringLiteral("unit"), field.unit},
        {QStringLiteral("detail"), field.detail},
        {QStringLiteral("status"), statusKey(field.status)},
        {QStringLiteral("note"), field.note},
    };
}

QJsonObject toJson(const ModuleImage &image)
{
    if (familyOf(image) == Family::Qsfp)
        return qsfp::toJson(image);
    if (familyOf(image) == Family::Cmis)
        return cmis::toJson(image);
    QJsonObject json{{QStringLiteral("family"), familyKey(Family::Sfp)}};
    putIdentity(json, image, Family::Sfp);
    putCode(json, image, "connector", a0::kConnector, connectorName);
    putLinkFacts(json, image);
    putCode(json, image, "encoding", a0::kEncoding, encodingName);
    json.insert(QStringLiteral("checksums"), checksums(image, Family::Sfp));
    if (image.holdsAny(kDeviceA2) && !Diagnostics::declaredAbsent(image))
        json.insert(QStringLiteral("diagnostics"), diagnosticsJson(image));
    const Tuning tuning = Tuning::of(image);
    if (tuning.advertised || tuning.held)
        json.insert(QStringLiteral("tunable"), tunableJson(tuning));

    putDecoded(json, decode(image, Language::English));
    return json;
}

}  // namespace sff
