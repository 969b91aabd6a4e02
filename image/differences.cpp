#include "differences.h"

#include "flatlayout.h"

#include <QStringList>
#include <QVector>

namespace {

QString hexByte(quint8 value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0'));
}

}  // namespace

void Differences::compare(const sff::Region &region, const QByteArray &first, const QByteArray &second,
                          const QVector<sff::Span> &spans)
{
    for (const sff::Span &span : spans) {
        for (int offset = span.offset; offset < span.end(); ++offset) {
            const int i = offset - region.firstByte();
            if (i < 0 || i >= first.size() || i >= second.size() || first.at(i) == second.at(i))
                continue;
            bytes_.append({sff::Address{region.device, offset, region.page}, sff::flatOffset(region) + i,
                           quint8(first.at(i)), quint8(second.at(i))});
        }
    }
}

void Differences::compare(const sff::Region &region, const QByteArray &first, const QByteArray &second)
{
    compare(region, first, second, {sff::Span{region.firstByte(), sff::kHalfSize}});
}

QString Differences::where(const sff::Address &address)
{
    const QString device = address.device == sff::kDeviceA2 ? QStringLiteral("A2h") : QStringLiteral("A0h");
    if (address.offset >= sff::kHalfSize && address.page.isSet()) {
        const QString page = QStringLiteral("%1").arg(address.page.number, 2, 16, QLatin1Char('0')).toUpper();
        if (address.page.isBanked())
            return tr("%1 bank %2 page %3h %4").arg(device).arg(address.page.bank).arg(page).arg(address.offset);
        return tr("%1 page %2h %3").arg(device, page).arg(address.offset);
    }
    return QStringLiteral("%1 %2").arg(device).arg(address.offset);
}

QString Differences::firstByte() const
{
    return bytes_.isEmpty() ? QString() : where(bytes_.first().address);
}

QString Differences::listing(const QString &firstTitle, const QString &secondTitle) const
{
    QList<QStringList> rows = {{tr("Offset"), tr("Byte"), firstTitle, secondTitle, tr("Field")}};
    for (const Byte &byte : bytes_)
        rows.append({QStringLiteral("0x%1").arg(byte.flatOffset, 4, 16, QLatin1Char('0')), where(byte.address),
                     hexByte(byte.first), hexByte(byte.second), sff::fieldNameAt(byte.address)});
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
