#include "jsonparts.h"

#include "checkcodes.h"
#include "codes.h"
#include "familytraits.h"
#include "json.h"
#include "textfields.h"

#include <cmath>

namespace sff {
namespace jsonparts {

namespace {

const Words kEnglish(Language::English);

}  // namespace

QJsonValue number(double value, int decimals)
{
    return QString::number(value, 'f', decimals).toDouble();
}

QJsonValue quantity(int quantity, double value)
{
    return readingOf(quantity, value) == Reading::Invalid ? QJsonValue(QJsonValue::Null)
                                                          : QJsonValue(formatQuantity(quantity, value).toDouble());
}

QJsonValue dbm(double milliwatts)
{
    const std::optional<double> value = toDbm(milliwatts);
    return value && std::isfinite(*value) ? number(*value, 2) : QJsonValue(QJsonValue::Null);
}

QString levelKey(Level level)
{
    return level == Level::Normal    ? QStringLiteral("normal")
           : level == Level::Warning ? QStringLiteral("warning")
                                     : QStringLiteral("alarm");
}

void putText(QJsonObject &json, const ModuleImage &image, const char *key, Span span, Page page)
{
    if (image.holds(kDeviceA0, span, page))
        json.insert(QLatin1String(key), readText(image.bytes(kDeviceA0, span, page)).text);
}

void putIdentity(QJsonObject &json, const ModuleImage &image, Family family)
{
    const FamilyTraits &traits = familyTraits(family);
    const Page page = traits.identity.page;
    // Byte 0 is the identifier in every family.
    if (image.holds(kDeviceA0, a0::kIdentifier))
        json.insert(QStringLiteral("identifier"), identifierName(image.byte(kDeviceA0, 0), kEnglish).text);
    putText(json, image, "vendor_name", traits.vendorName, page);
    if (image.holds(kDeviceA0, traits.vendorOui, page))
        json.insert(QStringLiteral("vendor_oui"),
                    QString::fromLatin1(image.bytes(kDeviceA0, traits.vendorOui, page).toHex(':').toUpper()));
    putText(json, image, "part_number", traits.partNumber, page);
    putText(json, image, "revision", traits.revision, page);
    putText(json, image, "serial_number", traits.serialNumber, page);
    if (image.holds(kDeviceA0, traits.dateCode, page)) {
        const QByteArray bytes = image.bytes(kDeviceA0, traits.dateCode, page);
        const DateCode code = readDateCode(bytes);
        json.insert(QStringLiteral("date_code"), code.valid ? code.date.toString(Qt::ISODate) : readText(bytes).text);
    }
}

QJsonObject checksums(const ModuleImage &image, Family family)
{
    QJsonObject json;
    for (const NamedCheckCode &code : checkCodesOf(family)) {
        const CheckCodeState state = checkCode(image, code.span);
        if (state.held && isJudged(image, code.span))
            json.insert(QLatin1String(code.key), QJsonObject{{QStringLiteral("stored"), state.stored},
                                                             {QStringLiteral("computed"), state.computed},
                                                             {QStringLiteral("ok"), state.ok()}});
    }
    return json;
}

QJsonObject thresholds(const double (&limits)[a2::kQuantityCount][a2::kLimitCount])
{
    static const char *const kLimitKeys[4] = {"high_alarm", "low_alarm", "high_warning", "low_warning"};
    QJsonObject json;
    for (int q = 0; q < a2::kQuantityCount; ++q) {
        QJsonObject object;
        for (int limit = 0; limit < a2::kLimitCount; ++limit)
            object.insert(QLatin1String(kLimitKeys[limit]), quantity(q, limits[q][limit]));
        json.insert(valueKey(q), object);
    }
    return json;
}

QLatin1String valueKey(int quantity)
{
    static const char *const kValueKeys[5] = {"temperature_c", "vcc_v", "tx_bias_ma", "tx_power_mw", "rx_power_mw"};
    return QLatin1String(kValueKeys[quantity]);
}

QJsonObject laneDiagnostics(const LaneDiagnostics &d)
{
    QJsonObject json;
    if (d.rxPowerKind != RxPowerKind::Unknown)
        json.insert(QStringLiteral("rx_power_type"), d.rxPowerKind == RxPowerKind::Average ? QStringLiteral("average")
                                                                                          : QStringLiteral("oma"));
    if (d.hasModuleValues) {
        json.insert(QStringLiteral("temperature_c"), quantity(a2::kTemperature, d.temperature));
        json.insert(QStringLiteral("vcc_v"), quantity(a2::kVcc, d.vcc));
    }
    if (d.hasLaneValues) {
        QJsonArray lanes;
        for (int lane = 0; lane < d.laneCount; ++lane) {
            QJsonObject object{{QStringLiteral("lane"), lane + 1}};
            for (int q = a2::kTxBias; q < a2::kQuantityCount; ++q) {
                object.insert(valueKey(q), quantity(q, d.value(q, lane)));
                if (q != a2::kTxBias)
                    object.insert(quantityKey(q) + QStringLiteral("_dbm"), dbm(d.value(q, lane)));
                if (d.hasThresholds)
                    object.insert(quantityKey(q) + QStringLiteral("_level"), levelKey(d.level(q, lane)));
            }
            lanes.append(object);
        }
        json.insert(QStringLiteral("lanes"), lanes);
    }
    if (d.hasThresholds)
        json.insert(QStringLiteral("thresholds"), thresholds(d.thresholds));
    return json;
}

void putDecoded(QJsonObject &json, const Decoded &decoded)
{
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
        fields.append(toJson(field));
    json.insert(QStringLiteral("fields"), fields);
}

}  // namespace jsonparts
}  // namespace sff
