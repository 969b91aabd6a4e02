#include "fieldnames.h"

#include "memorymap.h"

QString fieldName(quint8 device, int offset)
{
    return sff::fieldNameAt(device, offset);
}
