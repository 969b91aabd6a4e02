// vexa-modulant-cli as a shell runs it: each command against the simulated
// programmer, checking what it prints, its exit status, the files it leaves
// and the module's memory (the simulator's file) afterwards.

#include "samplemodule.h"
#include "testbytes.h"
#include "textdump.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The bytes of `bytes` from `at` replaced by `part`.
QByteArray replaced(QByteArray bytes, int at, const QByteArray &part)
{
    return bytes.replace(at, part.size(), part);
}

int differing(const QByteArray &a, const QByteArray &b, int from, int count)
{
    int n = 0;
    for (int i = from; i < from + count; ++i)
        n += a.at(i) != b.at(i);
    return n;
}

// `i2cdump -y 1 0x50 b` of one device.
QByteArray i2cdump(const QByteArray &device)
{
    QByteArray text = "     0  1  2  3  4  5  6  7  8  9  a  b  c  d  e  f    0123456789abcdef\n";
    for (int row = 0; row < device.size(); row += 16)
        text += QByteArray::number(row, 16).rightJustified(2, '0') + ": " + device.mid(row, 16).toHex(' ')
                + "    ................\n";
    return text;
}

// `ethtool -m eth0 hex on` of a 1000BASE-LX module with internally calibrated
// diagnostics, made up for the test with correct check codes: 41.25 degrees C,
// 3.28 V, 12.5 mA, TX -6 dBm, RX -10 dBm.
const char kEthtoolDump[] =
    "Offset\t\tValues\n"
    "------\t\t------\n"
    "0x0000:\t\t03 04 07 00 00 00 02 00 00 00 00 01 0d 00 0a 64 \n"
    "0x0010:\t\t00 00 00 00 4b 4f 52 56 41 4c 20 50 48 4f 54 4f \n"
    "0x0020:\t\t4e 49 43 53 00 00 00 00 4b 50 2d 53 46 50 2d 31 \n"
    "0x0030:\t\t47 2d 4c 58 31 30 20 20 31 2e 30 20 05 1e 00 cc \n"
    "0x0040:\t\t00 1a 00 00 4b 50 32 33 31 31 30 34 35 37 20 20 \n"
    "0x0050:\t\t20 20 20 20 32 33 31 31 30 37 20 20 68 f0 05 d7 \n"
    "0x0060:\t\t00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 \n"
    "0x0070:\t\t00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 \n"
    "0x0080:\t\t00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 \n"
    "0x0090:\t\t00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 \n"
    "0x00a0:\t\t00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 \n"
    "0x00b0:\t\t00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 \n"
    "0x00c0:\t\t00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 \n"
    "0x00d0:\t\t00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 \n"
    "0x00e0:\t\t00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 \n"
    "0x00f0:\t\t00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 \n"
    "0x0100:\t\t50 00 f6 00 4b 00 fb 00 8c a0 75 30 88 b8 79 18 \n"
    "0x0110:\t\t9c 40 03 e8 88 b8 05 dc 27 10 03 1a 1f 07 03 e8 \n"
    "0x0120:\t\t27 10 00 20 1f 07 00 28 00 00 00 00 00 00 00 00 \n"
    "0x0130:\t\t00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 \n"
    "0x0140:\t\t00 00 00 00 3f 80 00 00 00 00 00 00 01 00 00 00 \n"
    "0x0150:\t\t01 00 00 00 01 00 00 00 01 00 00 00 00 00 00 e3 \n"
    "0x0160:\t\t29 40 80 20 18 6a 09 d0 03 e8 00 00 00 00 00 00 \n"
    "0x0170:\t\t00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 \n"
    "0x0180:\t\t00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 \n"
    "0x0190:\t\t00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 \n"
    "0x01a0:\t\t00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 \n"
    "0x01b0:\t\t00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 \n"
    "0x01c0:\t\t00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 \n"
    "0x01d0:\t\t00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 \n"
    "0x01e0:\t\t00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 \n"
    "0x01f0:\t\t00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 \n";

// The tool's own dump of regions of an SFP image of 512 bytes.
QByteArray dumpOf(const QByteArray &module, const QList<sff::Region> &regions,
                  const QList<QPair<sff::Region, QByteArray>> &more = {})
{
    const sff::ModuleImage whole = sff::ModuleImage::fromBytes(module);
    sff::ModuleImage image;
    for (const sff::Region &region : regions)
        image.putRegion(region, whole.region(region));
    for (const auto &page : more)
        image.putRegion(page.first, page.second);
    return TextDump::write(image);
}

const QList<sff::Region> kTables{sff::kRegionA0Low, sff::kRegionA0High, sff::kRegionA2Low, sff::kRegionA2High};
const sff::Region kA2Page01 = sff::Region::upperOf(sff::kDeviceA2, sff::Page{1});

// A value in JSON by its path, "checksums/base/ok" or "fields/0/name".
QJsonValue valueAt(QJsonValue value, const QString &path)
{
    for (const QString &key : path.split('/'))
        value = value.isArray() ? value.toArray().at(key.toInt()) : value.toObject().value(key);
    return value;
}

}  // namespace

class TstCliCommands : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    const QByteArray sample = sampleModuleImage();
    const QByteArray image = pattern(512, 3);
    const QByteArray table = pattern(128, 9);

    QString path(const QString &name) const { return dir.filePath(name); }

    struct Run {
        int exitCode;
        QByteArray out;
        QString err;
    };

    // Runs the program on a module that holds the sample image, or the one
    // VEXA_SIMULATOR names, with `input` on its standard input.
    Run run(const QStringList &arguments, const QString &simulator = QString(), const QByteArray &input = QByteArray(),
            const QString &lock = QString())
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("VEXA_SIMULATOR", simulator.isEmpty() ? path("module.bin") : simulator);
        environment.insert("VEXA_SIMULATOR_PASSWORD", lock);
        environment.insert("XDG_CONFIG_HOME", path("config"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VEXA_CLI), arguments);
        program.write(input);
        program.closeWriteChannel();
        if (!program.waitForFinished(60000))
            return {-1, {}, program.errorString()};
        return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1, program.readAllStandardOutput(),
                QString::fromUtf8(program.readAllStandardError())};
    }

    void storeLanguage(int index)
    {
        QSettings settings(path("config/Zorvik/Vexa Modulant.conf"), QSettings::IniFormat);
        settings.setValue("gui/language", index);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY(writeFile(path("image.bin"), image));
        QVERIFY(writeFile(path("table.bin"), table));
        QVERIFY(writeFile(path("sample.bin"), sample));
        QVERIFY(writeFile(path("a0.txt"), i2cdump(image.left(256))));
        QVERIFY(writeFile(path("broken.txt"), "03 04\n07 zz\n"));
        QVERIFY(writeFile(path("ethtool.txt"), kEthtoolDump));
        QVERIFY(writeFile(path("badbase.bin"), replaced(sample, 63, QByteArray(1, char(sample.at(63) + 1)))));
        QVERIFY(writeFile(path("baddmi.bin"), replaced(sample, 256 + 95, QByteArray(1, char(sample.at(351) + 1)))));
        // No diagnostics in byte 92 (CC_EXT kept right), and a CC_DMI that would be wrong.
        QByteArray noDiagnostics = replaced(sample, 92, QByteArray(1, '\0'));
        noDiagnostics[95] = char(sample.at(95) - sample.at(92));
        QVERIFY(writeFile(path("nodmi.bin"), replaced(noDiagnostics, 351, QByteArray(1, char(sample.at(351) + 1)))));
        QVERIFY(writeFile(path("dark.bin"), replaced(sample, 256 + 104, QByteArray(2, '\0'))));  // RX power 0
        QVERIFY(writeFile(path("a2.txt"), dumpOf(sample, {sff::kRegionA2Low, sff::kRegionA2High})));
        QVERIFY(writeFile(path("both.txt"), dumpOf(sample, {sff::kRegionA0Low, sff::kRegionA2Low})));
        QVERIFY(writeFile(path("high.txt"), dumpOf(sample, {sff::kRegionA0High})));
        QVERIFY(writeFile(path("spaces.bin"), QByteArray(128, ' ')));
        QVERIFY(writeFile(path("page.txt"), dumpOf(sample, {}, {{kA2Page01, table}})));
    }

    void init()
    {
        QVERIFY(writeFile(path("module.bin"), sample));
        QFile::remove(path("out.bin"));
    }

    void commands_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");  // a part of standard output; empty: nothing
        QTest::addColumn<QString>("err");     // a part of standard error; empty: nothing
        QTest::addColumn<QByteArray>("module");
        QTest::addColumn<QByteArray>("written");  // out.bin afterwards; empty: no file

        const QString out = path("out.bin");
        const QByteArray none;
        QTest::newRow("list") << QStringList{"list"} << 0 << QByteArray("VEXASIM1  FTDI    Vexa simulated programmer\nVEXASIM2  CH341A  CH341A VEXASIM2\n")
                              << "" << sample << none;
        QTest::newRow("read as a hex dump")
            << QStringList{"read"} << 0 << "# a2-low\n0x0100:\t\t" + sample.mid(256, 16).toHex(' ') + " \n0x0110:" << ""
            << sample << none;
        // The sample module advertises A2h pages: the file keeps them.
        QTest::newRow("read the whole module") << QStringList{"read", "-o", out} << 0 << none << "" << sample
                                               << dumpOf(sample, kTables, {{kA2Page01, QByteArray(128, '\0')}});
        QTest::newRow("read the four tables") << QStringList{"read", "-t", "a0,a2", "-o", out} << 0 << none << ""
                                              << sample << sample;
        QTest::newRow("read A2h to standard output")
            << QStringList{"read", "-t", "a2", "-o", "-"} << 0 << dumpOf(sample, {sff::kRegionA2Low, sff::kRegionA2High})
            << "" << sample << none;
        QTest::newRow("read A0 Low raw") << QStringList{"read", "--table", "a0-low", "-o", out} << 0 << none << ""
                                         << sample << sample.left(128);
        QTest::newRow("read scattered tables") << QStringList{"read", "-t", "a0-low,a2-high", "-o", out} << 0 << none
                                               << "" << sample
                                               << dumpOf(sample, {sff::kRegionA0Low, sff::kRegionA2High});
        QTest::newRow("read a page") << QStringList{"read", "-t", "a2-page-01"} << 0
                                     << QByteArray("# a2-page-01\n0x0180:\t\t00 00") << "" << sample << none;
        QTest::newRow("read a page the module lacks") << QStringList{"read", "-t", "a2-page-05"} << 1 << none
                                                      << "did not take page 05h" << sample << none;
        QTest::newRow("unknown programmer") << QStringList{"read", "-p", "NOPE"} << 1 << none
                                            << "No programmer with the serial number NOPE is attached; found: VEXASIM1"
                                            << sample << none;

        QTest::newRow("write A0 Low") << QStringList{"write", path("image.bin")} << 0 << none
                                      << "A0 Low written and verified" << replaced(sample, 0, image.left(128)) << none;
        QTest::newRow("A2 Low needs leave") << QStringList{"write", path("image.bin"), "-t", "all"} << 2 << none
                                            << "--allow-diagnostics" << sample << none;
        // The password entry and the page select of A2h are no data.
        QTest::newRow("write everything")
            << QStringList{"write", path("image.bin"), "-t", "all", "--allow-diagnostics", "--password", "preset2"}
            << 0 << none << "A2 High written and verified" << replaced(image, 256 + 123, sample.mid(256 + 123, 5))
            << none;
        QTest::newRow("an A2h dump is no A0 Low") << QStringList{"write", path("a2.txt")} << 2 << none
                                                  << "The image holds no A0 Low" << sample << none;
        QTest::newRow("an A2h dump into A0 High") << QStringList{"write", path("a2.txt"), "-t", "a0-high"} << 2 << none
                                                  << "The image does not hold a0-high; it holds a2-low, a2-high"
                                                  << sample << none;
        QTest::newRow("an A2h dump into A2 High")
            << QStringList{"write", path("a2.txt"), "-t", "a2-high"} << 0 << none << "A2 High written and verified"
            << sample << none;
        QTest::newRow("a table of spaces") << QStringList{"write", path("spaces.bin"), "-t", "a2-high"} << 0 << none
                                           << "A2 High written and verified"
                                           << replaced(sample, 384, QByteArray(128, ' ')) << none;
        QTest::newRow("write a page") << QStringList{"write", path("page.txt"), "-t", "a2-page-01"} << 0 << none
                                      << "A2 Page 01h written and verified"
                                      << dumpOf(sample, kTables, {{kA2Page01, table}}) << none;
        QTest::newRow("write a table unverified")
            << QStringList{"write", path("table.bin"), "-t", "a2-high", "--no-verify"} << 0 << none
            << "A2 High written, not verified" << replaced(sample, 384, table) << none;
        QTest::newRow("write from an i2cdump") << QStringList{"write", path("a0.txt"), "-t", "a0-high"} << 0 << none
                                               << "A0 High written" << replaced(sample, 128, image.mid(128, 128))
                                               << none;
        QTest::newRow("one table, two asked") << QStringList{"write", path("table.bin"), "-t", "a0"} << 2 << none
                                              << "The image holds one table (128 bytes)" << sample << none;
        QTest::newRow("bad password") << QStringList{"write", path("image.bin"), "--password", "12345"} << 2 << none
                                      << "Unknown password \"12345\": give none, preset1, preset2, custom, auto, "
                                         "eight hexadecimal digits or a name of the password list: Zorvik 1, "
                                         "Zorvik 2, SFF-8472 default"
                                      << sample << none;
        QTest::newRow("missing image") << QStringList{"write", path("missing.bin")} << 1 << none
                                       << "Couldn't open " + path("missing.bin") + ": " << sample << none;

        QTest::newRow("verify, same") << QStringList{"verify", path("sample.bin"), "-t", "all"} << 0 << none
                                      << "The module matches the image: A0 Low, A0 High, A2 Low, A2 High" << sample
                                      << none;
        // Of A2h only what a module keeps: thresholds to CC_DMI, the user memory.
        QTest::newRow("verify, different")
            << QStringList{"verify", path("image.bin")} << 3 << QByteArray("Extended identifier\n0x0002  A0h 2")
            << QString("Bytes that differ: %1")
                   .arg(differing(image, sample, 0, 256) + differing(image, sample, 256, 96)
                        + differing(image, sample, 384, 120))
            << sample << none;
        QTest::newRow("verify a dump with a gap") << QStringList{"verify", path("both.txt"), "-t", "a0-low,a2-low"} << 0
                                                  << none << "The module matches the image: A0 Low, A2 Low" << sample
                                                  << none;
        QTest::newRow("verify A0 High from a dump") << QStringList{"verify", path("high.txt")} << 0 << none
                                                    << "The module matches the image: A0 High" << sample << none;
        QTest::newRow("verify a broken dump") << QStringList{"verify", path("broken.txt")} << 1 << none
                                              << "Line 2: \"zz\" is not a hexadecimal byte" << sample << none;

        QTest::newRow("diff") << QStringList{"diff", path("image.bin"), path("sample.bin")} << 3
                              << QByteArray("00          Vendor control functions\n")
                              << QString("Bytes that differ: %1").arg(differing(image, sample, 0, 512)) << sample
                              << none;
        QTest::newRow("diff, same") << QStringList{"diff", path("sample.bin"), path("sample.bin")} << 0 << none
                                    << "The images are the same." << sample << none;
        QTest::newRow("diff, other tables") << QStringList{"diff", path("image.bin"), path("table.bin")} << 3
                                            << QByteArray("Only in image.bin: a0-high, a2-low, a2-high\n")
                                            << QString("Bytes that differ: %1").arg(differing(image, table, 0, 128))
                                            << sample << none;
        QTest::newRow("diff names A2h bytes") << QStringList{"diff", path("a2.txt"), path("image.bin")} << 3
                                              << QByteArray("Temperature: high alarm threshold\n")
                                              << "Bytes that differ: " << sample << none;

        QTest::newRow("decode a file") << QStringList{"decode", path("sample.bin")} << 0
                                       << QByteArray("0.2818 mW (-5.50 dBm, average)\n") << "" << sample << none;
        QTest::newRow("decode the module") << QStringList{"decode", "-p", "VEXASIM1"} << 0
                                           << QByteArray("VX2612060001\n") << "" << sample << none;
        QTest::newRow("decode in Russian") << QStringList{"--lang", "ru", "decode", path("sample.bin")} << 0
                                           << QByteArray("Идентификация\n  Идентификатор") << "" << sample << none;
        QTest::newRow("decode, wrong CC_BASE")
            << QStringList{"decode", path("badbase.bin")} << 3 << QByteArray("Findings\n  [error] CC_BASE is 39h")
            << "Check codes that are wrong: CC_BASE" << sample << none;
        QTest::newRow("decode A2h of a dump") << QStringList{"decode", path("a2.txt")} << 0
                                              << QByteArray("CC_DMI") << "" << sample << none;
        QTest::newRow("decode a file or the module")
            << QStringList{"decode", path("sample.bin"), "-p", "VEXASIM1"} << 2 << none
            << "Decode a file or the module, not both" << sample << none;

        QTest::newRow("version") << QStringList{"--version"} << 0 << QByteArray("vexa-modulant-cli 0.18\n") << ""
                                 << sample << none;
        QTest::newRow("help of a command") << QStringList{"help", "verify"} << 0
                                           << QByteArray("Usage: vexa-modulant-cli verify FILE [-p SERIAL]") << ""
                                           << sample << none;
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << none << "Unknown command \"frobnicate\""
                                         << sample << none;
        QTest::newRow("unknown option") << QStringList{"read", "--frob"} << 2 << none
                                        << "Run \"vexa-modulant-cli help read\" for its options." << sample << none;
    }
    void commands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QFETCH(QString, err);
        QFETCH(QByteArray, module);
        QFETCH(QByteArray, written);

        const Run result = run(arguments);
        QVERIFY2(result.exitCode == exitCode, qPrintable(QString("%1: %2").arg(result.exitCode).arg(result.err)));
        if (out.isEmpty())
            QVERIFY2(result.out.isEmpty(), result.out.constData());
        else
            QVERIFY2(result.out.contains(out), result.out.constData());
        if (err.isEmpty())
            QVERIFY2(result.err.isEmpty(), qPrintable(result.err));
        else
            QVERIFY2(result.err.contains(err), qPrintable(result.err));
        QVERIFY2(!result.out.contains("\x1b["), "colours though not on a terminal");
        QCOMPARE(readFile(path("module.bin")), module);
        QCOMPARE(QFile::exists(path("out.bin")), !written.isEmpty());
        QCOMPARE(readFile(path("out.bin")), written);
    }

    // A module locked with the SFF-8472 default, or one not in the list,
    // and the settings' first password list.
    void lockedModule_data()
    {
        QTest::addColumn<QString>("lock");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::addColumn<bool>("written");
        QTest::newRow("auto") << "00001011" << "auto" << 0
                              << "A0 Low: the module took the password \"SFF-8472 default\"\nA0 Low written and verified"
                              << true;
        QTest::newRow("by name, any case") << "00001011" << "sff-8472 DEFAULT" << 0 << "A0 Low written and verified"
                                           << true;
        QTest::newRow("a wrong one") << "00001011" << "preset2" << 3
                                     << "A0 Low: the module acknowledges writes here but keeps nothing" << false;
        // The same kind of module took the SFF-8472 default in a run before.
        QTest::newRow("none of the list") << "1234ABCD" << "auto" << 1
                                          << "tried: SFF-8472 default, Zorvik 1, Zorvik 2, no password" << false;
        QTest::newRow("a simulator password of seven digits") << "1234567" << "auto" << 1
                                                              << "VEXA_SIMULATOR_PASSWORD: \"1234567\" is not eight "
                                                                 "hexadecimal digits"
                                                              << false;
    }
    void lockedModule()
    {
        QFETCH(QString, lock);
        QFETCH(QString, password);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        QFETCH(bool, written);
        const Run result = run({"write", path("image.bin"), "--password", password}, QString(), QByteArray(), lock);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(result.err.contains(err), qPrintable(result.err));
        QCOMPARE(readFile(path("module.bin")), written ? replaced(sample, 0, image.left(128)) : sample);
    }

    // Tuning the simulated DWDM module, and images from standard input.
    void tuneAndStandardInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QString>("err");
        const QStringList tune{"tune", "-p", "VEXASIM1"};
        QTest::newRow("channel") << tune + QStringList{"--channel", "5"} << QByteArray() << 0
                                 << QByteArray("Channel 5: 191.5500 THz, 1565.09 nm") << "";
        QTest::newRow("wavelength") << tune + QStringList{"--wavelength", "1528.77"} << QByteArray() << 0
                                    << QByteArray("Channel 96: 196.1000 THz, 1528.77 nm") << "";
        QTest::newRow("out of range") << tune + QStringList{"--channel", "97"} << QByteArray() << 2 << QByteArray()
                                      << "Channel 97 is outside the module's range: channels 1 to 96";
        QTest::newRow("between channels") << tune + QStringList{"--wavelength", "1565.3"} << QByteArray() << 2
                                          << QByteArray() << "the nearest channel is 4, at 1565.50 nm";
        QTest::newRow("decode an ethtool dump piped in") << QStringList{"decode", "-"} << QByteArray(kEthtoolDump) << 0
                                                         << QByteArray("KP23110457") << "";
        QTest::newRow("decode the tuning page") << QStringList{"decode", "-p", "VEXASIM1"} << QByteArray() << 0
                                                << QByteArray("Channel                1 (191.3500 THz, 1566.72 nm)")
                                                << "";
    }
    void tuneAndStandardInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QFETCH(QString, err);
        const Run result = run(arguments, "tunable", input);
        QVERIFY2(result.exitCode == exitCode, qPrintable(QString("%1: %2").arg(result.exitCode).arg(result.err)));
        QVERIFY2(out.isEmpty() ? result.out.isEmpty() : result.out.contains(out), result.out.constData());
        QVERIFY2(err.isEmpty() ? result.err.isEmpty() : result.err.contains(err), qPrintable(result.err));
    }

    void decodeJson_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<int>("exitCode");
        const auto row = [](const char *name, const QStringList &arguments, const char *key, const QJsonValue &value,
                            int exitCode = 0) {
            QTest::newRow(name) << arguments + QStringList{"--json"} << QString(key) << value << exitCode;
        };
        const QStringList sampleFile = {"decode", path("sample.bin")};
        row("vendor", sampleFile, "vendor_name", "VEXA");
        row("part number", sampleFile, "part_number", "VX-SFP10G-LR");
        row("wavelength", sampleFile, "wavelength_nm", 1310);
        row("lengths", sampleFile, "lengths/smf_km", 10);
        row("check code", sampleFile, "checksums/ext/ok", true);
        row("TX power", sampleFile, "diagnostics/tx_power_dbm", -2.0);
        row("threshold", sampleFile, "diagnostics/thresholds/temperature_c/high_alarm", 85.0);
        row("no light", {"decode", path("dark.bin")}, "diagnostics/rx_power_dbm", QJsonValue::Null);
        row("wrong CC_DMI", {"decode", path("baddmi.bin")}, "checksums/dmi/ok", false, 3);
        row("no diagnostics", {"decode", path("nodmi.bin")}, "checksums/dmi", QJsonValue::Undefined);
        row("English in Russian", {"--lang", "ru", "decode", path("sample.bin")}, "fields/0/name", "Identifier");
        row("the module", {"decode", "-p", "VEXASIM1"}, "diagnostics/temperature_c", 35.5);

        const QStringList ethtool = {"decode", path("ethtool.txt")};
        row("ethtool: vendor", ethtool, "vendor_name", "KORVAL PHOTONICS");
        row("ethtool: part number", ethtool, "part_number", "KP-SFP-1G-LX10");
        row("ethtool: serial number", ethtool, "serial_number", "KP23110457");
        row("ethtool: wavelength", ethtool, "wavelength_nm", 1310);
        row("ethtool: transceiver", ethtool, "transceiver", QJsonArray{"1000BASE-LX"});
        row("ethtool: temperature", ethtool, "diagnostics/temperature_c", 41.25);
        row("ethtool: supply", ethtool, "diagnostics/vcc_v", 3.28);
        row("ethtool: bias", ethtool, "diagnostics/tx_bias_ma", 12.5);
        row("ethtool: TX power", ethtool, "diagnostics/tx_power_dbm", -6.0);
        row("ethtool: RX power", ethtool, "diagnostics/rx_power_dbm", -10.0);
        row("ethtool: CC_DMI", ethtool, "checksums/dmi/ok", true);
    }
    void decodeJson()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        QFETCH(int, exitCode);
        const Run result = run(arguments);
        QCOMPARE(result.exitCode, exitCode);
        QJsonParseError error;
        const QJsonDocument json = QJsonDocument::fromJson(result.out, &error);
        QVERIFY2(json.isObject(), qPrintable(error.errorString()));
        QCOMPARE(valueAt(json.object(), key), value);
    }

    // Messages in the window's language, unless --lang says otherwise.
    void language_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QStringList>("lang");
        QTest::addColumn<QString>("message");
        const QString english = "Unknown table \"a5\"";
        const QString russian = "Неизвестная таблица «a5»";
        QTest::newRow("English stored") << 0 << QStringList() << english;
        QTest::newRow("Russian stored") << 1 << QStringList() << russian;
        QTest::newRow("Russian asked for") << 0 << QStringList{"--lang", "ru"} << russian;
        QTest::newRow("English asked for") << 1 << QStringList{"--lang=en"} << english;
    }
    void language()
    {
        QFETCH(int, stored);
        QFETCH(QStringList, lang);
        QFETCH(QString, message);
        storeLanguage(stored);
        const Run result = run(lang + QStringList{"read", "-t", "a5"});
        storeLanguage(0);
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.startsWith(message), qPrintable(result.err));
    }
};

QTEST_GUILESS_MAIN(TstCliCommands)
#include "tst_clicommands.moc"
