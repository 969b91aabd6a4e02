#pragma once
// One 128-byte table of a module's EEPROM, shown as an 8 x 16 grid of hex
// bytes, with the address it stands for: one of the four tables or a page of
// A2h. The model is the only place where the bytes of a buffer change: the
// cell editor and the field mappers write through it.

#include "address.h"
#include "textdump.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QString>
#include <QVector>

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

    // True for a byte shown marked.
    static constexpr int kMarkedRole = Qt::UserRole + 1;

    static constexpr int kRows = 8;
    static constexpr int kColumns = 16;
    static constexpr int kTableSize = sff::kTableSize;
    static_assert(kRows * kColumns == kTableSize, "the grid shows one table");

    explicit TableViewModel(QObject *parent = nullptr);

    static bool isA2Table(int table) { return sff::isA2Table(table); }
    // How many of `size` bytes the table checksum of a region covers, and
    // that checksum over `bytes`.
    static int checksummedBytes(const sff::Region &region, int size);
    static quint16 checksumOf(const QByteArray &bytes, const sff::Region &region);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The table the buffer stands for, or -1 for a page.
    int table() const { return sff::tableOfRegion(region_); }
    void setTable(int table) { setRegion(sff::regionOfTable(table)); }
    const sff::Region &region() const { return region_; }
    void setRegion(const sff::Region &region);
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
    // Puts back the bytes and the loaded bytes of an earlier state.
    void restore(const QByteArray &bytes, const QByteArray &loaded);

    // Bytes (0..127) shown marked, as where a compare found differences.
    void setMarked(const QVector<int> &bytes);
    const QVector<int> &marked() const { return marked_; }

    // Stores the 8-bit sum of bytes begin .. end - 1 at byte end, silently.
    void writeChecksum(int begin, int end);
    void updateChecksum();

    // The bytes of the buffer's region from an image file: a raw table as it
    // stands, from anything else the region at the buffer's address, which
    // the file must hold.
    bool load(const QString &fileName, const TextDump::Options &options = TextDump::Options());
    bool save(const QString &fileName);

signals:
    void error(QString msg);
    void checksumChanged(QString checksum);

private:
    sff::Region region_ = sff::kRegionA0Low;
    quint16 checksum_ = 0;
    int addressStart_ = 0;
    QByteArray buffer_;
    QByteArray loaded_;
    QVector<int> marked_;
};
