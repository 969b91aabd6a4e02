#include "tableviewmodel.h"

#include "family.h"
#include "imagefile.h"

#include <QDir>

namespace {

QString hex(uint value, int width)
{
    return QStringLiteral("%1").arg(value, width, 16, QLatin1Char('0')).toUpper();
}

} // namespace

TableViewModel::TableViewModel(QObject *parent)
    : QAbstractTableModel(parent)
    , buffer_(kTableSize, '\0')
{
}

int TableViewModel::rowCount(const QModelIndex &) const
{
    return kRows;
}

int TableViewModel::columnCount(const QModelIndex &) const
{
    return kColumns;
}

QVariant TableViewModel::data(const QModelIndex &index, int role) const
{
    const int pos = index.row() * columnCount() + index.column();
    if (role == kMarkedRole)
        return marked_.contains(pos);
    if (role != Qt::DisplayRole)
        return QVariant();
    if (pos < 0 || pos >= buffer_.size())
        return QVariant();
    return hex(quint8(buffer_.at(pos)), 2);
}

bool TableViewModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole)
        return true;
    const int pos = index.row() * columnCount() + index.column();
    if (pos < 0 || pos >= buffer_.size())
        return false;
    bool ok = false;
    const qlonglong parsed = value.toString().toLongLong(&ok, 16);
    buffer_[pos] = char(ok ? parsed & 0xFF : 0);
    emit dataChanged(index, index, {});
    updateChecksum();
    return true;
}

QVariant TableViewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return hex(uint(section), 2);
    return hex(uint(section * kColumns + addressStart_), 2) + QLatin1Char('h');
}

Qt::ItemFlags TableViewModel::flags(const QModelIndex &index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

void TableViewModel::setRegion(const sff::Region &region)
{
    if (region == region_)
        return;
    region_ = region;
    addressStart_ = region.firstByte();
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    updateChecksum();
}

void TableViewModel::setBuffer(const QByteArray &data)
{
    loaded_ = data;
    beginResetModel();
    if (data.size() > buffer_.size())
        buffer_ = data;
    else
        buffer_.replace(0, data.size(), data);
    updateChecksum();
    endResetModel();
}

void TableViewModel::pasteBuffer(const QByteArray &data)
{
    if (data.isEmpty())
        return;
    setBuffer(data);
}

void TableViewModel::clear()
{
    loaded_.clear();
    beginResetModel();
    buffer_.fill('\0');
    updateChecksum();
    endResetModel();
}

void TableViewModel::setMarked(const QVector<int> &bytes)
{
    marked_ = bytes;
    emit dataChanged(index(0, 0), index(kRows - 1, kColumns - 1), {kMarkedRole});
}

void TableViewModel::restore(const QByteArray &bytes, const QByteArray &loaded)
{
    beginResetModel();
    buffer_ = bytes;
    loaded_ = loaded;
    updateChecksum();
    endResetModel();
}

void TableViewModel::writeChecksum(int begin, int end)
{
    // -1 marks "no checksum"; a position outside the buffer is refused
    // rather than written past its end.
    if (begin < 0 || end < 0 || end >= buffer_.size())
        return;
    quint8 sum = 0;
    for (int i = begin; i < end; ++i)
        sum += quint8(buffer_.at(i));
    buffer_[end] = char(sum);
}

int TableViewModel::checksummedBytes(const sff::Region &region, int size)
{
    return region.device == sff::kDeviceA2 ? qMin(sff::kA2TableChecksumBytes, size) : size;
}

quint16 TableViewModel::checksumOf(const QByteArray &bytes, const sff::Region &region)
{
    quint16 sum = 0;
    for (int i = 0; i < checksummedBytes(region, bytes.size()); ++i)
        sum += quint8(bytes.at(i));
    return sum;
}

void TableViewModel::updateChecksum()
{
    checksum_ = checksumOf(buffer_, region_);
    emit checksumChanged(hex(checksum_, 4));
}

bool TableViewModel::load(const QString &fileName, const TextDump::Options &options)
{
    LoadedImage loaded;
    QString problem;
    if (!ImageFile::readImage(fileName, &loaded, &problem, options)) {
        emit error(problem);
        return false;
    }
    const sff::ModuleImage image = loaded.placed(region_);
    if (!image.holdsRegion(region_)) {
        const sff::Family family = sff::familyOf(image);
        QStringList held;
        for (const sff::Region &region : image.regions())
            held.append(sff::regionTitle(region, family, sff::Words(sff::Language::Translated)));
        emit error(tr("%1 does not hold %2; it holds %3")
                       .arg(QDir::toNativeSeparators(fileName),
                            sff::regionTitle(region_, family, sff::Words(sff::Language::Translated)),
                            held.join(QStringLiteral(", "))));
        return false;
    }
    setBuffer(image.region(region_));
    return true;
}

bool TableViewModel::save(const QString &fileName)
{
    QString problem;
    if (ImageFile::write(fileName, buffer_, &problem))
        return true;
    emit error(problem);
    return false;
}
