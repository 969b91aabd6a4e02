#pragma once
// The text dumps people exchange module memory in, told apart by content:
//   ethtool -m DEV hex on   "Offset / Values" heading, rows "0x0010:  03 04 ..."
//   i2cdump -y BUS 0x50 b   column heading, rows "10: 03 04 ...    ascii"
//   plain hex               bytes as hex digit pairs, separated by white space
// Reading is strict: a dump that is not whole, or has a row out of place, is
// refused with the line where it goes wrong.

#include "loadedimage.h"

#include <QCoreApplication>
#include <QString>

class TextDump
{
    Q_DECLARE_TR_FUNCTIONS(TextDump)

public:
    // Printable ASCII and white space only (after a UTF-8 byte order mark):
    // a text dump rather than raw bytes.
    static bool isText(const QByteArray &data);

    // The image a text dump holds, or an empty image and a message that
    // names what was expected and the line that differs.
    static LoadedImage parse(const QByteArray &text, QString *error);

    // Bytes as `ethtool -m DEV hex on` prints them; `offset` is the module
    // offset of the first byte (A2h starts at 0x100).
    static QByteArray ethtoolHex(const QByteArray &bytes, int offset);
    // The rows alone, without the heading, for continuing a dump.
    static QByteArray ethtoolHexRows(const QByteArray &bytes, int offset);
};
