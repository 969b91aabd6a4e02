#pragma once
// How a decoder of a paged family (SFF-8636, CMIS) shows its fields: codes,
// bit fields, numbers, text, opaque bytes and measured values, a value
// judged against its thresholds, and the host findings every family has
// (a wrong check code, text padded with NULs).

#include "checkcodes.h"
#include "codes.h"
#include "decoder.h"
#include "diagnosticvalues.h"
#include "textfields.h"

namespace sff {
namespace fields {

// Raises the field's status to `status` with the note, never lowers it.
void warn(Field &field, const QString &note, Status status = Status::Warning);
void showBits(Field &field, const BitNames &bits, const Words &w);
void showCode(Field &field, const CodeName &code, const Words &w);
// "not specified" for 0.
void showNumber(Field &field, double number, const char *unit, const Words &w, int decimals = 0);
void showText(Field &field, const TextField &text, const Words &w);
void showOpaque(Field &field, const Words &w);
void showQuantity(Field &field, int quantity, double value, const Words &w);
// Warns of a value beyond its warning thresholds, errs beyond its alarms.
void judge(Field &field, double value, const double (&limits)[4], const Words &w);
// A check code that is wrong, with its fix; an empty key when it is right or not held.
Finding checkCodeFinding(const ModuleImage &image, const CheckCodeSpan &code, const QString &key, const char *text,
                         const char *fix, const Words &w);
// A text field of `page` padded with NULs, with its fix and the check codes
// among `codes` that cover it; an empty key otherwise.
Finding paddingFinding(const ModuleImage &image, quint8 device, Page page, Span text, const QString &key,
                       const QString &name, const QVector<CheckCodeSpan> &codes, const Words &w);

}  // namespace fields
}  // namespace sff
