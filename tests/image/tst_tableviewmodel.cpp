#include "tableviewmodel.h"

#include <QSignalSpy>
#include <QtTest>

class TstTableViewModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<Qt::Orientation>(); }

    // 128 bytes 0xFF come from a table of the other checksum rule; byte 120
    // is cleared last, which only the A0 rule counts.
    void setTable_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("lastLabel");
        QTest::addColumn<int>("stop");
        QTest::addColumn<QString>("checksum");
        QTest::addColumn<QString>("withoutByte120");
        QTest::newRow("A0 Low") << 0 << "70h" << 127 << "7F80" << "7E81";
        QTest::newRow("A0 High") << 1 << "F0h" << 255 << "7F80" << "7E81";
        QTest::newRow("A2 Low") << 2 << "70h" << 127 << "7689" << "7689";
        QTest::newRow("A2 High") << 3 << "F0h" << 255 << "7689" << "7689";
    }
    void setTable()
    {
        QFETCH(int, table);
        QFETCH(QString, lastLabel);
        QFETCH(int, stop);
        QFETCH(QString, checksum);
        QFETCH(QString, withoutByte120);
        TableViewModel model;
        model.setTable((table + 2) % 4);
        model.setBuffer(QByteArray(128, char(0xFF)));
        QSignalSpy headers(&model, &TableViewModel::headerDataChanged);
        QSignalSpy sums(&model, &TableViewModel::checksumChanged);
        model.setTable(table);
        model.setTable(table);  // the same table again is silent
        QCOMPARE(model.headerData(7, Qt::Vertical).toString(), lastLabel);
        QCOMPARE(model.addressStop(), stop);
        QCOMPARE(headers.count(), 1);
        QCOMPARE(sums.value(0).value(0).toString(), checksum);
        model.setData(model.index(7, 8), "00");
        QCOMPARE(sums.last().at(0).toString(), withoutByte120);
    }

    void setDataParsesHex()
    {
        TableViewModel model;
        QSignalSpy cells(&model, &TableViewModel::dataChanged);
        const QModelIndex index = model.index(2, 3);
        QVERIFY(model.setData(index, "1FF"));
        QCOMPARE(model.data(index).toString(), QString("FF"));
        QCOMPARE(model.headerData(15, Qt::Horizontal).toString(), QString("0F"));
        QVERIFY(model.setData(index, "7E", Qt::DisplayRole));  // other roles store nothing
        QCOMPARE(model.data(index).toString(), QString("FF"));
        QVERIFY(model.setData(index, "zz"));
        QCOMPARE(model.data(index).toString(), QString("00"));
        QCOMPARE(cells.count(), 2);
    }

    // Pasted over 128 bytes 0x01.
    void pasteBuffer_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("checksum");
        QTest::newRow("empty") << 0 << 128;
        QTest::newRow("16 bytes") << 16 << 16 * 255 + 112;
        QTest::newRow("200 bytes") << 200 << 200 * 255;
    }
    void pasteBuffer()
    {
        QFETCH(int, size);
        QFETCH(int, checksum);
        TableViewModel model;
        model.setBuffer(QByteArray(128, char(0x01)));
        QSignalSpy resets(&model, &TableViewModel::modelReset);
        QSignalSpy sums(&model, &TableViewModel::checksumChanged);
        model.pasteBuffer(QByteArray(size, char(0xFF)));
        QByteArray expected(128, char(0x01));
        expected.replace(0, size, QByteArray(size, char(0xFF)));
        QCOMPARE(model.buffer(), expected);
        QCOMPARE(model.checksum(), quint16(checksum));
        QCOMPARE(resets.count() + sums.count(), size ? 2 : 0);
    }

    void clearKeepsLength()
    {
        TableViewModel model;
        model.setBuffer(QByteArray(256, char(0x5A)));
        QSignalSpy sums(&model, &TableViewModel::checksumChanged);
        model.clear();
        QCOMPARE(model.buffer(), QByteArray(256, '\0'));
        QCOMPARE(sums.value(0).value(0).toString(), QString("0000"));
    }
};

QTEST_GUILESS_MAIN(TstTableViewModel)
#include "tst_tableviewmodel.moc"
