#pragma once
// The codes of CMIS modules' identification and status: the module state,
// the media type, and the host and media interfaces of the application
// advertisement from SFF-8024's tables. The identifier and connector are
// SFF-8024's, as in codes.h.

#include "cmismap.h"
#include "codes.h"

namespace sff {
namespace cmis {

// "CMIS 5.0" from byte 1.
QString revisionName(quint8 code);
// Bits 3-1 of byte 3, with what the state means for the host.
CodeName moduleStateName(int state, const Words &words);
QString moduleStateMeaning(int state, const Words &words);
// Byte 85.
CodeName mediaTypeName(quint8 code, const Words &words);
// SFF-8024 host electrical interface codes.
CodeName hostInterfaceName(quint8 code, const Words &words);
// Media interface codes, from the table the media type names.
CodeName mediaInterfaceName(quint8 mediaType, quint8 code, const Words &words);
// Byte 212.
CodeName mediaTechnologyName(quint8 code, const Words &words);
// The power class of byte 200, 1-8.
int powerClassOf(quint8 byte200);
// Byte 202 in metres: bits 5-0 times 0.1, 1, 10 or 100.
double cableLengthOf(quint8 byte202);
// Bits of a lane assignment byte as lane numbers, 1 first.
QList<int> lanesOf(quint8 bits);

}  // namespace cmis
}  // namespace sff
