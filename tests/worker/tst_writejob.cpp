// The write job against the simulated programmer: password entry, 8-byte
// pages, the EEPROM's write cycle, the verify pass and every way a write ends.

#include "jobrunner.h"
#include "simulatorfixture.h"

#include <QRegularExpression>
#include <QtTest>

#include <chrono>
#include <memory>
#include <thread>

using namespace std::chrono_literals;

namespace {

const std::array<std::uint8_t, 4> kPassword = {0x12, 0xAB, 0x00, 0xFE};

QByteArray table(int seed)
{
    QByteArray bytes(128, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 13 + seed);
    return bytes;
}

quint16 sum(const QByteArray &bytes, int count)
{
    quint16 total = 0;
    for (int i = 0; i < count; ++i)
        total = static_cast<quint16>(total + static_cast<quint8>(bytes[i]));
    return total;
}

}  // namespace

class TestWriteJob : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimulatorFixture> sim;
    std::unique_ptr<SFPThread> worker;
    std::unique_ptr<JobRunner> job;

    void write(const QByteArray &data, int device = 0x50, int first = 0, int mode = SFPThread::kModeWrite)
    {
        worker->setAddress(device);
        worker->setAddressStart(first);
        worker->setAddressStop(first + 127);
        worker->setWriteData(data);
        worker->setMode(mode);
        job->run();
    }

    // Acts after the given stop condition; without write cycles every stop
    // ends a page or a password byte.
    void onStop(int stops, std::function<void()> action)
    {
        sim->module->setWriteCycleSelections(0);
        auto seen = std::make_shared<int>(0);
        sim->programmer->setWriteHook([seen, stops, action](int count) {
            if (count == 64 && ++*seen == stops)
                action();
        });
    }

private slots:
    void init()
    {
        sim = std::make_unique<SimulatorFixture>();
        sim->fillPattern(0x50, 1);
        sim->fillPattern(0x51, 2);
        worker = std::make_unique<SFPThread>();
        worker->setSerialNumber(SimulatorFixture::kSerial);
        worker->setVerify(false);
        job = std::make_unique<JobRunner>(*worker);
    }

    void cleanup()
    {
        job.reset();
        worker.reset();
        QVERIFY(!sim->programmer->isOpen());
        sim.reset();
    }

    void pagesAndPasswordBytesMakeTheDocumentedFlushes()
    {
        sim->module->setWriteCycleSelections(0);
        worker->setWritePassword(QByteArray(4, 'p'));
        write(table(5));
        std::vector<int> expected;
        for (int i = 0; i < 4; ++i)
            expected.insert(expected.end(), {i == 0 ? 390 : 360, 8, 344, 8, 344, 8, 64});
        for (int page = 0; page < 16; ++page) {
            expected.insert(expected.end(), {360, 8, 344, 8});
            for (int byte = 0; byte < 8; ++byte)
                expected.insert(expected.end(), {344, 8});
            expected.push_back(64);
        }
        QCOMPARE(sim->programmer->record().flushSizes, expected);
    }

    void passwordUnlocksALockedModule()
    {
        sim->module->setPassword(kPassword);
        worker->setWritePassword(QByteArray(reinterpret_cast<const char *>(kPassword.data()), 4));
        const QByteArray data = table(9);
        write(data);
        QCOMPARE(job->order, QStringList{"log"});
        const auto transactions = sim->programmer->record().transactions;
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(transactions[i].device, 0x51);
            QCOMPARE(transactions[i].byteAddress(), 0x7B + i);
            QCOMPARE(transactions[i].data(), std::vector<std::uint8_t>{kPassword[i]});
        }
        QCOMPARE(transactions[4].device, 0x50);
        QCOMPARE(sim->memory(0x50, 0, 128), data);
        QVERIFY(job->logs[0].record.endsWith(", with password\n"));
    }

    void lockedModuleWithoutPasswordKeepsItsBytesAndVerifyShowsIt()
    {
        sim->module->setPassword(kPassword);
        const QByteArray before = sim->memory(0x50, 0, 128);
        worker->setVerify(true);
        write(table(3));
        QCOMPARE(sim->memory(0x50, 0, 128), before);
        QCOMPARE(job->logs[1].type, SFPThread::kLogVerify);
        QCOMPARE(job->logs[1].data, before);
        QCOMPARE(sim->programmer->record().transactions.front().device, 0x50);  // nothing went to 0x51 first
        QVERIFY(QRegularExpression("^Time \\d\\d:\\d\\d:\\d\\d, Write\\(SIM0001\\) to 0x50\\n$").match(job->logs[0].record).hasMatch());
    }

    void pagesGoToTheTablesAddresses()
    {
        for (int first : {128, 200}) {  // a High table, and one wrapping past 255
            sim->programmer->clearRecord();
            const QByteArray data = table(first);
            write(data, 0x50, first);
            std::vector<int> pageAddresses, expected;
            for (const I2cTransaction &t : sim->programmer->record().transactions)
                if (t.selected)
                    pageAddresses.push_back(t.byteAddress());
            for (int page = 0; page < 16; ++page)
                expected.push_back((first + page * 8) % 256);
            QCOMPARE(pageAddresses, expected);
            for (int i = 0; i < 128; ++i)
                QCOMPARE(sim->module->memory(0x50)[(first + i) % 256], std::uint8_t(data[i]));
        }
    }

    void writeCycleIsWaitedOutBySelections_data()
    {
        QTest::addColumn<int>("selections");
        QTest::newRow("within five") << 4;
        QTest::newRow("longer than five") << 5;
    }

    void writeCycleIsWaitedOutBySelections()
    {
        QFETCH(int, selections);
        sim->module->setWriteCycleSelections(selections);
        const QByteArray before = sim->memory(0x50, 0, 128);
        const QByteArray data = table(4);
        write(data);
        if (selections < 5) {
            QCOMPARE(job->order, QStringList{"log"});
            QCOMPARE(sim->memory(0x50, 0, 128), data);
        } else {
            QCOMPARE(job->errors, QStringList{"Couldn't write to: SIM0001"});
            // The first page stays written; nothing is rolled back.
            QCOMPARE(sim->memory(0x50, 0, 128), data.left(8) + before.mid(8));
        }
    }

    void verifyReadsTheTableBackWithTheTablesChecksumRule()
    {
        worker->setVerify(true);
        const QByteArray data = table(8);
        write(data, 0x51, 128, SFPThread::kModeWrite | SFPThread::kModeA2Table);
        QCOMPARE(job->order, QStringList({"log", "log"}));
        QCOMPARE(job->logs[0].type, SFPThread::kLogWrited);
        QCOMPARE(job->logs[0].data, data);
        QCOMPARE(job->logs[1].type, SFPThread::kLogVerify);
        QCOMPARE(job->logs[1].data, data);
        QCOMPARE(job->logs[0].checksum, sum(data, 119));
        QCOMPARE(job->logs[1].checksum, sum(data, 119));
        QVERIFY(job->logs[1].record.endsWith("Read(SIM0001) from 0x51\n"));
    }

    void deviceThatStopsAcknowledgingMidPageLosesTheRest()
    {
        sim->module->refuseDataAfter(0x50, 3);
        worker->setVerify(true);
        const QByteArray before = sim->memory(0x50, 0, 128);
        const QByteArray data = table(10);
        write(data);
        QCOMPARE(job->logs[1].data, data.left(3) + before.mid(3, 5) + data.mid(8));
    }

    void cancelBetweenPagesAndDuringTheVerify()
    {
        const QByteArray before = sim->memory(0x50, 0, 128);
        const QByteArray data = table(11);
        onStop(5, [this] { worker->requestInterruption(); });
        write(data);
        QCOMPARE(job->cancels, QStringList{"Canceled write\n"});
        QCOMPARE(sim->memory(0x50, 0, 128), data.left(40) + before.mid(40));

        worker->setVerify(true);
        onStop(17, [this] { worker->requestInterruption(); });  // the verify's word-address write
        write(data);
        QCOMPARE(job->order, QStringList({"log", "canceled"}));
        QCOMPARE(job->cancels, QStringList{"Canceled verify\n"});
    }

    void budgetCoversTheWriteAndAgainTheVerify()
    {
        worker->setTimeBudget(200);
        onStop(3, [] { std::this_thread::sleep_for(250ms); });
        write(table(13));
        QCOMPARE(job->order, QStringList{"error"});
        QCOMPARE(job->errors, QStringList{"Timeout write"});

        // 300 ms pass in the write after its last abort check: the verify
        // still has its own 200 ms.
        worker->setVerify(true);
        auto stops = std::make_shared<int>(0);
        sim->programmer->setWriteHook([stops](int count) {
            if (count == 64 && (++*stops == 8 || *stops == 16))
                std::this_thread::sleep_for(150ms);
        });
        write(table(14));
        QCOMPARE(job->order, QStringList({"log", "log"}));
    }

    void tooShortTableIsRefusedBeforeTouchingTheModule()
    {
        write(QByteArray(100, '\x55'));
        QCOMPARE(job->errors, QStringList{"Nothing written: the table holds 100 bytes, 128 are needed"});
        QVERIFY(sim->programmer->record().calls.empty());
    }
};

QTEST_GUILESS_MAIN(TestWriteJob)
#include "tst_writejob.moc"
