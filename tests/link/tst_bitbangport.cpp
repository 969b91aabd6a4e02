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

private:
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
        port.reset();
        sim.reset();
    }

    void startStateHasThePinAssignment()
    {
        QCOMPARE(port->sdaBit, 4);
        QCOMPARE(port->sclBit, 2);
        QCOMPARE(port->sdaOutput, 1);
        QCOMPARE(port->sclOutput, 1);
        QCOMPARE(port->rxByte, 0xFF);
        QCOMPARE(port->ackSample, 1);
        QCOMPARE(port->outCount, 0);
        QVERIFY(port->handle == nullptr);
    }

    void openConfiguresSynchronousBitBang()
    {
        QVERIFY(port->open(SimulatorFixture::kSerial));
        QCOMPARE(port->lastStatus, FT_OK);
        const std::vector<std::string> expected = {
            "FT_OpenEx(SIM0001)",       "FT_SetBitMode(0x00, 0)",        "FT_SetBitMode(0x14, 4)",
            "FT_Purge(3)",              "FT_SetLatencyTimer(2)",         "FT_SetUSBParameters(6400, 6400)",
            "FT_SetBaudRate(9600)",     "FT_SetTimeouts(500, 500)",
        };
        QCOMPARE(sim->programmer->record().calls, expected);
    }

    void firstFlushCarriesTheIdleSamples()
    {
        QVERIFY(port->open(SimulatorFixture::kSerial));
        port->sdaLevel = 0;
        port->queueSamples(3);
        QVERIFY(port->flush());
        const auto written = sim->programmer->record().samplesWritten;
        QCOMPARE(written.size(), size_t(33));
        QVERIFY(std::all_of(written.begin(), written.begin() + 30, [](auto b) { return b == 0x14; }));
        QVERIFY(std::all_of(written.begin() + 30, written.end(), [](auto b) { return b == 0x04; }));
        QCOMPARE(port->outCount, 0);
        QCOMPARE(port->inCount, 0);
    }

    void pinStateBytes()
    {
        QVERIFY(port->open(SimulatorFixture::kSerial));
        const struct { int sda, scl, byte; } cases[] = {{1, 1, 0x14}, {1, 0, 0x10}, {0, 1, 0x04}, {0, 0, 0x00}};
        for (const auto &c : cases) {
            port->outCount = 0;
            port->sdaLevel = c.sda;
            port->sclLevel = c.scl;
            port->queueSamples(1);
            QCOMPARE(int(port->outBuffer[0]), c.byte);
        }
    }

    void unknownSerialPrintsTheThreeLines()
    {
        DiagnosticCapture out;
        QVERIFY(!port->open("NOSUCH"));
        QVERIFY(port->handle == nullptr);
        QCOMPARE(out.text(), QString("FT_Open(NOSUCH) failed (error 2).\n"
                                     "Use lsmod to check if ftdi_sio (and usbserial) are present.\n"
                                     "If so, unload them using rmmod, as they conflict with ftd2xx.\n"));
    }

    void openFailureStatusIsPrinted()
    {
        sim->programmer->failCall(Call::OpenEx, FT_DEVICE_NOT_OPENED);
        DiagnosticCapture out;
        QVERIFY(!port->open(SimulatorFixture::kSerial));
        QCOMPARE(port->lastStatus, FT_DEVICE_NOT_OPENED);
        QCOMPARE(out.lines().value(0), QString("FT_Open(SIM0001) failed (error 3)."));
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
        QVERIFY(!sim->programmer->isOpen());
        sim->programmer->clearFailures();
        QVERIFY(port->open(SimulatorFixture::kSerial));
    }

    void closeReleasesOnceAndOnlyAnOpenPort()
    {
        port->close();
        QVERIFY(sim->programmer->record().calls.empty());

        QVERIFY(port->open(SimulatorFixture::kSerial));
        sim->programmer->clearRecord();
        port->close();
        port->close();
        const std::vector<std::string> expected = {"FT_SetBitMode(0x00, 0)", "FT_Close"};
        QCOMPARE(sim->programmer->record().calls, expected);
        QVERIFY(port->handle == nullptr);
        QCOMPARE(port->lastStatus, FT_OK);
        QVERIFY(!sim->programmer->isOpen());
    }

    void emptyFlushWritesNothingAndReadsNothing()
    {
        QVERIFY(port->open(SimulatorFixture::kSerial));
        QVERIFY(port->flush());
        sim->programmer->clearRecord();
        QVERIFY(port->flush());
        const std::vector<std::string> expected = {"FT_Write(0)"};
        QCOMPARE(sim->programmer->record().calls, expected);
    }

    void failedWriteIsPrintedAndDropsTheQueue()
    {
        QVERIFY(port->open(SimulatorFixture::kSerial));
        QVERIFY(port->flush());
        port->ackSample = 0;
        port->sclSample = 1;
        sim->programmer->failCall(Call::Write, FT_IO_ERROR);
        DiagnosticCapture out;

        // The bus layer carries on queueing after a failed write; the queue
        // must never grow past its capacity.
        for (int i = 0; i < 100; ++i) {
            port->queueSamples(390);
            port->sampleAck = 1;
            QVERIFY(!port->flush());
            port->sampleAck = 0;
            QVERIFY(port->outCount <= FtdiI2c::kCapacity);
        }
        QCOMPARE(port->outCount, 0);
        QCOMPARE(port->ackSample, 0);  // untouched by a failed flush
        QCOMPARE(port->sclSample, 1);
        QCOMPARE(out.lines().value(0), QString("FT_Write failed (error 4)."));
        QCOMPARE(out.lines().size(), 100);
    }

    void queueIsBoundedByItsCapacity()
    {
        port->queueSamples(FtdiI2c::kCapacity - 5);
        port->queueSamples(50);
        QCOMPARE(port->outCount, FtdiI2c::kCapacity);
        port->queueSamples(-3);
        QCOMPARE(port->outCount, FtdiI2c::kCapacity);
    }
};

QTEST_GUILESS_MAIN(TestBitBangPort)
#include "tst_bitbangport.moc"
