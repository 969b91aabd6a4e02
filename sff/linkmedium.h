#pragma once
// What a module's link runs over, which decides how its length bytes read:
// a cable assembly (the cable bits of byte 8), another copper link (an RJ45
// BASE-T module, say) or fibre.

#include "moduleimage.h"

#include <optional>

namespace sff {

enum class Medium { Fibre, Copper, CableAssembly };

Medium linkMedium(const ModuleImage &image);

// Byte 19 of a cable assembly: a base value and its multiplier, in metres.
// None when the byte is zero.
std::optional<double> cableLengthMetres(quint8 byte19);

}  // namespace sff
