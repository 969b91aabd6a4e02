#include "tableviewmodel.h"
#include "testbytes.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

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

    void refusedLoadKeepsTheBuffer_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QFile missing(path("no-such.bin"));
        QVERIFY(!missing.open(QIODevice::ReadOnly));
        QTest::newRow("missing") << missing.fileName() << "Couldn't open file: " + missing.errorString();
        const QString tooLarge = "File is too large for an EEPROM image (more than 65536 bytes): ";
        QTest::newRow("64 KiB and one byte") << path("huge.bin") << tooLarge + path("huge.bin");
        QTest::newRow("device") << "/dev/zero" << "Not a regular file: /dev/zero";
        QTest::newRow("FIFO") << fifo() << "Not a regular file: " + fifo();
        // Opens fine, but offset 0 of a process's memory cannot be read.
        QTest::newRow("read error") << "/proc/self/mem" << "Couldn't read file: ";
    }
    void refusedLoadKeepsTheBuffer()
    {
        QFETCH(QString, file);
        QFETCH(QString, message);
        TableViewModel model;
        model.setBuffer(pattern(128, 7));
        QSignalSpy errors(&model, &TableViewModel::error);
        QVERIFY(!model.load(file));
        QCOMPARE(errors.count(), 1);
        QVERIFY2(errors.at(0).at(0).toString().startsWith(message), qPrintable(errors.at(0).at(0).toString()));
        QCOMPARE(model.buffer(), pattern(128, 7));
    }

    void failedSaveKeepsThePreviousFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message");
        QTest::newRow("disk full") << path("keep.bin") << "Couldn't write file: ";
        QTest::newRow("FIFO") << fifo() << "Not a regular file: " + fifo();
    }

    void failedSaveKeepsThePreviousFile()
    {
        QFETCH(QString, target);
        QFETCH(QString, message);
        const QString file = path("keep.bin");
        QVERIFY(writeFile(file, pattern(128, 8)));
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
        const bool saved = model.save(target);
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, handler);
        QVERIFY(!saved);
        QCOMPARE(errors.count(), 1);
        QVERIFY2(errors.at(0).at(0).toString().startsWith(message), qPrintable(errors.at(0).at(0).toString()));
        QVERIFY(errors.at(0).at(0).toString().size() > QString("Couldn't write file: ").size());
        QCOMPARE(readFile(file), pattern(128, 8));
    }
};

QTEST_GUILESS_MAIN(TstImageFile)
#include "tst_imagefile.moc"
