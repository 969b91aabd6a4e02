#include "decoder.h"

#include "checkcodes.h"
#include "codes.h"
#include "diagnosticvalues.h"
#include "fieldcatalogue.h"
#include "fieldshow.h"
#include "findings.h"
#include "linkmedium.h"
#include "cmisdecoder.h"
#include "qsfpdecoder.h"
#include "textfields.h"
#include "tuning.h"

#include <cmath>

namespace sff {

namespace {

using namespace fields;

struct Context {
    const ModuleImage &image;
    const Words &w;
    Diagnostics diagnostics;
    Medium medium;
    bool activeCable;
    bool noDiagnostics;  // byte 92 says so: A2h means nothing

    quint8 a0(int offset) const { return image.byte(kDeviceA0, offset); }
    bool holdsA0(Span span) const { return image.holds(kDeviceA0, span); }
};

void showLength(Field &field, const Context &c, int index, quint8 value)
{
    const Words &w = c.w;
    if (c.medium == Medium::CableAssembly && (index <= 1 || index == 5)) {
        // A cable assembly has no fibre lengths: bytes 14 and 15 are its
        // attenuation, byte 19 adds to its length in byte 18.
        if (index == 5) {
            field.key = QStringLiteral("cable_length");
            field.name = w(QT_TRANSLATE_NOOP("Sff", "Cable length, additional"));
            const std::optional<double> metres = cableLengthMetres(value);
            field.value = metres ? QString::number(*metres) : w(QT_TRANSLATE_NOOP("Sff", "not specified"));
            field.unit = metres ? w(QT_TRANSLATE_NOOP("Sff", "m")) : QString();
            return;
        }
        field.key = index == 0 ? QStringLiteral("cable_attenuation_12g9") : QStringLiteral("cable_attenuation_25g78");
        field.name = index == 0 ? w(QT_TRANSLATE_NOOP("Sff", "Copper cable attenuation at 12.9 GHz"))
                                : w(QT_TRANSLATE_NOOP("Sff", "Copper cable attenuation at 25.78 GHz"));
        showNumber(field, value, QT_TRANSLATE_NOOP("Sff", "dB"), w);
        return;
    }
    // Units of bytes 14 to 19; byte 18 counts metres of copper or cable.
    static const int kMetres[6] = {0, 100, 10, 10, 10, 10};
    const bool copperMetres = index == 4 && c.medium != Medium::Fibre;
    if (index == 0)
        showNumber(field, value, QT_TRANSLATE_NOOP("Sff", "km"), w);
    else
        showNumber(field, value * (copperMetres ? 1 : kMetres[index]), QT_TRANSLATE_NOOP("Sff", "m"), w);
    if (index == 4 && value != 0)
        field.detail = c.medium == Medium::CableAssembly ? w(QT_TRANSLATE_NOOP("Sff", "copper or active cable"))
                       : c.medium == Medium::Copper     ? w(QT_TRANSLATE_NOOP("Sff", "copper"))
                                                        : QStringLiteral("OM4");
    if (value == 0xFF)
        field.detail = w(QT_TRANSLATE_NOOP("Sff", "or more"));
}

// A value or threshold in its unit; one that calibration made out of range
// or not a number is shown as such, with a warning.
void showValue(Field &field, int quantity, double value, const Context &c)
{
    const ValueText text = describeValue(quantity, value, c.diagnostics.rxPowerKind, c.w);
    field.value = text.value;
    field.unit = text.unit;
    field.detail = text.detail;
    if (text.reading != Reading::Valid)
        warn(field, text.problem);
}

// A2h bytes of a module that says it has no diagnostics: shown as bytes.
void showUnused(Field &field, const Words &w)
{
    field.value = QString::fromLatin1(field.raw.toHex(' ').toUpper());
    field.detail = w(QT_TRANSLATE_NOOP("Sff", "not used: the module has no digital diagnostics"));
}

void showCalibrationUse(Field &field, const Context &c)
{
    const Diagnostics &d = c.diagnostics;
    if (d.typeKnown && !d.calibration.external)
        field.detail = c.w(QT_TRANSLATE_NOOP("Sff", "not used: the module is internally calibrated"));
}

void decodeField(Field &field, const FieldEntry &entry, const Context &c)
{
    const Words &w = c.w;
    const quint8 first = quint8(field.raw.at(0));
    switch (entry.kind) {
    case Kind::Identifier:
        showCode(field, identifierName(first, w), w);
        break;
    case Kind::ExtendedIdentifier:
        showCode(field, extendedIdentifierName(first, w), w);
        break;
    case Kind::Connector:
        showCode(field, connectorName(first, w), w);
        break;
    case Kind::Encoding:
        showCode(field, encodingName(first, w), w);
        break;
    case Kind::ExtendedCompliance:
        showCode(field, extendedComplianceName(first, w), w);
        break;
    case Kind::RateIdentifier:
        showCode(field, rateIdentifierName(first, w), w);
        break;
    case Kind::SffCompliance:
        showCode(field, sffComplianceName(first, w), w);
        break;
    case Kind::Compliance:
        showBits(field, complianceBits(entry.index, first, w), w);
        break;
    case Kind::FibreChannelSpeed2:
        showBits(field, fibreChannelSpeed2Bits(first, w), w);
        break;
    case Kind::Options:
        showBits(field, optionBits(first, quint8(field.raw.at(1)), w), w);
        break;
    case Kind::EnhancedOptions:
        showBits(field, enhancedOptionBits(first, w), w);
        break;
    case Kind::StatusControl:
        showBits(field, statusControlBits(first, w), w);
        break;
    case Kind::DiagnosticType: {
        BitNames bits = diagnosticTypeBits(first, w);
        if (!(first & a0::kDiagnosticsImplemented))
            bits.names.prepend(w(QT_TRANSLATE_NOOP("Sff", "no digital diagnostics")));
        showBits(field, bits, w);
        if ((first & a0::kInternallyCalibrated) && (first & a0::kExternallyCalibrated))
            warn(field, w(QT_TRANSLATE_NOOP("Sff", "Both internal and external calibration are set")));
        break;
    }
    case Kind::AlarmFlags:
    case Kind::WarningFlags: {
        const BitNames flags = flagBits(first, quint8(field.raw.at(1)), w);
        const bool raised = !flags.names.isEmpty();
        const bool alarms = entry.kind == Kind::AlarmFlags;
        showFlags(field, flags, raised && alarms, raised && !alarms, w);
        break;
    }
    case Kind::NominalRate:
        if (first == a0::kNominalRateAbove) {
            if (c.holdsA0(a0::kRateMax)) {
                field.value = QString::number(c.a0(a0::kRateMax.offset) * 250);
                field.unit = w(QT_TRANSLATE_NOOP("Sff", "MBd"));
                field.detail = w(QT_TRANSLATE_NOOP("Sff", "from byte 66"));
            } else {
                field.value = w(QT_TRANSLATE_NOOP("Sff", "above 25.4 GBd"));
            }
        } else {
            showNumber(field, first * 100, QT_TRANSLATE_NOOP("Sff", "MBd"), w);
        }
        break;
    case Kind::RateMax:
        if (c.holdsA0(a0::kNominalRate) && c.a0(a0::kNominalRate.offset) == a0::kNominalRateAbove) {
            field.name = w(QT_TRANSLATE_NOOP("Sff", "Nominal signalling rate, 250 MBd units"));
            showNumber(field, first * 250, QT_TRANSLATE_NOOP("Sff", "MBd"), w);
        } else {
            showNumber(field, first, "%", w);
        }
        break;
    case Kind::RateMin:
        if (c.holdsA0(a0::kNominalRate) && c.a0(a0::kNominalRate.offset) == a0::kNominalRateAbove)
            field.name = w(QT_TRANSLATE_NOOP("Sff", "Signalling rate range"));
        showNumber(field, first, "%", w);
        break;
    case Kind::Length:
        showLength(field, c, entry.index, first);
        break;
    case Kind::Text:
        showText(field, readText(field.raw), w);
        break;
    case Kind::Oui:
        showOui(field, w);
        break;
    case Kind::WavelengthOrCable:
        if (c.medium == Medium::CableAssembly) {
            field.key = QStringLiteral("cable_compliance");
            field.name = c.activeCable ? w(QT_TRANSLATE_NOOP("Sff", "Active cable compliance"))
                                       : w(QT_TRANSLATE_NOOP("Sff", "Passive cable compliance"));
            showBits(field, cableComplianceBits(c.activeCable, first, quint8(field.raw.at(1)), w), w);
        } else {
            showNumber(field, first << 8 | quint8(field.raw.at(1)), QT_TRANSLATE_NOOP("Sff", "nm"), w);
        }
        break;
    case Kind::CheckCode: {
        static const CheckCodeSpan kCodes[3] = {kCcBase, kCcExt, kCcDmi};
        showCheckCode(field, c.image, kCodes[entry.index], w);
        break;
    }
    case Kind::DateCode:
        showDateCode(field, w);
        break;
    case Kind::Threshold: {
        const int quantity = entry.index / a2::kLimitCount;
        showValue(field, quantity, c.diagnostics.thresholds[quantity][entry.index % a2::kLimitCount], c);
        break;
    }
    case Kind::Value:
        showValue(field, entry.index, c.diagnostics.values[entry.index], c);
        if (field.status == Status::Ok && c.diagnostics.hasThresholds)
            judge(field, c.diagnostics.values[entry.index], c.diagnostics.thresholds[entry.index], w);
        break;
    case Kind::RxPowerCoefficient: {
        const double value = ieeeFloat(quint32(quint8(field.raw.at(0))) << 24 | quint32(quint8(field.raw.at(1))) << 16
                                       | quint32(quint8(field.raw.at(2))) << 8 | quint8(field.raw.at(3)));
        field.value = QString::number(value, 'g', 7);
        if (!std::isfinite(value))
            warn(field, w(QT_TRANSLATE_NOOP("Sff", "Not a finite number")));
        showCalibrationUse(field, c);
        break;
    }
    case Kind::Slope:
        field.value = QString::number((first << 8 | quint8(field.raw.at(1))) / 256.0, 'g', 8);
        showCalibrationUse(field, c);
        break;
    case Kind::Offset:
        field.value = QString::number(qint16(first << 8 | quint8(field.raw.at(1))));
        showCalibrationUse(field, c);
        break;
    case Kind::Opaque:
        showOpaque(field, w, false);
        break;
    default:
        decodeTuningField(field, entry.kind, entry.index, c.image, w);
        break;
    }
}

// Ranges of [0, end) a device does not hold, as "A0h bytes 64-95".
void addMissing(QStringList &missing, const ModuleImage &image, quint8 device, int end, const Words &w)
{
    int from = -1;
    for (int byte = 0; byte <= end; ++byte) {
        const bool absent = byte < end && !image.holds(device, byte);
        if (absent && from < 0)
            from = byte;
        if (!absent && from >= 0) {
            missing.append(w(QT_TRANSLATE_NOOP("Sff", "%1 bytes %2-%3"))
                               .arg(device == kDeviceA0 ? QStringLiteral("A0h") : QStringLiteral("A2h"))
                               .arg(from)
                               .arg(byte - 1));
            from = -1;
        }
    }
}

}  // namespace

Decoded decode(const ModuleImage &image, Language language)
{
    if (familyOf(image) == Family::Qsfp)
        return qsfp::decode(image, language);
    if (familyOf(image) == Family::Cmis)
        return cmis::decode(image, language);
    const Words w(language);
    const Context c{image, w, Diagnostics::of(image), linkMedium(image),
                    bool(image.byte(kDeviceA0, a0::kComplianceCableByte) & a0::kActiveCableBit),
                    Diagnostics::declaredAbsent(image)};

    Decoded decoded;
    for (const FieldEntry &entry : fieldCatalogue()) {
        if (!image.holds(entry.device, entry.span, Page{entry.page}))
            continue;
        Field field = entryField(image, entry.device, Page{entry.page}, entry, entryName(entry, w));
        // A tuning page is no part of the diagnostics.
        if (entry.device == kDeviceA2 && entry.page == kNoPage && c.noDiagnostics && entry.kind != Kind::Opaque)
            showUnused(field, w);
        else
            decodeField(field, entry, c);
        decoded.fields.append(field);
    }
    decoded.findings = hostFindings(image, w);

    if (image.holdsAny(kDeviceA0))
        addMissing(decoded.missing, image, kDeviceA0, a0::kVendorSpecific.offset, w);
    const bool a2Expected = c.diagnostics.implemented || image.holdsAny(kDeviceA2);
    if (a2Expected)
        addMissing(decoded.missing, image, kDeviceA2, a2::kVendorSpecific.offset, w);
    if (image.holdsAny(kDeviceA2) && !c.diagnostics.typeKnown)
        decoded.missing.append(
            w(QT_TRANSLATE_NOOP("Sff", "A0h byte 92 is missing: the diagnostics are shown as internally calibrated")));
    return decoded;
}

Decoded decodeRegion(const Region &region, const QByteArray &bytes, Language language)
{
    return decode(ModuleImage::fromRegion(region, bytes), language);
}

Decoded decodeTable(int table, const QByteArray &bytes, Language language)
{
    return decode(ModuleImage::fromTable(table, bytes), language);
}

QString sectionTitle(Section section, Language language)
{
    static const char *const kTitles[] = {
        QT_TRANSLATE_NOOP("Sff", "Identification"), QT_TRANSLATE_NOOP("Sff", "Vendor"),
        QT_TRANSLATE_NOOP("Sff", "Link"),           QT_TRANSLATE_NOOP("Sff", "Compliance"),
        QT_TRANSLATE_NOOP("Sff", "Options"),        QT_TRANSLATE_NOOP("Sff", "Check codes"),
        QT_TRANSLATE_NOOP("Sff", "Vendor area"),    QT_TRANSLATE_NOOP("Sff", "Thresholds"),
        QT_TRANSLATE_NOOP("Sff", "External calibration"), QT_TRANSLATE_NOOP("Sff", "Real-time values"),
        QT_TRANSLATE_NOOP("Sff", "Status and flags"), QT_TRANSLATE_NOOP("Sff", "User area"),
        QT_TRANSLATE_NOOP("Sff", "Tuning"),         QT_TRANSLATE_NOOP("Sff", "Controls"),
    };
    return Words(language)(kTitles[int(section)]);
}

QString shownValue(const Field &field)
{
    QString text = field.value;
    if (!field.unit.isEmpty())
        text += QLatin1Char(' ') + field.unit;
    if (!field.detail.isEmpty())
        text += QStringLiteral(" (%1)").arg(field.detail);
    return text;
}

QString statusKey(Status status)
{
    switch (status) {
    case Status::Ok: return QStringLiteral("ok");
    case Status::Warning: return QStringLiteral("warning");
    case Status::Error: return QStringLiteral("error");
    }
    return QString();
}

void applyEdits(ModuleImage &image, const QVector<ByteEdit> &edits)
{
    for (const ByteEdit &edit : edits)
        for (int i = 0; i < edit.bytes.size(); ++i)
            image.write(edit.device, edit.offset + i, edit.bytes.mid(i, 1), edit.page);
}

}  // namespace sff
