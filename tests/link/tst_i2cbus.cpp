// The I2C master over the bit-bang port, against the simulated programmer and
// module: the bits and runs on the wire in both exchanges. The worker tests
// drive it through every acknowledge, refusal, stretch and recovery.

#include "ftdimodulebus.h"
#include "i2cmaster.h"
#include "simulatorfixture.h"

#include <QtTest>

#include <chrono>
#include <memory>

using namespace std::chrono_literals;

namespace {

// SDA as driven by the master at each rising edge of SCL in the samples written.
std::vector<int> bitsClocked(const std::vector<std::uint8_t> &samples)
{
    std::vector<int> bits;
    bool scl = true;
    for (std::uint8_t s : samples) {
        const bool now = s & 0x04;
        if (now && !scl)
            bits.push_back((s & 0x10) ? 1 : 0);
        scl = now;
    }
    return bits;
}

}  // namespace

class TestI2cBus : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimulatorFixture> sim;
    std::unique_ptr<BitBangPort> port;
    std::unique_ptr<I2cMaster> master;

private slots:
    void init()
    {
        sim = std::make_unique<SimulatorFixture>();
        sim->fillPattern(0x50, 3);
        port = std::make_unique<BitBangPort>();
        master = std::make_unique<I2cMaster>(*port, I2cMaster::Exchange::PerFlush);
        QVERIFY(port->open(SimulatorFixture::kSerial, BitBangPort::Speed::Compatible));
        QVERIFY(port->flush());  // the idle samples
        sim->programmer->clearRecord();
    }

    void cleanup()
    {
        master.reset();
        port.reset();
        sim.reset();
    }

    void bytesGoOutMostSignificantBitFirst()
    {
        std::uint8_t ack = 1;
        master->startCondition();
        master->writeByte(0xA0, &ack);
        master->stop();
        QCOMPARE(ack, 0);
        QCOMPARE(master->selectRead(0x50), 0);
        const auto record = sim->programmer->record();
        QCOMPARE(record.flushSizes, (std::vector<int>{360, 8, 64, 360, 8}));
        // Each byte's eight bits, then its acknowledge clock with SDA released;
        // the stop clocks SCL twice between them.
        QCOMPARE(bitsClocked(record.samplesWritten),
                 (std::vector<int>{1, 0, 1, 0, 0, 0, 0, 0, 1, 0, 1, 1, 0, 1, 0, 0, 0, 0, 1, 1}));
        QCOMPARE(record.transactions.back().device, 0x50);
        QVERIFY(record.transactions.back().read);
    }

    void stopLeavesTheBusIdleAfterAClockPulse()
    {
        master->selectWrite(0x50);
        sim->programmer->clearRecord();
        master->stop();
        const auto s = sim->programmer->record().samplesWritten;
        QCOMPARE(s.size(), size_t(64));
        QCOMPARE(s[15], std::uint8_t(0x00));  // SDA low, SCL low
        QCOMPARE(s[31], std::uint8_t(0x04));  // SCL high
        QCOMPARE(s[47], std::uint8_t(0x14));  // SDA rises: the stop condition
        QVERIFY(std::all_of(s.begin() + 48, s.begin() + 56, [](auto b) { return b == 0x10; }));
        QVERIFY(std::all_of(s.begin() + 56, s.end(), [](auto b) { return b == 0x14; }));
    }

    // The fast exchange on the wire, on every chip generation: standard-mode
    // I2C with each minimum one and a half times over, SCL below 100 kHz,
    // SDA moving while SCL is high only for the starts and stops of the
    // transactions, and a table read in at most 16,000 samples.
    void fastExchangeKeepsStandardModeTiming_data()
    {
        QTest::addColumn<int>("chip");
        QTest::newRow("FT232R") << int(FT_DEVICE_232R);
        QTest::newRow("FT-X") << int(FT_DEVICE_X_SERIES);
        QTest::newRow("FT2232D") << int(FT_DEVICE_2232C);
        QTest::newRow("FT2232H") << int(FT_DEVICE_2232H);
        QTest::newRow("FT4232H") << int(FT_DEVICE_4232H);
        QTest::newRow("FT232H") << int(FT_DEVICE_232H);
    }

    void fastExchangeKeepsStandardModeTiming()
    {
        QFETCH(int, chip);
        port->close();
        sim->programmer->setChipType(FT_DEVICE(chip));
        sim->module->setWriteCycle(0us);
        FtdiModuleBus bus(FtdiModuleBus::Exchange::Fast);
        QVERIFY(!bus.open(SimulatorFixture::kSerial));
        sim->programmer->clearRecord();
        std::vector<std::uint8_t> data;
        QVERIFY(!bus.read(0x50, 0, 128, Attempts{}, data));
        QVERIFY(sim->programmer->record().samplesWritten.size() <= 16000);
        QVERIFY(!bus.writePage(0x50, 8, {1, 2, 3, 4, 5, 6, 7, 8}, Attempts{}));
        bus.close();
        QCOMPARE(sim->memory(0x50, 8, 16), QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08", 8));

        const I2cTiming t = sim->programmer->trace().timing();
        const auto holds = [](std::int64_t ns, double minimumUs) { return ns >= 1.5 * minimumUs * 1000; };
        QVERIFY2(holds(t.low, 4.7) && holds(t.high, 4.0), qPrintable(QString("%1 %2").arg(t.low).arg(t.high)));
        QVERIFY(holds(t.startHold, 4.0) && holds(t.stopSetup, 4.0) && holds(t.busFree, 4.7));
        QVERIFY(holds(t.dataSetup, 0.25) && t.clockPeriod >= 10000);
        QCOMPARE(t.startSetup, -1);  // no repeated start
        QCOMPARE(t.starts, 3);
        QCOMPARE(t.stops, 3);
    }
};

QTEST_GUILESS_MAIN(TestI2cBus)
#include "tst_i2cbus.moc"
