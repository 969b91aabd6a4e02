// The bit-bang port against the simulated programmer: opening and its
// configuration, the diagnostics an operator sees, flushing and closing.

#include "diagnosticcapture.h"
#include "ftdii2c.h"
#include "simulatorfixture.h"

#include <QtTest>

#include <memory>

using Call = SimulatedProgrammer::Call;

class TestBitBangPort : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimulatorFixture> sim;
    std::unique_ptr<FtdiI2c> port;

private slots:
    void init()
    {
        sim = std::make_unique<SimulatorFixture>();
        port = std::make_unique<FtdiI2c>();
        port->reset();
    }

    void cleanup()
    {
        port->close();
        sim.reset();
    }

    void openConfiguresBitBangAndQueuesTheIdleBus()
    {
        QVERIFY(port->open(SimulatorFixture::kSerial));
        QCOMPARE(sim->programmer->record().calls,
                 (std::vector<std::string>{"FT_OpenEx(SIM0001)", "FT_SetBitMode(0x00, 0)", "FT_SetBitMode(0x14, 4)",
                                           "FT_Purge(3)", "FT_SetLatencyTimer(2)", "FT_SetUSBParameters(6400, 6400)",
                                           "FT_SetBaudRate(9600)", "FT_SetTimeouts(500, 500)"}));
        port->sdaLevel = 0;  // SDA low, SCL high: 0x04
        port->queueSamples(3);
        QVERIFY(port->flush());
        std::vector<std::uint8_t> expected(30, 0x14);
        expected.insert(expected.end(), 3, 0x04);
        QCOMPARE(sim->programmer->record().samplesWritten, expected);
        QCOMPARE(port->outCount, 0);
    }

    void unknownSerialPrintsTheThreeLines()
    {
        DiagnosticCapture out;
        QVERIFY(!port->open("NOSUCH"));
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
        QVERIFY(!port->open(SimulatorFixture::kSerial));
        QCOMPARE(out.text(), message);
        QCOMPARE(port->lastStatus, FT_IO_ERROR);
        // Released, so the next job can open the programmer again.
        sim->programmer->clearFailures();
        QVERIFY(port->open(SimulatorFixture::kSerial));
    }

    void closeReleasesOnlyAnOpenPort()
    {
        port->close();
        QVERIFY(sim->programmer->record().calls.empty());
        QVERIFY(port->open(SimulatorFixture::kSerial));
        sim->programmer->clearRecord();
        port->close();
        port->close();
        QCOMPARE(sim->programmer->record().calls, (std::vector<std::string>{"FT_SetBitMode(0x00, 0)", "FT_Close"}));
        QCOMPARE(port->lastStatus, FT_OK);
    }

    void emptyFlushWritesNothingAndReadsNothing()
    {
        QVERIFY(port->open(SimulatorFixture::kSerial));
        QVERIFY(port->flush());
        sim->programmer->clearRecord();
        QVERIFY(port->flush());
        QCOMPARE(sim->programmer->record().calls, std::vector<std::string>{"FT_Write(0)"});
    }

    void failedWritesNeitherGrowTheQueueNorTouchTheBusState()
    {
        QVERIFY(port->open(SimulatorFixture::kSerial));
        QVERIFY(port->flush());
        port->ackSample = 0;
        port->sclSample = 1;
        sim->programmer->failCall(Call::Write, FT_IO_ERROR);
        DiagnosticCapture out;
        // The bus layer carries on queueing after a failed write.
        for (int i = 0; i < 100; ++i) {
            port->queueSamples(390);
            port->sampleAck = 1;
            QVERIFY(!port->flush());
            QVERIFY(port->outCount <= FtdiI2c::kCapacity);
        }
        QCOMPARE(port->ackSample, 0);
        QCOMPARE(port->sclSample, 1);
        QCOMPARE(out.text(), QString("FT_Write failed (error 4).\n").repeated(100));

        port->queueSamples(FtdiI2c::kCapacity + 50);
        QCOMPARE(port->outCount, FtdiI2c::kCapacity);
    }
};

QTEST_GUILESS_MAIN(TestBitBangPort)
#include "tst_bitbangport.moc"
