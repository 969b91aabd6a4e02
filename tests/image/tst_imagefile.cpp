#include "tableviewmodel.h"
#include "testbytes.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// Bytes as ethtool's rows, sixteen a line from `offset`.
QByteArray hexDump(const QByteArray &bytes, int offset)
{
    QByteArray text;
    for (int i = 0; i < bytes.size(); i += 16)
        text += "0x" + QByteArray::number(offset + i, 16).rightJustified(4, '0') + ": " + bytes.mid(i, 16).toHex(' ') + '\n';
    return text;
}

} // namespace

Q_DECLARE_METATYPE(sff::Region)

class TstImageFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString path(const QString &name) const { return dir_.filePath(name); }
    // A FIFO nobody writes to: opening it would block for ever.
    QString fifo() const { return path("fifo"); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        QVERIFY(writeFile(path("huge.bin"), pattern(64 * 1024 + 1, 6)));
        QCOMPARE(mkfifo(QFile::encodeName(fifo()).constData(), 0600), 0);
    }

    // A raw table goes where the buffer stands; anything else gives the
    // buffer's region from where the file puts it, or is refused.
    void loadTakesTheBuffersRegion_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<sff::Region>("region");
        QTest::addColumn<QByteArray>("bytes");  // empty: refused
        const QByteArray module = pattern(512, 4);
        const sff::Region page01 = sff::Region::upperOf(sff::kDeviceA2, sff::Page{1});
        QTest::newRow("table into A2 High") << pattern(128, 4) << sff::kRegionA2High << pattern(128, 4);
        QTest::newRow("A0h into A0 High") << module.left(256) << sff::kRegionA0High << module.mid(128, 128);
        QTest::newRow("A0h into A2 Low") << module.left(256) << sff::kRegionA2Low << QByteArray();
        QTest::newRow("module into A2 Low") << module << sff::kRegionA2Low << module.mid(256, 128);
        QTest::newRow("dump of A2h into A2 High") << hexDump(module.mid(256), 0x100) << sff::kRegionA2High
                                                  << module.mid(384, 128);
        QTest::newRow("dump of A2h into A0 Low") << hexDump(module.mid(256), 0x100) << sff::kRegionA0Low
                                                 << QByteArray();
        QTest::newRow("page into its page") << "# a2-page-01\n" + hexDump(module.left(128), 0x180) << page01
                                            << module.left(128);
        QTest::newRow("page into A2 High") << "# a2-page-01\n" + hexDump(module.left(128), 0x180)
                                           << sff::kRegionA2High << QByteArray();
        QTest::newRow("16 bytes") << pattern(16, 4) << sff::kRegionA0Low << QByteArray();
    }
    void loadTakesTheBuffersRegion()
    {
        QFETCH(QByteArray, file);
        QFETCH(sff::Region, region);
        QFETCH(QByteArray, bytes);
        QVERIFY(writeFile(path("load.bin"), file));
        TableViewModel model;
        model.setRegion(region);
        model.setBuffer(pattern(128, 1));
        QSignalSpy errors(&model, &TableViewModel::error);
        QCOMPARE(model.load(path("load.bin")), !bytes.isEmpty());
        QCOMPARE(model.buffer(), bytes.isEmpty() ? pattern(128, 1) : bytes);
        QCOMPARE(errors.count(), bytes.isEmpty() ? 1 : 0);
        if (bytes.isEmpty())
            return;
        // Saved and opened again, into a buffer of another table.
        QVERIFY(model.save(path("again.bin")));
        TableViewModel other;
        other.setTable(TableViewModel::kTableA0High);
        QVERIFY(other.load(path("again.bin")));
        QCOMPARE(other.buffer(), bytes);
    }

    // A refused load keeps the buffer, a refused save the file it would
    // replace; the message names the file or carries the system's reason.
    void refusedFileChangesNothing_data()
    {
        QTest::addColumn<bool>("saving");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QFile missing(path("no-such.bin"));
        QVERIFY(!missing.open(QIODevice::ReadOnly));
        QTest::newRow("load missing") << false << missing.fileName() << "Couldn't open " + missing.fileName() + ": " + missing.errorString();
        const QString tooLarge = "File is too large for an EEPROM image (more than 65536 bytes): ";
        QTest::newRow("load 64 KiB and one byte") << false << path("huge.bin") << tooLarge + path("huge.bin");
        QTest::newRow("load a device") << false << "/dev/zero" << "Not a regular file: /dev/zero";
        QTest::newRow("load a FIFO") << false << fifo() << "Not a regular file: " + fifo();
        QVERIFY(writeFile(path("broken.txt"), "03 04\nzz\n"));
        QTest::newRow("load a broken dump") << false << path("broken.txt")
                                            << "Not a module dump: " + path("broken.txt") + "\nLine 2: \"zz\" is not";
        // Opens fine, but offset 0 of a process's memory cannot be read.
        QTest::newRow("load, read error") << false << "/proc/self/mem" << "Couldn't read /proc/self/mem: ";
        QTest::newRow("save, disk full") << true << path("keep.bin") << "Couldn't write " + path("keep.bin") + ": ";
        QTest::newRow("save to a FIFO") << true << fifo() << "Not a regular file: " + fifo();
    }
    void refusedFileChangesNothing()
    {
        QFETCH(bool, saving);
        QFETCH(QString, file);
        QFETCH(QString, message);
        QVERIFY(writeFile(path("keep.bin"), pattern(128, 8)));
        TableViewModel model;
        model.setBuffer(pattern(256, 9));
        QSignalSpy errors(&model, &TableViewModel::error);
        // Files stop growing at 100 bytes, as on a full disk (root included);
        // with SIGXFSZ ignored the write comes back short.
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        const rlimit limit{100, previous.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limit) == 0);
        const bool done = saving ? model.save(file) : model.load(file);
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, handler);
        QVERIFY(!done);
        QCOMPARE(errors.count(), 1);
        const QString shown = errors.at(0).at(0).toString();
        QVERIFY2(shown.startsWith(message) && !shown.endsWith(": "), qPrintable(shown));
        QCOMPARE(model.buffer(), pattern(256, 9));
        QCOMPARE(readFile(path("keep.bin")), pattern(128, 8));
    }
};

QTEST_GUILESS_MAIN(TstImageFile)
#include "tst_imagefile.moc"
