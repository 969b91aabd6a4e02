// vexa-modulant-cli series as a shell runs it, against the simulated
// programmer with an operator at its socket: what it prints, its exit
// status, the journal and the last module's bytes; a second program on a
// journal in use; and the journal after the program is ended by Ctrl+C or
// killed outright in the middle of a series.

#include "checkcodes.h"
#include "memorymap.h"
#include "samplemodule.h"
#include "seriesjournal.h"
#include "testbytes.h"
#include "textfields.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

// The lines after the header, as fields.
QList<QStringList> journalLines(const QString &path)
{
    QList<QStringList> lines;
    const QList<QByteArray> rows = readFile(path).split('\n');
    for (int i = 1; i < rows.size(); ++i)
        if (!rows.at(i).isEmpty())
            lines.append(SeriesJournal::parseCsvLine(QString::fromUtf8(rows.at(i))));
    return lines;
}

// The serial numbers at the start of the program's lines.
QStringList printedSerials(const QByteArray &out)
{
    QStringList serials;
    for (const QByteArray &line : out.split('\n'))
        if (!line.isEmpty())
            serials << QString::fromUtf8(line.split(' ').first());
    return serials;
}

}  // namespace

class TstCliSeries : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    const QByteArray sample = sampleModuleImage();

    QString path(const QString &name) const { return dir.filePath(name); }

    void prepare(QProcess &program, int modules)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("VEXA_SIMULATOR", path("module.bin"));
        environment.insert("VEXA_SIMULATOR_MODULES", QString::number(modules));
        environment.insert("XDG_CONFIG_HOME", path("config"));
        program.setProcessEnvironment(environment);
    }

    QStringList series(const QStringList &more) const
    {
        return QStringList{"series", path("template.bin"), "--journal", path("journal.csv")} + more;
    }

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        QVERIFY(writeFile(path("module.bin"), sample));
        QVERIFY(writeFile(path("template.bin"), sample.left(128)));
        QFile::remove(path("journal.csv"));
        QFile::remove(path("journal.csv.claims"));
    }

    void runs_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("modules");  // in the operator's tray
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lines");  // "serial outcome" printed and on the journal
        QTest::addColumn<QString>("err");        // a part of standard error

        QTest::newRow("three in a row") << QStringList{"--serial", "TS26+0001", "--count", "3"} << 5 << 0
                                        << QStringList{"TS260001 passed", "TS260002 passed", "TS260003 passed"}
                                        << "Done: 3 modules";
        QTest::newRow("the last value ends it")
            << QStringList{"--serial", "TS26+0041..0042", "--no-verify"} << 5 << 0
            << QStringList{"TS260041 passed", "TS260042 passed"} << "the last serial number, TS260042, is used";
        // The sample module carries VX2612060001.
        QTest::newRow("a module of the series") << QStringList{"--serial", "VX261206+0001", "--count", "1"} << 1 << 1
                                                << QStringList{"VX2612060001 refused"} << "Passed: 0, failed: 1";
        QTest::newRow("no serial numbers") << QStringList{"--count", "1"} << 1 << 2 << QStringList{} << "--serial";
        QTest::newRow("unknown date") << QStringList{"--serial", "TS+1", "--date", "now"} << 1 << 2 << QStringList{}
                                      << "Unknown --date \"now\"";
        QTest::newRow("a password of nine digits")
            << QStringList{"--serial", "TS+1", "--password", "123456789"} << 1 << 2 << QStringList{}
            << "Unknown password \"123456789\"";
        QTest::newRow("no count") << QStringList{"--serial", "TS+1", "--count", "0"} << 1 << 2 << QStringList{}
                                  << "--count needs a number";
    }
    void runs()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, modules);
        QFETCH(int, exitCode);
        QFETCH(QStringList, lines);
        QFETCH(QString, err);

        QProcess program;
        prepare(program, modules);
        program.start(QStringLiteral(VEXA_CLI), series(arguments));
        QVERIFY(program.waitForFinished(120000));
        const QString errors = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(program.exitCode() == exitCode, qPrintable(errors));
        QVERIFY2(errors.contains(err), qPrintable(errors));

        QStringList printed;
        for (const QByteArray &line : program.readAllStandardOutput().split('\n'))
            if (!line.isEmpty())
                printed << QString::fromUtf8(line).simplified().section(' ', 0, 1);
        QCOMPARE(printed, lines);
        QStringList journal;
        for (const QStringList &fields : journalLines(path("journal.csv")))
            journal << (fields.value(2).isEmpty() ? "-" : fields.value(2)) + ' ' + fields.value(7);
        QCOMPARE(journal, lines);

        // The file holds the module written last: its number, today's date, right check codes.
        if (lines.isEmpty() || !lines.last().endsWith("passed"))
            return;
        const QByteArray a0Low = readFile(path("module.bin")).left(128);
        QCOMPARE(sff::readText(a0Low.mid(68, 16)).text, lines.last().section(' ', 0, 0));
        QVERIFY(qAbs(sff::readDateCode(a0Low.mid(84, 8)).date.daysTo(QDate::currentDate())) <= 1);
        const sff::ModuleImage image = sff::ModuleImage::fromTable(sff::kTableA0Low, a0Low);
        QVERIFY(sff::checkCode(image, sff::kCcBase).ok() && sff::checkCode(image, sff::kCcExt).ok());
    }

    // Ended in the middle of a series, the journal holds every module the
    // program reported, each line whole, and the next run goes on after it:
    // a program killed outright leaves the journal free.
    void ended_data()
    {
        QTest::addColumn<bool>("kill");
        QTest::newRow("Ctrl+C") << false;
        QTest::newRow("kill -9") << true;
    }
    void ended()
    {
        QFETCH(bool, kill);
        QProcess program;
        prepare(program, 1000);
        program.start(QStringLiteral(VEXA_CLI), series({"--serial", "TS26+0001"}));
        QByteArray out;
        while (out.count('\n') < 2 && program.waitForReadyRead(60000))
            out += program.readAllStandardOutput();
        QVERIFY2(out.count('\n') >= 2, qPrintable(program.readAllStandardError()));
        // Another station on the same journal is turned away at once.
        QProcess second;
        prepare(second, 1);
        second.start(QStringLiteral(VEXA_CLI), series({"--serial", "TS26+0001", "--count", "1"}));
        QVERIFY(second.waitForFinished(60000));
        const QString refusal = QString::fromUtf8(second.readAllStandardError());
        QVERIFY2(second.exitCode() == 1 && refusal.contains("Another series holds the journal " + path("journal.csv")),
                 qPrintable(refusal));
        QCOMPARE(second.readAllStandardOutput(), QByteArray());
        if (kill)
            program.kill();
        else
            ::kill(program.processId(), SIGINT);
        QVERIFY(program.waitForFinished(60000));
        out += program.readAllStandardOutput();
        if (!kill)
            QCOMPARE(program.exitCode(), 130);

        const QList<QStringList> lines = journalLines(path("journal.csv"));
        QStringList journal;
        for (const QStringList &fields : lines) {
            QCOMPARE(fields.size(), 9);
            QCOMPARE(fields.at(7), QStringLiteral("passed"));
            journal << fields.at(2);
        }
        const QStringList printed = printedSerials(out);
        // Ctrl+C ends between modules: what was printed is the journal.
        QVERIFY2(kill ? journal.mid(0, printed.size()) == printed : journal == printed,
                 qPrintable(journal.join(' ') + " / " + printed.join(' ')));

        // Every number handed to a module was claimed first: the journal's,
        // and one more when a module was under way.
        const QStringList claimed = QString::fromUtf8(readFile(path("journal.csv.claims"))).split('\n', Qt::SkipEmptyParts);
        QVERIFY(claimed.mid(0, journal.size()) == journal);
        QVERIFY(claimed.size() <= journal.size() + 1);

        // The file holds the module written last; the next run's are fresh,
        // and none gets a number that reached a module before.
        QVERIFY(writeFile(path("module.bin"), sample));
        QProcess again;
        prepare(again, 1);
        again.start(QStringLiteral(VEXA_CLI), series({"--serial", "TS26+0001", "--count", "1"}));
        QVERIFY(again.waitForFinished(60000));
        QCOMPARE(again.exitCode(), 0);
        const QString next = QStringLiteral("TS26%1").arg(claimed.size() + 1, 4, 10, QLatin1Char('0'));
        QCOMPARE(printedSerials(again.readAllStandardOutput()), QStringList{next});
        QCOMPARE(journalLines(path("journal.csv")).size(), journal.size() + 1);
    }
};

QTEST_GUILESS_MAIN(TstCliSeries)
#include "tst_cliseries.moc"
