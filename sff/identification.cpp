#include "identification.h"

namespace sff {

Identification identificationOf(Family family)
{
    const FamilyTraits &traits = familyTraits(family);
    return {traits.identity, traits.vendorName, traits.partNumber};
}

}  // namespace sff
