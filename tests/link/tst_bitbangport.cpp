// The bit-bang port against the simulated programmer: opening and its
// configuration, the diagnostics an operator sees, flushing and closing.

#include "bitbangport.h"
#include "diagnosticcapture.h"
#include "simulatorfixture.h"

#include <QtTest>

#include <memory>

using Call = SimulatedProgrammer::Call;

class TestBitBangPort : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimulatorFixture> sim;
    std::unique_ptr<BitBangPort> port;

private slots:
    void init()
    {
        sim = std::make_unique<SimulatorFixture>();
        port = std::make_unique<BitBangPort>();
    }

    void cleanup()
    {
        port.reset();
        sim.reset();
    }

    void openConfiguresBitBangAndQueuesTheIdleBus_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<QString>("baudRate");
        QTest::addColumn<double>("sampleClock");
        QTest::newRow("compatible") << int(BitBangPort::Speed::Compatible) << "FT_SetBaudRate(9600)" << 153600.0;
        // An FT232R samples at 16 times the baud rate.
        QTest::newRow("fast") << int(BitBangPort::Speed::Fast) << "FT_SetBaudRate(31250)" << 5.0e5;
    }

    void openConfiguresBitBangAndQueuesTheIdleBus()
    {
        QFETCH(int, speed);
        QFETCH(QString, baudRate);
        QFETCH(double, sampleClock);
        QVERIFY(port->open(SimulatorFixture::kSerial, BitBangPort::Speed(speed)));
        QCOMPARE(sim->programmer->record().calls,
                 (std::vector<std::string>{"FT_OpenEx(SIM0001)", "FT_SetBitMode(0x00, 0)", "FT_SetBitMode(0x14, 4)",
                                           "FT_Purge(3)", "FT_SetLatencyTimer(2)", "FT_SetUSBParameters(6400, 6400)",
                                           baudRate.toStdString(), "FT_SetTimeouts(500, 500)"}));
        QCOMPARE(port->sampleClockHz(), sampleClock);
        port->sdaLevel = 0;  // SDA low, SCL high: 0x04
        port->queueSamples(3);
        QVERIFY(port->flush());
        std::vector<std::uint8_t> expected(30, 0x14);
        // Fast flushes fill the last USB packet of read-back, 62 samples on an FT232R.
        expected.resize(speed == int(BitBangPort::Speed::Fast) ? 62 : 33, 0x04);
        QCOMPARE(sim->programmer->record().samplesWritten, expected);
        QCOMPARE(port->outCount, 0);
        QCOMPARE(port->inCount, int(expected.size()));
    }

    void unknownSerialPrintsTheThreeLines()
    {
        DiagnosticCapture out;
        QVERIFY(!port->open("NOSUCH", BitBangPort::Speed::Compatible));
        QVERIFY(!port->isOpen());
        QCOMPARE(out.text(), QString("FT_Open(NOSUCH) failed (error 2).\n"
                                     "Use lsmod to check if ftdi_sio (and usbserial) are present.\n"
                                     "If so, unload them using rmmod, as they conflict with ftd2xx.\n"));
    }

    void failingConfigurationStepIsNamedAndReleasesTheDevice_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<int>("successes");
        QTest::addColumn<QString>("message");
        QTest::newRow("reset") << int(Call::SetBitMode) << 0 << "FT_SetBitMode failed (error 4).\n";
        QTest::newRow("bit-bang") << int(Call::SetBitMode) << 1 << "FT_SetBitMode failed (error 4).\n";
        QTest::newRow("purge") << int(Call::Purge) << 0 << "FT_Purge failed (error 4).\n";
        QTest::newRow("latency") << int(Call::SetLatencyTimer) << 0 << "FT_SetLatencyTimer failed (error 4).\n";
        QTest::newRow("usb") << int(Call::SetUSBParameters) << 0 << "FT_SetUSBParameters failed (error 4).\n";
        QTest::newRow("baud") << int(Call::SetBaudRate) << 0 << "FT_SetBaudRate failed (error 4).\n";
        QTest::newRow("timeouts") << int(Call::SetTimeouts) << 0 << "";
    }

    void failingConfigurationStepIsNamedAndReleasesTheDevice()
    {
        QFETCH(int, call);
        QFETCH(int, successes);
        QFETCH(QString, message);
        sim->programmer->failCall(Call(call), FT_IO_ERROR, successes);
        DiagnosticCapture out;
        QVERIFY(!port->open(SimulatorFixture::kSerial, BitBangPort::Speed::Compatible));
        QCOMPARE(out.text(), message);
        QCOMPARE(port->lastStatus, FT_IO_ERROR);
        // Released, so the next job can open the programmer again.
        sim->programmer->clearFailures();
        QVERIFY(port->open(SimulatorFixture::kSerial, BitBangPort::Speed::Compatible));
    }

    void closeReleasesOnlyAnOpenPort()
    {
        port->close();
        QVERIFY(sim->programmer->record().calls.empty());
        QVERIFY(port->open(SimulatorFixture::kSerial, BitBangPort::Speed::Compatible));
        sim->programmer->clearRecord();
        port->close();
        port->close();
        QCOMPARE(sim->programmer->record().calls, (std::vector<std::string>{"FT_SetBitMode(0x00, 0)", "FT_Close"}));
        QCOMPARE(port->lastStatus, FT_OK);
    }

    // A failed write or read-back leaves nothing to evaluate, so no sample of
    // an earlier flush can be taken for the module's answer; and the queue
    // stays bounded however long the caller goes on.
    void failedFlushesReadBackNothing_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<QString>("message");
        QTest::newRow("write") << int(Call::Write) << "FT_Write failed (error 4).\n";
        QTest::newRow("read") << int(Call::Read) << "FT_Read failed (error 4).\n";
        QTest::newRow("short read") << -1 << "FT_Read failed (error 4).\n";
    }

    void failedFlushesReadBackNothing()
    {
        QFETCH(int, call);
        QFETCH(QString, message);
        QVERIFY(port->open(SimulatorFixture::kSerial, BitBangPort::Speed::Compatible));
        QVERIFY(port->flush());
        QCOMPARE(port->inCount, 30);
        if (call < 0)
            sim->programmer->shortenReads(1);  // reported as complete
        else
            sim->programmer->failCall(Call(call), FT_IO_ERROR);
        DiagnosticCapture out;
        for (int i = 0; i < 100; ++i) {
            port->queueSamples(390);
            QVERIFY(!port->flush());
            QCOMPARE(port->inCount, 0);
            QCOMPARE(port->outCount, 0);
        }
        QCOMPARE(out.text(), message.repeated(100));
        QCOMPARE(QString::fromStdString(port->failure()), message.section(' ', 0, 0) + ": FT_IO_ERROR (4)");

        port->queueSamples(BitBangPort::kCompatibleCapacity + 50);
        QCOMPARE(port->outCount, BitBangPort::kCompatibleCapacity);
    }
};

QTEST_GUILESS_MAIN(TestBitBangPort)
#include "tst_bitbangport.moc"
