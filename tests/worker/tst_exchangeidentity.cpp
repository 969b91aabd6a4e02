// The fast exchange sends the module what the compatible one sends: for
// every job and every failure that does not depend on how fast time passes,
// both make the same transactions on the wire, bit for bit and acknowledge
// for acknowledge, and the worker reports the same bytes and signals. Only
// the lengths of the runs differ.

#include "jobrunner.h"
#include "simulatorfixture.h"
#include "testbytes.h"

#include <QRegularExpression>

#include <functional>

namespace {

const std::array<std::uint8_t, 4> kPassword = {0x12, 0xAB, 0x00, 0xFE};

struct Outcome {
    QStringList transactions;
    QStringList signalsEmitted;
};


using Setup = std::function<void(SimulatorFixture &, SFPThread &)>;

// A job of `mode` on a fresh simulated module prepared by `setup`.
Outcome runJob(int transferMode, int mode, const Setup &setup)
{
    SimulatorFixture sim;
    sim.fillPattern(0x50, 1);
    sim.fillPattern(0x51, 2);
    // Polls of a busy module are paced by the clock, which the two exchanges
    // spend differently; without a write cycle nothing waits.
    sim.module->setWriteCycle(std::chrono::microseconds(0));
    SFPThread worker;
    worker.setSerialNumber(SimulatorFixture::kSerial);
    worker.setTransferMode(transferMode);
    worker.setMode(mode);
    worker.setAddress(mode & SFPThread::kModeA2Table ? 0x51 : 0x50);
    worker.setAddressStart(0);
    worker.setAddressStop(127);
    worker.setWriteData(pattern(128, 7, 13));
    worker.setVerify(true);
    setup(sim, worker);
    JobRunner job(worker);
    job.run();

    Outcome outcome{SimulatorFixture::described(sim.programmer->record().transactions), job.order};
    for (const LogReport &log : job.logs)
        outcome.signalsEmitted << QString(log.record).replace(QRegularExpression("\\d\\d:\\d\\d:\\d\\d"), "time")
                               << log.data.toHex() << QString::number(log.checksum);
    outcome.signalsEmitted << job.errors << job.cancels;
    return outcome;
}

}  // namespace

Q_DECLARE_METATYPE(Setup)

class TestExchangeIdentity : public QObject
{
    Q_OBJECT

private slots:
    void sameTransactionsAndSignalsInBothModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<Setup>("setup");
        const int read = SFPThread::kModeRead;
        const int write = SFPThread::kModeWrite;
        const Setup nothing = [](SimulatorFixture &, SFPThread &) {};
        QTest::newRow("read A0 Low") << read << nothing;
        QTest::newRow("read A2 High") << (read | SFPThread::kModeA2Table) << Setup([](SimulatorFixture &, SFPThread &w) {
            w.setAddressStart(128);
            w.setAddressStop(255);
        });
        QTest::newRow("write with password and verify") << write << Setup([](SimulatorFixture &s, SFPThread &w) {
            s.module->setPassword(kPassword);
            w.setWritePassword(QByteArray(reinterpret_cast<const char *>(kPassword.data()), 4));
        });
        QTest::newRow("locked module, verify differs") << write << Setup([](SimulatorFixture &s, SFPThread &) {
            s.module->setPassword(kPassword);
        });
        QTest::newRow("stored bit flipped") << write << Setup([](SimulatorFixture &s, SFPThread &) {
            s.module->flipStoredBit(0x50, 77, 0x10);
        });
        QTest::newRow("no module") << read << Setup([](SimulatorFixture &s, SFPThread &) { s.programmer->setModule(nullptr); });
        QTest::newRow("answers the third selection") << read << Setup([](SimulatorFixture &s, SFPThread &) {
            s.module->refuseSelections(0x50, 2);
        });
        QTest::newRow("never for reading") << read << Setup([](SimulatorFixture &s, SFPThread &) {
            s.module->refuseSelections(0x50, 5, 1);
        });
        QTest::newRow("refused data byte") << write << Setup([](SimulatorFixture &s, SFPThread &) {
            s.module->refuseDataAfter(0x50, 5);
        });
        QTest::newRow("refused password byte") << write << Setup([](SimulatorFixture &s, SFPThread &w) {
            s.module->refuseDataAfter(0x51, 0);
            w.setWritePassword(QByteArray(4, 'p'));
        });
        QTest::newRow("canceled read") << read << Setup([](SimulatorFixture &s, SFPThread &w) {
            s.atReadSelection(1, [&w] { w.requestInterruption(); });
        });
        QTest::newRow("canceled write") << write << Setup([](SimulatorFixture &s, SFPThread &w) {
            s.atStop(5, [&w] { w.requestInterruption(); });
        });
        // A cancel is seen at the next decision: at a selection in both exchanges.
        QTest::newRow("canceled verify") << write << Setup([](SimulatorFixture &s, SFPThread &w) {
            s.atReadSelection(1, [&w] { w.requestInterruption(); });
        });
        QTest::newRow("timeout") << write << Setup([](SimulatorFixture &s, SFPThread &) {
            s.atStop(3, [&s] { s.programmer->advance(std::chrono::seconds(16)); });
        });
    }

    void sameTransactionsAndSignalsInBothModes()
    {
        QFETCH(int, mode);
        QFETCH(Setup, setup);
        const Outcome compatible = runJob(SFPThread::kTransferCompatible, mode, setup);
        const Outcome fast = runJob(SFPThread::kTransferFast, mode, setup);
        QVERIFY(!compatible.transactions.isEmpty());
        QCOMPARE(fast.signalsEmitted, compatible.signalsEmitted);
        QCOMPARE(fast.transactions, compatible.transactions);
    }
};

QTEST_GUILESS_MAIN(TestExchangeIdentity)
#include "tst_exchangeidentity.moc"
