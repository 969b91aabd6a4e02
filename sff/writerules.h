#pragma once
// Which bytes of a region a write sends as data, and which of them a module
// keeps as written, so that a verify compares only those.
//
// Some bytes are no data: the page select (the transfer itself sets and
// restores it) and the write-only password entry (what reads back from it is
// not the password; writing it would enter a wrong one), and of SFF-8636 and
// CMIS modules the password change entry before it (writing it would set one). Of the diagnostics'
// A2 Low only the thresholds, calibration and CC_DMI are kept: the values,
// status and flags after them are the module's own. Of an A2h upper page the
// user memory is kept, not the vendor's control bytes at its end. Of a QSFP
// or a CMIS module's lower page only the controls and masks are written and
// kept; its upper pages are written whole.

#include "familytraits.h"

#include <QByteArray>

#include <QVector>

namespace sff {

QVector<Span> writtenSpans(const Region &region, Family family);
QVector<Span> keptSpans(const Region &region, Family family);
// The region holds the diagnostics' thresholds and calibration, which a write
// changes only when the user says so (A2 Low of an SFP module).
bool holdsDiagnosticsSettings(const Region &region, Family family);
// Where a module takes its password and how writes go out: the family's
// (familytraits.h).
PasswordEntry passwordEntryOf(Family family);
WriteTiming writeTimingOf(Family family);

// The device offset of the first byte a module keeps that reads back other
// than written (each side the region's bytes from its first on), or -1.
int firstKeptDifference(const Region &region, Family family, const QByteArray &written, const QByteArray &readBack);
// How many bytes the spans hold.
int spanBytes(const QVector<Span> &spans);

}  // namespace sff
