// The i2c-dev bus and adapter listing against the fake i2c-dev: what the
// system lists, opening, adapters that take only short reads or cut a
// transfer short. The worker tests run every transfer and failure on it too.

#include "i2cdevadapters.h"
#include "i2cdevmodulebus.h"
#include "simulatedi2cdev.h"

#include <QtTest>

#include <cerrno>
#include <chrono>

using namespace std::chrono_literals;

class TestI2cDevModuleBus : public QObject
{
    Q_OBJECT

    std::shared_ptr<SimulatedI2cDev> system;
    std::shared_ptr<SimulatedModule> module;
    std::shared_ptr<SimulatedI2cAdapter> adapter;
    std::unique_ptr<I2cDevModuleBus> bus;

    QByteArray stored(std::uint8_t device, int from, int count) const
    {
        return QByteArray(reinterpret_cast<const char *>(module->memory(device).data()) + from, count);
    }

private slots:
    void init()
    {
        system = std::make_shared<SimulatedI2cDev>();
        module = std::make_shared<SimulatedModule>();
        for (int i = 0; i < 256; ++i)
            module->memory(0x50)[i] = static_cast<std::uint8_t>(i * 5 + 1);
        adapter = system->addAdapter(3, "MCP2221 usb-i2c bridge", module);
        bus = std::make_unique<I2cDevModuleBus>(system);
    }

    void cleanup()
    {
        bus.reset();
        QVERIFY(!adapter->isOpen());
    }

    void listsAdaptersByNumber()
    {
        system->addAdapter(11, "i915 gmbus dpb", std::make_shared<SimulatedModule>());
        system->addAdapter(2, "SMBus I801 adapter at f000", std::make_shared<SimulatedModule>());
        for (const char *odd : {"i2c-", "i2c-4a", "power", "i2c-1234567"})
            system->addClassEntry(odd);
        QStringList found;
        for (const I2cDevAdapter &a : listI2cDevAdapters(*system))
            found << QString::fromStdString(a.description());
        QCOMPARE(found, QStringList({"i2c-2: SMBus I801 adapter at f000", "i2c-3: MCP2221 usb-i2c bridge",
                                     "i2c-11: i915 gmbus dpb"}));
        system->removeClass();  // the i2c-dev module not loaded
        QVERIFY(listI2cDevAdapters(*system).empty());
    }

    void adapterThatCannotBeOpened_data()
    {
        QTest::addColumn<QString>("identity");
        QTest::addColumn<bool>("denied");
        QTest::addColumn<unsigned long>("functions");
        QTest::addColumn<QString>("detail");
        QTest::newRow("no permission") << "i2c-3" << true << 1ul
                                       << "no permission to use /dev/i2c-3; add your user to the i2c group "
                                          "(sudo usermod -aG i2c $USER, then log in again), or install the udev "
                                          "rule /etc/udev/rules.d/60-vexa-modulant.rules (cmake --install does) "
                                          "and replug the adapter";
        QTest::newRow("no such adapter") << "i2c-9" << false << 1ul
                                         << "/dev/i2c-9 does not exist; the adapter was unplugged, or the i2c-dev "
                                            "module is not loaded (sudo modprobe i2c-dev)";
        QTest::newRow("SMBus only") << "i2c-3" << false << 0x00ff0000ul
                                    << "i2c-3 takes SMBus commands only, not the I2C messages a module read needs";
    }

    void adapterThatCannotBeOpened()
    {
        QFETCH(QString, identity);
        QFETCH(bool, denied);
        QFETCH(unsigned long, functions);
        QFETCH(QString, detail);
        adapter->denyAccess(denied);
        adapter->setFunctionality(functions);
        const BusFailure failure = bus->open(identity.toStdString());
        QCOMPARE(failure.kind, BusFailure::NoProgrammer);
        QCOMPARE(QString::fromStdString(failure.detail), detail);
        QVERIFY(adapter->transfers().empty());
    }

    // Bridges cap a read and say so in different ways; each chunk of the
    // read addresses the module afresh.
    void readsInChunksTheAdapterTakes_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("error");
        QTest::addColumn<QList<int>>("wordAddresses");
        QTest::newRow("no limit") << 0 << 0 << QList<int>{128};
        QTest::newRow("60 bytes, refused as unsupported") << 60 << -EOPNOTSUPP << QList<int>{128, 128, 128, 188, 248};
        QTest::newRow("26 bytes, refused as an I/O error") << 26 << -EIO
                                                           << QList<int>{128, 128, 128, 128, 128, 144, 160, 176, 192, 208, 224, 240};
    }

    void readsInChunksTheAdapterTakes()
    {
        QFETCH(int, limit);
        QFETCH(int, error);
        QFETCH(QList<int>, wordAddresses);
        adapter->limitReads(limit, error);
        QVERIFY(!bus->open("i2c-3"));
        std::vector<std::uint8_t> data;
        QVERIFY(!bus->read(0x50, 128, 128, Attempts{}, data));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(data.data()), 128), stored(0x50, 128, 128));
        QList<int> addressed;
        for (const I2cTransaction &t : adapter->lines().transactions()) {
            if (!t.read)
                addressed << t.byteAddress();
            else if (limit > 0)
                QVERIFY(int(t.bytes.size()) <= limit);
        }
        QCOMPARE(addressed, wordAddresses);
    }

    // The kernel counts the messages done: an adapter that did only the
    // word address of a combined read is read with single messages instead.
    void combinedTransferCutShortIsNoRead()
    {
        adapter->stopAfterMessages(1);
        QVERIFY(!bus->open("i2c-3"));
        std::vector<std::uint8_t> data;
        QVERIFY(!bus->read(0x50, 16, 8, Attempts{}, data));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(data.data()), 8), stored(0x50, 16, 8));
    }

    void onlyTheModulesAddresses()
    {
        QVERIFY(!bus->open("i2c-3"));
        std::vector<std::uint8_t> data;
        bool answered = true;
        QCOMPARE(bus->read(0x52, 0, 1, Attempts{}, data).kind, BusFailure::Io);
        QCOMPARE(bus->writePage(0x37, 0, {1}, Attempts{}).kind, BusFailure::Io);
        QCOMPARE(bus->probe(0x00, answered).kind, BusFailure::Io);
        QVERIFY(adapter->transfers().empty());
    }
};

QTEST_GUILESS_MAIN(TestI2cDevModuleBus)
#include "tst_i2cdevmodulebus.moc"
