#include "differences.h"

#include "fieldnames.h"

#include <QStringList>
#include <QVector>

namespace {

QString hexByte(quint8 value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0'));
}

}  // namespace

void Differences::compare(const QByteArray &first, const QByteArray &second, int count, quint8 device,
                          int firstByte)
{
    for (int i = 0; i < count && i < first.size() && i < second.size(); ++i)
        if (first.at(i) != second.at(i))
            bytes_.append({device, firstByte + i, quint8(first.at(i)), quint8(second.at(i))});
}

QString Differences::listing(const QString &firstTitle, const QString &secondTitle) const
{
    QList<QStringList> rows = {{tr("Offset"), tr("Byte"), firstTitle, secondTitle, tr("Field")}};
    for (const Byte &byte : bytes_) {
        const int moduleOffset = (byte.device == 0x51 ? 256 : 0) + byte.offset;
        rows.append({QStringLiteral("0x%1").arg(moduleOffset, 4, 16, QLatin1Char('0')),
                     QStringLiteral("%1h %2").arg(byte.device == 0x51 ? QStringLiteral("A2") : QStringLiteral("A0"))
                         .arg(byte.offset),
                     hexByte(byte.first), hexByte(byte.second), fieldName(byte.device, byte.offset)});
    }
    QVector<int> widths(rows.first().size(), 0);
    for (const QStringList &row : rows)
        for (int column = 0; column < row.size(); ++column)
            widths[column] = qMax(widths[column], row.at(column).size());
    QString text;
    for (const QStringList &row : rows) {
        QString line;
        for (int column = 0; column < row.size(); ++column)
            line += row.at(column).leftJustified(widths[column] + 2);
        text += line.trimmed() + QLatin1Char('\n');
    }
    return text;
}
