#pragma once
// The bytes in which two images differ, listed with their offsets and the
// names of their fields.

#include <QCoreApplication>
#include <QList>
#include <QString>

class Differences
{
    Q_DECLARE_TR_FUNCTIONS(Differences)

public:
    // Compares the first `count` bytes of two runs of a device, starting at
    // byte `firstByte` of `device` (0x50 or 0x51).
    void compare(const QByteArray &first, const QByteArray &second, int count, quint8 device, int firstByte);

    bool isEmpty() const { return bytes_.isEmpty(); }
    int count() const { return bytes_.size(); }

    // A table with a heading: offset in a whole-module image, device and byte,
    // the two values under the given titles, and the field.
    QString listing(const QString &firstTitle, const QString &secondTitle) const;

private:
    struct Byte {
        quint8 device;
        int offset;  // within the device
        quint8 first;
        quint8 second;
    };
    QList<Byte> bytes_;
};
