// VEXA_SIMULATOR: the simulated programmer for trying the tool without
// hardware, with the sample module or a module kept in a file.

#include "ch341adevices.h"
#include "diagnosticvalues.h"
#include "ftdimodulebus.h"
#include "jobrunner.h"
#include "samplemodule.h"
#include "simulatedbackend.h"
#include "simulatedch341a.h"
#include "simulatorenvironment.h"
#include "socketoperator.h"
#include "testbytes.h"

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// Writes one byte to the simulated module through the D2XX calls, as a job would.
void writeOneByte(const SimulatorSetup &setup, std::uint8_t device, std::uint8_t address, std::uint8_t value)
{
    d2xx::removeAllBackends();
    d2xx::installBackend(setup.backend);
    FtdiModuleBus bus(FtdiModuleBus::Exchange::Fast);
    QVERIFY(!bus.open(kSimulatorSerialNumber));
    QVERIFY(!bus.writePage(device, address, {value}, Attempts{}));
    bus.close();
    d2xx::removeAllBackends();
}

// A write job of a whole table, as the window makes it; of A0 Low unless a
// page of A2h is named.
QStringList writeTable(const SimulatorSetup &setup, const QByteArray &table, bool verify, int a2Page = -1)
{
    d2xx::removeAllBackends();
    d2xx::installBackend(setup.backend);
    SFPThread worker;
    worker.setSerialNumber(kSimulatorSerialNumber);
    worker.setMode(SFPThread::kModeWrite);
    worker.setWriteData(table);
    worker.setVerify(verify);
    if (a2Page >= 0) {
        worker.setAddress(0x51);
        worker.setAddressStart(128);
        worker.setAddressStop(255);
        worker.setPage(a2Page);
    }
    JobRunner job(worker);
    job.run();
    d2xx::removeAllBackends();
    return job.errors.isEmpty() ? job.order : job.errors;
}

}  // namespace

class TestSimulatorEnvironment : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void offUnlessSet()
    {
        QVERIFY(!simulatorFor(QString()).backend);
        QVERIFY(!simulatorFor("0").backend);
        QVERIFY(simulatorFor("0").error.isEmpty());
    }

    void oneAttachesAPlausibleSampleModule()
    {
        const SimulatorSetup setup = simulatorFor("1");
        const auto programmers = setup.backend->programmers();
        QCOMPARE(programmers.size(), size_t(1));
        QCOMPARE(programmers[0]->serialNumber(), std::string("VEXASIM1"));
        const QByteArray image = moduleImage(*programmers[0]->module());
        QCOMPARE(image, sampleModuleImage());
        const QByteArray a0 = image.left(256), a2 = image.mid(256);
        QCOMPARE(quint8(a0[0]), quint8(0x03));  // SFP
        QCOMPARE(a0.mid(20, 16), QByteArray("VEXA            "));
        QCOMPARE(quint8(a0[63]), checkCode(a0, 0, 63));
        QCOMPARE(quint8(a0[95]), checkCode(a0, 64, 95));
        QCOMPARE(quint8(a2[95]), checkCode(a2, 0, 95));

        // Every job opens the programmer and finds new values, all within
        // the module's warning thresholds.
        QByteArray previous = a2.mid(96, 10);
        bool changed = false;
        for (int job = 0; job < 5; ++job) {
            d2xx::installBackend(setup.backend);
            BitBangPort port;
            QVERIFY(port.open(kSimulatorSerialNumber, BitBangPort::Speed::Fast));
            port.close();
            d2xx::removeAllBackends();
            const QByteArray now = moduleImage(*programmers[0]->module());
            const sff::Diagnostics live = sff::Diagnostics::of(sff::ModuleImage::fromBytes(now));
            for (int quantity = 0; quantity < 5; ++quantity)
                QCOMPARE(int(live.level(quantity)), int(sff::Level::Normal));
            QCOMPARE(now.mid(256 + 112, 6), QByteArray(6, '\0'));  // no flags
            changed = changed || now.mid(256 + 96, 10) != previous;
            previous = now.mid(256 + 96, 10);
        }
        QVERIFY(changed);
    }

    // VEXA_SIMULATOR_MODULES: the socket starts empty, and a module comes
    // into both programmers' sockets as jobs keep finding it empty.
    void anOperatorAtTheSocket()
    {
        QVERIFY(simulatorFor("1", "two").error.contains("\"two\" is not a number of modules"));
        const SimulatorSetup setup = simulatorFor("1", "2");
        const auto programmer = setup.backend->programmers()[0];
        QVERIFY(!programmer->module());
        d2xx::installBackend(setup.backend);
        for (int job = 1; job <= SocketOperator::kDefaultEmptyJobs; ++job) {
            BitBangPort port;
            QVERIFY(port.open(kSimulatorSerialNumber, BitBangPort::Speed::Fast));
            port.close();
            QCOMPARE(bool(programmer->module()), job == SocketOperator::kDefaultEmptyJobs);
        }
        d2xx::removeAllBackends();
        QCOMPARE(moduleImage(*programmer->module()).left(256), sampleModuleImage().left(256));
        QCOMPARE(setup.ch341a->boards()[0]->lines().module(), programmer->module());
    }

    void moduleKeptInAFile()
    {
        const QString path = dir.filePath("kept.bin");
        QByteArray image = sampleModuleImage();
        image[256 + 200] = 'k';
        QVERIFY(writeFile(path, image));
        const SimulatorSetup setup = simulatorFor(path);
        QCOMPARE(moduleImage(*setup.backend->programmers()[0]->module()), image);
        writeOneByte(setup, 0x50, 0x7F, 0xA5);
        image[0x7F] = char(0xA5);
        QCOMPARE(readFile(path), image);  // with the file's diagnostics values

        // A missing file starts as the sample module and is created by a write.
        const QString fresh = dir.filePath("new.bin");
        writeOneByte(simulatorFor(fresh), 0x51, 0x80, 0x42);
        QByteArray expected = sampleModuleImage();
        expected[256 + 0x80] = 0x42;
        QCOMPARE(readFile(fresh), expected);
    }

    // VEXASIM2, a CH341A, has the module of VEXASIM1 in its socket: what one
    // writes, kept in the file, the other reads at once.
    void simulatedCh341aSharesTheModule()
    {
        const QString path = dir.filePath("shared.bin");
        const SimulatorSetup setup = simulatorFor(path);
        ch341a::installUsb(setup.ch341a);
        const std::vector<Ch341aDevice> listed = ch341a::listDevices();
        QCOMPARE(listed.size(), size_t(1));
        QCOMPARE(listed[0].identity + " / " + listed[0].description, std::string("VEXASIM2 / CH341A VEXASIM2"));

        QByteArray table(128, '\0');
        for (int i = 0; i < table.size(); ++i)
            table[i] = char(i * 11 + 3);
        SFPThread worker;
        JobRunner job(worker);
        worker.setSerialNumber(kSimulatedCh341aName);
        worker.setMode(SFPThread::kModeWrite);
        worker.setWriteData(table);
        job.run();
        QCOMPARE(job.order, QStringList({"log", "log"}));
        QCOMPARE(readFile(path).left(128), table);

        d2xx::installBackend(setup.backend);
        worker.setSerialNumber(kSimulatorSerialNumber);
        worker.setMode(SFPThread::kModeRead);
        job.run();
        QCOMPARE(job.order, QStringList{"log"});
        QCOMPARE(job.logs[0].data, table);
        d2xx::removeAllBackends();
        ch341a::removeAllUsb();
    }

    // The file is the module's memory: when a write cannot be kept there the
    // module stops answering, the job fails and the file stays as it was.
    void writeThatCannotBeSavedFailsAndKeepsTheFile_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("disk full") << "full";
        QTest::newRow("folder gone") << "gone";
    }

    void writeThatCannotBeSavedFailsAndKeepsTheFile()
    {
        QFETCH(QString, where);
        const QString path = where == "gone" ? dir.filePath("gone/module.bin") : dir.filePath("full.bin");
        if (where != "gone")
            QVERIFY(writeFile(path, sampleModuleImage()));
        const SimulatorSetup setup = simulatorFor(path);
        QVERIFY(setup.backend);
        // Files stop growing at 100 bytes, as on a full disk (root included).
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, previous.rlim_max};
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limit) == 0);
        const QStringList outcome = writeTable(setup, QByteArray(128, 'w'), false);
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, handler);
        QCOMPARE(outcome, QStringList{"Couldn't write to: VEXASIM1"});
        QCOMPARE(readFile(path), where == "gone" ? QByteArray() : sampleModuleImage());
        QCOMPARE(moduleImage(*setup.backend->programmers()[0]->module()).left(128), sampleModuleImage().left(128));
    }

    // Every simulated SFP module has A2h pages 00h and 01h of user memory and a
    // vendor page 80h; a file keeps the four tables as 512 bytes until a page
    // holds anything, then the pages too, and starts with them again.
    void aFileKeepsThePagesOfA2h()
    {
        const QString path = dir.filePath("paged.bin");
        QVERIFY(writeFile(path, sampleModuleImage()));
        const QByteArray page = pattern(128, 21);
        QCOMPARE(writeTable(simulatorFor(path), page, true, 1), (QStringList{"log", "log"}));
        QVERIFY(readFile(path).startsWith("Offset"));
        const auto module = simulatorFor(path).backend->programmers()[0]->module();
        const SimulatedModule::PageBytes kept = module->pageBytes(0x51, 1);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(kept.data()), 128), page);
        QCOMPARE(moduleImage(*module), sampleModuleImage());
        QCOMPARE(module->pages(0x51), (std::vector<int>{0, 1, 0x80}));
        QCOMPARE(module->selectedPage(0x51), 0);
        const auto tunable = simulatorFor("tunable").backend->programmers()[0]->module();
        QCOMPARE(tunable->pages(0x51), (std::vector<int>{0, 1, 2, 0x80}));
    }

    // qsfp28, and a file whose byte 0 names a QSFP module: both a QSFP28
    // module with its pages, the file kept in ethtool's 640 bytes.
    void qsfpModules()
    {
        const SimulatorSetup built = simulatorFor("qsfp28");
        QVERIFY(built.backend);
        const auto module = built.backend->programmer(kSimulatorSerialNumber)->module();
        QCOMPARE(moduleRegions(*module).regions().size(), 5);
        QCOMPARE(int(module->memory(0x50)[0]), 0x11);

        QTemporaryDir dir;
        const QString path = dir.filePath("q.bin");
        QByteArray bytes = qsfp28ModuleImage();
        bytes[128 + 68] = 'Z';
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        const SimulatorSetup kept = simulatorFor(path);
        QVERIFY2(kept.backend, qPrintable(kept.error));
        const auto fromFile = kept.backend->programmer(kSimulatorSerialNumber)->module();
        QCOMPARE(char(fromFile->memory(0x50)[128 + 68]), 'Z');
        QCOMPARE(fromFile->pages(0x50), (std::vector<int>{0, 1, 2, 3}));
    }

    void fileThatIsNoImageIsRefused_data()
    {
        QTest::addColumn<int>("size");  // -1: a FIFO
        QTest::addColumn<QString>("why");
        QTest::newRow("empty") << 0 << "512";
        QTest::newRow("one table") << 128 << "512";
        QTest::newRow("one byte too many") << 513 << "512";
        QTest::newRow("FIFO") << -1 << "not a regular file";
    }

    void fileThatIsNoImageIsRefused()
    {
        QFETCH(int, size);
        QFETCH(QString, why);
        const QString path = dir.filePath(QString("odd%1.bin").arg(size));
        if (size < 0)
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(writeFile(path, QByteArray(size, 'x')));
        const SimulatorSetup setup = simulatorFor(path);
        QVERIFY(!setup.backend);
        QVERIFY(setup.error.contains(path) && setup.error.contains(why));
        if (size >= 0)
            QCOMPARE(readFile(path), QByteArray(size, 'x'));  // never overwritten
    }
};

QTEST_GUILESS_MAIN(TestSimulatorEnvironment)
#include "tst_simulatorenvironment.moc"
