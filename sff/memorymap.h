#pragma once
// The memory map of an SFP module's identification and diagnostics EEPROM
// (SFF-8472 Rev 12.4) as data: the two devices, the four 128-byte tables the
// window works with, the byte span of every field, and the check codes.
//
// This is the one place of the program that knows an offset of the module's
// memory; everything else names a constant from here.

#include <QString>
#include <QtGlobal>

namespace sff {

// Device addresses on the two-wire bus (0xA0 and 0xA2 with the R/W bit).
constexpr quint8 kDeviceA0 = 0x50;  // serial identification
constexpr quint8 kDeviceA2 = 0x51;  // digital diagnostics
constexpr int kTableSize = 128;
constexpr int kDeviceSize = 256;
constexpr int kModuleSize = 2 * kDeviceSize;  // A0h 0..255, then A2h 0..255, as on the wire

// The four tables, in the order of the window's table selector.
enum Table { kTableA0Low = 0, kTableA0High = 1, kTableA2Low = 2, kTableA2High = 3 };
constexpr int kTableCount = 4;

constexpr bool isTable(int table) { return table >= kTableA0Low && table <= kTableA2High; }
// The device a table lives in; 0 for a number that is not a table.
constexpr quint8 tableDevice(int table)
{
    return !isTable(table) ? 0 : table <= kTableA0High ? kDeviceA0 : kDeviceA2;
}
// The device byte a table starts at: 0 for the low tables, 128 for the high ones.
constexpr int tableFirstByte(int table)
{
    return table == kTableA0High || table == kTableA2High ? kTableSize : 0;
}
constexpr bool isA2Table(int table) { return table == kTableA2Low || table == kTableA2High; }
// The table that holds a device byte, or -1.
constexpr int tableOf(quint8 device, int offset)
{
    if ((device != kDeviceA0 && device != kDeviceA2) || offset < 0 || offset >= kDeviceSize)
        return -1;
    return (device == kDeviceA0 ? kTableA0Low : kTableA2Low) + (offset >= kTableSize ? 1 : 0);
}

// A run of bytes within one device.
struct Span {
    int offset;
    int length;
    constexpr int end() const { return offset + length; }  // one past the last byte
    constexpr int last() const { return offset + length - 1; }
    constexpr bool contains(int byte) const { return byte >= offset && byte < end(); }
};

// Serial identification, device 0x50.
namespace a0 {
constexpr Span kIdentifier{0, 1};
constexpr Span kExtendedIdentifier{1, 1};
constexpr Span kConnector{2, 1};
constexpr Span kCompliance{3, 8};          // transceiver compliance bits, bytes 3..10
constexpr Span kEncoding{11, 1};
constexpr Span kNominalRate{12, 1};        // 100 MBd; 0xFF: see kRateMax
constexpr Span kRateIdentifier{13, 1};
constexpr Span kLengthSmfKm{14, 1};        // km
constexpr Span kLengthSmf{15, 1};          // 100 m
constexpr Span kLengthOm2{16, 1};          // 10 m
constexpr Span kLengthOm1{17, 1};          // 10 m
constexpr Span kLengthOm4OrCopper{18, 1};  // 10 m of OM4, or 1 m of cable
constexpr Span kLengthOm3{19, 1};          // 10 m
constexpr Span kVendorName{20, 16};
constexpr Span kExtendedCompliance{36, 1};
constexpr Span kVendorOui{37, 3};
constexpr Span kPartNumber{40, 16};
constexpr Span kRevision{56, 4};
constexpr Span kWavelength{60, 2};         // nm, or cable compliance bits for cables
constexpr Span kFibreChannelSpeed2{62, 1};
constexpr Span kCcBase{63, 1};
constexpr Span kOptions{64, 2};
constexpr Span kRateMax{66, 1};            // %, or the nominal rate in 250 MBd when byte 12 is 0xFF
constexpr Span kRateMin{67, 1};            // %, or the rate range in % when byte 12 is 0xFF
constexpr Span kSerialNumber{68, 16};
constexpr Span kDateCode{84, 8};           // YYMMDD and a two-character lot code
constexpr Span kDiagnosticType{92, 1};
constexpr Span kEnhancedOptions{93, 1};
constexpr Span kSffCompliance{94, 1};
constexpr Span kCcExt{95, 1};
constexpr Span kVendorSpecific{96, 32};
constexpr Span kReserved{128, 128};

constexpr int kComplianceCableByte = 8;     // holds the passive and active cable bits
constexpr quint8 kPassiveCableBit = 0x04;
constexpr quint8 kActiveCableBit = 0x08;
constexpr quint8 kNominalRateAbove = 0xFF;  // byte 12: the rate is in byte 66
constexpr quint8 kIdentifierSfp = 0x03;
constexpr quint8 kExtendedIdentifierSfp = 0x04;
// Byte 92.
constexpr quint8 kDiagnosticsImplemented = 0x40;
constexpr quint8 kInternallyCalibrated = 0x20;
constexpr quint8 kExternallyCalibrated = 0x10;
constexpr quint8 kAveragePower = 0x08;
constexpr quint8 kAddressChangeRequired = 0x04;
// Options, bytes 64 and 65.
constexpr int kPagingByte = 64;
constexpr quint8 kPagingImplemented = 0x10;  // A2h byte 127 selects the page of A2h's upper half
constexpr int kTunableByte = 65;
constexpr quint8 kTunableTransmitter = 0x40;  // tuned through A2h page 02h
}  // namespace a0

// Diagnostics, device 0x51.
namespace a2 {
// The five monitored quantities, in the order of their thresholds and values.
enum Quantity { kTemperature = 0, kVcc = 1, kTxBias = 2, kTxPower = 3, kRxPower = 4 };
constexpr int kQuantityCount = 5;
// The four thresholds of a quantity, in their order in memory.
enum Limit { kHighAlarm = 0, kLowAlarm = 1, kHighWarning = 2, kLowWarning = 3 };
constexpr int kLimitCount = 4;

constexpr Span kThresholds{0, 40};
constexpr Span threshold(int quantity, int limit) { return {quantity * 8 + limit * 2, 2}; }
constexpr Span kOptionalThresholds{40, 16};  // laser temperature and TEC current
// External calibration: RX power polynomial coefficients Rx_PWR(4) .. Rx_PWR(0)
// as IEEE-754 floats, then slope (unsigned 8.8) and offset (signed) pairs.
constexpr Span rxPowerCoefficient(int power) { return {56 + (4 - power) * 4, 4}; }
constexpr Span kTxBiasSlope{76, 2};
constexpr Span kTxBiasOffset{78, 2};
constexpr Span kTxPowerSlope{80, 2};
constexpr Span kTxPowerOffset{82, 2};
constexpr Span kTemperatureSlope{84, 2};
constexpr Span kTemperatureOffset{86, 2};
constexpr Span kVccSlope{88, 2};
constexpr Span kVccOffset{90, 2};
constexpr Span kCalibration{56, 36};
constexpr Span kUnallocated{92, 3};
constexpr Span kCcDmi{95, 1};
constexpr Span value(int quantity) { return {96 + quantity * 2, 2}; }
constexpr Span kValues{96, 10};
constexpr Span kOptionalValues{106, 4};  // laser temperature and TEC current
constexpr Span kStatusControl{110, 1};
constexpr Span kReserved{111, 1};
constexpr Span kAlarmFlags{112, 2};
constexpr Span kEqualizationControl{114, 2};
constexpr Span kWarningFlags{116, 2};
constexpr Span kExtendedControl{118, 2};
constexpr Span kVendorSpecific{120, 3};
constexpr Span kPasswordEntry{123, 4};   // write-only; reads back 00
constexpr Span kPageSelect{127, 1};
constexpr Span kUserEeprom{128, 120};
constexpr Span kVendorControl{248, 8};

// What the diagnostics monitor reads: thresholds and calibration once,
// then the values, status and flags at every poll.
constexpr Span kMonitorSetup{0, 96};
constexpr Span kMonitorPoll{96, 22};
}  // namespace a2

// Tunable transmitters (SFF-8690): A2h page 02h. Frequencies are given as
// THz plus tenths of GHz, wavelengths in 0.05 nm, errors signed.
namespace tunable {
constexpr int kPage = 0x02;
constexpr int kFirstVendorPage = 0x80;     // pages 80h and up are the vendor's
constexpr Span kFeatures{128, 1};
constexpr quint8 kTunesByChannel = 0x01;
constexpr quint8 kTunesByWavelength = 0x02;
constexpr quint8 kSelfTuning = 0x04;
constexpr quint8 kDitherSupported = 0x08;
constexpr Span kFirstFrequencyThz{132, 2};
constexpr Span kFirstFrequencyGhz{134, 2};  // 0.1 GHz
constexpr Span kLastFrequencyThz{136, 2};
constexpr Span kLastFrequencyGhz{138, 2};   // 0.1 GHz
constexpr Span kGridSpacing{140, 2};        // 0.1 GHz
constexpr Span kChannelSet{144, 2};         // 1 is the first frequency
constexpr Span kWavelengthSet{146, 2};      // 0.05 nm
constexpr Span kControl{151, 1};
constexpr quint8 kDitherDisabled = 0x01;
constexpr Span kFrequencyError{152, 2};     // 0.1 GHz, signed
constexpr Span kWavelengthError{154, 2};    // 0.005 nm, signed
constexpr Span kStatus{168, 1};
constexpr Span kLatchedStatus{172, 1};      // cleared when read
// Bits of the status and of the latched status.
constexpr quint8 kTecFault = 0x40;
constexpr quint8 kWavelengthUnlocked = 0x20;
constexpr quint8 kTuning = 0x10;            // status only: a tuning is under way
constexpr quint8 kBadChannel = 0x10;        // latched only: a channel or wavelength out of range
constexpr quint8 kNewChannel = 0x08;        // latched only: a tuning has finished
constexpr quint8 kDitherUnsupported = 0x04; // latched only
}  // namespace tunable

// A check code: the low 8 bits of the sum of `count` bytes from `first`,
// stored at `at`, all in `device` (and in one upper page of it, for
// modules whose identification is a page).
struct CheckCodeSpan {
    quint8 device;
    int first;
    int count;
    int at;
    int page = -1;  // none
    constexpr Span covered() const { return {first, count}; }
};
constexpr CheckCodeSpan kCcBase{kDeviceA0, 0, 63, 63};
constexpr CheckCodeSpan kCcExt{kDeviceA0, 64, 31, 95};
constexpr CheckCodeSpan kCcDmi{kDeviceA2, 0, 95, 95};

// The tool's own 16-bit table checksum counts every byte of an A0 table but
// only the first 119 of an A2 table: bytes 119 on hold the vendor area and the
// write-only password entry, which reads back differently from what was written.
constexpr int kA2TableChecksumBytes = 119;
constexpr int tableChecksumBytes(int table) { return isA2Table(table) ? kA2TableChecksumBytes : kTableSize; }

// The byte that selects the page of a device's upper half, and the bank
// byte before it for banked pages: both are written in one transaction.
constexpr Span kPageSelect{127, 1};
constexpr Span kBankAndPageSelect{126, 2};

// The module password is written to these bytes of the diagnostics device.
constexpr quint8 kPasswordDevice = kDeviceA2;
constexpr Span kPasswordEntry = a2::kPasswordEntry;

// The fields a series programmer rewrites per module.
constexpr Span kSerialNumber = a0::kSerialNumber;
constexpr Span kDateCode = a0::kDateCode;


}  // namespace sff
