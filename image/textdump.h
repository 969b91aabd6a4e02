#pragma once
// The text dumps people exchange module memory in, told apart by content:
//   ethtool -m DEV hex on   "Offset / Values" heading, rows "0x0010:  03 04 ..."
//                           whose offsets place each byte in the family's flat
//                           layout (A2h of an SFP module from 0x100);
//   the tool's own dump     the same rows, each region after a line naming it:
//                           "# a2-page-01"; the line says what the offsets
//                           cannot, the page of A2h or the bank;
//   i2cdump -y BUS 0x50 b   column heading, rows "10: 03 04 ...    ascii" of
//                           one device, which the dump does not name;
//   plain hex               bytes as hex digit pairs, separated by white space,
//                           whose count says what they are, as a raw file's does.
// Reading is strict: a region held in part, a row out of place or a line that
// is none of these is refused with the line where it goes wrong.

#include "loadedimage.h"

#include <QCoreApplication>
#include <QString>

class TextDump
{
    Q_DECLARE_TR_FUNCTIONS(TextDump)

public:
    struct Options {
        // The device an i2cdump is of.
        quint8 i2cdumpDevice = sff::kDeviceA0;
    };

    // Printable ASCII and white space only (after a UTF-8 byte order mark):
    // a text dump rather than raw bytes.
    static bool isText(const QByteArray &data);
    // A dump with an offset column (ethtool's, i2cdump's or the tool's own)
    // rather than plain hex.
    static bool hasOffsets(const QByteArray &text);
    // An i2cdump, which does not say which device it is of.
    static bool isI2cdump(const QByteArray &text);

    // The image a text dump holds, or an empty image and a message that
    // names what was expected and the line that differs.
    static LoadedImage parse(const QByteArray &text, QString *error, const Options &options);
    static LoadedImage parse(const QByteArray &text, QString *error) { return parse(text, error, Options()); }

    // The tool's own dump of an image, read back to the same bytes at the
    // same addresses: ethtool's heading and rows, each region after its name.
    static QByteArray write(const sff::ModuleImage &image);
};
