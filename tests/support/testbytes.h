#pragma once
// Byte helpers shared by the tests: recognisable contents, the module's sums,
// hex as the program prints it, and whole files read or written at once.

#include <QByteArray>
#include <QFile>
#include <QString>

// size bytes, byte i = (i * step + seed) mod 256.
inline QByteArray pattern(int size, int seed, int step = 7)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * step + seed);
    return bytes;
}

// The 16-bit sum of the first count bytes, as the window and the worker show it.
inline quint16 sum(const QByteArray &bytes, int count)
{
    quint16 total = 0;
    for (int i = 0; i < count; ++i)
        total = quint16(total + quint8(bytes.at(i)));
    return total;
}

// The 8-bit check code over bytes from..to-1, as stored in the table.
inline quint8 checkCode(const QByteArray &bytes, int from, int to)
{
    return quint8(sum(bytes.mid(from, to - from), to - from));
}

// value in upper-case hex, zero-padded to width digits.
inline QString hex(unsigned value, int width)
{
    return QStringLiteral("%1").arg(value, width, 16, QLatin1Char('0')).toUpper();
}

// The whole file; empty if it cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
