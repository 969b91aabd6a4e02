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
        image.put(tableDevice(table), tableFirstByte(table), bytes.left(kTableSize));
    return image;
}

ModuleImage::Run *ModuleImage::runOf(quint8 device)
{
    if (device == kDeviceA0)
        return &a0_;
    if (device == kDeviceA2)
        return &a2_;
    return nullptr;
}

void ModuleImage::put(quint8 device, int first, const QByteArray &bytes)
{
    Run *held = runOf(device);
    if (!held || first < 0 || first >= kDeviceSize || bytes.isEmpty())
        return;
    const QByteArray added = bytes.left(kDeviceSize - first);
    const int heldEnd = held->first + held->bytes.size();
    if (held->bytes.isEmpty() || first > heldEnd || first + added.size() < held->first) {
        held->first = first;
        held->bytes = added;
        return;
    }
    const int start = std::min(first, held->first);
    const int end = std::max(first + added.size(), heldEnd);
    QByteArray joined(end - start, '\0');
    joined.replace(held->first - start, held->bytes.size(), held->bytes);
    joined.replace(first - start, added.size(), added);
    held->first = start;
    held->bytes = joined;
}

bool ModuleImage::write(quint8 device, int offset, const QByteArray &bytes)
{
    if (!holds(device, offset, bytes.size()))
        return false;
    Run *held = runOf(device);
    held->bytes.replace(offset - held->first, bytes.size(), bytes);
    return true;
}

bool ModuleImage::holds(quint8 device, int offset, int length) const
{
    if (device != kDeviceA0 && device != kDeviceA2)
        return false;
    const Run &held = run(device);
    return length >= 0 && offset >= held.first && offset + length <= held.first + held.bytes.size();
}

quint8 ModuleImage::byte(quint8 device, int offset) const
{
    return holds(device, offset) ? quint8(run(device).bytes.at(offset - run(device).first)) : 0;
}

quint16 ModuleImage::word(quint8 device, int offset) const
{
    if (!holds(device, offset, 2))
        return 0;
    return quint16(byte(device, offset) << 8 | byte(device, offset + 1));
}

QByteArray ModuleImage::bytes(quint8 device, Span span) const
{
    if (!holds(device, span))
        return {};
    return run(device).bytes.mid(span.offset - run(device).first, span.length);
}

QByteArray ModuleImage::table(int table) const
{
    if (!isTable(table))
        return {};
    const quint8 device = tableDevice(table);
    const int start = tableFirstByte(table);
    const Run &held = run(device);
    const int from = std::max(start, held.first);
    const int to = std::min(start + kTableSize, held.first + held.bytes.size());
    if (from != start || to <= from)
        return {};
    return held.bytes.mid(from - held.first, to - from);
}

}  // namespace sff
