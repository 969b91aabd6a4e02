// The simulated programmer and module, driven over the bit-banged bus the way
// the worker drives a real module: the EEPROM behaviour the worker tests do
// not reach, the pins, and the device list.

#include "diagnosticcapture.h"
#include "i2cmaster.h"
#include "samplemodule.h"
#include "simulatorfixture.h"

#include <QtTest>

#include <memory>

class TestSimulatedModule : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimulatorFixture> sim;
    std::unique_ptr<BitBangPort> port;
    std::unique_ptr<I2cMaster> bus;

    void writeTransaction(std::uint8_t device, std::uint8_t address, const QByteArray &bytes, bool stop = true)
    {
        QCOMPARE(bus->selectWrite(device), 0);
        bus->writeByte(address, nullptr);
        for (char b : bytes)
            bus->writeByte(static_cast<std::uint8_t>(b), nullptr);
        if (stop)
            bus->stop();
    }

    QByteArray readBack(std::uint8_t device, std::uint8_t address, int count)
    {
        writeTransaction(device, address, {});
        bus->selectRead(device);
        QByteArray bytes(count, '\0');
        for (int i = 0; i < count; ++i)
            bus->readByte(i != count - 1, reinterpret_cast<std::uint8_t *>(bytes.data() + i));
        bus->stop();
        return bytes;
    }

private slots:
    void init()
    {
        sim = std::make_unique<SimulatorFixture>();
        sim->module->setWriteCycle(std::chrono::microseconds(0));
        port = std::make_unique<BitBangPort>();
        bus = std::make_unique<I2cMaster>(*port, I2cMaster::Exchange::PerFlush);
        QVERIFY(port->open(SimulatorFixture::kSerial, BitBangPort::Speed::Compatible));
    }

    void cleanup()
    {
        bus.reset();
        port.reset();
        sim.reset();
    }

    // A QSFP module keeps its status and monitors, takes its password in the
    // lower page, refuses a fifth byte of a write, and keeps the page it
    // shows when a software reset locks it again.
    void qsfpModuleAsARealOneBehaves()
    {
        makeQsfpModule(*sim->module);
        sim->module->setPassword(std::array<std::uint8_t, 4>{1, 2, 3, 4});
        writeTransaction(0x50, 123, QByteArray::fromHex("01020304"));
        QVERIFY(!sim->module->isLocked());
        writeTransaction(0x50, 3, QByteArray::fromHex("FFFF"));   // flags: read-only
        writeTransaction(0x50, 86, QByteArray::fromHex("0F"));    // TX disable: the host's
        QCOMPARE(readBack(0x50, 3, 2), QByteArray(2, '\0'));
        QCOMPARE(readBack(0x50, 86, 1), QByteArray::fromHex("0F"));
        QCOMPARE(readBack(0x50, 123, 4), QByteArray(4, '\0'));

        QCOMPARE(bus->selectWrite(0x50), 0);
        std::uint8_t ack = 0;
        for (int byte : {0x88, 1, 2, 3, 4, 5}) {
            bus->writeByte(std::uint8_t(byte), &ack);
            bus->sync();
        }
        bus->stop();
        QCOMPARE(int(ack), 1);  // the fifth data byte is refused
        QCOMPARE(readBack(0x50, 0x88, 5), QByteArray::fromHex("0102030400"));

        writeTransaction(0x50, 127, QByteArray::fromHex("03"));
        writeTransaction(0x50, 93, QByteArray::fromHex("80"));  // software reset
        QCOMPARE(sim->module->resets(), 1);
        QVERIFY(sim->module->isLocked());
        QCOMPARE(sim->module->selectedPage(0x50), 3);
    }

    // Banks: byte 126 takes only a bank the device has, a page is judged
    // in the bank written with it, and each bank keeps its own bytes; a
    // module without banked pages keeps byte 126 as it was (the QSFP
    // password entry's last byte).
    void bankedPagesTakeOnlyTheBanksTheyHave()
    {
        SimulatedModule &module = *sim->module;
        makeCmisModule(module);
        module.addBankedPage(0x50, 0x10, 2);
        writeTransaction(0x50, 126, QByteArray("\x01\x10", 2));
        QCOMPARE(readBack(0x50, 126, 2), QByteArray("\x01\x10", 2));
        writeTransaction(0x50, 128, "bank1");
        writeTransaction(0x50, 126, QByteArray("\x02\x11", 2));  // no bank 2: the bank stays, and page 11h has no bank 1
        QCOMPARE(readBack(0x50, 126, 2), QByteArray("\x01\x10", 2));
        writeTransaction(0x50, 126, QByteArray("\x00\x10", 2));
        QCOMPARE(readBack(0x50, 128, 5), QByteArray(5, '\0'));
        writeTransaction(0x50, 126, QByteArray("\x01\x02", 2));  // an unbanked page in any bank
        QCOMPARE(readBack(0x50, 126, 2), QByteArray("\x01\x02", 2));
        QCOMPARE(module.pageBytes(0x50, 0x10, 1)[0], std::uint8_t('b'));
        module.powerCycle();
        QCOMPARE(module.selectedBank(0x50), 0);

        SimulatedModule qsfp;
        makeQsfpModule(qsfp);
        qsfp.memory(0x50)[126] = 0x5A;
        QCOMPARE(qsfp.readable(0x50, 126), std::uint8_t(0x00));  // write-only password entry, as before
        QCOMPARE(qsfp.banksOf(0x50, 0x03), 0);
    }

    void pageWriteIsStoredAtTheStopAndWrapsWithinItsPage()
    {
        writeTransaction(0x50, 0x0D, "ABCDEF", false);
        QCOMPARE(sim->memory(0x50, 0x08, 0x10), QByteArray(8, '\0'));
        bus->stop();
        // 0x0D, 0x0E, 0x0F, then back to the page's start 0x08.
        QCOMPARE(sim->memory(0x50, 0x08, 0x10), QByteArray("DEF\0\0ABC", 8));
    }

    void sequentialReadWrapsPast255()
    {
        sim->fillPattern(0x51, 0);
        QCOMPARE(readBack(0x51, 0xFE, 4), QByteArray(sim->memory(0x51, 0xFE, 0x100) + sim->memory(0x51, 0, 2)));
    }

    void onlyAStoredPageStartsAWriteCycleOfItsLength()
    {
        sim->module->setWriteCycle(std::chrono::milliseconds(50));
        writeTransaction(0x50, 0x10, {});  // a word address alone stores nothing
        QCOMPARE(bus->selectWrite(0x50), 0);
        bus->stop();
        writeTransaction(0x50, 0x10, "x");
        QCOMPARE(bus->selectWrite(0x51), 0);  // the other device is not writing
        bus->stop();
        QCOMPARE(bus->selectWrite(0x50), 1);
        bus->stop();
        // Busy for 50 ms of the programmer's time, however they pass.
        sim->programmer->advance(std::chrono::milliseconds(50));
        QCOMPARE(bus->selectWrite(0x50), 0);
        bus->stop();
    }

    void passwordEntryIsWriteOnlyAndUnlocksUntilPowerOff()
    {
        sim->module->setPassword(std::array<std::uint8_t, 4>{1, 2, 3, 4});
        sim->module->memory(0x51)[0x7C] = 0x55;
        writeTransaction(0x50, 0, "zz");  // acknowledged, not stored
        QCOMPARE(sim->memory(0x50, 0, 2), QByteArray(2, '\0'));

        writeTransaction(0x51, 0x7B, QByteArray("\x01\x02\x03\x05", 4));
        QVERIFY(sim->module->isLocked());
        // Any number of transactions may carry the password.
        writeTransaction(0x51, 0x7E, "\x04");
        QVERIFY(!sim->module->isLocked());
        QCOMPARE(readBack(0x51, 0x7A, 6), QByteArray(6, '\0'));
        QCOMPARE(sim->module->memory(0x51)[0x7C], 0x55);  // the EEPROM behind it is untouched
        writeTransaction(0x50, 0, "zz");
        QCOMPARE(sim->memory(0x50, 0, 2), QByteArray("zz"));

        sim->module->powerCycle();
        QVERIFY(sim->module->isLocked());
    }

    void deviceListKeepsOrderOddEntriesAndTheCallersRoom()
    {
        sim->backend->addListEntry(SimulatedBackend::node(0, "NOID"));
        sim->backend->addListEntry(SimulatedBackend::node(SimulatedBackend::kDeviceId, ""));
        sim->backend->addProgrammer("SIM0002");
        std::uint32_t count = 0;
        QCOMPARE(FT_CreateDeviceInfoList(&count), FT_OK);
        std::vector<FT_DEVICE_LIST_INFO_NODE> nodes(count);
        QCOMPARE(FT_GetDeviceInfoList(nodes.data(), &count), FT_OK);
        QCOMPARE(count, 4u);
        QCOMPARE(QString(nodes[0].SerialNumber), QString("SIM0001"));
        QCOMPARE(nodes[1].ID, 0u);
        QCOMPARE(nodes[2].SerialNumber[0], '\0');
        QCOMPARE(QString(nodes[3].SerialNumber), QString("SIM0002"));

        std::uint32_t room = 2;
        QCOMPARE(FT_GetDeviceInfoList(nodes.data(), &room), FT_OK);
        QCOMPARE(room, 2u);

        sim->backend->failListing(FT_IO_ERROR);
        QCOMPARE(FT_CreateDeviceInfoList(&count), FT_IO_ERROR);
        QCOMPARE(count, 0u);
    }

    void programmerInUseCannotBeOpenedTwice()
    {
        DiagnosticCapture quiet;
        BitBangPort second;
        QVERIFY(!second.open(SimulatorFixture::kSerial, BitBangPort::Speed::Compatible));
        QCOMPARE(second.lastStatus, FT_DEVICE_NOT_OPENED);
    }
};

QTEST_GUILESS_MAIN(TestSimulatedModule)
#include "tst_simulatedmodule.moc"
