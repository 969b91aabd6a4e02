// The libftdi backend's own logic against a scripted libftdi: which devices
// it lists and opens, how libftdi's results become D2XX statuses, the read
// that gathers samples, and the advice printed after a failed open.

#include "diagnostics.h"
#include "fakelibftdiapi.h"
#include "bitbangport.h"
#include "libftdibackend.h"

#include <QtTest>

#include <cstring>
#include <deque>
#include <memory>
#include <vector>

Q_DECLARE_METATYPE(FT_STATUS)

namespace {

const QString kNoPermission = ".*no permission.*\\n.*/etc/udev/rules\\.d/60-vexa-modulant\\.rules.*\\n";

struct OpenCase {
    int openResult;
    int stringsResult;
    QString serialNumber;
    FT_STATUS status;
    QString advice;  // a pattern for the lines that follow the three usual ones
};

using Bytes = std::vector<std::uint8_t>;

struct ReadCase {
    std::deque<Bytes> chunks;  // each what one ftdi_read_data() hands over
    int afterChunks;           // what reads give then: 0 (nothing yet) or an error
    FT_STATUS status;
    Bytes samples;  // the whole buffer after the read
    int returned;
    int waitedMs;  // on the fake's clock, 10 per read
};

FT_HANDLE openHandle(const char *serialNumber)
{
    FT_HANDLE handle = nullptr;
    FT_OpenEx(const_cast<char *>(serialNumber), FT_OPEN_BY_SERIAL_NUMBER, &handle);
    return handle;
}

}  // namespace

Q_DECLARE_METATYPE(OpenCase)
Q_DECLARE_METATYPE(ReadCase)

class TestLibFtdiBackend : public QObject
{
    Q_OBJECT

    std::shared_ptr<FakeLibFtdiApi> fake;
    QString printed;

private slots:
    void init()
    {
        fake = std::make_shared<FakeLibFtdiApi>();
        d2xx::installBackend(std::make_shared<LibFtdiBackend>(fake));
        printed.clear();
        linkdiag::setSink([this](const std::string &text) { printed += QString::fromStdString(text); });
    }

    void cleanup()
    {
        d2xx::removeAllBackends();
        linkdiag::setSink({});
        // Every libusb session and device reference is given back.
        QCOMPARE(fake->liveContexts, 0);
        QCOMPARE(fake->referencedDevices, 0);
    }

    void listsChipsWithSynchronousBitBang()
    {
        fake->devices = {{"R1"},
                         {"BM", 0, 0, 0x6001, 0x400},  // FT232BM: asynchronous bit-bang only
                         {"MOUSE", 0, 0, 0x6001, 0x600, 0x046d},
                         {"OTHER", 0, 0, 0x6020},  // an FTDI product that is no programmer
                         {"D", 0, 0, 0x6010, 0x700},  // FT2232H: one device per interface
                         {"LOCKED", LibFtdiApi::kUsbErrorAccess}};

        std::uint32_t count = 0;
        QCOMPARE(FT_CreateDeviceInfoList(&count), FT_STATUS(FT_OK));
        std::vector<FT_DEVICE_LIST_INFO_NODE> nodes(count + 1);
        QCOMPARE(FT_GetDeviceInfoList(nodes.data(), &count), FT_STATUS(FT_OK));
        QStringList listed;  // serial number and ID, without either discovery drops a node
        for (std::uint32_t i = 0; i < count; ++i)
            listed << QString("%1/%2").arg(nodes[i].SerialNumber).arg(nodes[i].ID, 8, 16, QChar('0'));
        // The unreadable device is listed without a serial number; the reason is printed.
        QCOMPARE(listed, QStringList({"R1/04036001", "DA/04036010", "DB/04036010", "/04036001"}));
        QCOMPARE(printed, QString("No permission to open the FTDI device 0403:6001 on USB bus 1, address 2 "
                                  "(udev rule /etc/udev/rules.d/60-vexa-modulant.rules).\n"));
        QVERIFY(fake->opened.empty());  // listing opens nothing
    }

    void withoutUsbNothingIsThere()
    {
        fake->noUsb = true;
        std::uint32_t count = 99;
        QCOMPARE(FT_CreateDeviceInfoList(&count), FT_STATUS(FT_OK));
        QCOMPARE(count, 0u);
        QVERIFY(!openHandle("A1"));
    }

    void opensTheInterfaceWithThatSerialNumber()
    {
        fake->devices = {{"A1"}, {"A2"}, {"Q", 0, 0, 0x6011, 0x800}};  // the last an FT4232H
        FT_HANDLE second = openHandle("A2");
        FT_HANDLE channelC = openHandle("QC");
        QCOMPARE(fake->opened, std::vector<std::string>({"A2:0", "Q:2"}));
        QCOMPARE(FT_Close(second), FT_STATUS(FT_OK));
        QCOMPARE(FT_Close(channelC), FT_STATUS(FT_OK));
    }

    void openFailurePrintsFittingAdvice_data()
    {
        QTest::addColumn<OpenCase>("test");
        QTest::newRow("no such serial number") << OpenCase{0, 0, "NOPE", FT_DEVICE_NOT_FOUND, ""};
        QTest::newRow("in use") << OpenCase{LibFtdiApi::kOpenClaimFailed, 0, "A1", FT_DEVICE_NOT_OPENED,
                                            "Another program is using the programmer.*\\n"};
        QTest::newRow("no permission to open")
            << OpenCase{LibFtdiApi::kOpenPermissionDenied, 0, "A1", FT_DEVICE_NOT_OPENED, kNoPermission};
        // It may be the device asked for.
        QTest::newRow("serial number unreadable")
            << OpenCase{0, LibFtdiApi::kUsbErrorAccess, "A1", FT_DEVICE_NOT_OPENED, kNoPermission};
    }

    void openFailurePrintsFittingAdvice()
    {
        QFETCH(OpenCase, test);
        fake->devices = {{"A1", test.stringsResult, test.openResult}};

        auto port = std::make_unique<BitBangPort>();
        QVERIFY(!port->open(test.serialNumber.toUtf8().constData(), BitBangPort::Speed::Compatible));

        QCOMPARE(port->lastStatus, test.status);
        const QString lines = QString("FT_Open(%1) failed (error %2).\n"
                                      "Use lsmod to check if ftdi_sio (and usbserial) are present.\n"
                                      "If so, unload them using rmmod, as they conflict with ftd2xx.\n")
                                  .arg(test.serialNumber)
                                  .arg(test.status);
        const QRegularExpression expected(QRegularExpression::anchoredPattern(QRegularExpression::escape(lines)
                                                                              + test.advice));
        QVERIFY2(expected.match(printed).hasMatch(), qPrintable(printed));
    }

    void libftdiResultsBecomeStatuses_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<int>("result");
        QTest::addColumn<FT_STATUS>("status");

        // Each call numbers its errors on its own.
        QTest::newRow("bit mode: transfer failed") << "setBitMode" << -1 << FT_STATUS(FT_IO_ERROR);
        QTest::newRow("latency: out of range") << "setLatencyTimer" << -1 << FT_STATUS(FT_INVALID_PARAMETER);
        QTest::newRow("baud rate: unreachable") << "setBaudRate" << -1 << FT_STATUS(FT_INVALID_BAUD_RATE);
        QTest::newRow("undocumented") << "setBaudRate" << -42 << FT_STATUS(FT_OTHER_ERROR);
        QTest::newRow("write: device gone") << "write" << -666 << FT_STATUS(FT_INVALID_HANDLE);
    }

    void libftdiResultsBecomeStatuses()
    {
        QFETCH(QString, call);
        QFETCH(int, result);
        QFETCH(FT_STATUS, status);
        fake->devices = {{"A1"}};
        fake->results[call.toStdString()] = result;

        auto port = std::make_unique<BitBangPort>();
        if (port->open("A1", BitBangPort::Speed::Compatible))
            port->flush();
        QCOMPARE(port->lastStatus, status);
        port->close();
    }

    // D2XX rates and transfer sizes become libftdi's: it multiplies the rate
    // by four in the bit-bang modes, and a read chunk must be whole packets.
    void settingsReachLibftdiInItsOwnUnits_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<long>("libftdiRate");
        QTest::newRow("compatible") << int(BitBangPort::Speed::Compatible) << 2400L;
        QTest::newRow("fast") << int(BitBangPort::Speed::Fast) << 7813L;
    }

    void settingsReachLibftdiInItsOwnUnits()
    {
        QFETCH(int, speed);
        QFETCH(long, libftdiRate);
        fake->devices = {{"A1"}};
        BitBangPort port;
        QVERIFY(port.open("A1", BitBangPort::Speed(speed)));
        QCOMPARE(fake->arguments["setBaudRate"], std::vector<long>{libftdiRate});
        QCOMPARE(fake->arguments["setReadChunkSize"], std::vector<long>{6656});
        QCOMPARE(fake->arguments["setWriteChunkSize"], std::vector<long>{6400});
    }

    // A flush longer than the chip's two buffers hold completes on every
    // chip: the read-back drains it while the samples go out.
    void longFlushesNeverStallTheChip_data()
    {
        QTest::addColumn<int>("product");
        QTest::addColumn<int>("release");
        QTest::addColumn<QString>("serial");
        QTest::newRow("FT232R") << 0x6001 << 0x600 << "A1";
        QTest::newRow("FT-X") << 0x6015 << 0x1000 << "A1";
        QTest::newRow("FT2232D") << 0x6010 << 0x500 << "A1A";
        QTest::newRow("FT2232H") << 0x6010 << 0x700 << "A1A";
        QTest::newRow("FT4232H") << 0x6011 << 0x800 << "A1A";
        QTest::newRow("FT232H") << 0x6014 << 0x900 << "A1";
    }

    void longFlushesNeverStallTheChip()
    {
        QFETCH(int, product);
        QFETCH(int, release);
        QFETCH(QString, serial);
        fake->devices = {{"A1", 0, 0, std::uint16_t(product), std::uint16_t(release)}};
        BitBangPort port;
        QVERIFY(port.open(serial.toLatin1().constData(), BitBangPort::Speed::Fast));
        QVERIFY(port.flush());  // the idle samples
        for (int count : {390, 10000, 40000}) {
            for (int i = 0; i < count; ++i) {
                port.sclLevel = i & 1;
                port.queueSamples(1);
            }
            QVERIFY2(port.flush(), port.failure().c_str());
            QVERIFY(port.inCount >= count);  // filled up to a whole packet
            QCOMPARE(std::memcmp(port.inBuffer.data(), port.outBuffer.data(), size_t(count)), 0);
        }
        port.close();
    }

    // A chip that stops sending samples, or takes only part of a write,
    // fails the flush within the read timeout and leaves nothing under way.
    void stalledOrShortTransferFailsTheFlush_data()
    {
        QTest::addColumn<bool>("stalled");
        QTest::addColumn<int>("shortWrite");
        QTest::newRow("chip stops sampling") << true << 0;
        QTest::newRow("short write") << false << 100;
    }

    void stalledOrShortTransferFailsTheFlush()
    {
        QFETCH(bool, stalled);
        QFETCH(int, shortWrite);
        fake->devices = {{"A1"}};
        BitBangPort port;
        QVERIFY(port.open("A1", BitBangPort::Speed::Fast));
        QVERIFY(port.flush());
        fake->stalled = stalled;
        fake->results["shortWrite"] = shortWrite;
        const FakeLibFtdiApi::Clock::time_point start = fake->clock;
        port.queueSamples(1000);
        QVERIFY(!port.flush());
        QVERIFY(!fake->hung);
        QVERIFY(fake->pending.empty());
        QVERIFY(fake->clock - start <= std::chrono::milliseconds(600));
    }

    void readGathersSamplesUntilTheTimeout_data()
    {
        QTest::addColumn<ReadCase>("test");
        QTest::newRow("short and empty reads")
            << ReadCase{{{0x14, 0x14, 0x10}, {}, {}, {0x00}, {0x04, 0x14, 0x10, 0x00, 0xAA, 0xBB}}, 0, FT_OK,
                        {0x14, 0x14, 0x10, 0x00, 0x04, 0x14, 0x10, 0x00}, 8, 50};
        // Missing samples read as idle lines, never as an acknowledge.
        QTest::newRow("timeout") << ReadCase{{{0x00, 0x00, 0x00}}, 0, FT_IO_ERROR,
                                             {0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF}, 3, 500};
        QTest::newRow("transfer error") << ReadCase{{{0x14, 0x14}, {0x14, 0x14}}, -4, FT_IO_ERROR,
                                                    {0x14, 0x14, 0x14, 0x14, 0xFF, 0xFF, 0xFF}, 4, 30};
    }

    void readGathersSamplesUntilTheTimeout()
    {
        QFETCH(ReadCase, test);
        fake->devices = {{"A1"}};
        FT_HANDLE handle = openHandle("A1");
        QCOMPARE(FT_SetTimeouts(handle, 500, 500), FT_STATUS(FT_OK));
        fake->reads = test.chunks;
        fake->results["read"] = test.afterChunks;

        const auto count = static_cast<std::uint32_t>(test.samples.size());
        Bytes buffer(count + 1, 0x55);  // the byte past the count stays untouched
        std::uint32_t returned = 0;
        QCOMPARE(FT_Read(handle, buffer.data(), count, &returned), test.status);

        QCOMPARE(int(returned), test.returned);
        test.samples.push_back(0x55);
        QCOMPARE(buffer, test.samples);
        const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(fake->clock.time_since_epoch());
        QCOMPARE(int(waited.count()), test.waitedMs);
        FT_Close(handle);
    }
};

QTEST_GUILESS_MAIN(TestLibFtdiBackend)
#include "tst_libftdibackend.moc"
