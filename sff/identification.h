#pragma once
// Where a module of each family takes its write password and where it names
// its vendor and part number: what a write with a list of passwords needs to
// find, and to remember which password this kind of module took.

#include "family.h"

namespace sff {

// The first of the four password bytes; they are written one at a time.
struct PasswordEntry {
    quint8 device = kPasswordDevice;
    int offset = kPasswordEntry.offset;
};

// Both names lie in one region: A0 Low of an SFP module, page 00h of the others.
struct Identification {
    Region region = kRegionA0Low;
    Span vendorName = a0::kVendorName;
    Span partNumber = a0::kPartNumber;
};

PasswordEntry passwordEntryOf(Family family);
Identification identificationOf(Family family);

}  // namespace sff
