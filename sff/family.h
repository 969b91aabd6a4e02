#pragma once
// Families of modules by their management interface, told by the SFF-8024
// identifier in byte 0 of device 0x50:
//   Sfp   SFF-8472: A0h and A2h, pages of A2h's upper half;
//   Qsfp  SFF-8636 (QSFP+, QSFP28): one device, upper pages chosen by byte 127;
//   Cmis  CMIS (QSFP-DD, OSFP, ...): one device, banks and pages.
// Names of regions depend on the family only at device 0x50: "a0-low" of an
// SFP module is the "lower" page of the others.

#include "address.h"
#include "sfftext.h"

#include <QList>
#include <QString>

namespace sff {

class ModuleImage;

enum class Family { Sfp, Qsfp, Cmis };

// Unknown and SFP-like identifiers are SFP: the family the tool began with.
Family familyOfIdentifier(quint8 identifier);
// By byte 0 of device 0x50, else by the copy of it in page 00h; a module
// with other pages of device 0x50 is QSFP; SFP when the image tells nothing.
Family familyOf(const ModuleImage &image);
// "sff8472", "sff8636", "cmis", for output other programs read.
QString familyKey(Family family);
// "SFP (SFF-8472)", ...
QString familyTitle(Family family, const Words &words);

// The name -t takes and dumps carry: "a0-low", "a2-page-01", "lower", "page-03",
// "bank-1-page-10".
QString regionKey(const Region &region, Family family = Family::Sfp);
// "A0 Low", "A2 Page 01h", "Lower page", "Page 03h", "Bank 1 Page 10h".
QString regionTitle(const Region &region, Family family, const Words &words);
// Any region's name in any family's words; false for a name that is none.
bool parseRegionKey(const QString &key, Region *region);

// The regions a module has, as far as the image tells: the four tables of an
// SFP module until the lower half of device 0x50 says otherwise, then what
// its identification advertises (for an SFP module also the user page 01h
// and the tuning page 02h of A2h when its options say so; for a CMIS module
// the lanes' pages of every bank page 01h names). Read in order,
// looking again after each, until nothing new is named.
QList<Region> advertisedRegions(const ModuleImage &image);
// A region the module need not answer for: A2h of an SFP module that
// announces no digital diagnostics.
bool mayBeAbsent(const Region &region, const ModuleImage &image);
// The same region in the words of a family: banked pages of CMIS modules
// carry their bank (0 when none is named), other families none.
Region normalizedRegion(const Region &region, Family family);

// A QSFP or CMIS module whose lower page says it has no pages but 00h.
bool hasFlatMemory(const ModuleImage &image);
// The page a transfer of the region selects: its own, or none where the
// module (as the image knows it) has no pages to select: a QSFP or CMIS
// module with flat memory shows page 00h without one, and may not take byte
// 127 at all.
Page pageToSelect(const Region &region, const ModuleImage &image);

// Where the region's selection lives: the page byte (127) of its device, and
// for banked pages the bank byte before it.
Span pageSelectSpan(const Region &region);

}  // namespace sff
