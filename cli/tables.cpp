#include "tables.h"

#include "console.h"
#include "exitcodes.h"
#include "imagefile.h"
#include "loadedimage.h"
#include "tableviewmodel.h"

#include <algorithm>

namespace {

constexpr quint8 kDeviceA0 = 0x50;
constexpr quint8 kDeviceA2 = 0x51;

}  // namespace

const QList<int> &Tables::all()
{
    static const QList<int> tables = {TableViewModel::kTableA0Low, TableViewModel::kTableA0High,
                                      TableViewModel::kTableA2Low, TableViewModel::kTableA2High};
    return tables;
}

const QList<QPair<QString, QList<int>>> &Tables::names()
{
    static const QList<QPair<QString, QList<int>>> list = [] {
        QList<QPair<QString, QList<int>>> named;
        for (int table : all())
            named.append({name(table), {table}});
        named.append({QStringLiteral("a0"), {TableViewModel::kTableA0Low, TableViewModel::kTableA0High}});
        named.append({QStringLiteral("a2"), {TableViewModel::kTableA2Low, TableViewModel::kTableA2High}});
        named.append({QStringLiteral("all"), all()});
        return named;
    }();
    return list;
}

bool Tables::parse(const QStringList &values, const QList<int> &fallback, QList<int> *tables, QString *error)
{
    QList<int> chosen;
    for (const QString &value : values) {
        for (const QString &word : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QString key = word.trimmed().toLower();
            QList<int> named;
            for (const auto &entry : names())
                if (key == entry.first)
                    named = entry.second;
            if (named.isEmpty()) {
                *error = tr("Unknown table \"%1\": the tables are a0-low, a0-high, a2-low, a2-high, "
                            "a0, a2 and all")
                             .arg(word);
                return false;
            }
            chosen += named;
        }
    }
    if (chosen.isEmpty())
        chosen = fallback;
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    *tables = chosen;
    return true;
}

QString Tables::name(int table)
{
    switch (table) {
    case TableViewModel::kTableA0Low: return QStringLiteral("a0-low");
    case TableViewModel::kTableA0High: return QStringLiteral("a0-high");
    case TableViewModel::kTableA2Low: return QStringLiteral("a2-low");
    default: return QStringLiteral("a2-high");
    }
}

QString Tables::title(int table)
{
    switch (table) {
    case TableViewModel::kTableA0Low: return tr("A0 Low");
    case TableViewModel::kTableA0High: return tr("A0 High");
    case TableViewModel::kTableA2Low: return tr("A2 Low");
    default: return tr("A2 High");
    }
}

QString Tables::titles(const QList<int> &tables)
{
    QStringList names;
    for (int table : tables)
        names.append(title(table));
    return names.join(QStringLiteral(", "));
}

quint8 Tables::device(int table)
{
    return TableViewModel::isA2Table(table) ? kDeviceA2 : kDeviceA0;
}

int Tables::firstByte(int table)
{
    return moduleOffset(table) % LoadedImage::kDevice;
}

int Tables::moduleOffset(int table)
{
    return table * LoadedImage::kTable;
}

int Tables::comparedBytes(int table)
{
    return TableViewModel::checksummedBytes(table, TableViewModel::kTableSize);
}

int Tables::imageSize(const QList<int> &tables)
{
    if (tables.size() == 1)
        return LoadedImage::kTable;
    if (tables.size() == 2 && device(tables.first()) == device(tables.last()))
        return LoadedImage::kDevice;
    return tables == all() ? LoadedImage::kModule : 0;
}

QByteArray Tables::assemble(const QMap<int, QByteArray> &bytes)
{
    QByteArray image;
    for (const QByteArray &table : bytes)
        image += table;
    return image;
}

bool Tables::supplies(const LoadedImage &image, const QList<int> &tables, QString *error)
{
    if (image.size() == LoadedImage::kTable && tables.size() > 1) {
        *error = tr("The image holds one table (128 bytes); name one table with -t, not %1").arg(titles(tables));
        return false;
    }
    if (image.size() == LoadedImage::kDevice && device(tables.first()) != device(tables.last())) {
        *error = tr("The image holds one device (256 bytes); name tables of A0h or of A2h with -t, not %1")
                     .arg(titles(tables));
        return false;
    }
    return true;
}

int Tables::load(const QString &file, const QList<int> &tables, LoadedImage *image, Console &console)
{
    QString problem;
    if (!ImageFile::readImage(file, image, &problem)) {
        console.message(problem);
        return kExitFailure;
    }
    if (!supplies(*image, tables, &problem)) {
        console.message(problem);
        return kExitUsage;
    }
    return kExitSuccess;
}
