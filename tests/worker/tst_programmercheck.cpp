// The programmer check against the simulated programmers with the faults of
// home-made boards: each is named where it shows first, by an FTDI chip
// that reads its lines and by a CH341A that can only ask for the module.

#include "programmercheck.h"
#include "samplemodule.h"
#include "simulatorenvironment.h"
#include "simulatorfixture.h"

#include <QtTest>

class TestProgrammerCheck : public QObject
{
    Q_OBJECT

private slots:
    void namesTheCause_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("faults");  // as VEXA_SIMULATOR_FAULT names them; "no-module": an empty socket
        QTest::addColumn<QString>("failedStep");
        QTest::addColumn<QString>("cause");
        const int ftdi = int(SimulatorFixture::Kind::Ftdi), ch341a = int(SimulatorFixture::Kind::Ch341a);
        const QString letGo = "Lines let go", module = "Module at 0x50", read = "Read of a table";
        QTest::newRow("FTDI, sound") << ftdi << "" << "" << "";
        QTest::newRow("FTDI, no pull-ups") << ftdi << "no-pull-up" << letGo
                                           << "Low when let go: SDA and SCL. Yet the module answers: there is no pull-up";
        QTest::newRow("FTDI, unpowered") << ftdi << "unpowered" << letGo
                                         << "Low when let go: SDA and SCL. No module answers either: is the module powered";
        QTest::newRow("FTDI, SDA stuck") << ftdi << "sda-stuck-low" << letGo << "SDA stays low even when driven high";
        QTest::newRow("FTDI, SCL stuck") << ftdi << "scl-stuck-low" << letGo << "SCL stays low even when driven high";
        QTest::newRow("FTDI, swapped") << ftdi << "swapped" << module << "the two lines are swapped";
        QTest::newRow("FTDI, no module") << ftdi << "no-module" << module << "is a module in the socket";
        QTest::newRow("CH341A, sound") << ch341a << "" << "" << "";
        QTest::newRow("CH341A, no pull-ups") << ch341a << "no-pull-up" << read << "Every byte reads 00";
        QTest::newRow("CH341A, unpowered") << ch341a << "unpowered" << read << "Every byte reads 00";
        QTest::newRow("CH341A, SDA stuck") << ch341a << "sda-stuck-low" << read << "Every byte reads 00";
        QTest::newRow("CH341A, SCL stuck") << ch341a << "scl-stuck-low" << module << "wired the right way round";
        QTest::newRow("CH341A, swapped") << ch341a << "swapped" << module << "wired the right way round";
    }

    void namesTheCause()
    {
        QFETCH(int, kind);
        QFETCH(QString, faults);
        QFETCH(QString, failedStep);
        QFETCH(QString, cause);
        SimulatorFixture sim{SimulatorFixture::Kind(kind)};
        setModuleImage(*sim.module, sampleModuleImage());
        ModuleSocket::Faults broken;
        if (faults == "no-module")
            sim.setModule(nullptr);
        else
            QVERIFY(simulatorFaults(faults, broken));
        sim.board().setLineFaults(broken);

        const QList<CheckStep> steps = ProgrammerCheck::run(sim.identity());
        QCOMPARE(steps.size(), 6);
        QCOMPARE(ProgrammerCheck::passed(steps), failedStep.isEmpty());
        const auto failed = std::find_if(steps.begin(), steps.end(),
                                         [](const CheckStep &s) { return s.outcome == CheckStep::Failed; });
        if (failedStep.isEmpty()) {
            QVERIFY(QRegularExpression("^128 bytes in \\d+ ms\\.$").match(steps.last().finding).hasMatch());
            QCOMPARE(steps[4].outcome, CheckStep::Passed);  // the sample module has diagnostics
            return;
        }
        QCOMPARE(failed->title, failedStep);
        QVERIFY2(failed->finding.contains(cause), qPrintable(failed->finding));
        QVERIFY(!sim.board().isOpen());
    }
};

QTEST_GUILESS_MAIN(TestProgrammerCheck)
#include "tst_programmercheck.moc"
