#pragma once
// A byte of bit flags by name, for the code tables of every family.

#include "sfftext.h"

#include <QList>
#include <QStringList>

namespace sff {

// The names of the set bits, and the set bits that have no meaning
// (unallocated or reserved).
struct BitNames {
    QStringList names;
    QList<int> unallocated;  // bit numbers, 7 first
};

// The set bits of `value` by a table of names from bit 7 down to bit 0, in
// which nullptr marks a bit without meaning.
BitNames bitsOf(const char *const (&names)[8], quint8 value, const Words &words);
void append(BitNames &to, const BitNames &more);

}  // namespace sff
