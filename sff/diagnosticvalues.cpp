#include "diagnosticvalues.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace sff {

namespace {

constexpr double kUnitScale[5] = {1.0 / 256, 0.0001, 0.002, 0.0001, 0.0001};
constexpr int kDecimals[5] = {2, 4, 3, 4, 4};
const char *const kNames[5] = {
    QT_TRANSLATE_NOOP("Sff", "Temperature"),      QT_TRANSLATE_NOOP("Sff", "Supply voltage"),
    QT_TRANSLATE_NOOP("Sff", "Laser bias current"), QT_TRANSLATE_NOOP("Sff", "TX power"),
    QT_TRANSLATE_NOOP("Sff", "RX power"),
};
const char *const kUnits[5] = {
    QT_TRANSLATE_NOOP("Sff", "°C"), QT_TRANSLATE_NOOP("Sff", "V"), QT_TRANSLATE_NOOP("Sff", "mA"),
    QT_TRANSLATE_NOOP("Sff", "mW"), QT_TRANSLATE_NOOP("Sff", "mW"),
};
const char *const kKeys[5] = {"temperature", "vcc", "tx_bias", "tx_power", "rx_power"};

bool validQuantity(int quantity) { return quantity >= a2::kTemperature && quantity <= a2::kRxPower; }

// Slope and offset spans of temperature, supply, bias and TX power.
constexpr Span kSlopes[4] = {a2::kTemperatureSlope, a2::kVccSlope, a2::kTxBiasSlope, a2::kTxPowerSlope};
constexpr Span kOffsets[4] = {a2::kTemperatureOffset, a2::kVccOffset, a2::kTxBiasOffset, a2::kTxPowerOffset};

}  // namespace

Calibration Calibration::of(const ModuleImage &image)
{
    Calibration calibration;
    const quint8 type = image.byte(kDeviceA0, a0::kDiagnosticType.offset);
    if (!(type & a0::kExternallyCalibrated) || !image.holds(kDeviceA2, a2::kCalibration))
        return calibration;
    calibration.external = true;
    for (int power = 0; power <= 4; ++power) {
        const Span span = a2::rxPowerCoefficient(power);
        calibration.rxPower[power] = ieeeFloat(quint32(image.word(kDeviceA2, span.offset)) << 16
                                               | image.word(kDeviceA2, span.offset + 2));
    }
    for (int i = 0; i < 4; ++i) {
        calibration.slope[i] = image.word(kDeviceA2, kSlopes[i].offset) / 256.0;  // unsigned 8.8
        calibration.offset[i] = qint16(image.word(kDeviceA2, kOffsets[i].offset));
    }
    return calibration;
}

double ieeeFloat(quint32 bits)
{
    float value;
    static_assert(sizeof value == sizeof bits, "IEEE-754 single");
    std::memcpy(&value, &bits, sizeof value);
    return double(value);
}

double toUnit(int quantity, quint16 raw, const Calibration &calibration)
{
    if (!validQuantity(quantity))
        return 0;
    // Temperature readings and results are signed, the others unsigned.
    const double reading = quantity == a2::kTemperature ? double(qint16(raw)) : double(raw);
    double counts = reading;
    if (calibration.external) {
        if (quantity == a2::kRxPower) {
            counts = 0;
            for (int power = 4; power >= 0; --power)
                counts = counts * reading + calibration.rxPower[power];
        } else {
            counts = calibration.slope[quantity] * reading + calibration.offset[quantity];
        }
    }
    return counts * kUnitScale[quantity];
}

namespace {

// What the word of each quantity can express, in its unit.
double lowest(int quantity) { return quantity == a2::kTemperature ? -32768 * kUnitScale[quantity] : 0.0; }
double highest(int quantity) { return (quantity == a2::kTemperature ? 32767 : 65535) * kUnitScale[quantity]; }

}  // namespace

Reading readingOf(int quantity, double value)
{
    if (!validQuantity(quantity) || !std::isfinite(value))
        return Reading::Invalid;
    // Rounded as shown, so that a value shown as the limit is within it.
    const double shown = formatQuantity(quantity, value).toDouble();
    if (shown < formatQuantity(quantity, lowest(quantity)).toDouble()
        || shown > formatQuantity(quantity, highest(quantity)).toDouble())
        return Reading::OutOfRange;
    return Reading::Valid;
}

QString ValueText::shown() const
{
    QString text = value;
    if (!unit.isEmpty())
        text += QLatin1Char(' ') + unit;
    if (!detail.isEmpty())
        text += QStringLiteral(" (%1)").arg(detail);
    return text;
}

ValueText describeValue(int quantity, double value, RxPowerKind rxKind, const Words &words)
{
    ValueText text;
    text.reading = readingOf(quantity, value);
    if (text.reading == Reading::Invalid) {
        text.value = words(QT_TRANSLATE_NOOP("Sff", "invalid"));
        text.problem = words(QT_TRANSLATE_NOOP("Sff", "Not a number: the calibration constants are not finite"));
        return text;
    }
    text.value = formatQuantity(quantity, value);
    text.unit = quantityUnit(quantity, words);
    if (text.reading == Reading::OutOfRange) {
        text.detail = words(QT_TRANSLATE_NOOP("Sff", "out of range"));
        text.problem = words(QT_TRANSLATE_NOOP("Sff", "Outside the range of the quantity, %1 to %2 %3: the calibration "
                                                      "constants are wrong"))
                           .arg(formatQuantity(quantity, lowest(quantity)), formatQuantity(quantity, highest(quantity)),
                                text.unit);
        return text;
    }
    if (quantity >= a2::kTxPower)
        text.detail = formatDbm(value, words);
    if (quantity == a2::kRxPower && rxKind != RxPowerKind::Unknown)
        text.detail += QStringLiteral(", ")
                       + (rxKind == RxPowerKind::Average ? words(QT_TRANSLATE_NOOP("Sff", "average")) : QStringLiteral("OMA"));
    return text;
}

quint16 rawOf(int quantity, double value)
{
    if (!validQuantity(quantity))
        return 0;
    const double counts = std::round(value / kUnitScale[quantity]);
    if (quantity == a2::kTemperature)
        return quint16(qint16(std::clamp(counts, -32768.0, 32767.0)));
    return quint16(std::clamp(counts, 0.0, 65535.0));
}

std::optional<double> toDbm(double milliwatts)
{
    if (!(milliwatts > 0))
        return std::nullopt;
    return 10 * std::log10(milliwatts);
}

bool thresholdsSet(const double (&limits)[4])
{
    return limits[a2::kHighAlarm] > limits[a2::kLowAlarm];
}

Level levelOf(double value, const double (&limits)[4])
{
    if (!thresholdsSet(limits))
        return Level::Normal;
    if (value > limits[a2::kHighAlarm] || value < limits[a2::kLowAlarm])
        return Level::Alarm;
    if (value > limits[a2::kHighWarning] || value < limits[a2::kLowWarning])
        return Level::Warning;
    return Level::Normal;
}

QString quantityName(int quantity, const Words &words)
{
    return validQuantity(quantity) ? words(kNames[quantity]) : QString();
}

QString quantityUnit(int quantity, const Words &words)
{
    return validQuantity(quantity) ? words(kUnits[quantity]) : QString();
}

QString quantityKey(int quantity)
{
    return validQuantity(quantity) ? QString::fromLatin1(kKeys[quantity]) : QString();
}

QString formatQuantity(int quantity, double value)
{
    return validQuantity(quantity) ? QString::number(value, 'f', kDecimals[quantity]) : QString();
}

QString formatDbm(double milliwatts, const Words &words)
{
    const std::optional<double> dbm = toDbm(milliwatts);
    if (!dbm)
        return words(QT_TRANSLATE_NOOP("Sff", "no light"));
    return QStringLiteral("%1 %2").arg(QString::number(*dbm, 'f', 2), words(QT_TRANSLATE_NOOP("Sff", "dBm")));
}

Diagnostics Diagnostics::of(const ModuleImage &image)
{
    Diagnostics d;
    d.typeKnown = image.holds(kDeviceA0, a0::kDiagnosticType);
    const quint8 type = image.byte(kDeviceA0, a0::kDiagnosticType.offset);
    d.implemented = type & a0::kDiagnosticsImplemented;
    if (d.typeKnown)
        d.rxPowerKind = type & a0::kAveragePower ? RxPowerKind::Average : RxPowerKind::Oma;
    d.addressChange = type & a0::kAddressChangeRequired;
    d.calibration = Calibration::of(image);
    d.hasThresholds = image.holds(kDeviceA2, a2::kThresholds);
    d.hasValues = image.holds(kDeviceA2, a2::kValues);
    d.hasFlags = image.holds(kDeviceA2, a2::kAlarmFlags) && image.holds(kDeviceA2, a2::kWarningFlags);
    for (int q = 0; q < a2::kQuantityCount; ++q) {
        d.values[q] = toUnit(q, image.word(kDeviceA2, a2::value(q).offset), d.calibration);
        for (int limit = 0; limit < a2::kLimitCount; ++limit)
            d.thresholds[q][limit] = toUnit(q, image.word(kDeviceA2, a2::threshold(q, limit).offset), d.calibration);
    }
    for (int i = 0; i < 2; ++i) {
        d.alarmFlags[i] = image.byte(kDeviceA2, a2::kAlarmFlags.offset + i);
        d.warningFlags[i] = image.byte(kDeviceA2, a2::kWarningFlags.offset + i);
    }
    return d;
}

bool Diagnostics::declaredAbsent(const ModuleImage &image)
{
    return image.holds(kDeviceA0, a0::kDiagnosticType)
           && !(image.byte(kDeviceA0, a0::kDiagnosticType.offset) & a0::kDiagnosticsImplemented);
}

Level Diagnostics::level(int quantity) const
{
    if (!hasThresholds || !validQuantity(quantity))
        return Level::Normal;
    return levelOf(values[quantity], thresholds[quantity]);
}

}  // namespace sff
