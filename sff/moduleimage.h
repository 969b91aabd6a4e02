#pragma once
// The bytes of a module that are at hand: for each of the two devices one
// run of consecutive bytes, which may be empty, a single table, the whole
// device, or anything between. Nothing is ever read past what is held.

#include "memorymap.h"

#include <QByteArray>

namespace sff {

class ModuleImage
{
public:
    ModuleImage() = default;

    // An image as files and dumps hold it: A0h from byte 0, then A2h, as far
    // as the bytes go. 128 bytes are A0h 0..127, 256 bytes the whole A0h, 512
    // bytes both devices; bytes past 512 are left out.
    static ModuleImage fromBytes(const QByteArray &bytes);
    // The bytes of one table (normally 128) as the window's buffer holds them.
    static ModuleImage fromTable(int table, const QByteArray &bytes);

    // Puts bytes of a device from `first` on. They join the held run when they
    // overlap it or continue it; otherwise they replace it. Bytes past the end
    // of the device are left out.
    void put(quint8 device, int first, const QByteArray &bytes);
    // Overwrites bytes that are held; returns false, changing nothing, when
    // any of them is not.
    bool write(quint8 device, int offset, const QByteArray &bytes);

    bool holds(quint8 device, int offset, int length = 1) const;
    bool holds(quint8 device, Span span) const { return holds(device, span.offset, span.length); }
    bool holdsAny(quint8 device) const { return !run(device).bytes.isEmpty(); }
    // The first byte held of a device, and the held bytes.
    int first(quint8 device) const { return run(device).first; }
    QByteArray deviceBytes(quint8 device) const { return run(device).bytes; }

    // 0 for a byte that is not held.
    quint8 byte(quint8 device, int offset) const;
    // Big-endian; 0 unless both bytes are held.
    quint16 word(quint8 device, int offset) const;
    // Empty unless the whole span is held.
    QByteArray bytes(quint8 device, Span span) const;
    // One table's bytes as far as they are held, from its first byte on.
    QByteArray table(int table) const;

private:
    struct Run {
        int first = 0;
        QByteArray bytes;
    };
    const Run &run(quint8 device) const { return device == kDeviceA2 ? a2_ : a0_; }
    Run *runOf(quint8 device);

    Run a0_;
    Run a2_;
};

}  // namespace sff
