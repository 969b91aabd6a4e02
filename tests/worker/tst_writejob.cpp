// The write job against every kind of simulated programmer, and FTDI chips
// in both transfer modes: password entry, 8-byte pages, the EEPROM's write
// cycle waited out by time, the verify pass and every way a write ends.

#include "jobrunner.h"
#include "samplemodule.h"
#include "simulatorfixture.h"
#include "testbytes.h"

#include <QRegularExpression>
#include <QSignalSpy>

#include <chrono>
#include <memory>

using namespace std::chrono_literals;

namespace {

const std::array<std::uint8_t, 4> kPassword = {0x12, 0xAB, 0x00, 0xFE};

QByteArray table(int seed)
{
    return pattern(128, seed, 13);
}

}  // namespace

class TestWriteJob : public ProgrammerTest
{
    Q_OBJECT

public:
    using ProgrammerTest::ProgrammerTest;

private:
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

private slots:
    void init()
    {
        sim = std::make_unique<SimulatorFixture>(kind());
        sim->fillPattern(0x50, 1);
        sim->fillPattern(0x51, 2);
        worker = std::make_unique<SFPThread>();
        worker->setSerialNumber(sim->identity());
        worker->setVerify(false);
        worker->setTransferMode(transferMode());
        job = std::make_unique<JobRunner>(*worker);
    }

    void cleanup()
    {
        job.reset();
        worker.reset();
        QVERIFY(!sim->board().isOpen());
        sim.reset();
    }

    void passwordUnlocksALockedModule()
    {
        sim->module->setPassword(kPassword);
        worker->setWritePassword(QByteArray(reinterpret_cast<const char *>(kPassword.data()), 4));
        const QByteArray data = table(9);
        write(data);
        QCOMPARE(job->order, QStringList{"log"});
        const auto transactions = sim->board().transactions();
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(transactions[i].device, 0x51);
            QCOMPARE(transactions[i].byteAddress(), 0x7B + i);
            QCOMPARE(transactions[i].data(), std::vector<std::uint8_t>{kPassword[i]});
        }
        QCOMPARE(transactions[4].device, 0x50);
        QCOMPARE(sim->memory(0x50, 0, 128), data);
        QVERIFY(job->logs[0].record.contains(", with password\n"));
    }

    void lockedModuleWithoutPasswordKeepsItsBytesAndVerifyShowsIt()
    {
        sim->module->setPassword(kPassword);
        const QByteArray before = sim->memory(0x50, 0, 128);
        QSignalSpy notKept(worker.get(), &SFPThread::writeNotKept);
        worker->setVerify(true);
        write(table(3));
        QCOMPARE(sim->memory(0x50, 0, 128), before);
        QCOMPARE(job->logs[1].type, SFPThread::kLogVerify);
        QCOMPARE(job->logs[1].data, before);
        QCOMPARE(sim->board().transactions().front().device, 0x50);  // nothing went to 0x51 first
        const QString pattern = QString("^Time \\d\\d:\\d\\d:\\d\\d, Write\\(%1\\) to 0x50\\n")
                                    .arg(QRegularExpression::escape(sim->identity()));
        QVERIFY(QRegularExpression(pattern).match(job->logs[0].record).hasMatch());
        QCOMPARE(notKept.count(), 1);

        // One byte kept is no locked module, only a verify that differs.
        sim->module->setPassword(std::nullopt);
        sim->module->flipStoredBit(0x50, 5, 0x01);
        write(table(3));
        QCOMPARE(notKept.count(), 1);
    }

    // Automatic: the candidates in turn on the first page that changes a
    // byte, the remembered one first, no password last.
    void automaticTriesTheListInTurn_data()
    {
        QTest::addColumn<QByteArray>("lock");  // the module's password; empty: none
        QTest::addColumn<QString>("recalled");
        QTest::addColumn<bool>("refuseData");  // of A0h until the second password
        QTest::addColumn<int>("changedFrom");  // the first byte the table changes
        QTest::addColumn<QString>("accepted");
        QTest::addColumn<int>("passwordBytes");
        QTest::addColumn<QString>("error");
        const QByteArray gamma = QByteArray::fromHex("33333333");
        QTest::newRow("the third of the list") << gamma << "" << false << 0 << "Gamma" << 12 << "";
        QTest::newRow("the remembered one first") << gamma << "Gamma" << false << 0 << "Gamma" << 4 << "";
        QTest::newRow("the first changed page decides") << gamma << "" << false << 61 << "Gamma" << 12 << "";
        QTest::newRow("an open module takes the first") << QByteArray() << "" << false << 0 << "Alpha" << 4 << "";
        QTest::newRow("a refused data byte refuses it") << QByteArray() << "" << true << 0 << "Beta" << 8 << "";
        QTest::newRow("nothing to change, nothing tried") << gamma << "" << false << 128 << "" << 0 << "";
        QTest::newRow("none of the list")
            << QByteArray::fromHex("44444444") << "Beta" << false << 0 << "" << 12
            << "No password of the list unlocked the module; tried: Beta, Alpha, Gamma, no password; the module "
               "acknowledges writes here but keeps nothing: its identification is locked";
    }

    void automaticTriesTheListInTurn()
    {
        QFETCH(QByteArray, lock);
        QFETCH(QString, recalled);
        QFETCH(bool, refuseData);
        QFETCH(int, changedFrom);
        QFETCH(QString, accepted);
        QFETCH(int, passwordBytes);
        QFETCH(QString, error);
        std::copy_n("A               ", 16, sim->module->memory(0x50).begin() + 20);  // the vendor
        std::copy_n("PN              ", 16, sim->module->memory(0x50).begin() + 40);  // the part number
        if (!lock.isEmpty())
            sim->module->setPassword(std::array<std::uint8_t, 4>{quint8(lock[0]), quint8(lock[1]), quint8(lock[2]),
                                                                 quint8(lock[3])});
        if (refuseData) {
            sim->module->refuseDataAfter(0x50, 0, 1000);
            sim->board().setBusHook([this](const BusEvent &e) {
                if (e.kind == e.Stop && e.transaction.data() == std::vector<std::uint8_t>{0x22})
                    sim->module->refuseDataAfter(0x50, 0, 0);
            });
        }
        const QByteArray before = sim->memory(0x50, 0, 128);
        const QByteArray data = before.left(changedFrom) + table(9).mid(changedFrom);
        worker->setPasswordCandidates({{"Alpha", QByteArray::fromHex("11111111")},
                                       {"Beta", QByteArray::fromHex("22222222")},
                                       {"Gamma", QByteArray::fromHex("33333333")}});
        worker->setPasswordRecall([recalled](const QString &vendor, const QString &partNumber) {
            return vendor == "A" && partNumber == "PN" ? recalled : QString();
        });
        QSignalSpy accepts(worker.get(), &SFPThread::passwordAccepted);
        QSignalSpy reached(worker.get(), &SFPThread::writeReachedModule);
        write(data);

        const auto all = sim->board().transactions();
        QCOMPARE(int(std::count_if(all.begin(), all.end(), [](auto &t) { return t.device == 0x51; })), passwordBytes);
        QCOMPARE(job->errors, error.isEmpty() ? QStringList() : QStringList{error});
        QCOMPARE(sim->memory(0x50, 0, 128), error.isEmpty() ? data : before);
        QCOMPARE(reached.count(), error.isEmpty() ? 1 : 0);
        QCOMPARE(accepts.count(), accepted.isEmpty() ? 0 : 1);
        if (!accepted.isEmpty()) {
            QCOMPARE(accepts.at(0), QVariantList({accepted, "A", "PN"}));
            QVERIFY(job->logs.at(0).record.contains(", with password \"" + accepted + "\"\n"));
        }
    }

    void pagesGoToTheTablesAddresses()
    {
        for (int first : {128, 200}) {  // a High table, and one wrapping past 255
            sim->board().clearRecord();
            const QByteArray data = table(first);
            write(data, 0x50, first);
            std::vector<int> pageAddresses, expected;
            for (const I2cTransaction &t : sim->board().transactions())
                if (t.selected && !t.data().empty())
                    pageAddresses.push_back(t.byteAddress());
            for (int page = 0; page < 16; ++page)
                expected.push_back((first + page * 8) % 256);
            QCOMPARE(pageAddresses, expected);
            for (int i = 0; i < 128; ++i)
                QCOMPARE(sim->module->memory(0x50)[(first + i) % 256], std::uint8_t(data[i]));
        }
    }

    void writeCycleIsWaitedOutByTime_data()
    {
        QTest::addColumn<int>("cycleMs");
        QTest::newRow("5 ms, a typical EEPROM") << 5;
        QTest::newRow("80 ms, the most a page may take") << 80;
        QTest::newRow("150 ms, longer than waited for") << 150;
    }

    void writeCycleIsWaitedOutByTime()
    {
        QFETCH(int, cycleMs);
        sim->module->setWriteCycle(std::chrono::milliseconds(cycleMs));
        worker->setVerify(true);
        const QByteArray before = sim->memory(0x50, 0, 128);
        const QByteArray data = table(4);
        write(data);
        const int selections = sim->board().startConditions();
        if (cycleMs <= SFPThread::kWriteCycleWaitMs) {
            QCOMPARE(job->order, QStringList({"log", "log"}));
            QCOMPARE(job->logs[1].data, data);
            // Polled about once per exchange with the programmer (a USB
            // frame for the FTDI chip, 2 ms for the others), never thousands
            // of times.
            const int pollMs = ftdi() ? 1 : 2;
            QVERIFY2(selections < 17 * (cycleMs / pollMs + 3), qPrintable(QString::number(selections)));
        } else {
            QCOMPARE(job->errors, QStringList{"Couldn't write to: " + sim->identity()});
            // The first page stays written; nothing is rolled back.
            QCOMPARE(sim->memory(0x50, 0, 128), data.left(8) + before.mid(8));
        }
    }

    void qsfpWritesTakeFourBytesAndWaitOutTheirCycle_data()
    {
        QTest::addColumn<int>("waitedMs");
        QTest::newRow("waited out") << 40;
        QTest::newRow("not waited: bytes sent while storing are lost") << 0;
    }

    // A QSFP module takes four bytes a write and answers while it stores:
    // only the time tells when the next write may go, and the password goes
    // to its lower page.
    void qsfpWritesTakeFourBytesAndWaitOutTheirCycle()
    {
        QFETCH(int, waitedMs);
        makeQsfpModule(*sim->module);
        sim->module->setAcknowledgeWhileBusy(true);
        sim->module->setWriteCycle(10ms);
        sim->module->setPassword(kPassword);
        worker->setWritePassword(QByteArray(reinterpret_cast<const char *>(kPassword.data()), 4));
        worker->setPasswordEntry(0x50, 123);
        worker->setWriteTiming(4, waitedMs);
        worker->setPage(0);
        const QByteArray data = table(9);
        write(data, 0x50, 128);
        // A CH341A reads back even an unverified write, and sees what was lost.
        QCOMPARE(job->errors.isEmpty(), waitedMs > 0 || kind() != SimulatorFixture::Kind::Ch341a);
        QCOMPARE(sim->memory(0x50, 128, 256) == data, waitedMs > 0);
        int dataWrites = 0;
        for (const I2cTransaction &t : sim->board().transactions()) {
            if (t.read || t.byteAddress() < 0 || t.data().empty())
                continue;
            QCOMPARE(int(t.device), 0x50);
            const int first = t.byteAddress();
            const int size = int(t.data().size());
            QVERIFY2(size <= 4 && first % 8 + size <= 8, qPrintable(QString::number(first)));
            dataWrites += first >= 128 ? 1 : 0;
        }
        QCOMPARE(dataWrites, 32);
    }

    // A CMIS module's banked page: the password to lower bytes 122-125, the
    // bank and the page in one write to bytes 126 and 127, eight bytes a
    // write, and the module's own bank and page (0, 0) selected again after.
    void cmisBankedPageIsSelectedWithItsBankAndRestored()
    {
        makeCmisModule(*sim->module);
        sim->module->addBankedPage(0x50, 0x10, 2);
        sim->module->setPassword(kPassword);
        worker->setWritePassword(QByteArray(reinterpret_cast<const char *>(kPassword.data()), 4));
        worker->setPasswordEntry(0x50, 122);
        worker->setWriteTiming(8, 1);
        worker->setPage(0x10, 1);
        worker->setVerify(true);
        const QByteArray data = table(11);
        write(data, 0x50, 128);
        QVERIFY2(job->errors.isEmpty(), qPrintable(job->errors.join('\n')));
        const auto bytesOf = [](const SimulatedModule::PageBytes &page) {
            return QByteArray(reinterpret_cast<const char *>(page.data()), int(page.size()));
        };
        QCOMPARE(bytesOf(sim->module->pageBytes(0x50, 0x10, 1)), data);
        QCOMPARE(bytesOf(sim->module->pageBytes(0x50, 0x10, 0)), QByteArray(128, '\0'));
        QCOMPARE(sim->module->selectedPage(0x50), 0);
        QCOMPARE(sim->module->selectedBank(0x50), 0);
        QList<std::vector<std::uint8_t>> selections;
        int passwordBytes = 0;
        for (const I2cTransaction &t : sim->board().transactions()) {
            const int first = t.byteAddress();
            if (t.read || first < 0 || t.data().empty())
                continue;
            if (first == 126)
                selections.append(t.data());
            passwordBytes += first >= 122 && first <= 125 ? int(t.data().size()) : 0;
            QVERIFY(first >= 126 || first + int(t.data().size()) <= 126);  // never 126-127 as data
            QVERIFY(t.data().size() <= 8 && first % 8 + int(t.data().size()) <= 8);
        }
        QCOMPARE(passwordBytes, 4);
        QCOMPARE(selections, (QList<std::vector<std::uint8_t>>{{1, 0x10}, {0, 0}}));
    }

    // Without a verify, the write ends only once the module answers after
    // its last page: one that stopped answering did not keep it.
    void moduleGoneAfterTheLastPageFailsTheWrite()
    {
        sim->module->refuseSelections(0x50, 1000, 16);
        write(table(6));
        QCOMPARE(job->order, QStringList{"error"});
        QCOMPARE(job->errors, QStringList{"Couldn't write to: " + sim->identity()});
    }

    void verifyReadsTheTableBackWithTheTablesChecksumRule()
    {
        worker->setVerify(true);
        const QByteArray data = table(8);
        write(data + QByteArray(128, 'x'), 0x51, 128, SFPThread::kModeWrite | SFPThread::kModeA2Table);
        QCOMPARE(job->order, QStringList({"log", "log"}));
        QCOMPARE(job->logs[0].type, SFPThread::kLogWrited);
        QCOMPARE(job->logs[0].data, data);  // what went to the module, not the rest of a longer buffer
        QCOMPARE(job->logs[1].type, SFPThread::kLogVerify);
        QCOMPARE(job->logs[1].data, data);
        QCOMPARE(job->logs[0].checksum, sum(data, 119));
        QCOMPARE(job->logs[1].checksum, sum(data, 119));
        QVERIFY(job->logs[1].record.endsWith("Read(" + sim->identity() + ") from 0x51\n"));
    }

    // Only the spans given are written, in writes that never cross an 8-byte
    // page: A2 Low without its password entry and page select.
    void onlyTheDataSpansAreWritten()
    {
        const QByteArray before = sim->memory(0x51, 0, 128);
        worker->setWriteSpans({sff::Span{0, 123}});
        write(table(9), 0x51, 0, SFPThread::kModeWrite | SFPThread::kModeA2Table);
        QCOMPARE(job->order, QStringList{"log"});
        QCOMPARE(sim->memory(0x51, 0, 128), table(9).left(123) + before.mid(123));
        I2cTransaction last;
        for (const I2cTransaction &t : sim->board().transactions())
            if (t.byteAddress() >= 0 && !t.data().empty())
                last = t;  // the polls and a read-back after it carry no data
        QCOMPARE(last.byteAddress(), 120);
        QCOMPARE(int(last.data().size()), 3);
        // Runs that touch go out as one.
        sim->board().clearRecord();
        worker->setWriteSpans({sff::Span{144, 2}, sff::Span{146, 2}});
        write(table(10), 0x51, 128, SFPThread::kModeWrite | SFPThread::kModeA2Table);
        QCOMPARE(sim->board().transactions().front().byteAddress(), 144);
        QCOMPARE(int(sim->board().transactions().front().data().size()), 4);
        QCOMPARE(sim->memory(0x51, 144, 148), table(10).mid(16, 4));
    }

    // A byte the module keeps refusing fails the job, after the page's stop,
    // and says which one it was.
    // A refused byte proves nothing about what the module kept: once a
    // byte of a page went out, the table counts as touched.
    void refusedBytesFailTheWrite_data()
    {
        QTest::addColumn<int>("device");
        QTest::addColumn<int>("acknowledged");
        QTest::addColumn<int>("transactions");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("reached");
        QTest::newRow("fourth byte of the first page") << 0x50 << 3 << 1 << "Write failed: the module refused byte 0x03 in page 1" << true;
        QTest::newRow("first byte of the first page") << 0x50 << 0 << 1 << "Write failed: the module refused byte 0x00 in page 1" << true;
        QTest::newRow("first byte of the third page") << 0x50 << 0 << 3 << "Write failed: the module refused byte 0x10 in page 3" << true;
        QTest::newRow("password") << 0x51 << 0 << 1 << "Write failed: the module refused byte 1 of the password" << false;
    }

    void refusedBytesFailTheWrite()
    {
        QFETCH(int, device);
        QFETCH(int, acknowledged);
        QFETCH(int, transactions);
        QFETCH(QString, error);
        QFETCH(bool, reached);
        QSignalSpy reachedModule(worker.get(), &SFPThread::writeReachedModule);
        // Pages before the refused one are taken whole.
        constexpr int kEveryTime = 1000;
        if (transactions > 1)
            sim->atStop(transactions - 1, [this] { sim->module->refuseDataAfter(0x50, 0, kEveryTime); });
        else
            sim->module->refuseDataAfter(std::uint8_t(device), acknowledged, kEveryTime);
        worker->setWritePassword(device == 0x51 ? QByteArray(4, 'p') : QByteArray());
        write(table(10));
        QCOMPARE(job->order, QStringList{"error"});
        QCOMPARE(job->errors, QStringList{error});
        const I2cTransaction last = sim->board().transactions().back();
        QVERIFY(last.stopped);
        QCOMPARE(last.acknowledged.back(), false);
        QCOMPARE(reachedModule.count(), reached ? 1 : 0);
    }

    // A module holding the clock low after acknowledges, or within bytes,
    // gets the table as sent wherever the programmer sees it. A CH341A
    // cannot: its write never passes for done, and a page the module missed
    // silently is found by reading the table back, verify or not.
    void stretchingModuleGetsTheTable_data()
    {
        QTest::addColumn<int>("stretchUs");
        QTest::addColumn<unsigned>("clocks");
        QTest::addColumn<int>("skip");
        QTest::addColumn<QString>("ch341aError");
        const unsigned acknowledge = SimulatedModule::kAfterAcknowledge;
        QTest::newRow("35 us after every acknowledge") << 35 << acknowledge << 0
                                                       << "Write failed: the module refused byte 0x00 in page 1";
        QTest::newRow("5 ms after every acknowledge") << 5000 << acknowledge << 0
                                                      << "Write failed: the module refused the address of page 1 (0x00)";
        QTest::newRow("after the fifth bit") << 5000 << SimulatedModule::afterClock(5) << 0
                                             << "Write failed: the module refused the address of page 1 (0x00)";
        QTest::newRow("65 us before the first page's stop") << 65 << acknowledge << 9
                                                            << "Write failed: the module holds other bytes than written, the first at 0x00";
    }

    void stretchingModuleGetsTheTable()
    {
        QFETCH(int, stretchUs);
        QFETCH(unsigned, clocks);
        QFETCH(int, skip);
        QFETCH(QString, ch341aError);
        sim->module->setClockStretch(std::chrono::microseconds(stretchUs), skip ? 1 : -1, clocks, skip);
        const QByteArray data = table(21);
        write(data);
        const bool ch341a = kind() == SimulatorFixture::Kind::Ch341a;
        if (!job->logs.isEmpty())
            QCOMPARE(job->logs[0].record.contains("read back to check"), ch341a);
        QCOMPARE(job->errors, ch341a ? QStringList{ch341aError} : QStringList());
        if (!ch341a)
            QCOMPARE(sim->memory(0x50, 0, 128), data);
    }

    void cancelBetweenPagesAndDuringTheVerify()
    {
        const QByteArray before = sim->memory(0x50, 0, 128);
        const QByteArray data = table(11);
        sim->atStop(5, [this] { worker->requestInterruption(); });
        write(data);
        QCOMPARE(job->cancels, QStringList{"Canceled write\n"});
        QCOMPARE(sim->memory(0x50, 0, 128), data.left(40) + before.mid(40));

        worker->setVerify(true);
        // The read of what the module held, 16 pages, then the verify's.
        sim->atStop(ftdi() || kind() == SimulatorFixture::Kind::Ch341a ? 19 : 18,
                    [this] { worker->requestInterruption(); });
        write(data);
        QCOMPARE(job->order, QStringList({"log", "canceled"}));
        QCOMPARE(job->cancels, QStringList{"Canceled verify\n"});
    }

    void budgetCoversTheWriteAndAgainTheVerify()
    {
        // Time passes on the programmer's clock, whatever the machine's speed.
        sim->atStop(3, [this] { sim->board().advance(16s); });
        write(table(13));
        QCOMPARE(job->order, QStringList{"error"});
        QCOMPARE(job->errors, QStringList{"Timeout write"});

        // 16 s pass in the write, the last 8 after its last check: the verify
        // still has a budget of its own.
        worker->setVerify(true);
        auto pages = std::make_shared<int>(0);
        sim->board().setBusHook([this, pages](const BusEvent &e) {
            if (e.kind == e.Stop && e.transaction.selected && !e.transaction.data().empty()
                && (++*pages == 8 || *pages == 16))
                sim->board().advance(8s);
        });
        write(table(14));
        QCOMPARE(job->order, QStringList({"log", "log"}));
    }

    void tooShortTableIsRefusedBeforeTouchingTheModule()
    {
        write(QByteArray(100, '\x55'));
        QCOMPARE(job->errors, QStringList{"Nothing written: the table holds 100 bytes, 128 are needed"});
        QVERIFY(!sim->board().wasUsed());
    }
};

VEXA_TEST_ON_EVERY_PROGRAMMER(TestWriteJob)
#include "tst_writejob.moc"
