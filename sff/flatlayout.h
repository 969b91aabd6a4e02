#pragma once
// The flat layouts in which `ethtool -m DEV raw on` and `hex on` put a
// module's regions one after the other, and the offsets the tool's own dumps
// give their rows:
//   SFP   A0h bytes 0-255 at 0x000, A2h at 0x100 (512 bytes);
//   QSFP  the lower page at 0x000, then upper pages 00h-03h from 0x080
//         (640 bytes; 256 with page 00h alone);
//   CMIS  the lower page and page 00h (256 bytes).
// Every upper page N of device 0x50 sits at 0x080 + N * 0x80. The pages of
// A2h, and banks, have no place of their own: they share the place of the
// upper half they are shown in, and a dump says which page its rows are.

#include "family.h"
#include "moduleimage.h"

#include <QByteArray>
#include <QList>

namespace sff {

// The flat offset of a region's first byte.
int flatOffset(const Region &region);
// The region whose bytes sit at a flat offset in the family's layout; false
// past the layout.
bool regionAtFlat(int flat, Family family, Region *region);

// The raw file sizes that say by themselves what they hold.
constexpr int kRawSfpDevice = 256;   // A0h, or the lower page and page 00h
constexpr int kRawSfpModule = 512;   // A0h then A2h
constexpr int kRawQsfpModule = 640;  // lower page, pages 00h-03h
bool isRawModuleSize(qint64 size);

// The image a raw file of one of those sizes holds, told by its size and by
// byte 0 where the size alone is ambiguous; false with the reason otherwise.
bool fromRawLayout(const QByteArray &bytes, ModuleImage *image, QString *reason);
// The raw file that holds exactly these regions, or an empty array when no
// layout does.
QByteArray toRawLayout(const ModuleImage &image);

}  // namespace sff
