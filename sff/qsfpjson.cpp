// The JSON object of a QSFP module: the keys of an SFP module's where they
// mean the same (see json.h), "family": "sff8636", and the diagnostics per
// lane.

#include "qsfpdecoder.h"

#include "checkcodes.h"
#include "family.h"
#include "json.h"
#include "qsfpcodes.h"
#include "qsfpdiagnostics.h"
#include "textfields.h"

#include <QJsonArray>

namespace sff {
namespace qsfp {

namespace {

const Words kEnglish(Language::English);
const Page kPage00{page00::kPage};

QJsonValue number(double value, int decimals)
{
    return QString::number(value, 'f', decimals).toDouble();
}

QJsonValue dbm(double milliwatts)
{
    const std::optional<double> value = toDbm(milliwatts);
    return value ? number(*value, 2) : QJsonValue(QJsonValue::Null);
}

void putText(QJsonObject &json, const ModuleImage &image, const char *key, Span span)
{
    if (image.holds(kDevice, span, kPage00))
        json.insert(QLatin1String(key), readText(image.bytes(kDevice, span, kPage00)).text);
}

void putIdentification(QJsonObject &json, const ModuleImage &image)
{
    const auto byte = [&image](Span span) { return image.byte(kDevice, span.offset, kPage00); };
    const auto holds = [&image](Span span) { return image.holds(kDevice, span, kPage00); };
    if (image.holds(kDevice, lower::kIdentifier))
        json.insert(QStringLiteral("identifier"), identifierName(image.byte(kDevice, 0), kEnglish).text);
    if (holds(page00::kConnector))
        json.insert(QStringLiteral("connector"), connectorName(byte(page00::kConnector), kEnglish).text);
    putText(json, image, "vendor_name", page00::kVendorName);
    if (holds(page00::kVendorOui))
        json.insert(QStringLiteral("vendor_oui"),
                    QString::fromLatin1(image.bytes(kDevice, page00::kVendorOui, kPage00).toHex(':').toUpper()));
    putText(json, image, "part_number", page00::kPartNumber);
    putText(json, image, "revision", page00::kRevision);
    putText(json, image, "serial_number", page00::kSerialNumber);
    if (holds(page00::kDateCode)) {
        const QByteArray bytes = image.bytes(kDevice, page00::kDateCode, kPage00);
        const DateCode code = readDateCode(bytes);
        json.insert(QStringLiteral("date_code"), code.valid ? code.date.toString(Qt::ISODate) : readText(bytes).text);
    }
    const bool copper = holds(page00::kDeviceTechnology) && isCopper(byte(page00::kDeviceTechnology));
    if (holds(page00::kDeviceTechnology))
        json.insert(QStringLiteral("transmitter_technology"),
                    transmitterTechnologyName(byte(page00::kDeviceTechnology) >> 4, kEnglish).text);
    if (holds(page00::kWavelength) && holds(page00::kWavelengthTolerance)) {
        json.insert(QStringLiteral("wavelength_nm"),
                    copper ? QJsonValue(QJsonValue::Null)
                           : number(image.word(kDevice, page00::kWavelength.offset, kPage00) * 0.05, 2));
        json.insert(QStringLiteral("wavelength_tolerance_nm"),
                    copper ? QJsonValue(QJsonValue::Null)
                           : number(image.word(kDevice, page00::kWavelengthTolerance.offset, kPage00) * 0.005, 3));
    }
    if (holds(page00::kNominalRate)) {
        const quint8 rate = byte(page00::kNominalRate);
        if (rate != page00::kNominalRateAbove)
            json.insert(QStringLiteral("nominal_rate_mbd"), rate * 100);
        else if (holds(page00::kExtendedRate))
            json.insert(QStringLiteral("nominal_rate_mbd"), byte(page00::kExtendedRate) * 250);
    }
    if (holds({page00::kLengthSmfKm.offset, 5}) && holds(page00::kDeviceTechnology)) {
        const int last = byte(page00::kLengthCopperOrOm4);
        const QPair<const char *, int> lengths[] = {
            {"smf_km", byte(page00::kLengthSmfKm)},  {"om3_m", byte(page00::kLengthOm3) * 2},
            {"om2_m", byte(page00::kLengthOm2)},     {"om1_m", byte(page00::kLengthOm1)},
            {"om4_m", copper ? 0 : last * 2},        {"copper_m", copper ? last : 0},
        };
        QJsonObject object;
        for (const auto &entry : lengths)
            if (entry.second != 0)
                object.insert(QLatin1String(entry.first), entry.second);
        json.insert(QStringLiteral("lengths"), object);
    }
    if (holds(page00::kCompliance) && holds(page00::kExtendedCompliance)) {
        QStringList names;
        for (int i = 0; i < page00::kCompliance.length; ++i)
            names += qsfp::complianceBits(i, image.byte(kDevice, page00::kCompliance.offset + i, kPage00), kEnglish).names;
        names.removeAll(QStringLiteral("extended compliance (byte 192)"));
        names.removeAll(QStringLiteral("FC speed in byte 192"));
        if (const quint8 extended = byte(page00::kExtendedCompliance))
            names.append(extendedComplianceName(extended, kEnglish).text);
        json.insert(QStringLiteral("transceiver"), QJsonArray::fromStringList(names));
    }
    if (holds(page00::kEncoding))
        json.insert(QStringLiteral("encoding"), qsfp::encodingName(byte(page00::kEncoding), kEnglish).text);
}

QJsonObject diagnosticsJson(const Diagnostics &d)
{
    static const int kDecimals[5] = {2, 4, 3, 4, 4};
    static const char *const kValueKeys[5] = {"temperature_c", "vcc_v", "tx_bias_ma", "tx_power_mw", "rx_power_mw"};
    static const char *const kLimitKeys[4] = {"high_alarm", "low_alarm", "high_warning", "low_warning"};
    QJsonObject json;
    if (d.typeKnown)
        json.insert(QStringLiteral("rx_power_type"), d.averageRxPower ? QStringLiteral("average") : QStringLiteral("oma"));
    if (d.hasModuleValues) {
        json.insert(QStringLiteral("temperature_c"), number(d.temperature, kDecimals[a2::kTemperature]));
        json.insert(QStringLiteral("vcc_v"), number(d.vcc, kDecimals[a2::kVcc]));
    }
    if (d.hasLaneValues) {
        QJsonArray lanes;
        for (int lane = 0; lane < kLanes; ++lane) {
            QJsonObject object{{QStringLiteral("lane"), lane + 1}};
            for (int q = a2::kTxBias; q < a2::kQuantityCount; ++q) {
                object.insert(QLatin1String(kValueKeys[q]), number(d.value(q, lane), kDecimals[q]));
                if (q != a2::kTxBias)
                    object.insert(quantityKey(q) + QStringLiteral("_dbm"), dbm(d.value(q, lane)));
                if (d.hasThresholds)
                    object.insert(quantityKey(q) + QStringLiteral("_level"),
                                  d.level(q, lane) == Level::Normal    ? QStringLiteral("normal")
                                  : d.level(q, lane) == Level::Warning ? QStringLiteral("warning")
                                                                       : QStringLiteral("alarm"));
            }
            lanes.append(object);
        }
        json.insert(QStringLiteral("lanes"), lanes);
    }
    if (d.hasThresholds) {
        QJsonObject thresholds;
        for (int q = 0; q < a2::kQuantityCount; ++q) {
            QJsonObject limits;
            for (int limit = 0; limit < a2::kLimitCount; ++limit)
                limits.insert(QLatin1String(kLimitKeys[limit]), number(d.thresholds[q][limit], kDecimals[q]));
            thresholds.insert(QLatin1String(kValueKeys[q]), limits);
        }
        json.insert(QStringLiteral("thresholds"), thresholds);
    }
    if (d.hasFlags) {
        QJsonObject flags[2];
        for (int alarms = 0; alarms < 2; ++alarms) {
            QJsonObject &object = flags[alarms];
            object.insert(QStringLiteral("temperature"),
                          QJsonArray::fromStringList(moduleFlagKeys(d.flagByte(lower::kTemperatureFlags.offset), alarms)));
            object.insert(QStringLiteral("vcc"),
                          QJsonArray::fromStringList(moduleFlagKeys(d.flagByte(lower::kVccFlags.offset), alarms)));
            for (const auto &lane : {qMakePair(a2::kRxPower, lower::kRxPowerFlags),
                                     qMakePair(a2::kTxBias, lower::kTxBiasFlags),
                                     qMakePair(a2::kTxPower, lower::kTxPowerFlags)})
                object.insert(quantityKey(lane.first),
                              QJsonArray::fromStringList(laneFlagKeys(d.flagByte(lane.second.offset),
                                                                      d.flagByte(lane.second.offset + 1), alarms)));
        }
        json.insert(QStringLiteral("alarms"), flags[1]);
        json.insert(QStringLiteral("warnings"), flags[0]);
    }
    return json;
}

}  // namespace

QJsonObject toJson(const ModuleImage &image)
{
    QJsonObject json{{QStringLiteral("family"), familyKey(Family::Qsfp)}};
    putIdentification(json, image);
    QJsonObject checksums;
    for (const NamedCheckCode &code : checkCodesOf(Family::Qsfp)) {
        const CheckCodeState state = checkCode(image, code.span);
        if (state.held)
            checksums.insert(QLatin1String(code.key), QJsonObject{{QStringLiteral("stored"), state.stored},
                                                                  {QStringLiteral("computed"), state.computed},
                                                                  {QStringLiteral("ok"), state.ok()}});
    }
    json.insert(QStringLiteral("checksums"), checksums);
    const Diagnostics diagnostics = Diagnostics::of(image);
    if (diagnostics.hasModuleValues || diagnostics.hasLaneValues || diagnostics.hasThresholds)
        json.insert(QStringLiteral("diagnostics"), diagnosticsJson(diagnostics));

    const Decoded decoded = qsfp::decode(image, Language::English);
    QJsonArray findings;
    for (const Finding &finding : decoded.findings)
        findings.append(QJsonObject{{QStringLiteral("key"), finding.key},
                                    {QStringLiteral("status"), statusKey(finding.status)},
                                    {QStringLiteral("text"), finding.text},
                                    {QStringLiteral("fix"), finding.fixText}});
    json.insert(QStringLiteral("findings"), findings);
    json.insert(QStringLiteral("missing"), QJsonArray::fromStringList(decoded.missing));
    QJsonArray fields;
    for (const Field &field : decoded.fields)
        fields.append(sff::toJson(field));
    json.insert(QStringLiteral("fields"), fields);
    return json;
}

}  // namespace qsfp
}  // namespace sff
