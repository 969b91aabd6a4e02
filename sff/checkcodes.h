#pragma once
// The module's one-byte check codes: computing, judging and rewriting them.

#include "family.h"
#include "memorymap.h"
#include "moduleimage.h"

#include <QByteArray>
#include <QVector>

namespace sff {

// The low 8 bits of the sum of `count` bytes of `bytes` from `first`; bytes
// past the end of the array are not read.
quint8 checkCodeOf(const QByteArray &bytes, int first, int count);

struct CheckCodeState {
    bool held = false;  // the image holds the covered bytes and the check code
    quint8 stored = 0;
    quint8 computed = 0;
    bool ok() const { return held && stored == computed; }
};

CheckCodeState checkCode(const ModuleImage &image, const CheckCodeSpan &code);
// Whether a wrong check code matters: not CC_DMI of a module whose A0h byte
// 92 says it has no digital diagnostics, since hosts then ignore A2h.
bool isJudged(const ModuleImage &image, const CheckCodeSpan &code);
// Stores the right check code; false when the image does not hold its bytes.
bool recomputeCheckCode(ModuleImage &image, const CheckCodeSpan &code);
// A family's check codes: "CC_BASE", its JSON key "base", and where it is.
struct NamedCheckCode {
    const char *name;
    const char *key;
    CheckCodeSpan span;
};
// CC_BASE, CC_EXT and CC_DMI of an SFP module; CC_BASE and CC_EXT of page
// 00h of a QSFP module; the page check codes of pages 00h, 01h and 02h of a
// CMIS module.
QVector<NamedCheckCode> checkCodesOf(Family family);
// The check codes of the image's family, each where the image holds it; the
// number rewritten.
int recomputeCheckCodes(ModuleImage &image);

}  // namespace sff
