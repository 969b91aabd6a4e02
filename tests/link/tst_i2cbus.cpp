// The I2C master over the bit-bang port, against the simulated programmer and
// module: the bits on the wire, acknowledges, and clock stretching.

#include "ftdii2c.h"
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
    std::unique_ptr<FtdiI2c> port;

private slots:
    void init()
    {
        sim = std::make_unique<SimulatorFixture>();
        sim->fillPattern(0x50, 3);
        port = std::make_unique<FtdiI2c>();
        port->reset();
        QVERIFY(port->open(SimulatorFixture::kSerial));
        QVERIFY(port->flush());  // the idle samples
        sim->programmer->clearRecord();
    }

    void cleanup()
    {
        port->close();
        sim.reset();
    }

    void bytesGoOutMostSignificantBitFirst()
    {
        port->startCondition();
        port->writeByte(0xA0);
        port->stop();
        QCOMPARE(port->selectRead(0x50), 0);
        const auto record = sim->programmer->record();
        QCOMPARE(record.flushSizes, (std::vector<int>{360, 8, 64, 360, 8}));
        // Each byte's eight bits, then its acknowledge clock with SDA released;
        // the stop clocks SCL twice between them.
        QCOMPARE(bitsClocked(record.samplesWritten),
                 (std::vector<int>{1, 0, 1, 0, 0, 0, 0, 0, 1, 0, 1, 1, 0, 1, 0, 0, 0, 0, 1, 1}));
        QCOMPARE(record.transactions.back().device, 0x50);
        QVERIFY(record.transactions.back().read);
    }

    void onlyThePresentDevicesAcknowledge()
    {
        QCOMPARE(port->selectWrite(0x51), 0);
        port->stop();
        QCOMPARE(port->selectWrite(0x52), 1);
        port->stop();
        sim->programmer->setModule(nullptr);
        QCOMPARE(port->selectWrite(0x50), 1);
        port->stop();
        QCOMPARE(port->selectRead(0x50), 1);
        port->stop();
    }

    void stopLeavesTheBusIdleAfterAClockPulse()
    {
        port->selectWrite(0x50);
        sim->programmer->clearRecord();
        port->stop();
        const auto s = sim->programmer->record().samplesWritten;
        QCOMPARE(s.size(), size_t(64));
        QCOMPARE(s[15], std::uint8_t(0x00));  // SDA low, SCL low
        QCOMPARE(s[31], std::uint8_t(0x04));  // SCL high
        QCOMPARE(s[47], std::uint8_t(0x14));  // SDA rises: the stop condition
        QVERIFY(std::all_of(s.begin() + 48, s.begin() + 56, [](auto b) { return b == 0x10; }));
        QVERIFY(std::all_of(s.begin() + 56, s.end(), [](auto b) { return b == 0x14; }));
    }

    void clockStretchAtTheAcknowledge_data()
    {
        QTest::addColumn<int>("stretchMs");
        QTest::addColumn<int>("timedOut");
        QTest::newRow("waited out") << 20 << 0;
        QTest::newRow("over the limit") << 150 << 1;
    }

    void clockStretchAtTheAcknowledge()
    {
        QFETCH(int, stretchMs);
        QFETCH(int, timedOut);
        sim->module->setClockStretch(std::chrono::milliseconds(stretchMs), 1);
        QCOMPARE(port->selectWrite(0x50), 0);  // the acknowledge was seen before the wait
        QCOMPARE(int(port->sclTimedOut), timedOut);
        QVERIFY(!sim->programmer->record().pinReads.empty());
    }

    void stretchedDataBitIsTakenFromThePinsReadInTheWait()
    {
        QCOMPARE(port->selectWrite(0x50), 0);
        port->writeByte(0);
        port->stop();
        QCOMPARE(port->selectRead(0x50), 0);
        // After the first byte's acknowledge the module holds SCL while it
        // fetches the second, so that byte's first sampling point sees SCL low.
        sim->module->setClockStretch(20ms, 1);
        QCOMPARE(int(port->readByte(true)), int(sim->module->memory(0x50)[0]));
        QVERIFY(sim->programmer->record().pinReads.empty());
        QCOMPARE(int(port->readByte(false)), int(sim->module->memory(0x50)[1]));
        QVERIFY(!sim->programmer->record().pinReads.empty());
        QCOMPARE(port->sclTimedOut, 0);
    }
};

QTEST_GUILESS_MAIN(TestI2cBus)
#include "tst_i2cbus.moc"
