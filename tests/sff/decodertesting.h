#pragma once
// Helpers the paged families' decoder tests share: bytes written out,
// a decoded field by its key, and regions by their names.

#include "decoder.h"
#include "family.h"

#include <QByteArray>
#include <QStringList>

#include <initializer_list>

inline QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values)
        bytes.append(char(v));
    return bytes;
}

// Big-endian, as the modules store their words.
inline QByteArray word(int value) { return bytesOf({value >> 8, value & 0xFF}); }

inline const sff::Field *fieldOf(const sff::Decoded &decoded, const QString &key)
{
    for (const sff::Field &field : decoded.fields)
        if (field.key == key)
            return &field;
    return nullptr;
}

inline QStringList keysOf(const QList<sff::Region> &regions, sff::Family family)
{
    QStringList keys;
    for (const sff::Region &region : regions)
        keys.append(sff::regionKey(region, family));
    return keys;
}
