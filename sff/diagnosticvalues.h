#pragma once
// Digital diagnostics: the five monitored quantities in their units, from
// the raw words of A2h, with the module's own calibration and thresholds.

#include "moduleimage.h"
#include "sfftext.h"

#include <QString>

#include <optional>

namespace sff {

enum class Level { Normal, Warning, Alarm };

// How raw words become values. Internally calibrated modules store values
// in their units already; externally calibrated ones store raw converter
// readings and the constants of A2h bytes 56..91 that turn them into values.
struct Calibration {
    bool external = false;
    double rxPower[5] = {0, 1, 0, 0, 0};  // Rx_PWR(0) .. Rx_PWR(4)
    double slope[4] = {1, 1, 1, 1};       // temperature, supply, bias, TX power
    int offset[4] = {0, 0, 0, 0};

    // External when A0h byte 92 says so and A2h holds the constants.
    static Calibration of(const ModuleImage &image);
};

// A raw word in the quantity's unit: degrees Celsius (a signed word in
// 1/256), volts (100 uV), milliamperes (2 uA) or milliwatts (0.1 uW). RX
// power with external calibration is the full fourth-order polynomial.
// External constants can give any number, NaN included: readingOf() judges it.
double toUnit(int quantity, quint16 raw, const Calibration &calibration);

// A value within what the quantity's word can express (-128 to +128 degrees
// C, 0 to 6.55 V, 0 to 131 mA, 0 to 6.55 mW), beyond it, or not a number.
enum class Reading { Valid, OutOfRange, Invalid };
Reading readingOf(int quantity, double value);

// What A0h byte 92 bit 3 says RX power is; unknown when the byte is not held.
enum class RxPowerKind { Unknown, Average, Oma };

// A value as it reads: "0.2818", "mW", "-5.50 dBm, average".
struct ValueText {
    Reading reading = Reading::Valid;
    QString value;
    QString unit;
    QString detail;
    QString problem;  // why it is not valid, for the operator
    QString shown() const;  // "0.2818 mW (-5.50 dBm, average)"
};
ValueText describeValue(int quantity, double value, RxPowerKind rxKind, const Words &words);
// The word an internally calibrated module stores for a value in the
// quantity's unit, clamped to what the word can hold.
quint16 rawOf(int quantity, double value);
// dBm of a power; none at zero power ("no light").
std::optional<double> toDbm(double milliwatts);
// An IEEE-754 single stored big-endian.
double ieeeFloat(quint32 bits);

// Thresholds that are left at zero, or otherwise say nothing, are not set.
bool thresholdsSet(const double (&limits)[4]);
// Normal, or beyond a warning or an alarm threshold (high, low, high, low);
// always normal against thresholds that are not set.
Level levelOf(double value, const double (&limits)[4]);

QString quantityName(int quantity, const Words &words);
QString quantityUnit(int quantity, const Words &words);
QString quantityKey(int quantity);  // "temperature", "vcc", "tx_bias", "tx_power", "rx_power"
// A value as the window shows it, with the precision of its raw unit.
QString formatQuantity(int quantity, double value);
// "-2.00 dBm", or "no light" at zero power.
QString formatDbm(double milliwatts, const Words &words);

struct Diagnostics {
    bool implemented = false;       // A0h byte 92 says there are diagnostics
    bool typeKnown = false;         // A0h byte 92 is held at all
    RxPowerKind rxPowerKind = RxPowerKind::Unknown;
    bool addressChange = false;
    Calibration calibration;
    bool hasThresholds = false;
    bool hasValues = false;
    bool hasFlags = false;
    double values[5] = {};
    double thresholds[5][4] = {};
    quint8 alarmFlags[2] = {};
    quint8 warningFlags[2] = {};

    static Diagnostics of(const ModuleImage &image);
    // A0h byte 92 is held and says the module has no digital diagnostics:
    // A2h, whatever it holds, means nothing.
    static bool declaredAbsent(const ModuleImage &image);
    // Normal when the thresholds are not held.
    Level level(int quantity) const;
};

}  // namespace sff
