#pragma once
// What every family's JSON object (json.h) builds alike: numbers rounded to
// their raw unit, the identification texts, the check codes, the
// thresholds, the lanes of a paged module, and the decode's findings,
// missing regions and fields.

#include "decoder.h"
#include "diagnosticvalues.h"
#include "lanediagnostics.h"

#include <QJsonArray>
#include <QJsonObject>

namespace sff {
namespace jsonparts {

// Rounded to the precision of the raw unit, so that 3.3 is not 3.2999999.
QJsonValue number(double value, int decimals);
// A value in its quantity's precision; null for one calibration made not a number.
QJsonValue quantity(int quantity, double value);
// Null at zero power.
QJsonValue dbm(double milliwatts);
QString levelKey(Level level);  // "normal", "warning", "alarm"

// Trimmed text of a span of device 0x50, when held.
void putText(QJsonObject &json, const ModuleImage &image, const char *key, Span span, Page page = {});
// identifier, vendor_name, vendor_oui, part_number, revision, serial_number
// and date_code, where the family keeps them (familytraits.h).
void putIdentity(QJsonObject &json, const ModuleImage &image, Family family);
// checksums {key: {stored, computed, ok}} of the family's check codes that
// the image holds and that matter.
QJsonObject checksums(const ModuleImage &image, Family family);
// {<quantity>: {high_alarm, low_alarm, high_warning, low_warning}}.
QJsonObject thresholds(const double (&limits)[a2::kQuantityCount][a2::kLimitCount]);
// The JSON key of a value: "temperature_c", "tx_bias_ma", ...
QLatin1String valueKey(int quantity);
// rx_power_type, temperature_c and vcc_v, lanes [{lane, <value key>,
// <quantity>_dbm, <quantity>_level}] and thresholds of a paged module, as far
// as held.
QJsonObject laneDiagnostics(const LaneDiagnostics &diagnostics);
// findings, missing and fields.
void putDecoded(QJsonObject &json, const Decoded &decoded);

}  // namespace jsonparts
}  // namespace sff
