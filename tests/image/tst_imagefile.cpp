#include "tableviewmodel.h"
#include "testbytes.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// Bytes as plain hex text, sixteen a line.
QByteArray hexText(const QByteArray &bytes)
{
    QByteArray text;
    for (int i = 0; i < bytes.size(); i += 16)
        text += bytes.mid(i, 16).toHex(' ') + '\n';
    return text;
}

} // namespace

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

    // Loaded into a tab holding other bytes, saved from there and loaded into
    // a tab of another table.
    void loadLaysTheFileOverTheBuffer_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("empty") << 0;
        QTest::newRow("16 bytes") << 16;
        QTest::newRow("256 bytes") << 256;
        QTest::newRow("64 KiB") << 64 * 1024;
    }
    void loadLaysTheFileOverTheBuffer()
    {
        QFETCH(int, size);
        QVERIFY(writeFile(path("load.bin"), pattern(size, 5)));
        TableViewModel model;
        model.setBuffer(pattern(128, 1));
        QSignalSpy resets(&model, &TableViewModel::modelReset);
        QVERIFY(model.load(path("load.bin")));
        QByteArray expected = pattern(128, 1);
        expected.replace(0, size, pattern(size, 5));
        QCOMPARE(model.buffer(), expected);
        QCOMPARE(resets.count(), size ? 1 : 0);
        QVERIFY(model.save(path("again.bin")));
        TableViewModel other;
        other.setTable(TableViewModel::kTableA2High);
        QVERIFY(other.load(path("again.bin")));
        QCOMPARE(other.buffer(), expected);
        QCOMPARE(other.table(), int(TableViewModel::kTableA2High));
    }

    // A dump of a whole device or module gives the buffer's table; a dump of
    // one table is taken as it stands.
    void loadTakesTheTableFromADump_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("from");
        QTest::newRow("module, A0 High") << 512 << int(TableViewModel::kTableA0High) << 128;
        QTest::newRow("module, A2 Low") << 512 << int(TableViewModel::kTableA2Low) << 256;
        QTest::newRow("module, A2 High") << 512 << int(TableViewModel::kTableA2High) << 384;
        QTest::newRow("device, A0 High") << 256 << int(TableViewModel::kTableA0High) << 128;
        QTest::newRow("device, A2 Low") << 256 << int(TableViewModel::kTableA2Low) << 0;
        QTest::newRow("table, into A2 High") << 128 << int(TableViewModel::kTableA2High) << 0;
    }
    void loadTakesTheTableFromADump()
    {
        QFETCH(int, size);
        QFETCH(int, table);
        QFETCH(int, from);
        QVERIFY(writeFile(path("dump.txt"), hexText(pattern(size, 4))));
        TableViewModel model;
        model.setTable(table);
        model.setBuffer(pattern(128, 1));
        QVERIFY(model.load(path("dump.txt")));
        QCOMPARE(model.buffer(), pattern(size, 4).mid(from, 128));
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
