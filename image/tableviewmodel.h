#pragma once
// One 128-byte table of a module's EEPROM, shown as an 8 x 16 grid of hex
// bytes. The model is the only place where the bytes of a buffer change:
// the cell editor and the field mappers write through it.

#include "memorymap.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QString>

class TableViewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // In the order of the main window's table selector.
    enum TableId {
        kTableA0Low = sff::kTableA0Low,
        kTableA0High = sff::kTableA0High,
        kTableA2Low = sff::kTableA2Low,
        kTableA2High = sff::kTableA2High
    };

    static constexpr int kRows = 8;
    static constexpr int kColumns = 16;
    static constexpr int kTableSize = sff::kTableSize;
    static_assert(kRows * kColumns == kTableSize, "the grid shows one table");

    explicit TableViewModel(QObject *parent = nullptr);

    static bool isA2Table(int table) { return sff::isA2Table(table); }
    // How many of `size` bytes the table checksum of `table` covers, and
    // that checksum over `bytes`.
    static int checksummedBytes(int table, int size);
    static quint16 checksumOf(const QByteArray &bytes, int table);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    int table() const { return table_; }
    void setTable(int table);
    int addressStart() const { return addressStart_; }
    int addressStop() const { return addressStart_ + kTableSize - 1; }
    quint16 checksum() const { return checksum_; }

    QByteArray &buffer() { return buffer_; }
    // The bytes as they were last read, opened or pasted, before the field
    // mappers put the check codes right.
    const QByteArray &loaded() const { return loaded_; }
    void setBuffer(const QByteArray &data);
    void pasteBuffer(const QByteArray &data);
    void clear();

    // Stores the 8-bit sum of bytes begin .. end - 1 at byte end, silently.
    void writeChecksum(int begin, int end);
    void updateChecksum();

    // A raw file is laid over the buffer as it is (up to 64 KiB); a text dump
    // gives the bytes of this buffer's table.
    bool load(const QString &fileName);
    bool save(const QString &fileName);

signals:
    void error(QString msg);
    void checksumChanged(QString checksum);

private:
    int table_ = kTableA0Low;
    quint16 checksum_ = 0;
    int addressStart_ = 0;
    QByteArray buffer_;
    QByteArray loaded_;
};
