#include "textfields.h"

namespace sff {

namespace {

bool printable(char c) { return c >= 0x20 && c <= 0x7E; }

}  // namespace

TextField readText(const QByteArray &bytes)
{
    TextField field;
    int end = bytes.size();
    bool nulInPadding = false;
    while (end > 0 && (bytes.at(end - 1) == ' ' || bytes.at(end - 1) == '\0')) {
        nulInPadding = nulInPadding || bytes.at(end - 1) == '\0';
        --end;
    }
    bool unprintable = false;
    for (int i = 0; i < end; ++i) {
        const char c = bytes.at(i);
        if (printable(c)) {
            field.text += QLatin1Char(c);
        } else {
            unprintable = true;
            field.text += QLatin1String("\\x")
                          + QString::number(quint8(c), 16).rightJustified(2, QLatin1Char('0')).toUpper();
        }
    }
    if (unprintable) {
        field.state = TextState::NotPrintable;
    } else if (end == 0) {
        field.state = bytes.count('\0') == bytes.size() ? TextState::Unspecified : TextState::Blank;
        if (field.state == TextState::Blank && nulInPadding)
            field.state = TextState::NulPadded;
    } else if (nulInPadding) {
        field.state = TextState::NulPadded;
    }
    if (field.state == TextState::NulPadded)
        field.repaired = bytes.left(end) + QByteArray(bytes.size() - end, ' ');
    return field;
}

QByteArray encodeText(const QString &text, int length)
{
    QByteArray bytes(length, ' ');
    for (int i = 0; i < length && i < text.size(); ++i) {
        const ushort c = text.at(i).unicode();
        bytes[i] = c >= 0x20 && c <= 0x7E ? char(c) : '?';
    }
    return bytes;
}

DateCode readDateCode(const QByteArray &eightBytes)
{
    DateCode code;
    const QByteArray digits = eightBytes.left(6);
    bool numeric = digits.size() == 6;
    for (char c : digits)
        numeric = numeric && c >= '0' && c <= '9';
    if (numeric) {
        code.date = QDate(2000 + digits.left(2).toInt(), digits.mid(2, 2).toInt(), digits.mid(4, 2).toInt());
        code.valid = code.date.isValid();
    }
    code.lot = readText(eightBytes.mid(6, 2));
    return code;
}

QByteArray encodeDateCode(const QDate &date, const QString &lot)
{
    return date.toString(QStringLiteral("yyMMdd")).toLatin1() + encodeText(lot, 2);
}

}  // namespace sff
