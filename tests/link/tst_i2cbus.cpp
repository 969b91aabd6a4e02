// The I2C master over the bit-bang port, against the simulated programmer and
// module: the bits on the wire, acknowledges, and clock stretching.

#include "ftdii2c.h"
#include "simulatorfixture.h"

#include <QtTest>

#include <chrono>
#include <memory>

using namespace std::chrono_literals;

namespace {

constexpr std::uint8_t kSda = 1 << 4;
constexpr std::uint8_t kScl = 1 << 2;

// SDA as driven by the master at each rising edge of SCL in the samples written.
std::vector<int> bitsClocked(const std::vector<std::uint8_t> &samples)
{
    std::vector<int> bits;
    bool scl = true;
    for (std::uint8_t s : samples) {
        const bool now = s & kScl;
        if (now && !scl)
            bits.push_back((s & kSda) ? 1 : 0);
        scl = now;
    }
    return bits;
}

}  // namespace

class TestI2cBus : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SimulatorFixture> sim;
    std::unique_ptr<FtdiI2c> port;

    void openPort()
    {
        port = std::make_unique<FtdiI2c>();
        port->reset();
        QVERIFY(port->open(SimulatorFixture::kSerial));
        QVERIFY(port->flush());  // the idle samples
        sim->programmer->clearRecord();
    }

    // Addresses the module for reading from byte 0.
    void startReading()
    {
        QCOMPARE(port->selectWrite(0x50), 0);
        port->writeByte(0);
        port->stop();
        QCOMPARE(port->selectRead(0x50), 0);
    }

private slots:
    void init()
    {
        sim = std::make_unique<SimulatorFixture>();
        sim->fillPattern(0x50, 3);
        openPort();
    }

    void cleanup()
    {
        port->close();
        sim.reset();
    }

    void writeByteSendsMostSignificantBitFirst()
    {
        port->startCondition();
        port->writeByte(0xA0);
        const auto record = sim->programmer->record();
        QCOMPARE(record.flushSizes, (std::vector<int>{360, 8}));
        // Eight data bits, then the acknowledge clock with SDA released.
        QCOMPARE(bitsClocked(record.samplesWritten), (std::vector<int>{1, 0, 1, 0, 0, 0, 0, 0, 1}));
    }

    void selectReadSendsTheReadAddress()
    {
        QCOMPARE(port->selectRead(0x50), 0);
        const auto record = sim->programmer->record();
        QCOMPARE(record.flushSizes, (std::vector<int>{360, 8}));
        QCOMPARE(bitsClocked(record.samplesWritten), (std::vector<int>{1, 0, 1, 0, 0, 0, 0, 1, 1}));
        QCOMPARE(record.transactions.size(), size_t(1));
        QCOMPARE(record.transactions[0].device, 0x50);
        QVERIFY(record.transactions[0].read);
        QVERIFY(record.transactions[0].selected);
    }

    void noModuleNeverAcknowledges()
    {
        sim->programmer->setModule(nullptr);
        QCOMPARE(port->selectWrite(0x50), 1);
        port->stop();
        QCOMPARE(port->selectRead(0x51), 1);
        port->stop();
        QCOMPARE(sim->programmer->record().startConditions, 2);
    }

    void onlyTheModulesDevicesAcknowledge()
    {
        QCOMPARE(port->selectWrite(0x51), 0);
        port->stop();
        QCOMPARE(port->selectWrite(0x52), 1);
        port->stop();
    }

    void stopLeavesTheBusIdleAfterAClockPulse()
    {
        port->selectWrite(0x50);
        sim->programmer->clearRecord();
        port->stop();
        const auto record = sim->programmer->record();
        QCOMPARE(record.flushSizes, (std::vector<int>{64}));
        const auto &s = record.samplesWritten;
        QCOMPARE(s[15], std::uint8_t(0x00));  // SDA low, SCL low
        QCOMPARE(s[31], std::uint8_t(0x04));  // SCL high
        QCOMPARE(s[47], std::uint8_t(0x14));  // SDA rises: the stop condition
        QVERIFY(std::all_of(s.begin() + 48, s.begin() + 56, [](auto b) { return b == 0x10; }));
        QVERIFY(std::all_of(s.begin() + 56, s.end(), [](auto b) { return b == 0x14; }));
    }

    void readsSequentiallyWithAcknowledges()
    {
        startReading();
        QCOMPARE(int(port->readByte(true)), int(sim->module->memory(0x50)[0]));
        QCOMPARE(int(port->readByte(true)), int(sim->module->memory(0x50)[1]));
        QCOMPARE(int(port->readByte(false)), int(sim->module->memory(0x50)[2]));
        port->stop();
        const I2cTransaction read = sim->programmer->record().transactions.back();
        QCOMPARE(read.acknowledged, (std::vector<bool>{true, true, false}));
        QVERIFY(read.stopped);
    }

    void shortClockStretchIsWaitedOut()
    {
        sim->module->setClockStretch(20ms, 1);  // held during the acknowledge
        QCOMPARE(port->selectWrite(0x50), 0);
        QCOMPARE(port->sclTimedOut, 0);
        QVERIFY(!sim->programmer->record().pinReads.empty());
    }

    void clockStretchOverTheLimitTimesOut()
    {
        sim->module->setClockStretch(150ms, 1);
        QCOMPARE(port->selectWrite(0x50), 0);  // the acknowledge was seen before the wait
        QCOMPARE(port->sclTimedOut, 1);
    }

    void stretchedDataBitIsTakenFromThePinsReadInTheWait()
    {
        startReading();
        // After the first byte's acknowledge the module holds SCL while it
        // fetches the second byte, so that byte's first sampling point sees
        // SCL low.
        sim->module->setClockStretch(20ms, 1);
        QCOMPARE(int(port->readByte(true)), int(sim->module->memory(0x50)[0]));
        QVERIFY(sim->programmer->record().pinReads.empty());
        QCOMPARE(int(port->readByte(true)), int(sim->module->memory(0x50)[1]));
        QVERIFY(!sim->programmer->record().pinReads.empty());
        QCOMPARE(port->sclTimedOut, 0);
        QCOMPARE(int(port->readByte(false)), int(sim->module->memory(0x50)[2]));
    }

    void sclStuckLowTimesOut()
    {
        sim->programmer->setSclStuckLow(true);
        QCOMPARE(port->selectWrite(0x50), 1);
        QCOMPARE(port->sclTimedOut, 1);
    }
};

QTEST_GUILESS_MAIN(TestI2cBus)
#include "tst_i2cbus.moc"
