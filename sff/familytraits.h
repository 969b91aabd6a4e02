#pragma once
// What the layers above sff/ need to know of a module's family, as data, so
// that they ask the family instead of naming it: where the password goes,
// how writes go out, where the module says who it is (and whether a series
// may program it), which regions hold the diagnostics' settings, and the
// entries the window's table selector offers.

#include "family.h"
#include "memorymap.h"

#include <QVector>

namespace sff {

// Where a module takes its password: four bytes of a device, each written
// in a transaction of its own.
struct PasswordEntry {
    quint8 device;
    Span span;
};

// How a write goes out: transactions of at most `maxBytes`, never across an
// 8-byte boundary; then the module's write cycle is waited for by polling
// its address, or, where `cycleMs` is set, waited out by time.
struct WriteTiming {
    int maxBytes = 8;
    int cycleMs = 0;
};

// An entry of the window's table selector beyond an SFP module's four
// tables: a region of device 0x50 in the words of a family.
struct SelectorEntry {
    Family family;
    const char *title;  // translatable
    bool upper;         // the upper half, as a page the operator names
    bool banked;        // with a bank the operator names
};

struct FamilyTraits {
    Family family;
    PasswordEntry password;
    WriteTiming writeTiming;
    // The region where the module says who it is, and its fields there.
    Region identity;
    Span vendorName;
    Span vendorOui;
    Span partNumber;
    Span revision;
    Span serialNumber;
    Span dateCode;
    // A series writes the identity region into every module of the family.
    bool series;
    // Regions whose writes change the diagnostics' thresholds or calibration.
    QVector<Region> diagnosticsSettings;
    // The selector's entries for the family's pages (none for SFP modules,
    // whose tables are the selector's first entries).
    QVector<SelectorEntry> selector;
};

const FamilyTraits &familyTraits(Family family);
// Every family's selector entries, in the selector's order.
QVector<SelectorEntry> selectorEntries();

}  // namespace sff
