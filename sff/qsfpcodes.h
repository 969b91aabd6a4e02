#pragma once
// The codes and bit fields of QSFP modules' identification and status where
// they differ from an SFP module's: the identifier, connector and extended
// compliance are SFF-8024's, as in codes.h.

#include "codes.h"
#include "qsfpmap.h"

namespace sff {
namespace qsfp {

CodeName revisionComplianceName(quint8 code, const Words &words);
// SFF-8024's encodings in the words of SFF-8636, which differ from SFF-8472's.
CodeName encodingName(quint8 code, const Words &words);
// Bits 7-4 of byte 147.
CodeName transmitterTechnologyName(quint8 code, const Words &words);
bool isCopper(quint8 deviceTechnology);

// Power class, CDRs and the CLEI code of byte 129.
BitNames extendedIdentifierBits(quint8 value, const Words &words);
// Bytes 131-138: index 0 is byte 131.
BitNames complianceBits(int index, quint8 value, const Words &words);
BitNames deviceTechnologyBits(quint8 value, const Words &words);
BitNames extendedModuleBits(quint8 value, const Words &words);
BitNames optionBits(quint8 byte193, quint8 byte194, quint8 byte195, const Words &words);
BitNames diagnosticTypeBits(quint8 value, const Words &words);
BitNames enhancedOptionBits(quint8 value, const Words &words);
BitNames statusBits(quint8 value, const Words &words);
// Bytes 3-5: LOS, faults, CDR loss of lock; index 0 is byte 3.
BitNames laneStatusBits(int index, quint8 value, const Words &words);
// Byte 6 or 7: the module's temperature (index 0) or supply flags.
BitNames moduleFlagBits(int index, quint8 value, const Words &words);
// Two bytes of a lane quantity's flags, lanes 1 to 4.
BitNames laneFlagBits(quint8 first, quint8 second, const Words &words);
// The same as stable keys: "lane_1_high_alarm", ...; "high_alarm" for a module flag.
QStringList laneFlagKeys(quint8 first, quint8 second, bool alarms);
QStringList moduleFlagKeys(quint8 value, bool alarms);

}  // namespace qsfp
}  // namespace sff
