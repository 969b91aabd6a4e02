#pragma once
// The bytes of a module that are at hand, each at its address: regions
// (128-byte halves of a device, an upper half unpaged or as one page shows
// it), each holding any of its bytes. Nothing is ever read that is not held.
//
// The accessors without a page speak of the lower halves and the unpaged
// upper halves, the memory of a module without pages.

#include "address.h"

#include <QByteArray>
#include <QList>

#include <bitset>
#include <map>

namespace sff {

class ModuleImage
{
public:
    ModuleImage() = default;

    // An SFP module as files and dumps flatten it: A0h from byte 0, then A2h,
    // as far as the bytes go (128 bytes are A0h 0..127, 512 both devices);
    // bytes past 512 are left out.
    static ModuleImage fromBytes(const QByteArray &bytes);
    // The bytes of one table (normally 128) as the window's buffer holds them.
    static ModuleImage fromTable(int table, const QByteArray &bytes);
    static ModuleImage fromRegion(const Region &region, const QByteArray &bytes);

    bool isEmpty() const { return halves_.empty(); }
    // Every region that holds a byte, in module order.
    QList<Region> regions() const;
    // The regions held whole.
    QList<Region> wholeRegions() const;
    bool holdsRegion(const Region &region) const { return holds(region, region.firstByte(), kHalfSize); }
    // A region's bytes from its first on, as far as they are held without a gap.
    QByteArray region(const Region &region) const;
    void putRegion(const Region &region, const QByteArray &bytes) { put(region, region.firstByte(), bytes); }
    void removeRegion(const Region &region) { halves_.erase(region); }
    // The regions of `other` put over these.
    void merge(const ModuleImage &other);

    // Bytes of a device from `first` on, as `page` shows the upper half.
    // Bytes past the end of the device are left out.
    void put(quint8 device, int first, const QByteArray &bytes, Page page = {});
    // Overwrites bytes that are held; returns false, changing nothing, when
    // any of them is not.
    bool write(quint8 device, int offset, const QByteArray &bytes, Page page = {});

    bool holds(quint8 device, int offset, int length = 1, Page page = {}) const;
    bool holds(quint8 device, Span span, Page page = {}) const { return holds(device, span.offset, span.length, page); }
    // Any byte of the device, in any region.
    bool holdsAny(quint8 device) const;

    // 0 for a byte that is not held.
    quint8 byte(quint8 device, int offset, Page page = {}) const;
    // Big-endian; 0 unless both bytes are held.
    quint16 word(quint8 device, int offset, Page page = {}) const;
    // Empty unless the whole span is held.
    QByteArray bytes(quint8 device, Span span, Page page = {}) const;
    // One table's bytes as far as they are held, from its first byte on.
    QByteArray table(int table) const;

    friend bool operator==(const ModuleImage &a, const ModuleImage &b);
    friend bool operator!=(const ModuleImage &a, const ModuleImage &b) { return !(a == b); }

private:
    struct Half {
        QByteArray bytes = QByteArray(kHalfSize, '\0');
        std::bitset<kHalfSize> held;
    };

    void put(const Region &region, int first, const QByteArray &bytes);
    bool holds(const Region &region, int offset, int length) const;
    const Half *half(const Region &region) const;

    std::map<Region, Half> halves_;
};

}  // namespace sff
