#include "moduleimage.h"

#include <algorithm>

namespace sff {

ModuleImage ModuleImage::fromBytes(const QByteArray &bytes)
{
    ModuleImage image;
    image.put(kDeviceA0, 0, bytes.left(kDeviceSize));
    if (bytes.size() > kDeviceSize)
        image.put(kDeviceA2, 0, bytes.mid(kDeviceSize, kDeviceSize));
    return image;
}

ModuleImage ModuleImage::fromTable(int table, const QByteArray &bytes)
{
    ModuleImage image;
    if (isTable(table))
        image.putRegion(regionOfTable(table), bytes.left(kTableSize));
    return image;
}

ModuleImage ModuleImage::fromRegion(const Region &region, const QByteArray &bytes)
{
    ModuleImage image;
    image.putRegion(region, bytes.left(kHalfSize));
    return image;
}

QList<Region> ModuleImage::regions() const
{
    QList<Region> list;
    for (const auto &entry : halves_)
        list.append(entry.first);
    return list;
}

QList<Region> ModuleImage::wholeRegions() const
{
    QList<Region> list;
    for (const auto &entry : halves_)
        if (entry.second.held.all())
            list.append(entry.first);
    return list;
}

QByteArray ModuleImage::region(const Region &region) const
{
    const Half *held = half(region);
    if (!held)
        return {};
    int count = 0;
    while (count < kHalfSize && held->held[count])
        ++count;
    return held->bytes.left(count);
}

void ModuleImage::merge(const ModuleImage &other)
{
    for (const auto &entry : other.halves_)
        for (int i = 0; i < kHalfSize; ++i)
            if (entry.second.held[i])
                put(entry.first, entry.first.firstByte() + i, entry.second.bytes.mid(i, 1));
}

void ModuleImage::put(const Region &region, int first, const QByteArray &bytes)
{
    if (!region.isValid())
        return;
    const int from = std::max(first, region.firstByte());
    const int to = std::min(first + int(bytes.size()), region.firstByte() + kHalfSize);
    if (from >= to)
        return;
    Half &held = halves_[region];
    for (int offset = from; offset < to; ++offset) {
        held.bytes[offset - region.firstByte()] = bytes.at(offset - first);
        held.held.set(offset - region.firstByte());
    }
}

void ModuleImage::put(quint8 device, int first, const QByteArray &bytes, Page page)
{
    if (first < 0 || first >= kDeviceSize)
        return;
    const QByteArray inDevice = bytes.left(kDeviceSize - first);
    put(Region::lowerOf(device), first, inDevice);
    put(Region::upperOf(device, page), first, inDevice);
}

bool ModuleImage::write(quint8 device, int offset, const QByteArray &bytes, Page page)
{
    if (!holds(device, offset, bytes.size(), page))
        return false;
    put(device, offset, bytes, page);
    return true;
}

const ModuleImage::Half *ModuleImage::half(const Region &region) const
{
    const auto found = halves_.find(region);
    return found == halves_.end() ? nullptr : &found->second;
}

bool ModuleImage::holds(const Region &region, int offset, int length) const
{
    const Half *held = half(region);
    if (!held)
        return false;
    for (int i = offset; i < offset + length; ++i)
        if (!held->held[i - region.firstByte()])
            return false;
    return true;
}

bool ModuleImage::holds(quint8 device, int offset, int length, Page page) const
{
    if ((device != kDeviceA0 && device != kDeviceA2) || length < 0 || offset < 0 || offset + length > kDeviceSize)
        return false;
    const int lowerEnd = std::min(offset + length, kHalfSize);
    if (offset < lowerEnd && !holds(Region::lowerOf(device), offset, lowerEnd - offset))
        return false;
    const int upperFrom = std::max(offset, kHalfSize);
    return upperFrom >= offset + length || holds(Region::upperOf(device, page), upperFrom, offset + length - upperFrom);
}

bool ModuleImage::holdsAny(quint8 device) const
{
    return std::any_of(halves_.begin(), halves_.end(),
                       [device](const auto &entry) { return entry.first.device == device; });
}

quint8 ModuleImage::byte(quint8 device, int offset, Page page) const
{
    if (!holds(device, offset, 1, page))
        return 0;
    const Region region = Region::holding(device, offset, page);
    return quint8(half(region)->bytes.at(offset - region.firstByte()));
}

quint16 ModuleImage::word(quint8 device, int offset, Page page) const
{
    if (!holds(device, offset, 2, page))
        return 0;
    return quint16(byte(device, offset, page) << 8 | byte(device, offset + 1, page));
}

QByteArray ModuleImage::bytes(quint8 device, Span span, Page page) const
{
    if (!holds(device, span, page))
        return {};
    QByteArray result;
    for (int offset = span.offset; offset < span.end(); ++offset)
        result.append(char(byte(device, offset, page)));
    return result;
}

QByteArray ModuleImage::table(int table) const
{
    return isTable(table) ? region(regionOfTable(table)) : QByteArray();
}

bool operator==(const ModuleImage &a, const ModuleImage &b)
{
    if (a.halves_.size() != b.halves_.size())
        return false;
    for (auto i = a.halves_.begin(), j = b.halves_.begin(); i != a.halves_.end(); ++i, ++j) {
        if (i->first != j->first || i->second.held != j->second.held)
            return false;
        for (int k = 0; k < kHalfSize; ++k)
            if (i->second.held[k] && i->second.bytes.at(k) != j->second.bytes.at(k))
                return false;
    }
    return true;
}

}  // namespace sff
