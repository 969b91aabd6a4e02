// The commands in-process, where a test must act at a known point of a
// transfer or give the module a fault: Ctrl+C in the middle of a job, a
// module without diagnostics, a locked module, programmers to choose from,
// and the progress bar.

#include "commandline.h"
#include "console.h"
#include "interrupt.h"
#include "isolatedsettings.h"
#include "simulatorfixture.h"
#include "testbytes.h"

#include <QBuffer>
#include <QDeadlineTimer>
#include <QtTest>

#include <csignal>

namespace {

struct Run {
    int exitCode;
    QByteArray out;
    QString err;
};

Run run(const QStringList &arguments, bool terminal = false)
{
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    Console console(&out, &err, terminal);
    const int exitCode = CommandLine::run(arguments, console);
    return {exitCode, out.data(), QString::fromUtf8(err.data())};
}

}  // namespace

class TstCliSession : public QObject
{
    Q_OBJECT

    QTemporaryDir store;
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(isolateSettings(store));
        QVERIFY(writeFile(path("image.bin"), pattern(512, 5)));
        Interrupt::instance();  // SIGINT handled from here on
    }

    void init()
    {
        Interrupt::instance().clear();
        QFile::remove(path("out.bin"));
    }

    // SIGINT comes while a job is under way. A read stops there (the test
    // holds the worker until it is asked to); a write ends its table first.
    void ctrlCInTheMiddle_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("holdUntilCanceled");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("tablesWritten");
        QTest::newRow("read") << QStringList{"read", "-o", path("out.bin")} << true
                              << "Interrupted: nothing was written." << 0;
        QTest::newRow("verify") << QStringList{"verify", path("image.bin"), "-t", "all"} << true << "Interrupted."
                                << 0;
        QTest::newRow("write") << QStringList{"write", path("image.bin"), "-t", "a0"} << false
                               << "Interrupted: written whole: A0 Low" << 1;
    }
    void ctrlCInTheMiddle()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, holdUntilCanceled);
        QFETCH(QString, message);
        QFETCH(int, tablesWritten);
        SimulatorFixture sim;
        sim.fillPattern(0x50, 1);
        sim.fillPattern(0x51, 2);
        const QByteArray before = sim.memory(0x50);
        int writes = 0;
        bool canceledInTheJob = false;
        sim.programmer->setWriteHook([&](int) {
            if (++writes != 5)
                return;
            std::raise(SIGINT);
            const QDeadlineTimer deadline(20000);
            while (holdUntilCanceled && !QThread::currentThread()->isInterruptionRequested() && !deadline.hasExpired())
                QThread::msleep(1);
            canceledInTheJob = QThread::currentThread()->isInterruptionRequested();
        });

        const Run result = run(arguments);
        sim.programmer->setWriteHook(nullptr);
        QCOMPARE(canceledInTheJob, holdUntilCanceled);
        QCOMPARE(result.exitCode, 130);
        QCOMPARE(result.err.trimmed(), message);
        QVERIFY(!QFile::exists(path("out.bin")));
        QVERIFY(!sim.programmer->isOpen());
        const QByteArray expected = pattern(512, 5).left(128 * tablesWritten) + before.mid(128 * tablesWritten);
        QCOMPARE(sim.memory(0x50), expected);
    }

    void moduleWithoutDiagnostics_data()
    {
        QTest::addColumn<int>("diagnosticType");  // A0h byte 92
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("says it has none") << 0x00 << 0
                                          << "The module has no diagnostics (A2h): only its A0h tables were read.";
        QTest::newRow("says it has them") << 0x68 << 1 << "Couldn't read A2 Low: i2c: couldn't select read address";
    }
    void moduleWithoutDiagnostics()
    {
        QFETCH(int, diagnosticType);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        SimulatorFixture sim;
        sim.fillPattern(0x50, 1);
        sim.module->memory(0x50)[92] = std::uint8_t(diagnosticType);
        sim.module->refuseSelections(0x51, 1 << 30);

        const Run result = run({"read", "-o", path("out.bin")});
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.err.trimmed(), message);
        QFile out(path("out.bin"));
        QCOMPARE(out.open(QIODevice::ReadOnly) ? out.readAll() : QByteArray(),
                 exitCode == 0 ? sim.memory(0x50) : QByteArray());
    }

    // Writes that the module does not keep come to light in the read-back.
    void writeIsVerified_data()
    {
        QTest::addColumn<QStringList>("password");
        QTest::addColumn<bool>("flipBit");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("listing");
        QTest::newRow("locked, no password")
            << QStringList() << false << 3
            << "A0 Low written, but bytes read back differ: 127\nA0 Low: the module acknowledges writes here but keeps "
               "nothing: its identification is locked"
                                             << QByteArray("Offset  Byte     Written  Read back  Field\n0x0000");
        QTest::newRow("preset password") << QStringList{"--password", "preset1"} << false << 0
                                         << "A0 Low written and verified" << QByteArray();
        QTest::newRow("stored custom password") << QStringList{"--password", "custom"} << false << 0
                                                << "A0 Low written and verified" << QByteArray();
        QTest::newRow("typed password") << QStringList{"--password", "5c2be107"} << false << 0
                                        << "A0 Low written and verified" << QByteArray();
        QTest::newRow("a bit that does not stick")
            << QStringList{"--password", "preset1"} << true << 3 << "A0 Low written, but bytes read back differ: 1"
            << "\n0x0044  A0h 68  " + pattern(128, 5).mid(68, 1).toHex() + "       "
                   + QByteArray(1, char(pattern(128, 5).at(68) ^ 1)).toHex();
    }
    void writeIsVerified()
    {
        QFETCH(QStringList, password);
        QFETCH(bool, flipBit);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QFETCH(QByteArray, listing);
        QSettings().setValue("gui/custom_password", "5C 2B E1 07");
        SimulatorFixture sim;
        sim.module->setPassword(std::array<std::uint8_t, 4>{0x5C, 0x2B, 0xE1, 0x07});
        if (flipBit)
            sim.module->flipStoredBit(0x50, 68, 0x01);

        const Run result = run(QStringList{"write", path("image.bin")} + password);
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.err.trimmed(), message);
        QVERIFY2(listing.isEmpty() ? result.out.isEmpty() : result.out.contains(listing), result.out.constData());
    }

    // Automatic on a module locked with the SFF-8472 default: the list in
    // turn, then, for a module of the same part number, that one first.
    void automaticRemembersWhatTheModuleTook()
    {
        SimulatorFixture sim;
        sim.module->setPassword(std::array<std::uint8_t, 4>{0x00, 0x00, 0x10, 0x11});
        const auto before = sim.module->memory(0x50);
        auto passwordSteps = [&sim] {
            const auto all = sim.board().transactions();
            return std::count_if(all.begin(), all.end(),
                                 [](auto &t) { return t.device == 0x51 && t.byteAddress() >= 0x7B; });
        };
        for (int steps : {12, 4}) {
            sim.module->memory(0x50) = before;
            sim.module->powerCycle();
            sim.board().clearRecord();
            const Run result = run({"write", path("image.bin"), "--password", "AUTO"});
            QCOMPARE(result.exitCode, 0);
            QCOMPARE(result.err.trimmed(), QString("A0 Low: the module took the password \"SFF-8472 default\"\n"
                                                   "A0 Low written and verified"));
            QCOMPARE(int(passwordSteps()), steps);
        }

        sim.module->memory(0x50) = before;
        sim.module->setPassword(std::array<std::uint8_t, 4>{0x12, 0x34, 0x56, 0x78});
        const Run result = run({"write", path("image.bin"), "--password", "auto"});
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.err.trimmed(),
                 QString("Couldn't write A0 Low: No password of the list unlocked the module; tried: SFF-8472 default, "
                         "Zorvik 1, Zorvik 2, no password; the module acknowledges writes here but keeps nothing: its "
                         "identification is locked"));
        QVERIFY(sim.module->memory(0x50) == before);
    }

    // SFF-8636 and CMIS modules take a new password and the password at
    // bytes 119 to 126 and 118 to 125: a write of the lower page sends its
    // controls and masks only, never those.
    void lowerPageSparesThePasswordBytes_data()
    {
        QTest::addColumn<int>("identifier");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::newRow("SFF-8636") << 0x0D << 86 << 21;
        QTest::newRow("CMIS") << 0x18 << 26 << 11;
    }
    void lowerPageSparesThePasswordBytes()
    {
        QFETCH(int, identifier);
        QFETCH(int, first);
        QFETCH(int, count);
        SimulatorFixture sim;
        sim.fillPattern(0x50, 1);
        const QByteArray before = sim.memory(0x50, 0, 128);
        QByteArray lower = pattern(128, 9);
        lower[0] = char(identifier);
        QVERIFY(writeFile(path("lower.bin"), lower));
        QCOMPARE(run({"write", path("lower.bin"), "--no-verify"}).exitCode, 0);
        QCOMPARE(sim.memory(0x50, 0, 128), QByteArray(before).replace(first, count, lower.mid(first, count)));
    }

    void choiceOfProgrammer_data()
    {
        QTest::addColumn<QStringList>("serials");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("none") << QStringList() << QStringList{"read"} << 1 << "No programmer found.";
        QTest::newRow("two") << QStringList{"SIM1", "SIM2"} << QStringList{"read"} << 2
                             << "Several programmers are attached (SIM1, SIM2): choose one with -p SERIAL";
        QTest::newRow("two, one named") << QStringList{"SIM1", "SIM2"} << QStringList{"read", "-p", "SIM2"} << 0
                                        << "";
        QTest::newRow("listed") << QStringList{"SIM1", "SIM2"} << QStringList{"list"} << 0 << "";
    }
    void choiceOfProgrammer()
    {
        QFETCH(QStringList, serials);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        auto backend = std::make_shared<SimulatedBackend>();
        for (const QString &serial : serials)
            backend->addProgrammer(serial.toStdString());
        d2xx::removeAllBackends();
        d2xx::installBackend(backend);

        const Run result = run(arguments);
        d2xx::removeAllBackends();
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(message.isEmpty() ? result.err.isEmpty() : result.err.startsWith(message), qPrintable(result.err));
        if (arguments.first() == "list")
            QCOMPARE(result.out, QByteArray("SIM1  FTDI  Vexa simulated programmer\nSIM2  FTDI  Vexa simulated programmer\n"));
    }

    // A bar redrawn in place on a terminal, for more than one table; nothing
    // otherwise, so that a log gets whole lines only.
    void progressBarOnATerminal_data()
    {
        QTest::addColumn<bool>("terminal");
        QTest::addColumn<QString>("tables");
        QTest::addColumn<QString>("err");
        const auto bar = [](int done, const QString &table) {
            return QString("\r[%1%2] %3/4 %4").arg(QString(done * 6, '#'), QString(24 - done * 6, '.')).arg(done).arg(table);
        };
        QTest::newRow("terminal, all tables") << true << "all"
                                              << bar(0, "A0 Low") + bar(1, "A0 High") + bar(2, "A2 Low ")
                                                     + bar(3, "A2 High") + '\r' + QString(38, ' ') + '\r';
        QTest::newRow("terminal, one table") << true << "a0-low" << "";
        QTest::newRow("not a terminal") << false << "all" << "";
    }
    void progressBarOnATerminal()
    {
        QFETCH(bool, terminal);
        QFETCH(QString, tables);
        QFETCH(QString, err);
        SimulatorFixture sim;
        const Run result = run({"read", "-t", tables, "-o", path("out.bin")}, terminal);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.err, err);
    }
};

QTEST_GUILESS_MAIN(TstCliSession)
#include "tst_clisession.moc"
