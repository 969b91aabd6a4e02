// The Series dialog opened from the main window drives a series against the
// simulated programmer with an operator at its socket: what it shows while
// and after it runs, the journal's lines, and the window keeping its own
// transfers off the programmer meanwhile.

#include "isolatedsettings.h"
#include "samplemodule.h"
#include "seriesdialog.h"
#include "simulatorfixture.h"
#include "socketoperator.h"
#include "textfields.h"
#include "windowdriver.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

class TestSeriesDialog : public QObject
{
    Q_OBJECT

    QTemporaryDir store;

    template <typename T>
    static T *child(QWidget *parent, const char *name)
    {
        T *found = parent->findChild<T *>(name);
        if (!found)
            qFatal("no %s", name);
        return found;
    }

    static void type(QWidget *dialog, const char *edit, const QString &text)
    {
        auto *line = child<QLineEdit>(dialog, edit);
        line->clear();
        QTest::keyClicks(line, text);
    }

private slots:
    void initTestCase() { QVERIFY(isolateSettings(store)); }
    void cleanupTestCase() { letWidgetAnimationsEnd(); }

    void series_data()
    {
        QTest::addColumn<int>("modules");     // in the operator's tray
        QTest::addColumn<QString>("first");   // the counter's first value
        QTest::addColumn<int>("count");       // 0: stopped with Stop once waiting
        QTest::addColumn<QString>("journal"); // before the series; empty: none; "in use": by another series
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("status");

        QTest::newRow("a short series") << 2 << "0001" << 2 << "" << QStringList{"TS260001", "TS260002"}
                                        << "Series complete: pull the last module";
        QTest::newRow("an existing journal goes on")
            << 1 << "0001" << 1
            << "time,programmer,serial,vendor_before,part_number_before,vendor_after,part_number_after,outcome,"
               "message\n2026-01-05T10:00:00Z,X,TS260007,A,B,A,B,passed,\n"
            << QStringList{"TS260007", "TS260008"} << "Series complete: pull the last module";
        QTest::newRow("stopped while waiting") << 0 << "0001" << 0 << "" << QStringList{} << "Series stopped";
        QTest::newRow("a counter of letters") << 1 << "00a1" << 1 << "" << QStringList{}
                                              << "The counter \"00a1\" must be decimal digits";
        QTest::newRow("a journal in use") << 1 << "0001" << 1 << "in use" << QStringList{}
                                          << "Another series holds the journal";
    }

    void series()
    {
        QFETCH(int, modules);
        QFETCH(QString, first);
        QFETCH(int, count);
        QFETCH(QString, journal);
        QFETCH(QStringList, rows);
        QFETCH(QString, status);

        QSettings().clear();
        SimulatorFixture sim;
        std::vector<std::shared_ptr<SimulatedModule>> tray;
        for (int i = 0; i < modules; ++i) {
            tray.push_back(std::make_shared<SimulatedModule>());
            setModuleImage(*tray.back(), sampleModuleImage());
        }
        auto socket = std::make_shared<SocketOperator>(tray);
        socket->addPlug([&sim](std::shared_ptr<SimulatedModule> module) { sim.setModule(std::move(module)); });
        sim.setOpenHook([socket] { socket->jobStarting(); });

        QTemporaryDir files;
        QFile templateFile(files.filePath("template.bin"));
        QVERIFY(templateFile.open(QIODevice::WriteOnly));
        templateFile.write(sampleModuleImage().left(128));
        templateFile.close();
        SeriesJournal otherSeries;
        QString problem;
        if (journal == "in use")
            QVERIFY2(otherSeries.open(files.filePath("journal.csv"), &problem), qPrintable(problem));
        else if (!journal.isEmpty()) {
            QFile file(files.filePath("journal.csv"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(journal.toUtf8());
        }

        MainWindow window;
        WindowDriver ui(window);
        window.show();
        window.initSettings();
        QVERIFY(ui.waitForProgrammers(1));
        window.findChild<QAction *>("action_series")->trigger();
        auto *dialog = window.findChild<SeriesDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        dialog->series()->setPollInterval(0);

        type(dialog, "le_template", templateFile.fileName());
        type(dialog, "le_prefix", "TS26");
        type(dialog, "le_first", first);
        type(dialog, "le_last", "");
        type(dialog, "le_journal", files.filePath("journal.csv"));
        child<QSpinBox>(dialog, "sb_count")->setValue(count);

        // While it runs, the window's Read and Write are off.
        QList<bool> readWhileRunning;
        connect(dialog, &SeriesDialog::runningChanged, this,
                [&](bool running) { readWhileRunning << (running && ui.readButton->isEnabled()); });
        auto *label = child<QLabel>(dialog, "lb_status");
        child<QPushButton>(dialog, "pb_start")->click();
        if (count == 0) {
            QTRY_COMPARE_WITH_TIMEOUT(label->text(), QString("Waiting for a module"), 60000);
            child<QPushButton>(dialog, "pb_stop")->click();
        }
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>(dialog, "pb_start")->isEnabled(), 60000);
        QVERIFY2(label->text().startsWith(status), qPrintable(label->text()));

        auto *lines = child<QTreeWidget>(dialog, "tw_journal");
        QStringList shown;
        for (int i = 0; i < lines->topLevelItemCount(); ++i)
            shown << lines->topLevelItem(i)->text(1);
        QCOMPARE(shown, rows);
        const int passed = journal.startsWith("time,") ? rows.size() - 1 : rows.size();
        QCOMPARE(child<QLabel>(dialog, "lb_passed")->text(), QString("Passed: %1").arg(passed));
        for (int i = 0; i < passed; ++i) {
            const auto &bytes = tray[i]->memory(0x50);
            QCOMPARE(sff::readText(QByteArray(reinterpret_cast<const char *>(bytes.data()) + 68, 16)).text,
                     rows.at(rows.size() - passed + i));
        }
        const bool ran = !rows.isEmpty() || count == 0;
        QCOMPARE(readWhileRunning, ran ? QList<bool>({false, false}) : QList<bool>());
        QVERIFY(ui.readButton->isEnabled());
    }
};

QTEST_MAIN(TestSeriesDialog)
#include "tst_seriesdialog.moc"
