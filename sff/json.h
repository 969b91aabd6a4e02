#pragma once
// The decode of a module image as one JSON object, the output of the
// command-line tool's `decode --json`. Texts are in English whatever the
// language, strings are trimmed of trailing spaces and NULs, and a key whose
// bytes the image lacks is left out:
//
//   family ("sff8472"; a QSFP module's object is "sff8636", see qsfpjson.cpp),
//   identifier, connector, vendor_name, vendor_oui, part_number, revision,
//   serial_number, date_code ("YYYY-MM-DD", or the raw text when it is not a
//   date), wavelength_nm (null for cables), nominal_rate_mbd,
//   lengths {smf_km, smf_m, om1_m, om2_m, om3_m, om4_m, copper_m (copper links
//     and cables), cable_length_m, cable_attenuation_12g9_db,
//     cable_attenuation_25g78_db (cables); non-zero only},
//   transceiver [compliance names], encoding,
//   checksums {base, ext, dmi: {stored, computed, ok}; dmi only with A2h
//     of a module that has digital diagnostics},
//   diagnostics (with A2h, unless A0h byte 92 says there are none)
//     {temperature_c, vcc_v, tx_bias_ma, tx_power_mw, tx_power_dbm,
//     rx_power_mw, rx_power_dbm (null at zero power),
//     rx_power_kind ("average", "oma", or null without A0h byte 92);
//     a value that calibration makes not a number is null, the field's
//     note says why,
//     thresholds {<quantity>: {high_alarm, low_alarm, high_warning, low_warning}},
//     alarms [flag keys], warnings [flag keys]},
//   tunable (when A0h announces a tunable transmitter or page 02h is held)
//     {advertised, by_channel, by_wavelength, first_frequency_thz,
//     last_frequency_thz, grid_spacing_ghz, channels, channel, frequency_thz,
//     wavelength_nm, wavelength_set_nm, frequency_error_ghz,
//     wavelength_error_nm, status [keys], latched [keys]},
//   findings [{key, status, text, fix}],
//   missing [texts],
//   fields [{device, page (null but for fields of a page), offset, length, key, name, raw, value, unit,
//     detail, status, note}].

#include "decoder.h"

#include <QJsonObject>

namespace sff {

QJsonObject toJson(const ModuleImage &image);
QJsonObject toJson(const Field &field);

}  // namespace sff
