#include "tableviewmodel.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray pattern(int size, int seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + seed);
    return bytes;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

// Makes every write of this process stop after `bytes` bytes of a file, as a
// full disk would; root is not exempt from it. SIGXFSZ is ignored so that
// the write comes back short instead of killing the test.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    bool active() const { return active_; }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
    bool active_ = false;
};

} // namespace

class TstImageFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString path(const QString &name) const { return dir_.filePath(name); }

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void newTabSavesZeros()
    {
        TableViewModel model;
        QVERIFY(model.save(path("new.bin")));
        QCOMPARE(readAll(path("new.bin")), QByteArray(128, '\0'));
    }

    void roundTripIntoAnotherTab()
    {
        TableViewModel source;
        source.setTable(TableViewModel::kTableA2Low);
        source.setBuffer(pattern(128, 3));
        QVERIFY(source.save(path("round.bin")));

        TableViewModel target;
        target.setTable(TableViewModel::kTableA0High);
        QSignalSpy resets(&target, &TableViewModel::modelReset);
        QVERIFY(target.load(path("round.bin")));
        QCOMPARE(target.buffer(), pattern(128, 3));
        QCOMPARE(target.table(), int(TableViewModel::kTableA0High));
        QCOMPARE(resets.count(), 1);
    }

    void shortFileOverlaysTheStart()
    {
        writeFile(path("short.bin"), QByteArray(16, char(0xAA)));
        TableViewModel model;
        model.setBuffer(pattern(128, 1));
        QVERIFY(model.load(path("short.bin")));
        QCOMPARE(model.buffer().left(16), QByteArray(16, char(0xAA)));
        QCOMPARE(model.buffer().mid(16), pattern(128, 1).mid(16));
    }

    void wholeDeviceDumpsLoadAndSaveWhole_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("256") << 256;
        QTest::newRow("512") << 512;
        QTest::newRow("64 KiB") << 64 * 1024;
    }
    void wholeDeviceDumpsLoadAndSaveWhole()
    {
        QFETCH(int, size);
        const QByteArray dump = pattern(size, 5);
        writeFile(path("dump.bin"), dump);
        TableViewModel model;
        QVERIFY(model.load(path("dump.bin")));
        QCOMPARE(model.buffer(), dump);
        quint16 sum = 0;
        for (char byte : dump)
            sum += quint8(byte);
        QCOMPARE(model.checksum(), sum);
        QVERIFY(model.save(path("dump-again.bin")));
        QCOMPARE(readAll(path("dump-again.bin")), dump);
    }

    void emptyFileChangesNothing()
    {
        writeFile(path("empty.bin"), QByteArray());
        TableViewModel model;
        model.setBuffer(pattern(128, 2));
        QSignalSpy resets(&model, &TableViewModel::modelReset);
        QSignalSpy errors(&model, &TableViewModel::error);
        QVERIFY(model.load(path("empty.bin")));
        QCOMPARE(model.buffer(), pattern(128, 2));
        QCOMPARE(resets.count(), 0);
        QCOMPARE(errors.count(), 0);
    }

    void missingFileReportsTheSystemsReason()
    {
        const QString missing = path("no-such.bin");
        QFile probe(missing);
        QVERIFY(!probe.open(QIODevice::ReadOnly));

        TableViewModel model;
        model.setBuffer(pattern(128, 4));
        QSignalSpy errors(&model, &TableViewModel::error);
        QVERIFY(!model.load(missing));
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(), "Couldn't open file: " + probe.errorString());
        QVERIFY(!probe.errorString().isEmpty());
        QCOMPARE(model.buffer(), pattern(128, 4));
    }

    void oversizedFileIsRefused_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("64 KiB and one byte") << path("huge.bin");
        QTest::newRow("endless device") << QString("/dev/zero");
    }
    void oversizedFileIsRefused()
    {
        QFETCH(QString, file);
        if (file == path("huge.bin"))
            writeFile(file, pattern(64 * 1024 + 1, 6));
        TableViewModel model;
        model.setBuffer(pattern(128, 7));
        QSignalSpy errors(&model, &TableViewModel::error);
        QSignalSpy resets(&model, &TableViewModel::modelReset);
        QVERIFY(!model.load(file));
        QCOMPARE(errors.count(), 1);
        QVERIFY(errors.at(0).at(0).toString().contains(file));
        QVERIFY(errors.at(0).at(0).toString().contains("65536"));
        QCOMPARE(model.buffer(), pattern(128, 7));
        QCOMPARE(resets.count(), 0);
    }

    void readErrorIsNotASuccess()
    {
        // Opens fine, but reading offset 0 of a process's memory fails.
        TableViewModel model;
        QSignalSpy errors(&model, &TableViewModel::error);
        QVERIFY(!model.load("/proc/self/mem"));
        QCOMPARE(errors.count(), 1);
        QVERIFY(errors.at(0).at(0).toString().startsWith("Couldn't read file: "));
        QCOMPARE(model.buffer(), QByteArray(128, '\0'));
    }

    void failedSaveKeepsThePreviousFile()
    {
        const QString file = path("keep.bin");
        writeFile(file, pattern(128, 8));
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);

        TableViewModel model;
        model.setBuffer(pattern(256, 9));
        QSignalSpy errors(&model, &TableViewModel::error);
        {
            FileSizeLimit limit(100);
            QVERIFY(limit.active());
            QVERIFY(!model.save(file));
        }
        QCOMPARE(errors.count(), 0);
        QCOMPARE(readAll(file), pattern(128, 8));
        QCOMPARE(QDir(dir_.path()).entryList({"keep.bin*"}, QDir::Files | QDir::Hidden),
                 QStringList({"keep.bin"}));

        // A save that works replaces the content and keeps the permissions.
        QVERIFY(model.save(file));
        QCOMPARE(readAll(file), pattern(256, 9));
        QCOMPARE(QFile::permissions(file) & 0x7077,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    }

    void shortWriteToADeviceFails()
    {
        if (!QFileInfo::exists("/dev/full"))
            QSKIP("no /dev/full");
        TableViewModel model;
        QSignalSpy errors(&model, &TableViewModel::error);
        QVERIFY(!model.save("/dev/full"));
        QCOMPARE(errors.count(), 0);
        QVERIFY(!QFileInfo("/dev/full").isFile());
    }

    void unopenableSaveReportsAndCreatesNothing()
    {
        const QString file = path("missing-dir/out.bin");
        TableViewModel model;
        QSignalSpy errors(&model, &TableViewModel::error);
        QVERIFY(!model.save(file));
        QCOMPARE(errors.count(), 1);
        QVERIFY(errors.at(0).at(0).toString().startsWith("Couldn't open file: "));
        QVERIFY(!QFileInfo::exists(file));
    }
};

QTEST_GUILESS_MAIN(TstImageFile)
#include "tst_imagefile.moc"
