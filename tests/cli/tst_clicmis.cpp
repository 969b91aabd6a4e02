// vexa-modulant-cli with a simulated QSFP-DD module (CMIS) kept in a file,
// which the simulator knows by its byte 0: read all, decode, write page 00h
// with verify, and what is refused, as a shell runs them.

#include "checkcodes.h"
#include "clirun.h"
#include "imagefile.h"
#include "samplemodule.h"
#include "testbytes.h"
#include "textfields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const sff::Region kPage00 = sff::Region::upperOf(sff::kDeviceA0, sff::Page{0});

}  // namespace

class TstCliCmis : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }

    Run cli(const QStringList &arguments) { return runCli(arguments, path("module.txt"), path("config")); }

    QJsonObject decoded(const QStringList &source = {})
    {
        const Run run = cli(QStringList{"decode", "--json"} + source);
        return QJsonDocument::fromJson(run.out).object();
    }

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        QVERIFY(writeFile(path("module.txt"), ImageFile::encode(qsfpDdModuleImage())));
    }

    // `all` reads what page 01h advertises, banked pages by their bank, and
    // the file decodes to what the module holds.
    void readAllAndDecode()
    {
        const Run read = cli({"read", "-t", "all", "-o", path("read.txt")});
        QCOMPARE(read.code, 0);
        QVERIFY2(read.err.contains("Module family: CMIS"), qPrintable(read.err));
        LoadedImage loaded;
        QString error;
        QVERIFY2(ImageFile::readImage(path("read.txt"), &loaded, &error), qPrintable(error));
        QStringList keys;
        for (const sff::Region &region : loaded.image().regions())
            keys.append(sff::regionKey(region, sff::Family::Cmis));
        QCOMPARE(keys, QStringList({"lower", "page-00", "page-01", "page-02", "bank-0-page-10", "bank-0-page-11"}));

        for (const QJsonObject &json : {decoded({path("read.txt")}), decoded()}) {
            QCOMPARE(json.value("family").toString(), QStringLiteral("cmis"));
            QCOMPARE(json.value("part_number").toString(), QStringLiteral("VX-QDD-400G-DR4"));
            QCOMPARE(json.value("module_state").toObject().value("name").toString(), QStringLiteral("ModuleReady"));
            const QJsonObject first = json.value("applications").toArray().first().toObject();
            QCOMPARE(first.value("media_interface").toString(), QStringLiteral("400GBASE-DR4 (Clause 124)"));
            QCOMPARE(json.value("diagnostics").toObject().value("lanes").toArray().size(), 8);
            for (const QJsonValue code : json.value("checksums").toObject())
                QVERIFY(code.toObject().value("ok").toBool());
        }
    }

    // Page 00h goes out after the password in the lower page and reads back
    // as written; the module keeps it.
    void writePage00WithVerify()
    {
        sff::ModuleImage image = qsfpDdModuleImage();
        image.write(sff::kDeviceA0, 166, sff::encodeText("NEW0001", 16), kPage00.page);
        sff::recomputeCheckCodes(image);
        QVERIFY(writeFile(path("new.txt"), ImageFile::encode(image)));
        const Run write = cli({"write", "-t", "page-00", "--password", "11223344", path("new.txt")});
        QVERIFY2(write.code == 0, qPrintable(write.err));
        QVERIFY(write.err.contains("Page 00h written and verified"));
        const QJsonObject json = decoded();
        QCOMPARE(json.value("serial_number").toString(), QStringLiteral("NEW0001"));
        QVERIFY(json.value("checksums").toObject().value("page_00").toObject().value("ok").toBool());
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("thresholds without --allow-diagnostics")
            << QStringList{"write", "-t", "page-02", "module.txt"} << "--allow-diagnostics";
        QTest::newRow("640 raw bytes of a CMIS module") << QStringList{"decode", "flat.bin"} << "256 bytes";
        QTest::newRow("a series of CMIS modules")
            << QStringList{"series", "--serial", "A+0001", "--count", "1", "module.txt"} << "CMIS";
    }

    // Nothing reaches the module; the message says why.
    void refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QByteArray flat(640, '\0');
        flat[0] = char(0x18);
        QVERIFY(writeFile(path("flat.bin"), flat));
        for (QString &argument : arguments)
            if (argument.endsWith(".txt") || argument.endsWith(".bin"))
                argument = path(argument);
        const QByteArray before = ImageFile::encode(qsfpDdModuleImage());
        const Run run = cli(arguments);
        QVERIFY(run.code != 0);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QFile module(path("module.txt"));
        QVERIFY(module.open(QIODevice::ReadOnly));
        QCOMPARE(module.readAll(), before);
    }
};

QTEST_GUILESS_MAIN(TstCliCmis)
#include "tst_clicmis.moc"
