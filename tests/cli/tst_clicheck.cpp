// vexa-modulant-cli check as a shell runs it, against the simulated
// programmers wired as VEXA_SIMULATOR_FAULT says: a line for each step, the
// cause of what fails, and the exit status.

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TstCliCheck : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void check_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("line");  // a whole line of the output
        QTest::newRow("sound") << QStringList{"check"} << "" << 0 << "PASS  Module at 0x50: The module answers.";
        QTest::newRow("swapped") << QStringList{"check", "-p", "VEXASIM1"} << "swapped" << 1
                                 << "FAIL  Module at 0x50: The module answers only with SDA and SCL exchanged: the two "
                                    "lines are swapped. Exchange the wires at the module's pins 4 (SDA) and 5 (SCL).";
        QTest::newRow("CH341A, SDA stuck") << QStringList{"check", "-p", "VEXASIM2"} << "sda-stuck-low" << 1
                                           << "SKIP  Lines let go: This programmer cannot drive and read its lines "
                                              "one by one.";
        QTest::newRow("no such programmer") << QStringList{"check", "-p", "GONE"} << "" << 1 << "";
    }

    void check()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, fault);
        QFETCH(int, exitCode);
        QFETCH(QString, line);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("VEXA_SIMULATOR", "1");
        environment.insert("VEXA_SIMULATOR_FAULT", fault);
        environment.insert("XDG_CONFIG_HOME", dir.path());
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VEXA_CLI), arguments);
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), exitCode);
        const QStringList lines = QString::fromUtf8(program.readAllStandardOutput()).split('\n');
        if (!line.isEmpty())
            QVERIFY2(lines.contains(line), qPrintable(lines.join('\n')));
        QCOMPARE(lines.filter(QRegularExpression("^(PASS|FAIL|SKIP|NOTE)  ")).size(), line.isEmpty() ? 0 : 6);
    }
};

QTEST_GUILESS_MAIN(TstCliCheck)
#include "tst_clicheck.moc"
