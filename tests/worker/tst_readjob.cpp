// The read job against the simulated programmer: what reaches the wire, what
// the module returns, and how every failure and abort is reported.

#include "diagnosticcapture.h"
#include "jobrunner.h"
#include "simulatorfixture.h"

#include <QRegularExpression>
#include <QtTest>

#include <chrono>
#include <memory>
#include <thread>

using namespace std::chrono_literals;

namespace {

quint16 sum(const QByteArray &bytes, int count)
{
    quint16 total = 0;
    for (int i = 0; i < count && i < bytes.size(); ++i)
        total = static_cast<quint16>(total + static_cast<quint8>(bytes[i]));
    return total;
}

}  // namespace

class TestReadJob : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SimulatorFixture> sim;
    std::unique_ptr<SFPThread> worker;
    std::unique_ptr<JobRunner> job;

    void readTable(int device, int first, int last, int mode = SFPThread::kModeRead)
    {
        worker->setAddress(device);
        worker->setAddressStart(first);
        worker->setAddressStop(last);
        worker->setMode(mode);
        job->run();
    }

private slots:
    void init()
    {
        sim = std::make_unique<SimulatorFixture>();
        sim->fillPattern(0x50, 11);
        sim->fillPattern(0x51, 200);
        worker = std::make_unique<SFPThread>();
        worker->setSerialNumber(SimulatorFixture::kSerial);
        job = std::make_unique<JobRunner>(*worker);
    }

    void cleanup()
    {
        job.reset();
        worker.reset();
        QVERIFY(!sim->programmer->isOpen());  // every job releases the programmer
        sim.reset();
    }

    void oneByteReadMakesTheDocumentedFlushes()
    {
        readTable(0x50, 5, 5);
        QCOMPARE(job->order, QStringList{"log"});
        QCOMPARE(job->logs[0].data, sim->memory(0x50, 5, 6));
        const std::vector<int> expected = {390, 8, 344, 8, 64, 360, 8, 24, 32, 32, 32, 32, 32, 32, 32, 48, 64};
        QCOMPARE(sim->programmer->record().flushSizes, expected);
    }

    void readsATableWithItsRecordAndChecksum_data()
    {
        QTest::addColumn<int>("device");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("checksummed");
        QTest::newRow("A0 Low") << 0x50 << 0 << int(SFPThread::kModeRead) << 128;
        QTest::newRow("A0 High") << 0x50 << 128 << int(SFPThread::kModeRead) << 128;
        QTest::newRow("A2 Low") << 0x51 << 0 << int(SFPThread::kModeRead | SFPThread::kModeA2Table) << 119;
        QTest::newRow("A2 High") << 0x51 << 128 << int(SFPThread::kModeRead | SFPThread::kModeA2Table) << 119;
    }

    void readsATableWithItsRecordAndChecksum()
    {
        QFETCH(int, device);
        QFETCH(int, first);
        QFETCH(int, mode);
        QFETCH(int, checksummed);
        readTable(device, first, first + 127, mode);

        QCOMPARE(job->order, QStringList{"log"});
        const LogReport &report = job->logs[0];
        QCOMPARE(report.type, SFPThread::kLogReaded);
        QCOMPARE(report.data, sim->readable(device, first, first + 128));
        QCOMPARE(report.checksum, sum(report.data, checksummed));
        const QRegularExpression record(QStringLiteral("^Time \\d\\d:\\d\\d:\\d\\d, Read\\(SIM0001\\) from 0x%1\\n$")
                                            .arg(device, 2, 16, QLatin1Char('0')));
        QVERIFY2(record.match(report.record).hasMatch(), qPrintable(report.record));

        // A random read: word address, stop, then a fresh start for reading.
        const auto transactions = sim->programmer->record().transactions;
        QCOMPARE(transactions.size(), size_t(2));
        QCOMPARE(transactions[0].byteAddress(), first);
        QVERIFY(transactions[0].stopped);
        QVERIFY(transactions[1].read);
        QCOMPARE(transactions[1].acknowledged.size(), size_t(128));
        QVERIFY(!transactions[1].acknowledged.back());
    }

    void a2BytesAfter118DoNotCountButAreReturned()
    {
        readTable(0x51, 0, 127, SFPThread::kModeRead | SFPThread::kModeA2Table);
        const quint16 a2 = job->logs[0].checksum;
        for (int i = 119; i < 128; ++i)
            sim->module->memory(0x51)[i] ^= 0xFF;
        readTable(0x51, 0, 127, SFPThread::kModeRead | SFPThread::kModeA2Table);
        QCOMPARE(job->logs[0].checksum, a2);
        QCOMPARE(job->logs[0].data, sim->readable(0x51, 0, 128));
    }

    void emptyRangeStillAddressesTheModule()
    {
        readTable(0x50, 10, 8);
        QCOMPARE(job->order, QStringList{"log"});
        QCOMPARE(job->logs[0].data, QByteArray());
        QCOMPARE(job->logs[0].checksum, quint16(0));
        const auto transactions = sim->programmer->record().transactions;
        QCOMPARE(transactions.size(), size_t(2));
        QVERIFY(transactions[1].read && transactions[1].selected);
    }

    void noProgrammerSelectedTouchesNoDevice()
    {
        worker->setSerialNumber(QString());
        readTable(0x50, 0, 127);
        QCOMPARE(job->errors, QStringList{"SFP programmer not selected"});
        QVERIFY(job->logs.isEmpty());
        QVERIFY(sim->programmer->record().calls.empty());
    }

    void unknownProgrammerIsReportedWithThePrintedAdvice()
    {
        DiagnosticCapture out;
        worker->setSerialNumber(QStringLiteral("GONE42"));
        readTable(0x50, 0, 127);
        QCOMPARE(job->errors, QStringList{"Couldn't open ftdi with serial number: GONE42"});
        QCOMPARE(out.lines(), QStringList({"FT_Open(GONE42) failed (error 2).",
                                           "Use lsmod to check if ftdi_sio (and usbserial) are present.",
                                           "If so, unload them using rmmod, as they conflict with ftd2xx."}));
    }

    void missingModuleIsTriedFiveTimes()
    {
        sim->programmer->setModule(nullptr);
        readTable(0x50, 0, 127);
        QCOMPARE(job->errors, QStringList{"i2c: couldn't select read address"});
        QCOMPARE(sim->programmer->record().startConditions, 5);
    }

    void deviceAcknowledgingOnItsThirdSelectionIsRead()
    {
        sim->module->refuseSelections(0x50, 2);
        readTable(0x50, 0, 127);
        QCOMPARE(job->order, QStringList{"log"});
        QCOMPARE(job->logs[0].data, sim->memory(0x50, 0, 128));
        QCOMPARE(sim->programmer->record().startConditions, 4);
    }

    void deviceRefusingToBeReadIsReported()
    {
        sim->module->refuseSelections(0x50, 5, 1);  // accepts the word address only
        readTable(0x50, 0, 127);
        QCOMPARE(job->errors, QStringList{"i2c: couldn't start reading"});
        QCOMPARE(sim->programmer->record().startConditions, 6);
    }

    void shortClockStretchesAreWaitedOut()
    {
        sim->module->setClockStretch(5ms);
        readTable(0x50, 0, 15);
        QCOMPARE(job->order, QStringList{"log"});
        QCOMPARE(job->logs[0].data, sim->memory(0x50, 0, 16));
        QVERIFY(!sim->programmer->record().pinReads.empty());
    }

    void clockHeldTooLongIsReported()
    {
        sim->module->setClockStretch(150ms, 1);
        readTable(0x50, 0, 127);
        QCOMPARE(job->errors, QStringList{"i2c: couldn't set SCL"});
        QVERIFY(job->logs.isEmpty());
    }

    void sclStuckLowIsReported()
    {
        sim->programmer->setSclStuckLow(true);
        readTable(0x50, 0, 127);
        QCOMPARE(job->errors, QStringList{"i2c: couldn't set SCL"});
    }

    void cancelBeforeTheFirstByteReadsOneMoreWithoutAcknowledge()
    {
        // Interrupt while the module is being addressed for reading.
        sim->programmer->setWriteHook([this](int count) {
            if (count == 360 && sim->programmer->record().transactions.size() == 1)
                worker->requestInterruption();
        });
        readTable(0x50, 0, 127);
        QCOMPARE(job->order, QStringList{"canceled"});
        QCOMPARE(job->cancels, QStringList{"Canceled read\n"});
        const I2cTransaction read = sim->programmer->record().transactions.back();
        QVERIFY(read.read && read.selected);
        QCOMPARE(read.bytes.size(), size_t(1));
        QCOMPARE(read.acknowledged, std::vector<bool>{false});
        QVERIFY(read.stopped);
    }

    void cancelInTheMiddleOfTheRead()
    {
        int reads = 0;
        sim->programmer->setWriteHook([&](int count) {
            if (count == 48 || count == 32)
                ++reads;
            if (reads == 8 * 10)
                worker->requestInterruption();
        });
        readTable(0x50, 0, 127);
        QCOMPARE(job->cancels, QStringList{"Canceled read\n"});
        const I2cTransaction read = sim->programmer->record().transactions.back();
        QVERIFY(read.stopped);
        QVERIFY(!read.acknowledged.back());
        QVERIFY(read.bytes.size() < 128);
    }

    void timeoutIsAnErrorNotACancel()
    {
        worker->setTimeBudget(20);
        sim->programmer->setWriteHook([](int count) {
            if (count == 360)
                std::this_thread::sleep_for(30ms);  // the budget runs out while addressing for reading
        });
        readTable(0x50, 0, 127);
        QCOMPARE(job->order, QStringList{"error"});
        QCOMPARE(job->errors, QStringList{"Timeout read"});
        QCOMPARE(sim->programmer->record().transactions.back().bytes.size(), size_t(1));
    }

    void otherModesDoNothing_data()
    {
        QTest::addColumn<int>("mode");
        for (int mode : {0, 3, 4, 7, 8})
            QTest::newRow(qPrintable(QString::number(mode))) << mode;
    }

    void otherModesDoNothing()
    {
        QFETCH(int, mode);
        readTable(0x50, 0, 127, mode);
        QVERIFY(job->order.isEmpty());
        QVERIFY(sim->programmer->record().calls.empty());
    }

    void settingsChangedDuringAJobDoNotReachIt()
    {
        sim->programmer->setWriteHook([this](int count) {
            if (count == 390) {
                worker->setSerialNumber(QStringLiteral("OTHER"));
                worker->setAddressStop(3);
            }
        });
        readTable(0x50, 0, 127);
        QCOMPARE(job->logs.size(), 1);
        QVERIFY(job->logs[0].record.contains(QLatin1String("Read(SIM0001)")));
        QCOMPARE(job->logs[0].data.size(), 128);
    }

    void workerCanRunAgainAfterAJob()
    {
        readTable(0x50, 0, 7);
        readTable(0x51, 128, 135, SFPThread::kModeRead | SFPThread::kModeA2Table);
        QCOMPARE(job->logs.size(), 1);
        QCOMPARE(job->logs[0].data, sim->memory(0x51, 128, 136));
    }
};

QTEST_GUILESS_MAIN(TestReadJob)
#include "tst_readjob.moc"
