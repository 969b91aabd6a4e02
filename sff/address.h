#pragma once
// Where a byte of a module lives: its device (0x50 or 0x51), the page that
// was selected when it was read (for the upper half of a paged device) and its
// offset in the device (0-255).
//
// Reads, writes, buffers and files deal in regions: 128-byte halves of a
// device. A lower half (bytes 0-127) is always there, whatever page is
// selected. An upper half (bytes 128-255) is either unpaged, as a device
// without pages shows it, or one page of a paged device, chosen by writing its
// number to byte 127 (and, for banked pages of CMIS modules, the bank to 126).

#include "memorymap.h"

#include <QString>
#include <QtGlobal>

#include <tuple>

namespace sff {

constexpr int kNoPage = -1;
constexpr int kNoBank = -1;
constexpr int kHalfSize = kTableSize;  // a region's bytes
constexpr int kMaxPage = 0xFF;

// The page an upper half shows. `bank` is set only for banked pages, whose
// selection writes the bank and the page together.
struct Page {
    int number = kNoPage;
    int bank = kNoBank;

    constexpr bool isSet() const { return number != kNoPage; }
    constexpr bool isBanked() const { return bank != kNoBank; }
    friend constexpr bool operator==(const Page &a, const Page &b) { return a.number == b.number && a.bank == b.bank; }
    friend constexpr bool operator!=(const Page &a, const Page &b) { return !(a == b); }
    friend constexpr bool operator<(const Page &a, const Page &b)
    {
        return std::tie(a.bank, a.number) < std::tie(b.bank, b.number);
    }
};

struct Region {
    quint8 device = kDeviceA0;
    bool upper = false;
    Page page;  // unset for lower halves

    static constexpr Region lowerOf(quint8 device) { return {device, false, {}}; }
    static constexpr Region upperOf(quint8 device, Page page = {}) { return {device, true, page}; }
    // The region that holds a byte of a device as `page` shows it.
    static constexpr Region holding(quint8 device, int offset, Page page = {})
    {
        return offset < kHalfSize ? lowerOf(device) : upperOf(device, page);
    }

    constexpr int firstByte() const { return upper ? kHalfSize : 0; }
    constexpr bool isPaged() const { return upper && page.isSet(); }
    constexpr bool contains(int offset) const { return offset >= firstByte() && offset < firstByte() + kHalfSize; }
    constexpr bool isValid() const
    {
        return (device == kDeviceA0 || device == kDeviceA2) && (upper || !page.isSet())
               && page.number >= kNoPage && page.number <= kMaxPage && page.bank >= kNoBank
               && (page.isSet() || !page.isBanked());
    }

    friend constexpr bool operator==(const Region &a, const Region &b)
    {
        return a.device == b.device && a.upper == b.upper && a.page == b.page;
    }
    friend constexpr bool operator!=(const Region &a, const Region &b) { return !(a == b); }
    // Module order: by device, the lower half first, unpaged before pages,
    // then unbanked pages, then banks in order.
    friend constexpr bool operator<(const Region &a, const Region &b)
    {
        return std::tie(a.device, a.upper, a.page) < std::tie(b.device, b.upper, b.page);
    }
};

// The four tables of an SFP module as regions.
constexpr Region kRegionA0Low = Region::lowerOf(kDeviceA0);
constexpr Region kRegionA0High = Region::upperOf(kDeviceA0);
constexpr Region kRegionA2Low = Region::lowerOf(kDeviceA2);
constexpr Region kRegionA2High = Region::upperOf(kDeviceA2);

constexpr Region regionOfTable(int table)
{
    return Region{tableDevice(table), tableFirstByte(table) != 0, {}};
}
// The table a region is, or -1 for a page.
constexpr int tableOfRegion(const Region &region)
{
    return region.isPaged() ? -1 : tableOf(region.device, region.firstByte());
}

// One byte's full address.
struct Address {
    quint8 device = kDeviceA0;
    int offset = 0;
    Page page;  // of an upper-half byte

    constexpr Region region() const { return Region::holding(device, offset, page); }
};

enum class Family;

// The translated name of the field that holds a byte, e.g. "Vendor name" for
// device 0x50 byte 25; empty for a byte of no known field. The lower page of
// device 0x50 is named in the family's words (SFP unless said otherwise).
QString fieldNameAt(const Address &address, Family family);
QString fieldNameAt(const Address &address);
// The same in English whatever the language, for output other programs read.
QString fieldNameAtUntranslated(const Address &address, Family family);
QString fieldNameAtUntranslated(const Address &address);
inline QString fieldNameAt(quint8 device, int offset) { return fieldNameAt(Address{device, offset, {}}); }
inline QString fieldNameAtUntranslated(quint8 device, int offset)
{
    return fieldNameAtUntranslated(Address{device, offset, {}});
}

}  // namespace sff
