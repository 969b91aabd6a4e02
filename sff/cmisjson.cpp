// The JSON object of a CMIS module: the keys of SFP and QSFP modules where
// they mean the same (see json.h), "family": "cmis", the module state, the
// application advertisement, the advertised pages, and the diagnostics per
// lane.

#include "cmisdecoder.h"

#include "cmiscodes.h"
#include "cmisdiagnostics.h"
#include "family.h"
#include "jsonparts.h"

#include <QJsonArray>

namespace sff {
namespace cmis {

namespace {

using namespace jsonparts;

const Words kEnglish(Language::English);
const Page kPage00{page00::kPage};
const Page kPage01{page01::kPage};

QJsonArray laneArray(const QList<int> &lanes)
{
    QJsonArray array;
    for (int lane : lanes)
        array.append(lane);
    return array;
}

void putLower(QJsonObject &json, const ModuleImage &image)
{
    const auto holds = [&image](Span span) { return image.holds(kDevice, span); };
    const auto byte = [&image](Span span) { return image.byte(kDevice, span.offset); };
    if (holds(lower::kRevision))
        json.insert(QStringLiteral("revision_compliance"), revisionName(byte(lower::kRevision)));
    if (holds(lower::kMemoryModel))
        json.insert(QStringLiteral("flat_memory"), bool(byte(lower::kMemoryModel) & lower::kFlatMemory));
    if (holds(lower::kModuleState)) {
        const int state = (byte(lower::kModuleState) & lower::kStateMask) >> 1;
        json.insert(QStringLiteral("module_state"),
                    QJsonObject{{QStringLiteral("code"), state},
                                {QStringLiteral("name"), moduleStateName(state, kEnglish).text},
                                {QStringLiteral("meaning"), moduleStateMeaning(state, kEnglish)}});
    }
    if (!holds(lower::kMediaType))
        return;
    const quint8 mediaType = byte(lower::kMediaType);
    json.insert(QStringLiteral("media_type"), mediaTypeName(mediaType, kEnglish).text);
    QJsonArray list;
    for (const Application &a : applications(image)) {
        QJsonObject object{{QStringLiteral("application"), a.number},
                           {QStringLiteral("host_interface"), hostInterfaceName(a.hostInterface, kEnglish).text},
                           {QStringLiteral("host_interface_code"), a.hostInterface},
                           {QStringLiteral("media_interface"),
                            mediaInterfaceName(mediaType, a.mediaInterface, kEnglish).text},
                           {QStringLiteral("media_interface_code"), a.mediaInterface},
                           {QStringLiteral("host_lanes"), a.hostLanes},
                           {QStringLiteral("media_lanes"), a.mediaLanes},
                           {QStringLiteral("host_lane_assignment"), laneArray(lanesOf(a.hostAssignment))}};
        if (a.mediaAssignment >= 0)
            object.insert(QStringLiteral("media_lane_assignment"), laneArray(lanesOf(quint8(a.mediaAssignment))));
        list.append(object);
    }
    json.insert(QStringLiteral("applications"), list);
}

void putPage00(QJsonObject &json, const ModuleImage &image)
{
    const auto holds = [&image](Span span) { return image.holds(kDevice, span, kPage00); };
    const auto byte = [&image](Span span) { return image.byte(kDevice, span.offset, kPage00); };
    if (holds(page00::kConnector))
        json.insert(QStringLiteral("connector"), connectorName(byte(page00::kConnector), kEnglish).text);
    putText(json, image, "clei", page00::kClei, kPage00);
    if (holds(page00::kPowerClass))
        json.insert(QStringLiteral("power_class"), powerClassOf(byte(page00::kPowerClass)));
    if (holds(page00::kMaxPower))
        json.insert(QStringLiteral("max_power_w"), number(byte(page00::kMaxPower) * 0.25, 2));
    if (holds(page00::kCableLength))
        json.insert(QStringLiteral("cable_length_m"), number(cableLengthOf(byte(page00::kCableLength)), 1));
    if (holds(page00::kMediaLanes))
        json.insert(QStringLiteral("media_lanes"), laneArray(lanesOf(quint8(~byte(page00::kMediaLanes)))));
    if (holds(page00::kMediaTechnology))
        json.insert(QStringLiteral("transmitter_technology"),
                    mediaTechnologyName(byte(page00::kMediaTechnology), kEnglish).text);
}

void putPage01(QJsonObject &json, const ModuleImage &image)
{
    const auto holds = [&image](Span span) { return image.holds(kDevice, span, kPage01); };
    const auto byte = [&image](Span span) { return image.byte(kDevice, span.offset, kPage01); };
    if (holds(page01::kWavelength) && holds(page01::kWavelengthTolerance)) {
        json.insert(QStringLiteral("wavelength_nm"),
                    number(image.word(kDevice, page01::kWavelength.offset, kPage01) * 0.05, 2));
        json.insert(QStringLiteral("wavelength_tolerance_nm"),
                    number(image.word(kDevice, page01::kWavelengthTolerance.offset, kPage01) * 0.005, 3));
    }
    if (holds({page01::kLengthSmf.offset, 5})) {
        const quint8 smf = byte(page01::kLengthSmf);
        const QPair<const char *, double> lengths[] = {
            {"smf_km", (smf & 0x3F) * (smf >> 6 == 0 ? 0.1 : 1.0)}, {"om5_m", byte(page01::kLengthOm5) * 2.0},
            {"om4_m", byte(page01::kLengthOm4) * 2.0},               {"om3_m", byte(page01::kLengthOm3) * 2.0},
            {"om2_m", double(byte(page01::kLengthOm2))},
        };
        QJsonObject object;
        for (const auto &entry : lengths)
            if (entry.second != 0)
                object.insert(QLatin1String(entry.first), number(entry.second, 1));
        json.insert(QStringLiteral("lengths"), object);
    }
}

// The shared lane diagnostics, and the module values' levels.
QJsonObject diagnosticsJson(const Diagnostics &d)
{
    QJsonObject json = laneDiagnostics(d);
    if (d.hasModuleValues && d.hasThresholds) {
        json.insert(QStringLiteral("temperature_level"), levelKey(d.level(a2::kTemperature)));
        json.insert(QStringLiteral("vcc_level"), levelKey(d.level(a2::kVcc)));
    }
    return json;
}

}  // namespace

QJsonObject toJson(const ModuleImage &image)
{
    QJsonObject json{{QStringLiteral("family"), familyKey(Family::Cmis)}};
    putIdentity(json, image, Family::Cmis);
    putLower(json, image);
    putPage00(json, image);
    putPage01(json, image);
    if (image.holdsRegion(kRegionA0Low)) {
        QStringList pages;
        for (const Region &region : advertisedRegions(image))
            pages.append(regionKey(region, Family::Cmis));
        json.insert(QStringLiteral("pages"), QJsonArray::fromStringList(pages));
    }
    json.insert(QStringLiteral("checksums"), checksums(image, Family::Cmis));
    const Diagnostics diagnostics = Diagnostics::of(image);
    if (diagnostics.hasModuleValues || diagnostics.hasLaneValues || diagnostics.hasThresholds)
        json.insert(QStringLiteral("diagnostics"), diagnosticsJson(diagnostics));

    putDecoded(json, cmis::decode(image, Language::English));
    return json;
}

}  // namespace cmis
}  // namespace sff
