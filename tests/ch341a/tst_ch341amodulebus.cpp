// The CH341A bus against the model of the chip: listing by port path and
// the kinds of identity, opening with a kernel driver and without rights,
// its packets, and the same transactions on the module's lines as the FTDI
// exchange. The worker tests run every transfer and failure on it too.

#include "ch341adevices.h"
#include "ch341amodulebus.h"
#include "ch341aprotocol.h"
#include "ftdimodulebus.h"
#include "modulebuses.h"
#include "simulatedbackend.h"
#include "simulatedch341a.h"
#include "simulatorfixture.h"

#include <QtTest>

#include <chrono>

using namespace std::chrono_literals;

namespace {


}  // namespace

class TestCh341aModuleBus : public QObject
{
    Q_OBJECT

    std::shared_ptr<SimulatedCh341aUsb> usb;
    std::shared_ptr<SimulatedModule> module;
    std::shared_ptr<SimulatedCh341a> board;
    std::unique_ptr<Ch341aModuleBus> bus;

private slots:
    void init()
    {
        usb = std::make_shared<SimulatedCh341aUsb>();
        module = std::make_shared<SimulatedModule>();
        for (int i = 0; i < 256; ++i)
            module->memory(0x50)[i] = static_cast<std::uint8_t>(i * 3 + 7);
        board = usb->addBoard(3, {1, 4}, module);
        bus = std::make_unique<Ch341aModuleBus>(std::vector<std::shared_ptr<Ch341aUsb>>{usb});
        ch341a::removeAllUsb();
        ch341a::installUsb(usb);
    }

    void cleanup()
    {
        bus.reset();
        QVERIFY(!board->isOpen());
        ch341a::removeAllUsb();
    }

    void identitiesNameTheirKind()
    {
        usb->addOtherDevice(0x0403, 0x6001);
        usb->addBoard("VEXASIM2", module);
        QStringList found;
        for (const Ch341aDevice &device : ch341a::listDevices())
            found << QString::fromStdString(device.identity + " / " + device.description);
        QCOMPARE(found, QStringList({"CH341A@3-1.4 / CH341A 3-1.4", "VEXASIM2 / CH341A VEXASIM2"}));

        const QList<QPair<QString, ProgrammerKind>> kinds = {
            {"CH341A@3-1.4", ProgrammerKind::Ch341a}, {"CH341A@9-9", ProgrammerKind::Ch341a},
            {"VEXASIM2", ProgrammerKind::Ch341a},     {"i2c-7", ProgrammerKind::I2cDev},
            {"i2c-7a", ProgrammerKind::Ftdi},         {"A50285BI", ProgrammerKind::Ftdi}};
        for (const auto &kind : kinds)
            QVERIFY2(programmerKindOf(kind.first.toStdString()) == kind.second, qPrintable(kind.first));
    }

    void takesTheChipFromItsKernelDriverAndGivesItBack()
    {
        board->bindKernelDriver(true);
        QVERIFY(!bus->open("CH341A@3-1.4"));
        QVERIFY(!board->kernelDriverBound());
        QCOMPARE(board->speed(), int(ch341a::kSpeed100k));
        bus->close();
        QVERIFY(board->kernelDriverBound());
        QCOMPARE(board->calls(), std::vector<std::string>({"open", "detach", "claim", "release", "attach", "close"}));
    }

    void chipThatCannotBeOpened_data()
    {
        QTest::addColumn<QString>("identity");
        QTest::addColumn<bool>("denied");
        QTest::addColumn<bool>("claimed");
        QTest::addColumn<QString>("detail");
        QTest::newRow("no permission") << "CH341A@3-1.4" << true << false
                                       << "no permission to use the CH341A 3-1.4; install the udev rule "
                                          "/etc/udev/rules.d/60-vexa-modulant.rules (cmake --install does), run "
                                          "\"sudo udevadm control --reload-rules\" and replug the programmer";
        QTest::newRow("another program has it") << "CH341A@3-1.4" << false << true
                                                << "another program is using the CH341A";
        QTest::newRow("not attached") << "CH341A@3-2" << false << false << "not attached";
    }

    void chipThatCannotBeOpened()
    {
        QFETCH(QString, identity);
        QFETCH(bool, denied);
        QFETCH(bool, claimed);
        QFETCH(QString, detail);
        board->denyAccess(denied);
        board->claimElsewhere(claimed);
        const BusFailure failure = bus->open(identity.toStdString());
        QCOMPARE(failure.kind, BusFailure::NoProgrammer);
        QCOMPARE(QString::fromStdString(failure.detail), detail);
        QVERIFY(board->packets().empty());
    }

    void everyPacketFitsTheEndpoint()
    {
        QVERIFY(!bus->open("CH341A@3-1.4"));
        std::vector<std::uint8_t> data;
        QVERIFY(!bus->read(0x50, 0, 128, Attempts{}, data));
        QVERIFY(!bus->writePage(0x51, 8, {1, 2, 3, 4, 5, 6, 7, 8}, Attempts{5, 100000}));
        for (int i = 0; i < 128; ++i)
            QCOMPARE(data[i], module->memory(0x50)[i]);
        QCOMPARE(module->memory(0x51)[15], std::uint8_t(8));
        for (const std::vector<std::uint8_t> &packet : board->packets()) {
            QVERIFY(packet.size() <= 32);
            QCOMPARE(packet.front(), ch341a::kI2cStream);
            QCOMPARE(packet.back(), ch341a::kEnd);
        }
    }

    void onlyTheModulesAddresses()
    {
        QVERIFY(!bus->open("CH341A@3-1.4"));
        const size_t packets = board->packets().size();
        std::vector<std::uint8_t> data;
        QCOMPARE(bus->read(0x52, 0, 1, Attempts{}, data).kind, BusFailure::Io);
        QCOMPARE(bus->writePage(0x37, 0, {1}, Attempts{}).kind, BusFailure::Io);
        QCOMPARE(board->packets().size(), packets);
    }

    // What the module sees does not depend on the programmer: the same
    // transactions, refused selections and their stops included.
    void sameTransactionsAsTheFtdiExchange()
    {
        auto ftdiModule = std::make_shared<SimulatedModule>(*module);
        auto backend = std::make_shared<SimulatedBackend>();
        auto chip = backend->addProgrammer("SAME0001", ftdiModule);
        d2xx::removeAllBackends();
        d2xx::installBackend(backend);
        FtdiModuleBus ftdi(FtdiModuleBus::Exchange::Fast);
        QVERIFY(!ftdi.open("SAME0001"));
        QVERIFY(!bus->open("CH341A@3-1.4"));
        for (SimulatedModule *m : {module.get(), ftdiModule.get()}) {
            m->setWriteCycle(0us);
            m->refuseSelections(0x51, 2);
        }
        for (ModuleBus *b : {static_cast<ModuleBus *>(&ftdi), static_cast<ModuleBus *>(bus.get())}) {
            std::vector<std::uint8_t> data;
            QVERIFY(!b->writePage(0x51, 0x7B, {0x42}, Attempts{}));
            QVERIFY(!b->read(0x50, 250, 6, Attempts{}, data));
            QVERIFY(!b->writePage(0x50, 16, {1, 2, 3, 4, 5, 6, 7, 8}, Attempts{}));
            QVERIFY(!b->waitReady(0x50, Attempts{}));
            b->close();
        }
        QCOMPARE(SimulatorFixture::described(board->lines().transactions()), SimulatorFixture::described(chip->record().transactions));
        d2xx::removeAllBackends();
    }
};

QTEST_GUILESS_MAIN(TestCh341aModuleBus)
#include "tst_ch341amodulebus.moc"
