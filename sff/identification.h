#pragma once
// Where a module of each family names its vendor and part number: what a
// write with a list of passwords needs to find, and to remember which
// password this kind of module took.

#include "familytraits.h"

namespace sff {

// Both names lie in one region: A0 Low of an SFP module, page 00h of the others.
struct Identification {
    Region region = kRegionA0Low;
    Span vendorName = a0::kVendorName;
    Span partNumber = a0::kPartNumber;
};

Identification identificationOf(Family family);

}  // namespace sff
