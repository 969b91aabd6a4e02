// The read job against every kind of simulated programmer, and FTDI chips in
// both transfer modes: what reaches the wire, what the module returns, and
// how every failure and abort is reported.

#include "diagnosticcapture.h"
#include "jobrunner.h"
#include "simulatorfixture.h"

#include <QRegularExpression>

#include <chrono>
#include <memory>

using namespace std::chrono_literals;
using Call = SimulatedProgrammer::Call;

namespace {

enum Opening { NoneSelected, NotAttached, NoPermission };

}  // namespace

class TestReadJob : public ProgrammerTest
{
    Q_OBJECT

public:
    using ProgrammerTest::ProgrammerTest;

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
        sim = std::make_unique<SimulatorFixture>(kind());
        sim->fillPattern(0x50, 11);
        sim->fillPattern(0x51, 200);
        worker = std::make_unique<SFPThread>();
        worker->setSerialNumber(sim->identity());
        worker->setTransferMode(transferMode());
        job = std::make_unique<JobRunner>(*worker);
    }

    void cleanup()
    {
        job.reset();
        worker.reset();
        QVERIFY(!sim->board().isOpen());  // every job releases the programmer
        sim.reset();
    }

    void flushesOfAOneByteRead()
    {
        readTable(0x50, 5, 5);
        QCOMPARE(job->order, QStringList{"log"});
        QCOMPARE(job->logs[0].data, sim->memory(0x50, 5, 6));
        if (ftdi()) {
            const std::vector<int> flushes = sim->programmer->record().flushSizes;
            if (compatible())
                QCOMPARE(flushes, (std::vector<int>{390, 8, 344, 8, 64, 360, 8, 24, 32, 32, 32, 32, 32, 32, 32, 48, 64}));
            else  // only the two selections and the end of the read wait for the chip, in whole USB packets
                QVERIFY(flushes.size() == 3
                        && std::all_of(flushes.begin(), flushes.end(), [](int n) { return n % 62 == 0; }));
        }

        // An empty range still addresses the module, and reads nothing.
        readTable(0x50, 10, 8);
        QCOMPARE(job->logs[0].data, QByteArray());
        QCOMPARE(job->logs[0].checksum, quint16(0));
        QVERIFY(sim->board().transactions().back().selected);
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
        const QString pattern = QString("^Time \\d\\d:\\d\\d:\\d\\d, Read\\(%1\\) from 0x%2\\n%3$")
                                    .arg(QRegularExpression::escape(sim->identity()))
                                    .arg(device, 0, 16)
                                    .arg(kind() == SimulatorFixture::Kind::Ch341a ? ".*clock low.*\\n" : "");
        QVERIFY2(QRegularExpression(pattern).match(report.record).hasMatch(), qPrintable(report.record));
        // A random read: the word address, then a start for reading; an
        // i2c-dev adapter makes it one transfer, with a repeated start.
        const auto transactions = sim->board().transactions();
        QCOMPARE(transactions.size(), size_t(2));
        QCOMPARE(transactions[0].byteAddress(), first);
        QVERIFY(transactions[1].read);
        QCOMPARE(transactions[0].stopped, kind() != SimulatorFixture::Kind::I2cDev);
        QCOMPARE(transactions[1].acknowledged, [] { std::vector<bool> a(128, true); a.back() = false; return a; }());
    }

    void programmerThatCannotBeOpened_data()
    {
        QTest::addColumn<int>("opening");
        QTest::addColumn<QStringList>("errors");  // by kind: the start of the message
        const QString none = "SFP programmer not selected";
        QTest::newRow("none selected") << int(NoneSelected) << QStringList{none, none, none};
        QTest::newRow("not attached")
            << int(NotAttached)
            << QStringList{"Couldn't open ftdi with serial number: GONE42",
                           "Couldn't open programmer i2c-9: /dev/i2c-9 does not exist; the adapter was unplugged",
                           "Couldn't open programmer CH341A@9-9: not attached"};
        QTest::newRow("no permission")
            << int(NoPermission)
            << QStringList{"Couldn't open ftdi with serial number: SIM0001",
                           "Couldn't open programmer i2c-3: no permission to use /dev/i2c-3; add your user to the i2c group",
                           "Couldn't open programmer CH341A@3-1.4: no permission to use the CH341A 3-1.4; install the udev rule"};
    }

    void programmerThatCannotBeOpened()
    {
        QFETCH(int, opening);
        QFETCH(QStringList, errors);
        DiagnosticCapture out;
        if (opening == NoPermission)
            sim->board().denyAccess(true);
        worker->setSerialNumber(opening == NoneSelected  ? QString()
                                : opening == NotAttached ? ofKind({"GONE42", "i2c-9", "CH341A@9-9"})
                                                         : sim->identity());
        readTable(0x50, 0, 127);
        QCOMPARE(job->order, QStringList{"error"});
        QVERIFY2(job->errors[0].startsWith(ofKind(errors)), qPrintable(job->errors[0]));
        QCOMPARE(sim->board().wasUsed(), opening == NoPermission);
        if (ftdi() && opening == NotAttached)
            QCOMPARE(out.lines(), QStringList({"FT_Open(GONE42) failed (error 2).",
                                               "Use lsmod to check if ftdi_sio (and usbserial) are present.",
                                               "If so, unload them using rmmod, as they conflict with ftd2xx."}));
    }

    void unansweredSelections_data()
    {
        QTest::addColumn<int>("refused");
        QTest::addColumn<int>("after");
        QTest::addColumn<QStringList>("errors");  // by kind
        QTest::addColumn<QList<int>>("starts");   // by kind
        const QString noSelection = "i2c: couldn't select read address";
        QTest::newRow("no module") << -1 << 0 << QStringList{noSelection, noSelection, noSelection}
                                   << QList<int>{5, 6, 5};
        QTest::newRow("answers the third") << 2 << 0 << QStringList{"", "", ""} << QList<int>{4, 4, 4};
        // An i2c-dev adapter, once the combined transfers are spent, reads
        // the word address and the bytes apart, and the module answers.
        const QString noReading = "i2c: couldn't start reading";
        QTest::newRow("never for reading") << 5 << 1 << QStringList{noReading, "", noReading} << QList<int>{6, 8, 6};
    }

    void unansweredSelections()
    {
        QFETCH(int, refused);
        QFETCH(int, after);
        QFETCH(QStringList, errors);
        QFETCH(QList<int>, starts);
        if (refused < 0)
            sim->setModule(nullptr);
        else
            sim->module->refuseSelections(0x50, refused, after);
        readTable(0x50, 0, 127);
        const QString error = ofKind(errors);
        QCOMPARE(job->errors, error.isEmpty() ? QStringList() : QStringList{error});
        QCOMPARE(job->logs.size(), error.isEmpty() ? 1 : 0);
        QCOMPARE(sim->board().startConditions(), starts.value(static_cast<int>(kind())));
    }

    // A module may hold the clock low after any falling edge of SCL. FTDI
    // chips, in both exchanges, and i2c-dev adapters wait for it; the CH341A
    // cannot see it: the module misses clocks, and the read fails or, worse,
    // gives shifted bytes.
    void heldClockLine_data()
    {
        QTest::addColumn<int>("stretchUs");
        QTest::addColumn<unsigned>("clocks");
        QTest::addColumn<bool>("stuck");
        QTest::addColumn<QStringList>("errors");  // by kind; "shifted": wrong bytes, no error
        const QString held = "i2c: couldn't set SCL";
        const QStringList waited{"", "", "shifted"};
        const QStringList refused{"", "", "i2c: the module refused the read address 0x00"};
        QTest::newRow("short stretches waited out") << 50 << 0u << false << refused;
        QTest::newRow("after the third bit") << 50 << SimulatedModule::afterClock(3) << false << refused;
        QTest::newRow("before the master's acknowledge") << 5000 << SimulatedModule::afterClock(8) << false << waited;
        QTest::newRow("stretches of milliseconds waited out") << 5000 << 0u << false << waited;
        QTest::newRow("stretch over 100 ms") << 150000 << 0u << false << QStringList{held, held, "shifted"};
        QTest::newRow("SCL stuck low") << 0 << 0u << true << QStringList{held, held, "i2c: couldn't select read address"};
    }

    void heldClockLine()
    {
        QFETCH(int, stretchUs);
        QFETCH(unsigned, clocks);
        QFETCH(bool, stuck);
        QFETCH(QStringList, errors);
        const QString error = ofKind(errors);
        sim->module->setClockStretch(std::chrono::microseconds(stretchUs), stretchUs > 100000 ? 1 : -1, clocks);
        ModuleSocket::Faults faults;
        faults.sclStuckLow = stuck;
        sim->board().setLineFaults(faults);
        readTable(0x50, 0, 15);
        if (error == "shifted") {
            QCOMPARE(job->order, QStringList{"log"});
            QVERIFY(job->logs[0].data != sim->memory(0x50, 0, 16));
            return;
        }
        QCOMPARE(job->errors, error.isEmpty() ? QStringList() : QStringList{error});
        if (error.isEmpty())
            QCOMPARE(job->logs[0].data, sim->memory(0x50, 0, 16));
    }

    // A programmer pulled out ends the job: nothing read before may pass for
    // the module's answer.
    void pulledProgrammer_data()
    {
        // By kind: the exchanges that still work. The CH341A's first sets
        // its speed; an i2c-dev adapter reads a table in one transfer.
        QTest::addColumn<QList<int>>("exchanges");
        QTest::newRow("at the first transfer") << QList<int>{0, 0, 1};
        QTest::newRow("during the read") << QList<int>{1, 0, 3};
    }

    void pulledProgrammer()
    {
        QFETCH(QList<int>, exchanges);
        DiagnosticCapture out;
        sim->board().unplugAfter(exchanges.value(static_cast<int>(kind())));
        readTable(0x50, 0, 127);
        QCOMPARE(job->order, QStringList{"error"});
        QCOMPARE(job->errors, QStringList{"Programmer transfer failed: "
                                          + ofKind({"FT_Write: FT_IO_ERROR (4)", "/dev/i2c-3: No such device",
                                                    "CH341A: No such device (it may have been disconnected)"})});
    }

    void failedReadBackFromTheChip_data()
    {
        QTest::addColumn<int>("successes");
        QTest::newRow("a later one") << 1;
        QTest::newRow("the first") << 0;
    }

    void failedReadBackFromTheChip()
    {
        if (!ftdi())
            QSKIP("FTDI chips only");
        QFETCH(int, successes);
        DiagnosticCapture out;
        sim->programmer->failCall(Call::Read, FT_IO_ERROR, successes);
        readTable(0x50, 0, 127);
        QCOMPARE(job->order, QStringList{"error"});
        QCOMPARE(job->errors, QStringList{"Programmer transfer failed: FT_Read: FT_IO_ERROR (4)"});
        // Nothing more goes to a chip that failed.
        const std::vector<std::string> calls = sim->programmer->record().calls;
        size_t failed = 0;
        for (int reads = 0; failed < calls.size(); ++failed)
            if (calls[failed].rfind("FT_Read", 0) == 0 && reads++ == successes)
                break;
        QCOMPARE(std::vector<std::string>(calls.begin() + failed + 1, calls.end()),
                 (std::vector<std::string>{"FT_SetBitMode(0x00, 0)", "FT_Close"}));
    }

    void pinReadFailingWhileTheClockIsHeld()
    {
        if (!ftdi())
            QSKIP("FTDI chips only");
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
        const I2cTransaction read = sim->board().transactions().back();
        QVERIFY(read.read && read.selected && read.stopped);
        // An i2c-dev adapter finishes a transfer it began.
        if (kind() != SimulatorFixture::Kind::I2cDev)
            QCOMPARE(read.acknowledged, std::vector<bool>{false});
    }

    // A page of A2h: its number written to byte 127 and read back before the
    // read, the module's own page written back after it, also after a cancel;
    // a page the module does not take is not read at all.
    void pagesAreSelectedCheckedAndRestored_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("selectedBefore");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<QList<int>>("writes");  // the bytes written to byte 127, in order
        QTest::newRow("a page") << 1 << 0 << false << QStringList{"log"} << QList<int>{1, 0};
        QTest::newRow("the page selected already") << 1 << 1 << false << QStringList{"log"} << QList<int>{};
        QTest::newRow("a page the module lacks") << 5 << 0 << false << QStringList{"error"} << QList<int>{5};
        QTest::newRow("canceled while reading it") << 1 << 0 << true << QStringList{"canceled"} << QList<int>{1, 0};
    }
    void pagesAreSelectedCheckedAndRestored()
    {
        QFETCH(int, page);
        QFETCH(int, selectedBefore);
        QFETCH(bool, cancel);
        QFETCH(QStringList, order);
        QFETCH(QList<int>, writes);
        sim->module->addPage(0x51, 1);
        SimulatedModule::PageBytes bytes{};
        bytes.fill(0x5A);
        sim->module->setPageBytes(0x51, 1, bytes);
        worker->setPage(page);
        if (selectedBefore) {
            // Selected before, by another tool.
            SFPThread other;
            other.setSerialNumber(sim->identity());
            other.setTransferMode(transferMode());
            other.setAddress(0x51);
            other.setAddressStart(127);
            other.setAddressStop(127);
            other.setWriteData(QByteArray(128, char(selectedBefore)));
            other.setWriteSpans({sff::Span{127, 1}});
            other.setMode(SFPThread::kModeWrite);
            other.setVerify(false);
            JobRunner(other).run();
            QCOMPARE(sim->module->selectedPage(0x51), selectedBefore);
            sim->board().clearRecord();
        }
        if (cancel)
            sim->atReadSelection(3, [this] { worker->requestInterruption(); });
        readTable(0x51, 128, 255, SFPThread::kModeRead | SFPThread::kModeA2Table);
        QCOMPARE(job->order, order);
        QCOMPARE(sim->module->selectedPage(0x51), selectedBefore);
        QList<int> written;
        bool readUpperHalf = false;
        for (const I2cTransaction &t : sim->board().transactions()) {
            if (t.byteAddress() == 127 && t.bytes.size() == 2)
                written.append(t.bytes[1]);
            readUpperHalf = readUpperHalf || t.byteAddress() == 128;
        }
        QCOMPARE(written, writes);
        QCOMPARE(readUpperHalf, page == 1);
        if (order == QStringList{"log"}) {
            QCOMPARE(job->logs[0].data, QByteArray(128, char(0x5A)));
            QVERIFY(job->logs[0].record.contains(", page 01h\n"));
        } else if (order == QStringList{"error"}) {
            QVERIFY2(job->errors[0].startsWith("The module did not take page 05h: byte 127 of device 0x51 reads 00h"),
                     qPrintable(job->errors[0]));
        }
    }

    void timeoutIsAnErrorNotACancel()
    {
        worker->setTimeBudget(1000);
        // The budget runs out, in the programmer's time, while addressing for reading.
        sim->atReadSelection(1, [this] { sim->board().advance(2s); });
        readTable(0x50, 0, 127);
        QCOMPARE(job->order, QStringList{"error"});
        QCOMPARE(job->errors, QStringList{"Timeout read"});
    }

    void otherModesDoNothing()
    {
        for (int mode : {0, 3, 4, 7}) {
            readTable(0x50, 0, 127, mode);
            QVERIFY(job->order.isEmpty());
            QVERIFY(!sim->board().wasUsed());
        }
    }

    void settingsChangedDuringAJobDoNotReachIt()
    {
        sim->atStop(1, [this] {
            worker->setSerialNumber("OTHER");
            worker->setAddressStop(3);
        });
        readTable(0x50, 0, 127);
        QVERIFY(job->logs[0].record.contains("Read(" + sim->identity() + ")"));
        QCOMPARE(job->logs[0].data.size(), 128);
    }
};

VEXA_TEST_ON_EVERY_PROGRAMMER(TestReadJob)
#include "tst_readjob.moc"
