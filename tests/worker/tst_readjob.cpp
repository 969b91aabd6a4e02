// The read job against the simulated programmer, in both transfer modes: what
// reaches the wire, what the module returns, and how every failure and abort
// is reported.

#include "diagnosticcapture.h"
#include "jobrunner.h"
#include "simulatorfixture.h"

#include <QRegularExpression>

#include <chrono>
#include <memory>

using namespace std::chrono_literals;
using Call = SimulatedProgrammer::Call;

class TestReadJob : public TransferModeTest
{
    Q_OBJECT

public:
    using TransferModeTest::TransferModeTest;

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
        worker->setTransferMode(transferMode);
        job = std::make_unique<JobRunner>(*worker);
    }

    void cleanup()
    {
        job.reset();
        worker.reset();
        QVERIFY(!sim->programmer->isOpen());  // every job releases the programmer
        sim.reset();
    }

    void flushesOfAOneByteRead()
    {
        readTable(0x50, 5, 5);
        QCOMPARE(job->order, QStringList{"log"});
        QCOMPARE(job->logs[0].data, sim->memory(0x50, 5, 6));
        const std::vector<int> flushes = sim->programmer->record().flushSizes;
        if (compatible())
            QCOMPARE(flushes, (std::vector<int>{390, 8, 344, 8, 64, 360, 8, 24, 32, 32, 32, 32, 32, 32, 32, 48, 64}));
        else  // only the two selections and the end of the read wait for the chip
            QCOMPARE(QList<int>(flushes.begin(), flushes.end()), (QList<int>{398, 784, 360}));

        // An empty range still addresses the module, and reads nothing.
        readTable(0x50, 10, 8);
        QCOMPARE(job->logs[0].data, QByteArray());
        QCOMPARE(job->logs[0].checksum, quint16(0));
        QVERIFY(sim->programmer->record().transactions.back().selected);
    }

    void readsATableWithItsRecordAndChecksum_data()
    {
        QTest::addColumn<int>("device");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("checksummed");
        QTest::newRow("A0 Low") << 0x50 << 0 << 128;
        QTest::newRow("A0 High") << 0x50 << 128 << 128;
        QTest::newRow("A2 Low") << 0x51 << 0 << 119;
        QTest::newRow("A2 High") << 0x51 << 128 << 119;
    }

    void readsATableWithItsRecordAndChecksum()
    {
        QFETCH(int, device);
        QFETCH(int, first);
        QFETCH(int, checksummed);
        readTable(device, first, first + 127, SFPThread::kModeRead | (device == 0x51 ? SFPThread::kModeA2Table : 0));
        QCOMPARE(job->order, QStringList{"log"});
        const LogReport &report = job->logs[0];
        QCOMPARE(report.type, SFPThread::kLogReaded);
        QCOMPARE(report.data, sim->readable(device, first, first + 128));
        quint16 sum = 0;
        for (int i = 0; i < checksummed; ++i)
            sum = static_cast<quint16>(sum + static_cast<quint8>(report.data[i]));
        QCOMPARE(report.checksum, sum);
        QVERIFY2(QRegularExpression(QString("^Time \\d\\d:\\d\\d:\\d\\d, Read\\(SIM0001\\) from 0x%1\\n$").arg(device, 0, 16))
                     .match(report.record).hasMatch(),
                 qPrintable(report.record));
        // A random read: word address, stop, then a fresh start for reading.
        const auto transactions = sim->programmer->record().transactions;
        QCOMPARE(transactions.size(), size_t(2));
        QCOMPARE(transactions[0].byteAddress(), first);
        QVERIFY(transactions[0].stopped && transactions[1].read);
        QCOMPARE(transactions[1].acknowledged, [] { std::vector<bool> a(128, true); a.back() = false; return a; }());
    }

    void missingOrUnknownProgrammer()
    {
        worker->setSerialNumber(QString());
        readTable(0x50, 0, 127);
        QCOMPARE(job->errors, QStringList{"SFP programmer not selected"});
        QVERIFY(sim->programmer->record().calls.empty());

        DiagnosticCapture out;
        worker->setSerialNumber("GONE42");
        readTable(0x50, 0, 127);
        QCOMPARE(job->errors, QStringList{"Couldn't open ftdi with serial number: GONE42"});
        QCOMPARE(out.lines(), QStringList({"FT_Open(GONE42) failed (error 2).",
                                           "Use lsmod to check if ftdi_sio (and usbserial) are present.",
                                           "If so, unload them using rmmod, as they conflict with ftd2xx."}));
    }

    void unansweredSelections_data()
    {
        QTest::addColumn<int>("refused");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("starts");
        QTest::newRow("no module") << -1 << 0 << "i2c: couldn't select read address" << 5;
        QTest::newRow("answers the third") << 2 << 0 << "" << 4;
        QTest::newRow("never for reading") << 5 << 1 << "i2c: couldn't start reading" << 6;
    }

    void unansweredSelections()
    {
        QFETCH(int, refused);
        QFETCH(int, after);
        QFETCH(QString, error);
        QFETCH(int, starts);
        if (refused < 0)
            sim->programmer->setModule(nullptr);
        else
            sim->module->refuseSelections(0x50, refused, after);
        readTable(0x50, 0, 127);
        QCOMPARE(job->errors, error.isEmpty() ? QStringList() : QStringList{error});
        QCOMPARE(job->logs.size(), error.isEmpty() ? 1 : 0);
        QCOMPARE(sim->programmer->record().startConditions, starts);
    }

    void heldClockLine_data()
    {
        QTest::addColumn<int>("stretchUs");
        QTest::addColumn<bool>("stuck");
        QTest::addColumn<QString>("error");
        QTest::newRow("short stretches waited out") << 50 << false << "";
        QTest::newRow("stretches of milliseconds waited out") << 5000 << false << "";
        QTest::newRow("stretch over 100 ms") << 150000 << false << "i2c: couldn't set SCL";
        QTest::newRow("SCL stuck low") << 0 << true << "i2c: couldn't set SCL";
    }

    void heldClockLine()
    {
        QFETCH(int, stretchUs);
        QFETCH(bool, stuck);
        QFETCH(QString, error);
        sim->module->setClockStretch(std::chrono::microseconds(stretchUs), stretchUs > 100000 ? 1 : -1);
        sim->programmer->setSclStuckLow(stuck);
        readTable(0x50, 0, 15);
        QCOMPARE(job->errors, error.isEmpty() ? QStringList() : QStringList{error});
        if (error.isEmpty())
            QCOMPARE(job->logs[0].data, sim->memory(0x50, 0, 16));
    }

    // A failed exchange with the chip ends the job: nothing read back before
    // it may pass for the module's answer.
    void failedExchangeWithTheChip_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<int>("successes");
        QTest::addColumn<QString>("error");
        QTest::newRow("write") << int(Call::Write) << 1 << "Programmer transfer failed: FT_Write: FT_IO_ERROR (4)";
        QTest::newRow("read-back") << int(Call::Read) << 1 << "Programmer transfer failed: FT_Read: FT_IO_ERROR (4)";
        QTest::newRow("first read-back") << int(Call::Read) << 0 << "Programmer transfer failed: FT_Read: FT_IO_ERROR (4)";
    }

    void failedExchangeWithTheChip()
    {
        QFETCH(int, call);
        QFETCH(int, successes);
        QFETCH(QString, error);
        DiagnosticCapture out;
        sim->programmer->failCall(Call(call), FT_IO_ERROR, successes);
        readTable(0x50, 0, 127);
        QCOMPARE(job->order, QStringList{"error"});
        QCOMPARE(job->errors, QStringList{error});
    }

    void pinReadFailingWhileTheClockIsHeld()
    {
        sim->module->setClockStretch(5ms, -1);
        sim->programmer->failCall(Call::GetBitMode, FT_IO_ERROR);
        readTable(0x50, 0, 15);
        QCOMPARE(job->errors, QStringList{"Programmer transfer failed: FT_GetBitMode: FT_IO_ERROR (4)"});
    }

    void cancelOnceAddressedForReadingReadsOneMoreWithoutAcknowledge()
    {
        sim->atReadSelection(1, [this] { worker->requestInterruption(); });
        readTable(0x50, 0, 127);
        QCOMPARE(job->order, QStringList{"canceled"});
        QCOMPARE(job->cancels, QStringList{"Canceled read\n"});
        const I2cTransaction read = sim->programmer->record().transactions.back();
        QVERIFY(read.read && read.selected && read.stopped);
        QCOMPARE(read.acknowledged, std::vector<bool>{false});
    }

    void timeoutIsAnErrorNotACancel()
    {
        worker->setTimeBudget(1000);
        // The budget runs out, in the programmer's time, while addressing for reading.
        sim->atReadSelection(1, [this] { sim->programmer->advance(2s); });
        readTable(0x50, 0, 127);
        QCOMPARE(job->order, QStringList{"error"});
        QCOMPARE(job->errors, QStringList{"Timeout read"});
    }

    void otherModesDoNothing()
    {
        for (int mode : {0, 3, 4, 7}) {
            readTable(0x50, 0, 127, mode);
            QVERIFY(job->order.isEmpty());
            QVERIFY(sim->programmer->record().calls.empty());
        }
    }

    void settingsChangedDuringAJobDoNotReachIt()
    {
        sim->atStop(1, [this] {
            worker->setSerialNumber("OTHER");
            worker->setAddressStop(3);
        });
        readTable(0x50, 0, 127);
        QVERIFY(job->logs[0].record.contains("Read(SIM0001)"));
        QCOMPARE(job->logs[0].data.size(), 128);
    }
};

VEXA_TEST_IN_BOTH_TRANSFER_MODES(TestReadJob)
#include "tst_readjob.moc"
