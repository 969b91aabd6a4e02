// vexa-modulant-cli with its standard output on a full disk (/dev/full):
// whatever the command, data that never arrived is a failure with a message,
// and no file is left behind instead.

#include "samplemodule.h"
#include "testbytes.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TstCliOutput : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void fullOutput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("files");  // in the folder afterwards, besides the module and the template

        QTest::newRow("read -o -") << QStringList{"read", "-o", "-"} << QStringList{};
        QTest::newRow("read as a hex dump") << QStringList{"read"} << QStringList{};
        QTest::newRow("decode --json") << QStringList{"decode", "--json", "-p", "VEXASIM1"} << QStringList{};
        QTest::newRow("list") << QStringList{"list"} << QStringList{};
        QTest::newRow("help") << QStringList{"help"} << QStringList{};
        QTest::newRow("--version") << QStringList{"--version"} << QStringList{};
        // The module is on the journal before its line goes out; the series
        // ends there.
        QTest::newRow("series") << QStringList{"series", "template.bin", "--serial", "TS+01", "--journal",
                                               "journal.csv"}
                                << QStringList{"journal.csv", "journal.csv.claims"};
    }

    void fullOutput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, files);
        QDir folder(dir.path());
        for (const QString &name : folder.entryList(QDir::Files))
            QVERIFY(folder.remove(name));
        QVERIFY(writeFile(folder.filePath("module.bin"), sampleModuleImage()));
        QVERIFY(writeFile(folder.filePath("template.bin"), sampleModuleImage().left(128)));

        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("VEXA_SIMULATOR", folder.filePath("module.bin"));
        if (arguments.first() == "series")
            environment.insert("VEXA_SIMULATOR_MODULES", "3");
        environment.insert("XDG_CONFIG_HOME", folder.filePath("config"));
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(folder.path());
        program.setStandardOutputFile("/dev/full");
        program.start(QStringLiteral(VEXA_CLI), arguments);
        QVERIFY(program.waitForFinished(60000));
        const QString errors = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 1, qPrintable(errors));
        QVERIFY2(errors.contains("Couldn't write to standard output: No space left on device"), qPrintable(errors));

        files << "module.bin" << "template.bin";
        files.sort();
        QCOMPARE(folder.entryList(QDir::Files, QDir::Name), files);
        if (arguments.first() == "series")
            QCOMPARE(readFile(folder.filePath("journal.csv")).count('\n'), 2);
    }
};

QTEST_GUILESS_MAIN(TstCliOutput)
#include "tst_clioutput.moc"
