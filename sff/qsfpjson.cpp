// The JSON object of a QSFP module: the keys of an SFP module's where they
// mean the same (see json.h), "family": "sff8636", and the diagnostics per
// lane.

#include "qsfpdecoder.h"

#include "family.h"
#include "jsonparts.h"
#include "qsfpcodes.h"
#include "qsfpdiagnostics.h"

#include <QJsonArray>

namespace sff {
namespace qsfp {

namespace {

using namespace jsonparts;

const Words kEnglish(Language::English);
const Page kPage00{page00::kPage};

void putIdentification(QJsonObject &json, const ModuleImage &image)
{
    const auto byte = [&image](Span span) { return image.byte(kDevice, span.offset, kPage00); };
    const auto holds = [&image](Span span) { return image.holds(kDevice, span, kPage00); };
    if (holds(page00::kConnector))
        json.insert(QStringLiteral("connector"), connectorName(byte(page00::kConnector), kEnglish).text);
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

// The shared lane diagnostics, and the flags the module raised.
QJsonObject diagnosticsJson(const Diagnostics &d)
{
    QJsonObject json = laneDiagnostics(d);
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
    putIdentity(json, image, Family::Qsfp);
    putIdentification(json, image);
    json.insert(QStringLiteral("checksums"), checksums(image, Family::Qsfp));
    const Diagnostics diagnostics = Diagnostics::of(image);
    if (diagnostics.hasModuleValues || diagnostics.hasLaneValues || diagnostics.hasThresholds)
        json.insert(QStringLiteral("diagnostics"), diagnosticsJson(diagnostics));

    putDecoded(json, qsfp::decode(image, Language::English));
    return json;
}

}  // namespace qsfp
}  // namespace sff
