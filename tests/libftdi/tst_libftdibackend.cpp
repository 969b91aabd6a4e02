// The libftdi backend's own logic against a scripted libftdi: which devices
// it lists and opens, how libftdi's results become D2XX statuses, the read
// that gathers samples, and what an operator reads after a failed open.

#include "diagnostics.h"
#include "fakelibftdiapi.h"
#include "ftdii2c.h"
#include "libftdibackend.h"

#include <QtTest>

#include <memory>
#include <string>
#include <vector>

using FakeDevice = FakeLibFtdiApi::FakeDevice;

Q_DECLARE_METATYPE(FT_STATUS)

namespace {

const std::string kStandardAdvice = "Use lsmod to check if ftdi_sio (and usbserial) are present.\n"
                                    "If so, unload them using rmmod, as they conflict with ftd2xx.\n";
const std::string kPermissionAdvice =
    "This user has no permission to use the programmer's USB device.\n"
    "Install the udev rule /etc/udev/rules.d/60-vexa-modulant.rules (cmake --install does), "
    "run \"sudo udevadm control --reload-rules\" and replug the programmer.\n";
const std::string kInUseAdvice = "Another program is using the programmer; close it and try again.\n";

std::vector<FT_DEVICE_LIST_INFO_NODE> deviceList()
{
    std::uint32_t count = 0;
    FT_CreateDeviceInfoList(&count);
    std::vector<FT_DEVICE_LIST_INFO_NODE> nodes(count);
    if (count)
        FT_GetDeviceInfoList(nodes.data(), &count);
    nodes.resize(count);
    return nodes;
}

QStringList serialNumbers(const std::vector<FT_DEVICE_LIST_INFO_NODE> &nodes)
{
    QStringList serials;
    for (const auto &node : nodes)
        serials << QString::fromUtf8(node.SerialNumber);
    return serials;
}

}  // namespace

class TestLibFtdiBackend : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<FakeLibFtdiApi> fake;
    std::string printed;

    static FT_HANDLE openProgrammer(const char *serialNumber)
    {
        FT_HANDLE handle = nullptr;
        return FT_OpenEx(const_cast<char *>(serialNumber), FT_OPEN_BY_SERIAL_NUMBER, &handle) == FT_OK ? handle
                                                                                                  : nullptr;
    }

private slots:
    void init()
    {
        fake = std::make_shared<FakeLibFtdiApi>();
        d2xx::installBackend(std::make_shared<LibFtdiBackend>(fake));
        printed.clear();
        linkdiag::setSink([this](const std::string &text) { printed += text; });
    }

    void cleanup()
    {
        d2xx::removeAllBackends();
        linkdiag::setSink({});
        // Every libusb session and device reference is given back.
        QCOMPARE(fake->liveContexts, 0);
        QCOMPARE(fake->referencedDevices, 0);
    }

    void listsOnlyChipsWithSynchronousBitBang()
    {
        FakeDevice ft232r = FakeLibFtdiApi::programmer("A1", 2);
        FakeDevice ft232bm = FakeLibFtdiApi::programmer("BM1", 3);
        ft232bm.release = 0x400;
        FakeDevice otherVendor = FakeLibFtdiApi::programmer("MOUSE", 4);
        otherVendor.vendor = 0x046d;
        FakeDevice ft2232h = FakeLibFtdiApi::programmer("FT22", 5);
        ft2232h.product = 0x6010;
        ft2232h.release = 0x700;
        ft2232h.description = "Dual RS232-HS";
        FakeDevice unknownProduct = FakeLibFtdiApi::programmer("OTHER", 6);
        unknownProduct.product = 0x6020;
        FakeDevice ft232h = FakeLibFtdiApi::programmer("H1", 7);
        ft232h.product = 0x6014;
        ft232h.release = 0x900;
        fake->devices = {ft232r, ft232bm, otherVendor, ft2232h, unknownProduct, ft232h};

        const auto nodes = deviceList();

        QCOMPARE(serialNumbers(nodes), QStringList({"A1", "FT22A", "FT22B", "H1"}));
        QCOMPARE(nodes[0].ID, 0x04036001u);
        QCOMPARE(nodes[0].Type, 5u);  // FT232R
        QCOMPARE(nodes[0].Flags, 0u);
        QCOMPARE(nodes[1].ID, 0x04036010u);
        QCOMPARE(nodes[1].Type, 6u);  // FT2232H
        QCOMPARE(nodes[1].Flags, 2u); // high speed
        QCOMPARE(QString::fromUtf8(nodes[1].Description), QStringLiteral("Dual RS232-HS A"));
        QCOMPARE(QString::fromUtf8(nodes[2].Description), QStringLiteral("Dual RS232-HS B"));
        QVERIFY(nodes[1].LocId != nodes[2].LocId);
        QCOMPARE(nodes[3].ID, 0x04036014u);
        for (const auto &node : nodes)
            QVERIFY(!node.ftHandle);
        // Reading the lists opens nothing.
        QVERIFY(fake->calls.empty());
        QVERIFY(printed.empty());
    }

    void listsUnreadableDevicesWithoutSerialNumber()
    {
        FakeDevice locked = FakeLibFtdiApi::programmer("LOCKED", 9);
        locked.bus = 3;
        locked.stringsResult = LibFtdiApi::kUsbErrorAccess;
        fake->devices = {FakeLibFtdiApi::programmer("A1"), locked};

        const auto nodes = deviceList();

        // Discovery leaves out the entry without a serial number; the reason is printed.
        QCOMPARE(serialNumbers(nodes), QStringList({"A1", ""}));
        QCOMPARE(nodes[1].ID, 0x04036001u);
        QCOMPARE(printed, std::string("No permission to open the FTDI device 0403:6001 on USB bus 3, address 9 "
                                      "(udev rule /etc/udev/rules.d/60-vexa-modulant.rules).\n"));
    }

    void listingWithoutUsbIsEmpty()
    {
        fake->noUsb = true;
        std::uint32_t count = 99;
        QCOMPARE(FT_CreateDeviceInfoList(&count), FT_STATUS(FT_OK));
        QCOMPARE(count, 0u);

        fake->noUsb = false;
        fake->listResult = -1;
        fake->devices = {FakeLibFtdiApi::programmer("A1")};
        QCOMPARE(FT_CreateDeviceInfoList(&count), FT_STATUS(FT_IO_ERROR));
        QCOMPARE(count, 0u);
    }

    void opensTheDeviceWithThatSerialNumber()
    {
        FakeDevice dual = FakeLibFtdiApi::programmer("FT22", 4);
        dual.product = 0x6011;  // FT4232H: four interfaces
        dual.release = 0x800;
        fake->devices = {FakeLibFtdiApi::programmer("A1", 2), FakeLibFtdiApi::programmer("A2", 3), dual};

        FT_HANDLE second = openProgrammer("A2");
        FT_HANDLE channelC = openProgrammer("FT22C");
        QVERIFY(second && channelC);
        QCOMPARE(fake->calls, std::vector<std::string>({"open(A2,0)", "setUsbTimeouts(5000,5000)",
                                                        "open(FT22,2)", "setUsbTimeouts(5000,5000)"}));
        QCOMPARE(fake->liveContexts, 2);

        fake->calls.clear();
        QCOMPARE(FT_Close(second), FT_STATUS(FT_OK));
        QCOMPARE(FT_Close(channelC), FT_STATUS(FT_OK));
        QCOMPARE(fake->calls, std::vector<std::string>({"close", "close"}));
    }

    void openFailurePrintsFittingAdvice_data()
    {
        QTest::addColumn<int>("openResult");
        QTest::addColumn<int>("stringsResult");
        QTest::addColumn<QString>("serialNumber");
        QTest::addColumn<FT_STATUS>("status");
        QTest::addColumn<QString>("advice");

        const QString none;
        QTest::newRow("no such serial number") << 0 << 0 << "NOPE" << FT_STATUS(FT_DEVICE_NOT_FOUND) << none;
        QTest::newRow("empty serial number") << 0 << 0 << "" << FT_STATUS(FT_DEVICE_NOT_FOUND) << none;
        QTest::newRow("claimed by another program")
            << LibFtdiApi::kOpenClaimFailed << 0 << "A1" << FT_STATUS(FT_DEVICE_NOT_OPENED)
            << QString::fromStdString(kInUseAdvice);
        QTest::newRow("driver could not be detached")
            << LibFtdiApi::kOpenPermissionDenied << 0 << "A1" << FT_STATUS(FT_DEVICE_NOT_OPENED)
            << QString::fromStdString(kPermissionAdvice);
        QTest::newRow("serial number unreadable")
            << 0 << LibFtdiApi::kUsbErrorAccess << "A1" << FT_STATUS(FT_DEVICE_NOT_OPENED)
            << QString::fromStdString(kPermissionAdvice);
        QTest::newRow("other device unreachable")
            << 0 << -1 << "A1" << FT_STATUS(FT_DEVICE_NOT_FOUND) << none;
        QTest::newRow("reset failed") << -6 << 0 << "A1" << FT_STATUS(FT_IO_ERROR) << none;
    }

    void openFailurePrintsFittingAdvice()
    {
        QFETCH(int, openResult);
        QFETCH(int, stringsResult);
        QFETCH(QString, serialNumber);
        QFETCH(FT_STATUS, status);
        QFETCH(QString, advice);
        FakeDevice device = FakeLibFtdiApi::programmer("A1");
        device.openResult = openResult;
        device.stringsResult = stringsResult;
        fake->devices = {device};

        auto port = std::make_unique<FtdiI2c>();
        port->reset();
        const QByteArray serial = serialNumber.toUtf8();
        QVERIFY(!port->open(serial.constData()));

        QCOMPARE(port->lastStatus, status);
        QVERIFY(!port->isOpen());
        const std::string expected = "FT_Open(" + serial.toStdString() + ") failed (error "
                                     + std::to_string(status) + ").\n" + kStandardAdvice + advice.toStdString();
        QCOMPARE(QString::fromStdString(printed), QString::fromStdString(expected));
    }

    void openWithoutUsbFindsNothing()
    {
        fake->noUsb = true;
        FT_HANDLE handle = nullptr;
        QCOMPARE(FT_OpenEx(const_cast<char *>("A1"), FT_OPEN_BY_SERIAL_NUMBER, &handle),
                 FT_STATUS(FT_DEVICE_NOT_FOUND));
        QVERIFY(!handle);
    }

    void configuresTheChipAsTheDriverWould()
    {
        fake->devices = {FakeLibFtdiApi::programmer("A1")};
        auto port = std::make_unique<FtdiI2c>();
        port->reset();
        QVERIFY(port->open("A1"));

        QCOMPARE(fake->calls, std::vector<std::string>({
                                  "open(A1,0)",
                                  "setUsbTimeouts(5000,5000)",
                                  "setBitMode(0x00,0)",
                                  "setBitMode(0x14,4)",
                                  "purgeReceive",
                                  "purgeTransmit",
                                  "setLatencyTimer(2)",
                                  "setReadChunkSize(6656)",  // whole high-speed packets
                                  "setWriteChunkSize(6400)",
                                  "setBaudRate(2400)",  // libftdi scales bit-bang rates by four
                                  "setUsbTimeouts(500,500)",
                              }));
        port->close();
    }

    void callResultsBecomeStatuses_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<int>("result");
        QTest::addColumn<FT_STATUS>("status");

        QTest::newRow("bit mode transfer") << "setBitMode" << -1 << FT_STATUS(FT_IO_ERROR);
        QTest::newRow("bit mode unplugged") << "setBitMode" << -2 << FT_STATUS(FT_INVALID_HANDLE);
        QTest::newRow("purge receive") << "purgeReceive" << -1 << FT_STATUS(FT_IO_ERROR);
        QTest::newRow("purge transmit") << "purgeTransmit" << -2 << FT_STATUS(FT_INVALID_HANDLE);
        QTest::newRow("latency range") << "setLatencyTimer" << -1 << FT_STATUS(FT_INVALID_PARAMETER);
        QTest::newRow("latency transfer") << "setLatencyTimer" << -2 << FT_STATUS(FT_IO_ERROR);
        QTest::newRow("chunk memory") << "setReadChunkSize" << -1 << FT_STATUS(FT_INSUFFICIENT_RESOURCES);
        QTest::newRow("baud rate range") << "setBaudRate" << -1 << FT_STATUS(FT_INVALID_BAUD_RATE);
        QTest::newRow("baud rate transfer") << "setBaudRate" << -2 << FT_STATUS(FT_IO_ERROR);
        QTest::newRow("undocumented") << "setBaudRate" << -42 << FT_STATUS(FT_OTHER_ERROR);
    }

    void callResultsBecomeStatuses()
    {
        QFETCH(QString, call);
        QFETCH(int, result);
        QFETCH(FT_STATUS, status);
        fake->devices = {FakeLibFtdiApi::programmer("A1")};
        fake->results[call.toStdString()] = result;
        auto port = std::make_unique<FtdiI2c>();
        port->reset();

        QVERIFY(!port->open("A1"));

        QCOMPARE(port->lastStatus, status);
        QVERIFY(QString::fromStdString(printed).contains(QStringLiteral("(error %1).").arg(status)));
        // A port whose configuration failed gives the device back.
        QVERIFY(!port->isOpen());
        QCOMPARE(fake->calls.back(), std::string("close"));
    }

    void transfersAndPinsReportFailures()
    {
        fake->devices = {FakeLibFtdiApi::programmer("A1")};
        FT_HANDLE handle = openProgrammer("A1");
        QVERIFY(handle);
        std::uint8_t samples[4] = {0x14, 0x10, 0x00, 0x04};
        std::uint32_t count = 99;

        fake->results["write"] = -1;  // bulk transfer failed
        QCOMPARE(FT_Write(handle, samples, 4, &count), FT_STATUS(FT_IO_ERROR));
        QCOMPARE(count, 0u);
        fake->results["write"] = -666;  // device gone
        QCOMPARE(FT_Write(handle, samples, 4, &count), FT_STATUS(FT_INVALID_HANDLE));
        fake->results.erase("write");
        QCOMPARE(FT_Write(handle, samples, 4, &count), FT_STATUS(FT_OK));
        QCOMPARE(count, 4u);

        std::uint8_t pins = 0;
        QCOMPARE(FT_GetBitMode(handle, &pins), FT_STATUS(FT_OK));
        QCOMPARE(pins, std::uint8_t(0x14));
        fake->results["readPins"] = -1;
        QCOMPARE(FT_GetBitMode(handle, &pins), FT_STATUS(FT_IO_ERROR));

        QCOMPARE(FT_SetUSBParameters(handle, 100, 100), FT_STATUS(FT_INVALID_PARAMETER));
        QCOMPARE(FT_Purge(handle, 4), FT_STATUS(FT_INVALID_PARAMETER));

        fake->results["close"] = -1;
        QCOMPARE(FT_Close(handle), FT_STATUS(FT_IO_ERROR));
        QCOMPARE(fake->liveContexts, 0);  // released all the same
    }

    void readGathersAcrossShortReads()
    {
        fake->devices = {FakeLibFtdiApi::programmer("A1")};
        FT_HANDLE handle = openProgrammer("A1");
        QVERIFY(handle);
        QCOMPARE(FT_SetTimeouts(handle, 500, 500), FT_STATUS(FT_OK));
        fake->reads = {{{0x14, 0x14, 0x10}}, {}, {}, {{0x00}}, {{0x04, 0x14, 0x10, 0x00, 0xAA, 0xBB}}};

        std::vector<std::uint8_t> buffer(8, 0x55);
        std::uint32_t returned = 0;
        QCOMPARE(FT_Read(handle, buffer.data(), 8, &returned), FT_STATUS(FT_OK));

        QCOMPARE(returned, 8u);
        QCOMPARE(buffer, std::vector<std::uint8_t>({0x14, 0x14, 0x10, 0x00, 0x04, 0x14, 0x10, 0x00}));
        // What came beyond the count waits for the next read.
        QCOMPARE(FT_Read(handle, buffer.data(), 2, &returned), FT_STATUS(FT_OK));
        QCOMPARE(buffer[0], std::uint8_t(0xAA));
        QCOMPARE(buffer[1], std::uint8_t(0xBB));
        FT_Close(handle);
    }

    void readFailsAtTheTimeout()
    {
        fake->devices = {FakeLibFtdiApi::programmer("A1")};
        FT_HANDLE handle = openProgrammer("A1");
        QVERIFY(handle);
        QCOMPARE(FT_SetTimeouts(handle, 500, 500), FT_STATUS(FT_OK));
        fake->reads = {{{0x00, 0x00, 0x00}}};
        const auto start = fake->clock;

        std::vector<std::uint8_t> buffer(6, 0x00);
        std::uint32_t returned = 0;
        QCOMPARE(FT_Read(handle, buffer.data(), 6, &returned), FT_STATUS(FT_IO_ERROR));

        QCOMPARE(returned, 3u);
        // It waited the full timeout, and not much longer.
        QVERIFY(fake->clock - start >= std::chrono::milliseconds(500));
        QVERIFY(fake->clock - start < std::chrono::milliseconds(500) + 2 * fake->timePerRead);
        // Missing samples read as idle lines, never as an acknowledge.
        QCOMPARE(buffer, std::vector<std::uint8_t>({0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF}));
        FT_Close(handle);
    }

    void readStopsAtATransferError()
    {
        fake->devices = {FakeLibFtdiApi::programmer("A1")};
        FT_HANDLE handle = openProgrammer("A1");
        QVERIFY(handle);
        fake->reads = {{{0x14, 0x14}}, {{}, -4}, {{0x14, 0x14}}};

        std::vector<std::uint8_t> buffer(4, 0x00);
        std::uint32_t returned = 0;
        QCOMPARE(FT_Read(handle, buffer.data(), 4, &returned), FT_STATUS(FT_IO_ERROR));

        QCOMPARE(returned, 2u);
        QCOMPARE(fake->readCalls, 2);
        FT_Close(handle);
    }
};

QTEST_GUILESS_MAIN(TestLibFtdiBackend)
#include "tst_libftdibackend.moc"
