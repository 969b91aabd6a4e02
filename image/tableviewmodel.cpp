#include "tableviewmodel.h"
#include "imagefile.h"
#include "textdump.h"

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
    if (role != Qt::DisplayRole)
        return QVariant();
    const int pos = index.row() * columnCount() + index.column();
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

void TableViewModel::setTable(int table)
{
    if (table == table_)
        return;
    table_ = table;
    addressStart_ = sff::tableFirstByte(table);
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

int TableViewModel::checksummedBytes(int table, int size)
{
    return isA2Table(table) ? qMin(sff::tableChecksumBytes(table), size) : size;
}

quint16 TableViewModel::checksumOf(const QByteArray &bytes, int table)
{
    quint16 sum = 0;
    for (int i = 0; i < checksummedBytes(table, bytes.size()); ++i)
        sum += quint8(bytes.at(i));
    return sum;
}

void TableViewModel::updateChecksum()
{
    checksum_ = checksumOf(buffer_, table_);
    emit checksumChanged(hex(checksum_, 4));
}

bool TableViewModel::load(const QString &fileName)
{
    QByteArray data;
    QString problem;
    if (!ImageFile::readBytes(fileName, &data, &problem)) {
        emit error(problem);
        return false;
    }
    if (TextDump::isText(data)) {
        LoadedImage image;
        if (!ImageFile::decode(data, fileName, &image, &problem)) {
            emit error(problem);
            return false;
        }
        setBuffer(image.table(table_));
    } else if (!data.isEmpty()) {
        setBuffer(data);
    }
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
