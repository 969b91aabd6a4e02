#pragma once
// The bytes in which two images differ, listed with their addresses and the
// names of their fields.

#include "address.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QVector>

class Differences
{
    Q_DECLARE_TR_FUNCTIONS(Differences)

public:
    struct Byte {
        sff::Address address;
        int flatOffset;
        quint8 first;
        quint8 second;
    };

    // Compares the bytes of `spans` (device offsets) of a region, each side
    // given as the region's bytes from its first on.
    void compare(const sff::Region &region, const QByteArray &first, const QByteArray &second,
                 const QVector<sff::Span> &spans);
    // The same over the whole region.
    void compare(const sff::Region &region, const QByteArray &first, const QByteArray &second);

    bool isEmpty() const { return bytes_.isEmpty(); }
    int count() const { return bytes_.size(); }
    // The first differing byte, as "A0h 70" or "A2h page 01h 130".
    QString firstByte() const;

    // A table with a heading: the offset in the dump's layout, device, page
    // and byte, the two values under the given titles, and the field.
    QString listing(const QString &firstTitle, const QString &secondTitle) const;

    const QList<Byte> &bytes() const { return bytes_; }
    // "A0h 70", "A2h page 01h 130".
    static QString where(const sff::Address &address);

private:
    QList<Byte> bytes_;
};
