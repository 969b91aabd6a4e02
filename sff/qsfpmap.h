#pragma once
// The memory map of QSFP+ and QSFP28 modules (SFF-8636 Rev 2.10a) as data:
// one device, 0x50, whose lower page holds the status, the flags, the live
// monitors and the controls, and whose upper half shows one of the pages
// 00h (identification), 01h (application select table), 02h (user EEPROM)
// and 03h (thresholds and channel controls), chosen by byte 127.
//
// As memorymap.h for SFP modules, this is the one place that knows where a
// field of such a module is.

#include "memorymap.h"

namespace sff {
namespace qsfp {

constexpr quint8 kDevice = kDeviceA0;
constexpr int kLanes = 4;

// The lower page, bytes 0-127.
namespace lower {
constexpr Span kIdentifier{0, 1};
constexpr Span kRevisionCompliance{1, 1};
constexpr Span kStatus{2, 1};
constexpr quint8 kFlatMemory = 0x04;   // no upper pages but 00h
constexpr quint8 kIntL = 0x02;
constexpr quint8 kDataNotReady = 0x01;
constexpr Span kLosFlags{3, 1};        // TX4-TX1 LOS in bits 7-4, RX4-RX1 LOS in bits 3-0
constexpr Span kFaultFlags{4, 1};      // TX4-TX1 adaptive EQ fault in bits 7-4, TX4-TX1 fault in bits 3-0
constexpr Span kLolFlags{5, 1};        // TX4-TX1 CDR loss of lock in bits 7-4, RX4-RX1 in bits 3-0
constexpr Span kTemperatureFlags{6, 1};  // high alarm, low alarm, high warning, low warning in bits 7-4
constexpr Span kVccFlags{7, 1};
constexpr Span kVendorFlags{8, 1};
// Lane flags, two lanes a byte: lane 1 (or 3) in bits 7-4, lane 2 (or 4) in bits 3-0.
constexpr Span kRxPowerFlags{9, 2};
constexpr Span kTxBiasFlags{11, 2};
constexpr Span kTxPowerFlags{13, 2};
constexpr Span kReservedFlags{15, 4};
constexpr Span kVendorFlagsEnd{19, 3};
constexpr Span kTemperature{22, 2};    // signed, 1/256 degree Celsius
constexpr Span kReservedMonitor1{24, 2};
constexpr Span kVcc{26, 2};            // 100 uV
constexpr Span kReservedMonitor2{28, 2};
constexpr Span kVendorMonitor{30, 4};
constexpr Span rxPower(int lane) { return {34 + lane * 2, 2}; }   // 0.1 uW; lanes 0-3
constexpr Span txBias(int lane) { return {42 + lane * 2, 2}; }    // 2 uA
constexpr Span txPower(int lane) { return {50 + lane * 2, 2}; }   // 0.1 uW
constexpr Span kLaneMonitors{34, 24};
constexpr Span kReservedChannels{58, 28};
constexpr Span kTxDisable{86, 1};
constexpr Span kRxRateSelect{87, 1};
constexpr Span kTxRateSelect{88, 1};
constexpr Span kRxApplicationSelect{89, 4};
constexpr Span kPowerControl{93, 1};
constexpr quint8 kSoftwareReset = 0x80;
constexpr Span kTxApplicationSelect{94, 4};
constexpr Span kCdrControl{98, 1};
constexpr Span kSignalControl{99, 1};
constexpr Span kMasks{100, 7};
constexpr Span kMaxPower{107, 1};
constexpr Span kPropagationDelay{108, 2};
constexpr Span kAdvancedLowPower{110, 1};
constexpr Span kReservedPcie{111, 2};
constexpr Span kFarEnd{113, 1};
constexpr Span kReserved{114, 5};
constexpr Span kPasswordChange{119, 4};  // write-only
constexpr Span kPasswordEntry{123, 4};   // write-only
constexpr Span kPageSelect{127, 1};

// The bytes a host writes: the controls and the masks; everything before
// them is the module's own and read-only.
constexpr Span kWritable{86, 21};
constexpr Span kReadOnly{0, 86};
// What the monitor reads at every poll: flags, the module's values and the lanes'.
constexpr Span kMonitorPoll{3, 55};
}  // namespace lower

// Upper page 00h: the identification.
namespace page00 {
constexpr int kPage = 0x00;
constexpr Span kIdentifier{128, 1};
constexpr Span kExtendedIdentifier{129, 1};
constexpr Span kConnector{130, 1};
constexpr Span kCompliance{131, 8};      // 10/40G Ethernet, SONET, SAS/SATA, GbE, FC length, technology, media, speed
constexpr int kEthernetCompliance = 131;
constexpr quint8 kExtendedComplianceUsed = 0x80;  // byte 192 names it
constexpr Span kEncoding{139, 1};
constexpr Span kNominalRate{140, 1};     // 100 MBd; 0xFF: see kExtendedRate
constexpr quint8 kNominalRateAbove = 0xFF;
constexpr Span kRateIdentifier{141, 1};
constexpr Span kLengthSmfKm{142, 1};     // km
constexpr Span kLengthOm3{143, 1};       // 2 m
constexpr Span kLengthOm2{144, 1};       // m
constexpr Span kLengthOm1{145, 1};       // m
constexpr Span kLengthCopperOrOm4{146, 1};  // m of cable, or 2 m of OM4
constexpr Span kDeviceTechnology{147, 1};
constexpr quint8 kFirstCopperTechnology = 0xA0;  // bits 7-4 of 10 and up are copper cables
constexpr Span kVendorName{148, 16};
constexpr Span kExtendedModule{164, 1};  // InfiniBand rates
constexpr Span kVendorOui{165, 3};
constexpr Span kPartNumber{168, 16};
constexpr Span kRevision{184, 2};
constexpr Span kWavelength{186, 2};      // 0.05 nm; copper: attenuation at 2.5 and 5.0 GHz in dB
constexpr Span kWavelengthTolerance{188, 2};  // 0.005 nm; copper: attenuation at 7.0 and 12.9 GHz
constexpr Span kMaxCaseTemperature{190, 1};   // degrees Celsius; 0 is 70
constexpr Span kCcBase{191, 1};
constexpr Span kExtendedCompliance{192, 1};   // SFF-8024
constexpr Span kOptions{193, 3};
constexpr int kPagesByte = 195;
constexpr quint8 kPage02Provided = 0x80;
constexpr quint8 kPage01Provided = 0x40;
constexpr Span kSerialNumber{196, 16};
constexpr Span kDateCode{212, 8};
constexpr Span kDiagnosticType{220, 1};
constexpr quint8 kTemperatureMonitored = 0x20;
constexpr quint8 kVccMonitored = 0x10;
constexpr quint8 kAverageRxPower = 0x08;  // else OMA
constexpr quint8 kTxPowerMonitored = 0x04;
constexpr Span kEnhancedOptions{221, 1};
constexpr Span kExtendedRate{222, 1};     // 250 MBd, when byte 140 is FFh
constexpr Span kCcExt{223, 1};
constexpr Span kVendorSpecific{224, 32};
}  // namespace page00

// Upper page 01h: the application select table.
namespace page01 {
constexpr int kPage = 0x01;
constexpr Span kTable{128, 128};
}  // namespace page01

// Upper page 02h: user EEPROM, where a module with a CLEI code keeps it first.
namespace page02 {
constexpr int kPage = 0x02;
constexpr Span kUserEeprom{128, 128};
}  // namespace page02

// Upper page 03h: thresholds of the module and of its lanes, and lane controls.
namespace page03 {
constexpr int kPage = 0x03;
// The four thresholds of a quantity, high alarm first, in its order of
// a2::Limit; temperature and supply of the module, then the lanes' quantities.
constexpr int thresholdsOf(int quantity)
{
    switch (quantity) {
    case a2::kTemperature: return 128;
    case a2::kVcc: return 144;
    case a2::kRxPower: return 176;
    case a2::kTxBias: return 184;
    case a2::kTxPower: return 192;
    }
    return -1;
}
constexpr Span threshold(int quantity, int limit) { return {thresholdsOf(quantity) + limit * 2, 2}; }
constexpr Span kModuleThresholds{128, 48};
constexpr Span kLaneThresholds{176, 24};
constexpr Span kThresholds{128, 72};
constexpr Span kReserved{200, 8};
constexpr Span kVendorThresholds{208, 16};
constexpr Span kLaneControls{224, 18};
constexpr Span kLaneMasks{242, 14};
}  // namespace page03

// Check codes of page 00h.
constexpr CheckCodeSpan kCcBase{kDevice, 128, 63, 191, page00::kPage};
constexpr CheckCodeSpan kCcExt{kDevice, 192, 31, 223, page00::kPage};

// The password is written to the lower page, each byte a transaction of its own.
constexpr quint8 kPasswordDevice = kDevice;
constexpr Span kPasswordEntry = lower::kPasswordEntry;

// A write sends at most four bytes and then waits out the module's write
// cycle: modules need not acknowledge their address while they store, nor
// refuse it, so only the time tells when a write is done.
constexpr int kMaxWriteBytes = 4;
constexpr int kWriteCycleMs = 40;

// The fields a series programmer rewrites per module, in page 00h.
constexpr Span kSerialNumber = page00::kSerialNumber;
constexpr Span kDateCode = page00::kDateCode;

}  // namespace qsfp
}  // namespace sff
