#pragma once
// The memory map of modules managed by CMIS (QSFP-DD, OSFP, QSFP112, ...;
// CMIS 4.0 and 5.x) as data: one device, 0x50, whose lower page holds the
// module's state, its flags and monitors, its controls and the application
// advertisement, and whose upper half shows a page chosen by byte 127:
// 00h (identification), 01h (advertising), 02h (thresholds), 03h (user
// memory), and from 10h on pages of lanes, eight lanes a bank, the bank
// chosen by byte 126.
//
// As memorymap.h for SFP modules, this is the one place that knows where a
// field of such a module is.

#include "memorymap.h"

namespace sff {
namespace cmis {

constexpr quint8 kDevice = kDeviceA0;
constexpr int kLanes = 8;  // of one bank
constexpr int kApplications = 8;  // in the lower page; page 01h holds seven more
constexpr int kMoreApplications = 7;
constexpr int kFirstBankedPage = 0x10;

// The lower page, bytes 0-127.
namespace lower {
constexpr Span kIdentifier{0, 1};
constexpr Span kRevision{1, 1};          // major in bits 7-4, minor in 3-0
constexpr Span kMemoryModel{2, 1};
constexpr quint8 kFlatMemory = 0x80;     // page 00h only
constexpr Span kModuleState{3, 1};
constexpr quint8 kStateMask = 0x0E;      // bits 3-1
constexpr quint8 kInterruptDeasserted = 0x01;
constexpr Span kLaneFlagSummary{4, 4};
constexpr Span kModuleStateChanged{8, 1};
constexpr Span kModuleFlags{9, 1};       // temperature in bits 3-0, supply in bits 7-4
constexpr Span kAuxFlags{10, 4};
constexpr Span kTemperature{14, 2};      // signed, 1/256 degree Celsius
constexpr Span kVcc{16, 2};              // 100 uV
constexpr Span kAuxMonitors{18, 8};
constexpr Span kControls{26, 11};        // global controls and the module's flag masks
constexpr Span kStatusArea{37, 48};      // CDB status, firmware version, fault cause, vendor bytes
constexpr Span kMediaType{85, 1};
constexpr Span application(int index) { return {86 + index * 4, 4}; }  // 0-7
constexpr Span kApplications{86, 32};
constexpr Span kPasswordChange{118, 4};  // write-only
constexpr Span kPasswordEntry{122, 4};   // write-only
constexpr Span kBankSelect{126, 1};
constexpr Span kPageSelect{127, 1};

// The bytes a host writes: the controls and masks; the rest up to the
// password is the module's own.
constexpr Span kWritable = kControls;
constexpr Span kReadOnlyStatus{0, 26};
constexpr Span kReadOnlyAdvertising{37, 81};
// What the monitor reads at every poll: the module's temperature and supply.
constexpr Span kMonitorPoll{14, 4};
}  // namespace lower

// Media types of byte 85, which choose the table of media interface codes.
enum MediaType { kMediaUndefined = 0, kMediaMmf = 1, kMediaSmf = 2, kMediaPassiveCopper = 3,
                 kMediaActiveCable = 4, kMediaBaseT = 5 };
constexpr quint8 kEndOfApplications = 0xFF;  // a host interface code that ends the list

// Upper page 00h: the identification.
namespace page00 {
constexpr int kPage = 0x00;
constexpr Span kIdentifier{128, 1};
constexpr Span kVendorName{129, 16};
constexpr Span kVendorOui{145, 3};
constexpr Span kPartNumber{148, 16};
constexpr Span kRevision{164, 2};
constexpr Span kSerialNumber{166, 16};
constexpr Span kDateCode{182, 8};
constexpr Span kClei{190, 10};
constexpr Span kPowerClass{200, 1};      // class - 1 in bits 7-5
constexpr Span kMaxPower{201, 1};        // 0.25 W
constexpr Span kCableLength{202, 1};     // multiplier in bits 7-6, value in 5-0
constexpr Span kConnector{203, 1};
constexpr Span kCopperAttenuation{204, 6};
constexpr Span kMediaLanes{210, 1};      // a set bit: that media lane is not supported
constexpr Span kCableLanes{211, 1};
constexpr Span kMediaTechnology{212, 1};
constexpr Span kReserved{213, 9};
constexpr Span kCcBase{222, 1};
constexpr Span kCustom{223, 33};
}  // namespace page00

// Upper page 01h: what the module advertises.
namespace page01 {
constexpr int kPage = 0x01;
constexpr Span kFirmwareVersion{128, 2};
constexpr Span kHardwareVersion{130, 2};
constexpr Span kLengthSmf{132, 1};       // multiplier in bits 7-6 (0.1 or 1 km), value in 5-0
constexpr Span kLengthOm5{133, 1};       // 2 m
constexpr Span kLengthOm4{134, 1};       // 2 m
constexpr Span kLengthOm3{135, 1};       // 2 m
constexpr Span kLengthOm2{136, 1};       // m
constexpr Span kWavelength{138, 2};      // 0.05 nm
constexpr Span kWavelengthTolerance{140, 2};  // 0.005 nm
constexpr Span kPagesAdvertised{142, 1};
constexpr quint8 kPage03Supported = 0x04;
constexpr quint8 kDiagnosticPagesSupported = 0x20;  // banked pages 13h and 14h
constexpr quint8 kBanksMask = 0x03;      // 0: bank 0, 1: banks 0-1, 2: banks 0-3
constexpr Span kCharacteristics{151, 1};
constexpr quint8 kAverageRxPower = 0x10;  // else OMA
constexpr Span kModuleMonitors{159, 1};
constexpr quint8 kTemperatureMonitored = 0x01;
constexpr quint8 kVccMonitored = 0x02;
constexpr Span kLaneMonitors{160, 1};
constexpr quint8 kTxBiasMonitored = 0x01;
constexpr quint8 kTxPowerMonitored = 0x02;
constexpr quint8 kRxPowerMonitored = 0x04;
constexpr quint8 kBiasMultiplierMask = 0x18;  // bias in 2 uA times 1, 2 or 4
constexpr int kBiasMultiplierShift = 3;
constexpr Span kMonitorAdvertising{151, 10};  // 151-160
constexpr Span kMediaLaneAssignment{176, 15};  // a byte for each of the 15 applications
constexpr Span application(int index) { return {223 + index * 4, 4}; }  // applications 9-15: 0-6
constexpr Span kMoreApplications{223, 28};
}  // namespace page01

// Upper page 02h: thresholds, each high alarm, low alarm, high warning and
// low warning, in the order of a2::Limit.
namespace page02 {
constexpr int kPage = 0x02;
constexpr int thresholdsOf(int quantity)
{
    switch (quantity) {
    case a2::kTemperature: return 128;
    case a2::kVcc: return 136;
    case a2::kTxPower: return 176;
    case a2::kTxBias: return 184;
    case a2::kRxPower: return 192;
    }
    return -1;
}
constexpr Span threshold(int quantity, int limit) { return {thresholdsOf(quantity) + limit * 2, 2}; }
constexpr Span kThresholds{128, 72};
}  // namespace page02

// Upper page 03h: user memory.
namespace page03 {
constexpr int kPage = 0x03;
constexpr Span kUserEeprom{128, 128};
}  // namespace page03

// Banked page 10h: the lanes' controls.
namespace page10 {
constexpr int kPage = 0x10;
constexpr Span kLaneControls{128, 128};
}  // namespace page10

// Banked page 11h: the lanes' states, flags and monitors, lanes 0-7 of the bank.
namespace page11 {
constexpr int kPage = 0x11;
constexpr Span kDataPathStates{128, 4};  // four bits a lane
constexpr Span kLaneFlags{132, 22};
constexpr Span txPower(int lane) { return {154 + lane * 2, 2}; }  // 0.1 uW
constexpr Span txBias(int lane) { return {170 + lane * 2, 2}; }   // 2 uA times the multiplier
constexpr Span rxPower(int lane) { return {186 + lane * 2, 2}; }  // 0.1 uW
constexpr Span kLaneMonitors{154, 48};
constexpr Span kLaneStatus{202, 54};
}  // namespace page11

// Page check codes: page 00h's over its identification, pages 01h and 02h
// in their last byte (page 01h leaves out the firmware version, which an
// update changes).
constexpr CheckCodeSpan kCcBase{kDevice, 128, 94, 222, page00::kPage};
constexpr CheckCodeSpan kCcPage01{kDevice, 130, 125, 255, page01::kPage};
constexpr CheckCodeSpan kCcPage02{kDevice, 128, 127, 255, page02::kPage};

// The password is written to the lower page, bytes 122-125.
constexpr quint8 kPasswordDevice = kDevice;
constexpr Span kPasswordEntry = lower::kPasswordEntry;

// A write sends at most eight bytes and never crosses an 8-byte boundary;
// then the module's write cycle is waited out by time: as with SFF-8636
// modules, answering its address says nothing about having stored.
constexpr int kMaxWriteBytes = 8;
constexpr int kWriteCycleMs = 80;

}  // namespace cmis
}  // namespace sff
