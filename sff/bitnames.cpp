#include "bitnames.h"

namespace sff {

BitNames bitsOf(const char *const (&names)[8], quint8 value, const Words &words)
{
    BitNames result;
    for (int bit = 7; bit >= 0; --bit) {
        if (!(value & (1 << bit)))
            continue;
        if (const char *name = names[7 - bit])
            result.names.append(words(name));
        else
            result.unallocated.append(bit);
    }
    return result;
}

void append(BitNames &to, const BitNames &more)
{
    to.names += more.names;
    to.unallocated += more.unallocated;
}

}  // namespace sff
