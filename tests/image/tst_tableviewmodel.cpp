#include "tableviewmodel.h"

#include <QSignalSpy>
#include <QtTest>

class TstTableViewModel : public QObject
{
    Q_OBJECT

private:
    static QString cell(const TableViewModel &model, int row, int column)
    {
        return model.data(model.index(row, column)).toString();
    }
    static QString rowLabel(const TableViewModel &model, int row)
    {
        return model.headerData(row, Qt::Vertical).toString();
    }
    static QStringList texts(const QSignalSpy &spy)
    {
        QStringList result;
        for (const QList<QVariant> &args : spy)
            result << args.at(0).toString();
        return result;
    }

private slots:
    void newModel()
    {
        TableViewModel model;
        QCOMPARE(model.rowCount(), 8);
        QCOMPARE(model.columnCount(), 16);
        QCOMPARE(model.buffer(), QByteArray(128, '\0'));
        QCOMPARE(cell(model, 0, 0), QString("00"));
        QCOMPARE(cell(model, 7, 15), QString("00"));
        QCOMPARE(rowLabel(model, 0), QString("00h"));
        QCOMPARE(rowLabel(model, 7), QString("70h"));
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString("00"));
        QCOMPARE(model.headerData(15, Qt::Horizontal).toString(), QString("0F"));
        QVERIFY(!model.headerData(0, Qt::Vertical, Qt::ToolTipRole).isValid());
        QCOMPARE(model.table(), 0);
        QCOMPARE(model.checksum(), quint16(0));
        QCOMPARE(model.addressStart(), 0);
        QCOMPARE(model.addressStop(), 127);
        QVERIFY(model.flags(model.index(3, 4)) & Qt::ItemIsEditable);
    }

    void dataShowsTwoUpperCaseDigitsForDisplayOnly()
    {
        TableViewModel model;
        model.buffer()[1] = char(0x0A);
        model.buffer()[127] = char(0xFF);
        QCOMPARE(cell(model, 0, 1), QString("0A"));
        QCOMPARE(cell(model, 7, 15), QString("FF"));
        QVERIFY(!model.data(model.index(0, 1), Qt::EditRole).isValid());
        QVERIFY(!model.data(model.index(0, 1), Qt::TextAlignmentRole).isValid());
    }

    void setTableChangesLabelsAndRangeOnly()
    {
        qRegisterMetaType<Qt::Orientation>();
        TableViewModel model;
        model.buffer()[0] = char(0x12);
        QSignalSpy headers(&model, &TableViewModel::headerDataChanged);
        QSignalSpy cells(&model, &TableViewModel::dataChanged);
        QSignalSpy resets(&model, &TableViewModel::modelReset);
        QSignalSpy sums(&model, &TableViewModel::checksumChanged);

        for (int table : {1, 3}) {
            model.setTable(0);
            headers.clear();
            model.setTable(table);
            QCOMPARE(model.table(), table);
            QCOMPARE(rowLabel(model, 0), QString("80h"));
            QCOMPARE(rowLabel(model, 7), QString("F0h"));
            QCOMPARE(model.addressStart(), 128);
            QCOMPARE(model.addressStop(), 255);
            QCOMPARE(headers.count(), 1);
            QCOMPARE(headers.at(0).at(0).value<Qt::Orientation>(), Qt::Vertical);
            QCOMPARE(headers.at(0).at(1).toInt(), 0);
            QCOMPARE(headers.at(0).at(2).toInt(), 7);
        }
        QCOMPARE(cell(model, 0, 0), QString("12"));
        QCOMPARE(cells.count(), 0);
        QCOMPARE(resets.count(), 0);

        model.setTable(2);
        QCOMPARE(rowLabel(model, 0), QString("00h"));
        QCOMPARE(model.addressStop(), 127);

        headers.clear();
        sums.clear();
        model.setTable(2);
        QCOMPARE(headers.count(), 0);
        QCOMPARE(sums.count(), 0);
    }

    void checksumFollowsTheTableRule()
    {
        TableViewModel model;
        QSignalSpy sums(&model, &TableViewModel::checksumChanged);
        model.setBuffer(QByteArray(128, char(0xFF)));
        QCOMPARE(model.checksum(), quint16(0x7F80));
        model.setTable(1);
        QCOMPARE(model.checksum(), quint16(0x7F80));
        model.setTable(2);
        QCOMPARE(model.checksum(), quint16(0x7689));
        model.setTable(3);
        QCOMPARE(model.checksum(), quint16(0x7689));
        model.setTable(0);
        QCOMPARE(texts(sums), QStringList({"7F80", "7F80", "7689", "7689", "7F80"}));
    }

    void a2ChecksumIgnoresBytes119To127()
    {
        for (int table : {2, 3}) {
            TableViewModel model;
            model.setTable(table);
            model.buffer()[118] = char(0x01);
            for (int pos = 119; pos < 128; ++pos)
                model.buffer()[pos] = char(0xFF);
            model.updateChecksum();
            QCOMPARE(model.checksum(), quint16(1));
            model.setData(model.index(7, 8), "AB");  // byte 120
            QCOMPARE(model.checksum(), quint16(1));
        }
    }

    void setDataParsesHexAndAnnounces()
    {
        TableViewModel model;
        QSignalSpy cells(&model, &TableViewModel::dataChanged);
        QSignalSpy sums(&model, &TableViewModel::checksumChanged);
        const QModelIndex index = model.index(2, 3);

        QVERIFY(model.setData(index, "1FF", Qt::EditRole));
        QCOMPARE(quint8(model.buffer().at(35)), quint8(0xFF));
        QCOMPARE(cells.count(), 1);
        QCOMPARE(cells.at(0).at(0).toModelIndex(), index);
        QCOMPARE(cells.at(0).at(1).toModelIndex(), index);
        QVERIFY(cells.at(0).at(2).value<QVector<int>>().isEmpty());
        QCOMPARE(texts(sums), QStringList({"00FF"}));

        QVERIFY(model.setData(index, "zz", Qt::EditRole));
        QCOMPARE(model.buffer().at(35), '\0');
        QCOMPARE(model.checksum(), quint16(0));

        cells.clear();
        QVERIFY(model.setData(index, "7E", Qt::DisplayRole));
        QCOMPARE(model.buffer().at(35), '\0');
        QCOMPARE(cells.count(), 0);
    }

    void pasteBufferOverlaysOrReplaces()
    {
        TableViewModel model;
        QByteArray original(128, '\0');
        for (int i = 0; i < 128; ++i)
            original[i] = char(i);
        model.setBuffer(original);
        QSignalSpy resets(&model, &TableViewModel::modelReset);
        QSignalSpy sums(&model, &TableViewModel::checksumChanged);

        model.pasteBuffer(QByteArray());
        QCOMPARE(model.buffer(), original);
        QCOMPARE(resets.count(), 0);
        QCOMPARE(sums.count(), 0);

        model.pasteBuffer(QByteArray(16, char(0xEE)));
        QCOMPARE(model.buffer().size(), 128);
        QCOMPARE(model.buffer().left(16), QByteArray(16, char(0xEE)));
        QCOMPARE(model.buffer().mid(16), original.mid(16));
        QCOMPARE(resets.count(), 1);

        // The checksum is announced before the views hear of the reset.
        QStringList order;
        connect(&model, &TableViewModel::checksumChanged, [&order] { order << "checksum"; });
        connect(&model, &TableViewModel::modelReset, [&order] { order << "reset"; });
        model.pasteBuffer(QByteArray(200, char(0xFF)));
        QCOMPARE(order, QStringList({"checksum", "reset"}));
        QCOMPARE(model.buffer(), QByteArray(200, char(0xFF)));
        QCOMPARE(model.rowCount(), 8);
        QCOMPARE(cell(model, 7, 15), QString("FF"));
        QCOMPARE(model.checksum(), quint16(200 * 255));
        model.setTable(2);
        QCOMPARE(model.checksum(), quint16(119 * 255));

        model.setTable(0);
        model.pasteBuffer(QByteArray(300, char(0xFF)));
        QCOMPARE(model.checksum(), quint16((300 * 255) & 0xFFFF));
    }

    void writeChecksumStoresSilently()
    {
        TableViewModel model;
        model.buffer().replace(0, 63, QByteArray(63, char(0x01)));
        QSignalSpy cells(&model, &TableViewModel::dataChanged);
        QSignalSpy sums(&model, &TableViewModel::checksumChanged);

        model.writeChecksum(0, 63);
        QCOMPARE(quint8(model.buffer().at(63)), quint8(0x3F));
        QCOMPARE(cells.count(), 0);
        QCOMPARE(sums.count(), 0);

        // The sum wraps at eight bits.
        model.buffer().replace(64, 31, QByteArray(31, char(0x10)));
        model.writeChecksum(64, 95);
        QCOMPARE(quint8(model.buffer().at(95)), quint8((31 * 0x10) & 0xFF));

        model.writeChecksum(5, 5);
        QCOMPARE(model.buffer().at(5), '\0');

        const QByteArray before = model.buffer();
        model.writeChecksum(-1, 63);
        model.writeChecksum(0, -1);
        model.writeChecksum(0, 128);
        QCOMPARE(model.buffer(), before);
    }

    void clearKeepsLength()
    {
        TableViewModel model;
        model.setBuffer(QByteArray(256, char(0x5A)));
        QSignalSpy sums(&model, &TableViewModel::checksumChanged);
        QSignalSpy resets(&model, &TableViewModel::modelReset);
        model.clear();
        QCOMPARE(model.buffer(), QByteArray(256, '\0'));
        QCOMPARE(texts(sums), QStringList({"0000"}));
        QCOMPARE(resets.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TstTableViewModel)
#include "tst_tableviewmodel.moc"
