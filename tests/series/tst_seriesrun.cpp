// The series engine against a scripted socket on the simulated programmer:
// which module gets which number, what lands on the journal, the bytes each
// module ends up with, and how a series ends.

#include "checkcodes.h"
#include "filelock.h"
#include "jobrunner.h"
#include "loadedimage.h"
#include "memorymap.h"
#include "samplemodule.h"
#include "imagefile.h"
#include "seriesrun.h"
#include "simulatedmodule.h"
#include "simulatorfixture.h"
#include "testbytes.h"
#include "socketoperator.h"
#include "textfields.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// The sample module as a template, with a part number of its own so that
// "before" and "after" differ, and a lot code that every module keeps.
QByteArray templateImage(int size)
{
    QByteArray image = sampleModuleImage().left(size);
    image.replace(sff::a0::kPartNumber.offset, 16, sff::encodeText(QStringLiteral("VX-TEMPLATE"), 16));
    image.replace(sff::a0::kDateCode.offset, 8, sff::encodeDateCode(QDate(2025, 3, 4), QStringLiteral("L7")));
    // A user area unlike the modules' and vendor control bytes of its own.
    if (size == sff::kModuleSize)
        for (int i = 384; i < 512; ++i)
            image[i] = char(i * 5);
    return image;
}

std::shared_ptr<SimulatedModule> freshModule()
{
    auto module = std::make_shared<SimulatedModule>();
    setModuleImage(*module, sampleModuleImage());
    return module;
}

QByteArray memory(const SimulatedModule &module, std::uint8_t device, int from, int count)
{
    return QByteArray(reinterpret_cast<const char *>(module.memory(device).data()) + from, count);
}

}  // namespace

class TestSeriesRun : public ProgrammerTest
{
    Q_OBJECT

public:
    using ProgrammerTest::ProgrammerTest;

private:
    QTemporaryDir dir;

private slots:
    void series_data()
    {
        QTest::addColumn<int>("templateSize");
        QTest::addColumn<QString>("serials");
        QTest::addColumn<QList<int>>("order");  // which module is plugged in each time
        QTest::addColumn<QString>("fault");     // done to the first module
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("reprogram");
        QTest::addColumn<QString>("journalBefore");
        QTest::addColumn<QStringList>("journal");  // "serial outcome" per line written
        QTest::addColumn<int>("end");          // -1: the start is refused
        QTest::addColumn<QString>("message");  // a part of some line's message, or of the refusal

        const int count = int(SeriesRun::End::Count);
        const QString header = "time,programmer,serial,vendor_before,part_number_before,vendor_after,"
                               "part_number_after,outcome,message\n";
        const QList<int> three{0, 1, 2};
        QTest::newRow("three in a row") << 128 << "TS26+0001" << three << "" << 3 << false << ""
                                        << QStringList{"TS260001 passed", "TS260002 passed", "TS260003 passed"}
                                        << count << "Written and verified";
        QTest::newRow("whole-module template") << 512 << "TS26+0001" << three << "" << 2 << false << ""
                                               << QStringList{"TS260001 passed", "TS260002 passed"} << count << "";
        QTest::newRow("a failed verify uses the number up")
            << 128 << "TS26+0001" << three << "flip" << 2 << false << ""
            << QStringList{"TS260001 verify-failed", "TS260002 passed"} << count << "the first A0h 70";
        QTest::newRow("pulled in the middle of the write")
            << 128 << "TS26+0001" << three << "pull while writing" << 2 << false << ""
            << QStringList{"TS260001 pulled", "TS260002 passed"} << count << "pulled while it was written";
        QTest::newRow("pulled before the write keeps the number")
            << 128 << "TS26+0001" << three << "pull before writing" << 2 << false << ""
            << QStringList{" pulled", "TS260001 passed"} << count << "pulled before anything was written";
        QTest::newRow("locked, the list tried in turn")
            << 512 << "TS26+0001" << three << "locked" << 1 << false << "" << QStringList{"TS260001 passed"} << count
            << "Written and verified, with the password \"Second\"";
        QTest::newRow("locked, no password of the list keeps the number")
            << 128 << "TS26+0001" << three << "locked, not in the list" << 1 << false << "" << QStringList{" failed"}
            << count << "tried: First, Second, no password; the module acknowledges writes here but keeps nothing";
        QTest::newRow("the same module twice") << 128 << "TS26+0001" << QList<int>{0, 0, 1} << "" << 3 << false << ""
                                               << QStringList{"TS260001 passed", "TS260001 refused", "TS260002 passed"}
                                               << count << "carries TS260001 of this series already";
        QTest::newRow("a refused module moves the counter past its number")
            << 128 << "TS26+0001" << QList<int>{1, 0} << "the second carries TS260005" << 2 << false << ""
            << QStringList{"TS260005 refused", "TS260006 passed"} << count << "";
        QTest::newRow("the same module, re-programming allowed")
            << 128 << "TS26+0001" << QList<int>{0, 0, 1} << "" << 3 << true << ""
            << QStringList{"TS260001 passed", "TS260001 passed", "TS260002 passed"} << count << "";
        QTest::newRow("the last value ends it")
            << 128 << "TS26+0008..0009" << three << "" << 0 << false << ""
            << QStringList{"TS260008 passed", "TS260009 passed"} << int(SeriesRun::End::LastNumber) << "";
        QTest::newRow("an existing journal goes on after its highest number")
            << 128 << "TS26+0001" << three << "" << 1 << false
            << "time,programmer,serial,vendor_before,part_number_before,vendor_after,part_number_after,outcome,"
               "message\n"
               "2026-01-05T10:00:00Z,X,TS260041,A,B,A,B,passed,\n"
               "2026-01-05T10:01:00Z,X,TS260007,A,B,A,B,verify-failed,\"a, b\"\n"
               "2026-01-05T10:02:00Z,X,OTHER0099,A,B,A,B,passed,\n"
               "2026-01-05T10:03:00Z,X,,A,B,A,B,refus"  // cut short by a crash
            << QStringList{"TS260042 passed"} << count << "";
        QTest::newRow("a number claimed before a crash, and one cut short")
            << 128 << "TS26+0001" << three << "claimed before a crash" << 1 << false << ""
            << QStringList{"TS260006 passed"} << count << "";
        QTest::newRow("every number used")
            << 128 << "TS26+0008..0009" << three << "" << 0 << false
            << header + "2026-01-05T10:00:00Z,X,TS260009,A,B,A,B,refused,\n" << QStringList{} << -1
            << "Every serial number up to TS260009 is used already";
        QTest::newRow("a journal held by another series") << 128 << "TS26+0001" << three << "journal held" << 0
                                                          << false << "" << QStringList{} << -1
                                                          << "Another series holds the journal ";
        QTest::newRow("not a journal") << 128 << "TS26+0001" << three << "" << 0 << false << "serial\nTS260001\n"
                                       << QStringList{} << -1 << "is not a series journal";
        QTest::newRow("claims unreadable") << 128 << "TS26+0001" << three << "claims folder" << 0 << false << header
                                           << QStringList{} << -1 << "Couldn't read the journal ";
        QTest::newRow("stop between modules") << 128 << "TS26+0001" << three << "stop after the first" << 0 << false
                                              << "" << QStringList{"TS260001 passed"}
                                              << int(SeriesRun::End::Stopped) << "";
        QTest::newRow("stop while waiting") << 128 << "TS26+0001" << QList<int>{} << "stop while waiting" << 0
                                            << false << "" << QStringList{} << int(SeriesRun::End::Stopped) << "";
    }

    void series()
    {
        QFETCH(int, templateSize);
        QFETCH(QString, serials);
        QFETCH(QList<int>, order);
        QFETCH(QString, fault);
        QFETCH(int, count);
        QFETCH(bool, reprogram);
        QFETCH(QString, journalBefore);
        QFETCH(QStringList, journal);
        QFETCH(int, end);
        QFETCH(QString, message);

        SimulatorFixture sim(kind());
        const std::vector<std::shared_ptr<SimulatedModule>> modules{freshModule(), freshModule(), freshModule()};
        std::vector<std::shared_ptr<SimulatedModule>> tray;
        for (int index : order)
            tray.push_back(modules[index]);
        auto socket = std::make_shared<SocketOperator>(tray);
        socket->addPlug([&sim](std::shared_ptr<SimulatedModule> module) { sim.setModule(std::move(module)); });
        sim.setOpenHook([socket] { socket->jobStarting(); });

        const QString journalPath = dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".csv");
        QFile::remove(journalPath);
        QFile::remove(journalPath + ".claims");
        if (!journalBefore.isEmpty()) {
            QFile file(journalPath);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(journalBefore.toUtf8());
        }
        // A number handed to a module that a crash kept off the journal, and
        // one whose claim the crash cut short.
        if (fault == "claimed before a crash")
            QVERIFY(writeFile(journalPath + ".claims", "TS260005\nTS2600"));

        SeriesPlan plan;
        plan.programmer = sim.identity();
        plan.transferMode = transferMode();
        LoadedImage loaded;
        QString unread;
        QVERIFY(ImageFile::decode(templateImage(templateSize), "template", &loaded, &unread));
        plan.image = SeriesTemplate::fromImage(loaded);
        QString problem;
        QVERIFY2(SerialPattern::parse(serials, &plan.serials, &problem), qPrintable(problem));
        plan.count = count;
        plan.allowReprogram = reprogram;
        plan.journal = journalPath;

        SeriesRun run;
        run.setPollInterval(0);
        if (fault == "the second carries TS260005") {
            QByteArray carrying = sampleModuleImage();
            carrying.replace(sff::a0::kSerialNumber.offset, 16, sff::encodeText(QStringLiteral("TS260005"), 16));
            setModuleImage(*modules[1], carrying);
        }
        if (fault == "flip")
            modules[0]->flipStoredBit(0x50, 70, 0x01);
        if (fault.startsWith("locked")) {
            plan.passwords = {{"First", QByteArray::fromHex("11111111")}, {"Second", QByteArray::fromHex("22222222")}};
            for (const auto &module : modules)
                module->setPassword(fault == "locked" ? std::array<std::uint8_t, 4>{0x22, 0x22, 0x22, 0x22}
                                                      : std::array<std::uint8_t, 4>{0x44, 0x44, 0x44, 0x44});
        }
        if (fault == "pull while writing")
            sim.atBusEvent(
                4,
                [](const BusEvent &e) {
                    return e.kind == BusEvent::Stop && !e.transaction.read && e.transaction.bytes.size() > 1;
                },
                [socket] { socket->pull(); });
        if (fault == "pull before writing")
            connect(&run, &SeriesRun::programming, this, [socket, first = true]() mutable {
                if (std::exchange(first, false))
                    socket->pull();
            });
        if (fault == "stop after the first")
            connect(&run, &SeriesRun::moduleDone, &run, &SeriesRun::stop);
        if (fault == "stop while waiting")
            connect(&run, &SeriesRun::waitingForModule, &run, &SeriesRun::stop, Qt::QueuedConnection);
        QList<SeriesRecord> records;
        connect(&run, &SeriesRun::moduleDone, this, [&records](const SeriesRecord &r) { records.append(r); });
        QSignalSpy finished(&run, &SeriesRun::finished);

        // Each claim and each line is on the disk before the module's next
        // step: what the files held when last synced.
        QMap<QString, QByteArray> synced;
        run.setJournalSync([&synced](QFile &file) {
            synced[file.fileName()] = readFile(file.fileName());
            return true;
        });
        QStringList unsynced;
        connect(&run, &SeriesRun::programming, this, [&](const QString &serial) {
            if (!synced.value(journalPath + ".claims").split('\n').contains(serial.toUtf8()))
                unsynced << serial + " unclaimed";
        });
        connect(&run, &SeriesRun::moduleDone, this, [&](const SeriesRecord &record) {
            if (!synced.value(journalPath).endsWith(SeriesJournal::csvLine(record.fields()).toUtf8() + '\n'))
                unsynced << record.serial + " off the journal";
        });

        // A refused start leaves the journal as it was, and free.
        SeriesJournal otherSeries;
        if (fault == "journal held")
            QVERIFY(otherSeries.open(journalPath, &problem));
        if (fault == "claims folder")
            QVERIFY(QDir().mkpath(journalPath + ".claims"));
        if (end < 0) {
            const QByteArray before = readFile(journalPath);
            QVERIFY(!run.start(plan, &problem));
            QVERIFY2(problem.contains(message), qPrintable(problem));
            QCOMPARE(readFile(journalPath), before);
            otherSeries.close();
            QFile file(journalPath);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(filelock::lockExclusively(file, &problem), filelock::Result::Taken);
            return;
        }

        const QDate dayBefore = QDate::currentDate();
        QVERIFY2(run.start(plan, &problem), qPrintable(problem));
        QVERIFY(finished.wait(120000));
        QCOMPARE(finished.first().at(0).value<SeriesRun::End>(), SeriesRun::End(end));
        QCOMPARE(unsynced, QStringList());

        // The journal: its header, the lines it had, one line per module.
        QFile file(journalPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
        const int before = journalBefore.isEmpty() ? 1 : journalBefore.count('\n') + 1;
        QCOMPARE(lines.size(), before + journal.size());
        QStringList written;
        QString messages;
        for (const QString &line : lines.mid(before)) {
            const QStringList fields = SeriesJournal::parseCsvLine(line);
            QCOMPARE(fields.size(), 9);
            QVERIFY(QDateTime::fromString(fields[0], Qt::ISODate).isValid());
            QCOMPARE(fields[1], sim.identity());
            written << fields[2] + ' ' + fields[7];
            messages += fields[8] + '\n';
        }
        QCOMPARE(written, journal);
        QVERIFY2(messages.contains(message), qPrintable(messages));
        QCOMPARE(records.size(), journal.size());

        // Each module that passed holds the template with its number, the
        // date of the day and right check codes.
        QStringList seen;
        for (const SeriesRecord &record : records) {
            if (!record.passed())
                continue;
            // A module programmed before carries the template already.
            QCOMPARE(record.partNumberBefore, seen.contains(record.serial) ? "VX-TEMPLATE" : "VX-SFP10G-LR");
            QCOMPARE(record.partNumberAfter, QStringLiteral("VX-TEMPLATE"));
            seen << record.serial;
            const auto holder = std::find_if(modules.begin(), modules.end(), [&](const auto &m) {
                return sff::readText(memory(*m, 0x50, 68, 16)).text == record.serial;
            });
            QVERIFY(holder != modules.end());
            const QByteArray a0Low = memory(**holder, 0x50, 0, 128);
            const QDate date = sff::readDateCode(a0Low.mid(84, 8)).date;
            QVERIFY(date == dayBefore || date == QDate::currentDate());
            QCOMPARE(a0Low, plan.image.a0LowFor(record.serial, date));
            QCOMPARE(sff::readDateCode(a0Low.mid(84, 8)).lot.text, QStringLiteral("L7"));
            const sff::ModuleImage image = sff::ModuleImage::fromTable(sff::kTableA0Low, a0Low);
            QVERIFY(sff::checkCode(image, sff::kCcBase).ok() && sff::checkCode(image, sff::kCcExt).ok());
            if (templateSize == 512) {
                QCOMPARE(memory(**holder, 0x50, 128, 128), templateImage(512).mid(128, 128));
                QCOMPARE(memory(**holder, 0x51, 128, 120), templateImage(512).mid(384, 120));
                QCOMPARE(memory(**holder, 0x51, 248, 8), sampleModuleImage().mid(504, 8));
            }
        }
    }

    void serialPatterns_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("first");  // the first serial number; empty: refused
        QTest::addColumn<QString>("last");   // the last, or a part of the refusal

        QTest::newRow("prefix and counter") << "VX2612+0001..0500" << "VX26120001" << "VX26120500";
        QTest::newRow("up to the counter's end") << "VX+07" << "VX07" << "VX99";
        QTest::newRow("a plus in the prefix") << "A+B+9" << "A+B9" << "A+B9";
        QTest::newRow("no counter") << "VX2612" << "" << "lack the counter";
        QTest::newRow("not digits") << "VX+00a1" << "" << "must be decimal digits";
        QTest::newRow("too long") << "VX26120606060+0001" << "" << "do not fit in the 16 characters";
        QTest::newRow("last before first") << "VX+0500..0100" << "" << "comes before the first";
        QTest::newRow("last too wide") << "VX+01..100" << "" << "has more digits";
    }

    void serialPatterns()
    {
        QFETCH(QString, text);
        QFETCH(QString, first);
        QFETCH(QString, last);
        SerialPattern pattern;
        QString problem;
        QCOMPARE(SerialPattern::parse(text, &pattern, &problem), !first.isEmpty());
        if (first.isEmpty()) {
            QVERIFY2(problem.contains(last), qPrintable(problem));
            return;
        }
        QCOMPARE(pattern.serial(pattern.first()), first);
        QCOMPARE(pattern.serial(pattern.last()), last);
        QCOMPARE(pattern.numberOf(last), pattern.last());
        QCOMPARE(pattern.numberOf(last + '0'), -1);
    }
};

VEXA_TEST_ON_EVERY_PROGRAMMER(TestSeriesRun)
#include "tst_seriesrun.moc"
