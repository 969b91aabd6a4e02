#pragma once
// The module's text fields (vendor name, part number, revision, serial
// number, date code): ASCII, left-aligned and padded with spaces.

#include <QByteArray>
#include <QDate>
#include <QString>

namespace sff {

enum class TextState {
    Clean,        // printable ASCII padded with spaces
    Blank,        // spaces only
    Unspecified,  // zeros only, which leaves the field unspecified
    NulPadded,    // printable text padded with NULs instead of spaces
    NotPrintable  // bytes outside printable ASCII within the text
};

struct TextField {
    QString text;        // trimmed of trailing spaces and NULs; other unprintable bytes as \xNN
    TextState state = TextState::Clean;
    QByteArray repaired; // for NulPadded: the bytes with the NULs turned into spaces
};

TextField readText(const QByteArray &bytes);

// Latin-1 text left-aligned in `length` bytes and padded with spaces; longer
// text is cut, characters outside printable ASCII become '?'.
QByteArray encodeText(const QString &text, int length);

struct DateCode {
    bool valid = false;  // six digits YYMMDD that make a date of 2000..2099
    QDate date;
    TextField lot;       // bytes 6 and 7, the vendor's lot code
};

DateCode readDateCode(const QByteArray &eightBytes);
// "YYMMDD" and the lot code padded with spaces: the eight bytes of a date code.
QByteArray encodeDateCode(const QDate &date, const QString &lot = QString());

}  // namespace sff
