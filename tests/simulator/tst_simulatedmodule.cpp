// The simulated module's EEPROM behaviour, driven over the bit-banged bus the
// way the worker drives a real module.

#include "diagnosticcapture.h"
#include "ftdii2c.h"
#include "simulatorfixture.h"

#include <QtTest>

#include <memory>

class TestSimulatedModule : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SimulatorFixture> sim;
    std::unique_ptr<FtdiI2c> port;

    // One write transaction: byte address, then the bytes. Returns the address acknowledge.
    int writeTransaction(std::uint8_t device, std::uint8_t address, const QByteArray &bytes)
    {
        const int ack = port->selectWrite(device);
        port->writeByte(address);
        for (char b : bytes)
            port->writeByte(static_cast<std::uint8_t>(b));
        port->stop();
        return ack;
    }

    QByteArray readBack(std::uint8_t device, std::uint8_t address, int count)
    {
        port->selectWrite(device);
        port->writeByte(address);
        port->stop();
        port->selectRead(device);
        QByteArray bytes;
        for (int i = 0; i < count; ++i)
            bytes.append(static_cast<char>(port->readByte(i != count - 1)));
        port->stop();
        return bytes;
    }

private slots:
    void init()
    {
        sim = std::make_unique<SimulatorFixture>();
        sim->module->setWriteCycleSelections(0);
        port = std::make_unique<FtdiI2c>();
        port->reset();
        QVERIFY(port->open(SimulatorFixture::kSerial));
    }

    void cleanup()
    {
        port->close();
        sim.reset();
    }

    void bytesOfOneWriteWrapWithinTheirPage()
    {
        QCOMPARE(writeTransaction(0x50, 0x0D, "ABCDEF"), 0);
        // 0x0D, 0x0E, 0x0F, then back to the page's start 0x08.
        QCOMPARE(sim->memory(0x50, 0x08, 0x10), QByteArray("DEF\0\0ABC", 8));
    }

    void dataIsStoredOnlyAtTheStopCondition()
    {
        port->selectWrite(0x50);
        port->writeByte(0x20);
        port->writeByte(0x99);
        QCOMPARE(sim->module->memory(0x50)[0x20], 0x00);
        port->stop();
        QCOMPARE(sim->module->memory(0x50)[0x20], 0x99);
    }

    void sequentialReadIncrementsAndWrapsPast255()
    {
        sim->fillPattern(0x51, 0);
        QCOMPARE(readBack(0x51, 0xFE, 4), QByteArray(sim->memory(0x51, 0xFE, 0x100) + sim->memory(0x51, 0, 2)));
    }

    void writeCycleRefusesSelections()
    {
        sim->module->setWriteCycleSelections(3);
        QCOMPARE(writeTransaction(0x50, 0, "x"), 0);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(port->selectWrite(0x50), 1);
            port->stop();
        }
        QCOMPARE(port->selectWrite(0x51), 0);  // the other device is not writing
        port->stop();
        QCOMPARE(port->selectWrite(0x50), 0);
        port->stop();
    }

    void addressOnlyWriteStartsNoWriteCycle()
    {
        sim->module->setWriteCycleSelections(3);
        QCOMPARE(writeTransaction(0x50, 0x10, {}), 0);
        QCOMPARE(port->selectWrite(0x50), 0);
        port->stop();
    }

    void passwordEntryIsWriteOnlyAndUnlocksUntilPowerOff()
    {
        const std::array<std::uint8_t, 4> password = {1, 2, 3, 4};
        sim->module->setPassword(password);
        sim->module->memory(0x51)[0x7C] = 0x55;

        QCOMPARE(writeTransaction(0x50, 0, "zz"), 0);  // acknowledged, not stored
        QCOMPARE(sim->memory(0x50, 0, 2), QByteArray(2, '\0'));

        // Any number of transactions may carry the password.
        writeTransaction(0x51, 0x7B, QByteArray("\x01\x02", 2));
        QVERIFY(sim->module->isLocked());
        writeTransaction(0x51, 0x7D, QByteArray("\x03\x04", 2));
        QVERIFY(!sim->module->isLocked());
        QCOMPARE(readBack(0x51, 0x7A, 6), QByteArray(6, '\0'));
        QCOMPARE(sim->module->memory(0x51)[0x7C], 0x55);  // the EEPROM behind it is untouched

        writeTransaction(0x50, 0, "zz");
        QCOMPARE(sim->memory(0x50, 0, 2), QByteArray("zz"));

        sim->module->powerCycle();
        QVERIFY(sim->module->isLocked());
    }

    void wrongPasswordKeepsTheModuleLocked()
    {
        sim->module->setPassword(std::array<std::uint8_t, 4>{1, 2, 3, 4});
        writeTransaction(0x51, 0x7B, QByteArray("\x01\x02\x03\x05", 4));
        QVERIFY(sim->module->isLocked());
    }

    void refusedSelectionsComeFirst()
    {
        sim->module->refuseSelections(0x51, 2);
        QCOMPARE(port->selectWrite(0x51), 1);
        port->stop();
        QCOMPARE(port->selectRead(0x51), 1);
        port->stop();
        QCOMPARE(port->selectWrite(0x51), 0);
        port->stop();
    }

    void dataRefusedMidPageIsNotStored()
    {
        sim->module->refuseDataAfter(0x50, 2, 1);
        writeTransaction(0x50, 0x30, "abcd");
        QCOMPARE(sim->memory(0x50, 0x30, 0x34), QByteArray("ab\0\0", 4));
        const I2cTransaction t = sim->programmer->record().transactions.back();
        QCOMPARE(t.acknowledged, (std::vector<bool>{true, true, true, false, false}));
        writeTransaction(0x50, 0x30, "abcd");  // only the first transaction was affected
        QCOMPARE(sim->memory(0x50, 0x30, 0x34), QByteArray("abcd"));
    }

    void flippedBitIsStored()
    {
        sim->module->flipStoredBit(0x50, 0x41, 0x80);
        writeTransaction(0x50, 0x40, "\x01\x01");
        QCOMPARE(sim->memory(0x50, 0x40, 0x42), QByteArray("\x01\x81"));
    }

    void modulePullingSdaShowsInThePinReads()
    {
        // Stop the master in the middle of a read byte whose first bit is 0:
        // the module still drives SDA low, which the chip reads back.
        sim->module->memory(0x50)[0] = 0x00;
        port->selectWrite(0x50);
        port->writeByte(0);
        port->stop();
        port->selectRead(0x50);
        QCOMPARE(port->sdaLevel, 1);  // released by the master
        QCOMPARE(int(port->readPins()), 0x00);
    }

    void devicesListedInOrderWithOddEntries()
    {
        sim->backend->addListEntry(SimulatedBackend::node(0, "NOID"));
        sim->backend->addListEntry(SimulatedBackend::node(SimulatedBackend::kDeviceId, ""));
        sim->backend->addProgrammer("SIM0002");
        std::uint32_t count = 0;
        QCOMPARE(FT_CreateDeviceInfoList(&count), FT_OK);
        QCOMPARE(count, 4u);
        std::vector<FT_DEVICE_LIST_INFO_NODE> nodes(count);
        QCOMPARE(FT_GetDeviceInfoList(nodes.data(), &count), FT_OK);
        QCOMPARE(QString(nodes[0].SerialNumber), QString("SIM0001"));
        QCOMPARE(nodes[1].ID, 0u);
        QCOMPARE(nodes[2].SerialNumber[0], '\0');
        QCOMPARE(QString(nodes[3].SerialNumber), QString("SIM0002"));

        std::uint32_t room = 2;  // a caller's array is never overrun
        QCOMPARE(FT_GetDeviceInfoList(nodes.data(), &room), FT_OK);
        QCOMPARE(room, 2u);

        sim->backend->failListing(FT_IO_ERROR);
        QCOMPARE(FT_CreateDeviceInfoList(&count), FT_IO_ERROR);
        QCOMPARE(count, 0u);
    }

    void programmerInUseCannotBeOpenedTwice()
    {
        DiagnosticCapture quiet;
        FtdiI2c second;
        second.reset();
        QVERIFY(!second.open(SimulatorFixture::kSerial));
        QCOMPARE(second.lastStatus, FT_DEVICE_NOT_OPENED);
    }
};

QTEST_GUILESS_MAIN(TestSimulatedModule)
#include "tst_simulatedmodule.moc"
