#pragma once
// The code tables a module's identification refers to (SFF-8024 for the
// identifier, connector, encoding and extended compliance; SFF-8472 for the
// rest) and the names of the bits of its bit fields.

#include "bitnames.h"
#include "sfftext.h"

#include <QString>
#include <QStringList>

namespace sff {

// What a code is: one the tables define, one they keep free, or one left to
// the vendor.
enum class CodeKind { Defined, Reserved, VendorSpecific };

struct CodeName {
    QString text;  // the name; for an undefined code its kind and hex value, never empty
    CodeKind kind;
};

CodeName identifierName(quint8 code, const Words &words);
CodeName extendedIdentifierName(quint8 code, const Words &words);
CodeName connectorName(quint8 code, const Words &words);
CodeName encodingName(quint8 code, const Words &words);
CodeName extendedComplianceName(quint8 code, const Words &words);
CodeName rateIdentifierName(quint8 code, const Words &words);
CodeName sffComplianceName(quint8 code, const Words &words);

// Bytes 3..10: index 0 is byte 3.
BitNames complianceBits(int index, quint8 value, const Words &words);
BitNames fibreChannelSpeed2Bits(quint8 value, const Words &words);
// Bytes 60 and 61 of a passive or an active cable.
BitNames cableComplianceBits(bool active, quint8 byte60, quint8 byte61, const Words &words);
BitNames optionBits(quint8 byte64, quint8 byte65, const Words &words);
BitNames diagnosticTypeBits(quint8 value, const Words &words);
BitNames enhancedOptionBits(quint8 value, const Words &words);
BitNames statusControlBits(quint8 value, const Words &words);
// Bytes 112-113 or 116-117, which share their layout.
BitNames flagBits(quint8 first, quint8 second, const Words &words);
// The same flags as stable keys ("temperature_high", ...), for JSON.
QStringList flagKeys(quint8 first, quint8 second);

// A code's hex text, "07h".
QString hexCode(quint8 code);

}  // namespace sff
