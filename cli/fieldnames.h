#pragma once
// The name of the field a byte of the module belongs to, for listings of
// differing bytes.

#include <QString>

// Empty when no name is known.
QString fieldName(quint8 device, int offset);
