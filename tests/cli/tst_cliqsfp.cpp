// vexa-modulant-cli with a simulated QSFP28 module kept in a file, which
// the simulator knows by its byte 0: read all, decode, ethtool's layouts,
// write by page and a series, as a shell runs them.

#include "clirun.h"
#include "samplemodule.h"
#include "testbytes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// What `ethtool -m DEV hex on` prints for these bytes.
QByteArray ethtoolHex(const QByteArray &bytes)
{
    QByteArray text = "Offset\t\tValues\n------\t\t------";
    for (int i = 0; i < bytes.size(); ++i) {
        if (i % 16 == 0)
            text += QStringLiteral("\n0x%1:\t\t").arg(i, 4, 16, QLatin1Char('0')).toLatin1();
        text += bytes.mid(i, 1).toHex() + ' ';
    }
    return text + '\n';
}

}  // namespace

class TstCliQsfp : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }

    Run cli(const QStringList &arguments, const QString &modules = QString())
    {
        return runCli(arguments, path("module.bin"), path("config"), modules);
    }

    QJsonObject decoded(const QString &file)
    {
        const Run run = cli({"decode", file, "--json"});
        return QJsonDocument::fromJson(run.out).object();
    }

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        QVERIFY(writeFile(path("module.bin"), qsfp28ModuleImage()));
    }

    // read -t all gives every page the module has, in ethtool's 640 bytes,
    // and the decode of it, or of ethtool's hex text of it, the module's values.
    void readAllAndDecode()
    {
        const Run read = cli({"read", "-t", "all", "-o", path("q.bin")});
        QVERIFY2(read.code == 0, qPrintable(read.err));
        QVERIFY(read.err.contains("Module family: QSFP (SFF-8636)"));
        QCOMPARE(readFile(path("q.bin")), qsfp28ModuleImage());

        const QJsonObject json = decoded(path("q.bin"));
        QCOMPARE(json.value("family").toString(), QString("sff8636"));
        QCOMPARE(json.value("serial_number").toString(), QString("VXQ2612080001"));
        QCOMPARE(json.value("transceiver").toArray(), QJsonArray{"100GBASE-LR4 or 25GBASE-LR"});
        QCOMPARE(json.value("nominal_rate_mbd").toInt(), 25750);
        const QJsonArray lanes = json.value("diagnostics").toObject().value("lanes").toArray();
        QCOMPARE(lanes.size(), 4);
        QCOMPARE(lanes.at(3).toObject().value("tx_bias_ma").toDouble(), 48.0);
        QCOMPARE(lanes.at(0).toObject().value("rx_power_dbm").toDouble(), -3.0);

        QVERIFY(writeFile(path("q.txt"), ethtoolHex(readFile(path("q.bin")))));
        QCOMPARE(decoded(path("q.txt")), json);
        // 256 bytes are the lower page and page 00h alone.
        QVERIFY(writeFile(path("q256.bin"), qsfp28ModuleImage().left(256)));
        QVERIFY(!decoded(path("q256.bin")).value("diagnostics").toObject().contains("thresholds"));
    }

    void writeByPage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("changedFrom");  // where the module's file changes, or -1
        QTest::newRow("page 00h") << QStringList{"-t", "page-00"} << 0 << 196;
        QTest::newRow("page 03h needs the confirmation") << QStringList{"-t", "page-03"} << 2 << -1;
        QTest::newRow("page 03h confirmed") << QStringList{"-t", "page-03", "--allow-diagnostics"} << 0 << 512;
        QTest::newRow("the lower page keeps its read-only bytes") << QStringList{"-t", "lower"} << 0 << -1;
    }

    // Each page goes where it belongs; what the module keeps is verified.
    void writeByPage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(int, changedFrom);
        QByteArray image = qsfp28ModuleImage();
        image.replace(196, 4, "NEW1");
        image[223] = char(image[223] + 'N' + 'E' + 'W' + '1' - 'V' - 'X' - 'Q' - '2');
        image[512 + 1] = char(0x42);  // temperature high alarm, low byte
        image[10] = char(0xFF);       // read-only flags
        QVERIFY(writeFile(path("new.bin"), image));
        const Run run = cli(QStringList{"write", path("new.bin")} + arguments);
        QVERIFY2(run.code == code, qPrintable(run.err));
        const QByteArray module = readFile(path("module.bin"));
        QByteArray expected = qsfp28ModuleImage();
        if (changedFrom >= 0)
            expected.replace(changedFrom, 128, image.mid(changedFrom, 128));
        QCOMPARE(module, expected);
    }

    // A QSFP template programs QSFP modules: serial number, date and CC_EXT in page 00h.
    void series()
    {
        QVERIFY(writeFile(path("template.bin"), qsfp28ModuleImage()));
        const Run run = cli({"series", path("template.bin"), "--journal", path("journal.csv"), "--serial",
                             "QS+0007", "--count", "2"},
                            "2");
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QCOMPARE(run.out.simplified(), QByteArray("QS0007 passed Written and verified QS0008 passed Written and verified"));
        const QJsonObject json = decoded(path("module.bin"));
        QCOMPARE(json.value("serial_number").toString(), QString("QS0008"));
        QVERIFY(json.value("checksums").toObject().value("ext").toObject().value("ok").toBool());
        QCOMPARE(json.value("date_code").toString(), QDate::currentDate().toString(Qt::ISODate));
    }
};

QTEST_GUILESS_MAIN(TstCliQsfp)
#include "tst_cliqsfp.moc"
