// The main window doing the tool's whole job against a simulated programmer:
// buffers and tables, Read and Write with their reports, errors, cancel,
// Copy and Paste and the file commands.

#include "isolatedsettings.h"
#include "samplemodule.h"
#include "simulatorfixture.h"
#include "testbytes.h"
#include "windowdriver.h"

#include <QDeadlineTimer>
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <thread>

using namespace std::chrono_literals;

namespace {

// The rows of a report: eight bytes each, labelled with the first one's address.
QString dumpRows(const QByteArray &data, int firstAddress)
{
    QString rows;
    for (int i = 0; i < data.size(); ++i) {
        if (i % 8 == 0)
            rows += hex(firstAddress + i, 2) + QStringLiteral("| ");
        rows += hex(static_cast<quint8>(data[i]), 2) + QLatin1Char(' ');
        if (i % 8 == 7)
            rows += QLatin1Char('\n');
    }
    return rows;
}

// The log with the record's time of day replaced by hh:mm:ss.
QString withoutTimes(const QString &log)
{
    QString text = log;
    return text.replace(QRegularExpression("Time \\d\\d:\\d\\d:\\d\\d,"), "Time hh:mm:ss,");
}

}  // namespace

class TestMainWindow : public WindowTestBed
{
    Q_OBJECT

    QTemporaryDir files;

    void chooseTable(int table) { ui->table->setCurrentIndex(table); }

private slots:
    void init()
    {
        fresh();
    }

    void cleanup() { drop(); }

    void buffersAndTablesFollowEachOther()
    {
        openWindow();
        QCOMPARE(ui->buffers->count(), 4);  // three buffers and the Module tab
        QCOMPARE(ui->checksum->text(), QString("0000"));
        QCOMPARE(ui->addressStart->text() + ui->addressStop->text(), QString("07F"));

        chooseTable(3);
        QCOMPARE(ui->addressStart->text() + ui->addressStop->text(), QString("80FF"));
        ui->buffers->setCurrentIndex(1);
        QCOMPARE(ui->table->currentText() + ui->addressStop->text(), QString("A0 Low7F"));
        ui->buffers->setCurrentIndex(0);
        QCOMPARE(ui->table->currentText() + ui->addressStart->text(), QString("A2 High80"));
    }

    // The worker follows the table: "A2 High" reads device 0x51 from 0x80 on.
    void readFillsTheBufferAndReportsIt_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("device");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("checksummed");
        QTest::newRow("A0 Low") << 0 << 0x50 << 0 << 128;
        QTest::newRow("A2 High") << 3 << 0x51 << 0x80 << 119;
    }

    void readFillsTheBufferAndReportsIt()
    {
        QFETCH(int, table);
        QFETCH(int, device);
        QFETCH(int, first);
        QFETCH(int, checksummed);
        openWindow();
        chooseTable(table);
        QVERIFY(ui->transfer(ui->readButton));
        const QByteArray bytes = sim->readable(device, first, first + 128);
        QCOMPARE(ui->currentModel()->buffer(), bytes);
        QCOMPARE(withoutTimes(ui->log->toPlainText()),
                 QString("Time hh:mm:ss, Read(SIM0001) from 0x%1\n").arg(device, 0, 16) + dumpRows(bytes, first)
                     + "Checksum: 0x" + hex(sum(bytes, checksummed), 4) + "\n\n");
        QCOMPARE(ui->checksum->text(), hex(sum(bytes, checksummed), 4));
        // The decoded fields follow an "A0 Low" buffer only.
        QCOMPARE(window->findChild<QLineEdit *>("le_vendor")->text(), table == 0 ? QString("VEXA            ") : QString());
        QCOMPARE(window->findChild<QSpinBox *>("sb_wavelength")->value(), table == 0 ? 1310 : 0);
    }

    void writingA2LowAsksFirstAndChecksOnlyItsCheckedBytes()
    {
        openWindow();
        chooseTable(2);
        const QByteArray before = sim->memory(0x51, 0, 128);
        answers->button = QMessageBox::Cancel;
        ui->writeButton->click();
        QTRY_COMPARE(answers->boxTitles, QStringList{"Warning"});
        QTest::qWait(50);
        QCOMPARE(ui->watch->shown, 0);
        QVERIFY(ui->log->toPlainText().isEmpty());
        QCOMPARE(sim->memory(0x51, 0, 128), before);

        // Byte 124 is in the password entry, which reads back 00: shown in
        // red, but outside the A2 check, so the write still succeeds.
        TableViewModel *model = ui->currentModel();
        model->setData(model->index(7, 12), "AA", Qt::EditRole);
        answers->button = QMessageBox::Ok;
        QVERIFY(ui->transfer(ui->writeButton));
        QCOMPARE(sim->memory(0x51, 0, 119), model->buffer().left(119));
        QVERIFY(ui->log->toHtml().contains("color:#ff0000;\">00</span>"));
        QVERIFY(ui->log->toPlainText().endsWith("Succesfull write\n\n"));

        chooseTable(3);  // only "A2 Low" asks
        QVERIFY(ui->transfer(ui->writeButton));
        QCOMPARE(answers->boxTexts.size(), 2);
    }

    // Byte 1 is typed into a cell and not confirmed; the module keeps some
    // stored bits flipped, which the verify must find.
    void writeCommitsTheEditorAndVerifies_data()
    {
        QTest::addColumn<QVector<int>>("flippedBytes");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("read back as written") << QVector<int>{} << "Succesfull write\n" << QStringList();
        QTest::newRow("checksum differs") << QVector<int>{0x30}
            << "Checksum doesn't match\nChecksum expect: 0x0004\nChecksum calculate: 0x0006\nChecksum doesn't match\n"
            << QStringList{"Checksum doesn't match"};
        // One byte gains 2, another loses 2: the sums agree, the bytes do not.
        QTest::newRow("same checksum") << QVector<int>{0x01, 0x02}
            << "Bytes read back don't match, the first at 0x01\nVerify failed: the bytes read back differ from the buffer\n"
            << QStringList{"Verify failed: the bytes read back differ from the buffer"};
    }

    void writeCommitsTheEditorAndVerifies()
    {
        QFETCH(QVector<int>, flippedBytes);
        QFETCH(QString, verdict);
        QFETCH(QStringList, messages);
        openWindow();
        QTableView *view = ui->view(0);
        view->edit(view->model()->index(0, 1));
        auto *editor = view->findChild<QSpinBox *>();
        editor->selectAll();
        QTest::keyClicks(editor, "02");
        for (int address : flippedBytes)
            sim->module->flipStoredBit(0x50, address, 0x02);

        QVERIFY(ui->transfer(ui->writeButton));
        QCOMPARE(ui->model(0)->buffer().at(1), '\x02');
        QCOMPARE(sim->memory(0x50, 0, 128) == ui->model(0)->buffer(), flippedBytes.isEmpty());
        const QString html = ui->log->toHtml();
        QCOMPARE(html.count("#ff0000"), flippedBytes.size());  // only the differing bytes are red
        QCOMPARE(html.contains("color:#ff0000;\">02</span>"), !flippedBytes.isEmpty());
        const QString log = withoutTimes(ui->log->toPlainText());
        QVERIFY2(log.startsWith("Time hh:mm:ss, Write(SIM0001) to 0x50\n"), qPrintable(log));
        QVERIFY(log.contains("Time hh:mm:ss, Read(SIM0001) from 0x50\n" + dumpRows(sim->readable(0x50, 0, 128), 0)));
        QVERIFY(log.endsWith(verdict + "\n"));
        QCOMPARE(answers->boxTexts, messages);
    }

    void errorsAreShownEverywhereAndKeepTheBuffer_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("no programmer") << 0 << "SFP programmer not selected";
        QTest::newRow("no module") << 1 << "i2c: couldn't select read address";
        QTest::newRow("clock stuck") << 2 << "i2c: couldn't set SCL";
    }

    void errorsAreShownEverywhereAndKeepTheBuffer()
    {
        QFETCH(int, fault);
        QFETCH(QString, message);
        if (fault == 0)
            d2xx::removeAllBackends();
        else if (fault == 1)
            sim->programmer->setModule(nullptr);
        else
            sim->programmer->setSclStuckLow(true);
        openWindow(fault == 0 ? 0 : 1);
        TableViewModel *model = ui->currentModel();
        model->setData(model->index(0, 0), "42", Qt::EditRole);
        const QByteArray before = model->buffer();
        const QString checksum = ui->checksum->text();

        QVERIFY(ui->transfer(ui->readButton));
        QCOMPARE(answers->boxTexts, QStringList{message});
        QCOMPARE(answers->boxTitles, QStringList{"Vexa Modulant - Error"});
        QCOMPARE(ui->status(), message);
        QCOMPARE(ui->log->toPlainText(), message + "\n");
        QCOMPARE(model->buffer(), before);
        QCOMPARE(ui->checksum->text(), checksum);
        QVERIFY(ui->progressDialog->isHidden());
    }

    void cancelWaitsForTheWorkerWithCancelingShown()
    {
        openWindow();
        QLabel *label = ui->progressDialog->findChild<QLabel *>("label");
        bool visibleWhileStopping = false;
        QString labelWhileRunning, labelWhileStopping;
        // A programmer that answers only once the stop is asked for; then
        // note what the operator sees (the GUI thread is blocked in wait()
        // meanwhile).
        sim->programmer->setWriteHook([&](int) {
            QThread *worker = QThread::currentThread();
            if (worker->isInterruptionRequested()) {
                visibleWhileStopping = ui->progressDialog->isVisible();
                labelWhileStopping = label->text();
                return;
            }
            for (QDeadlineTimer patience(10000); !worker->isInterruptionRequested() && !patience.hasExpired();)
                std::this_thread::sleep_for(1ms);
        });
        QTimer::singleShot(100, [&] {
            labelWhileRunning = label->text();
            QTest::keyClick(ui->progressDialog, Qt::Key_Escape);
        });
        QVERIFY(ui->transfer(ui->readButton));
        QCOMPARE(labelWhileRunning, QString("Reading..."));
        QCOMPARE(ui->progressDialog->findChild<QProgressBar *>()->maximum(), 0);  // busy, no percentage
        QVERIFY(visibleWhileStopping);
        QCOMPARE(labelWhileStopping, QString("Canceling..."));
        QVERIFY(ui->log->toPlainText().endsWith("Canceled read\n"));
        QVERIFY(answers->boxTexts.isEmpty());
        QCOMPARE(ui->currentModel()->buffer(), QByteArray(128, '\0'));
    }

    void copyPasteAndNewWorkOnWholeTables()
    {
        openWindow();
        QTest::keyClick(ui->view(1), Qt::Key_V, Qt::ControlModifier);  // nothing copied yet
        QCOMPARE(ui->model(1)->buffer(), QByteArray(128, '\0'));
        QVERIFY(ui->transfer(ui->readButton));
        QTest::keyClick(ui->view(0), Qt::Key_C, Qt::ControlModifier);
        ui->buffers->setCurrentIndex(1);
        chooseTable(2);
        QTest::keyClick(ui->view(1), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(ui->model(1)->buffer().left(95), ui->model(0)->buffer().left(95));  // 95 is A2's check code
        QCOMPARE(ui->table->currentText(), QString("A2 Low"));
        answers->button = QMessageBox::Discard;
        ui->newButton->click();
        QCOMPARE(answers->boxTexts, QStringList{"Buffer 2 has changes that are not saved. Save them?"});
        QCOMPARE(ui->currentModel()->buffer(), QByteArray(128, '\0'));
        QCOMPARE(ui->currentModel()->table(), 2);
        QCOMPARE(ui->checksum->text(), QString("0000"));
    }

    void fileCommandsRememberTheFolderOnlyOnSuccess()
    {
        openWindow();
        ui->openButton->click();  // cancelled: nothing changes
        ui->saveButton->click();
        QTRY_COMPARE(answers->fileDialogs, 2);
        QVERIFY(!QSettings().contains("gui/last_opened_dir") && !QSettings().contains("gui/last_saved_dir"));

        for (const QString &name : {QString("plain"), QString("upper.BIN")}) {
            answers->fileName = files.filePath(name);
            ui->saveButton->click();
            QTRY_COMPARE(QFileInfo(files.filePath(name + ".bin")).size(), qint64(128));
        }
        QCOMPARE(ui->status(), "Save file: " + files.filePath("upper.BIN.bin"));
        QCOMPARE(QSettings().value("gui/last_saved_dir").toString(), QDir(files.path()).absolutePath());

        for (int size : {100000, 128}) {  // far too large for an image, then an image
            const QString path = files.filePath(QString("image%1.bin").arg(size));
            QVERIFY(writeFile(path, QByteArray(size, '\x11')));
            answers->fileName = path;
            ui->openButton->click();
            QTRY_COMPARE(answers->fileDialogs, size == 128 ? 6 : 5);
            if (size != 128)
                QVERIFY(!QSettings().contains("gui/last_opened_dir"));
        }
        QCOMPARE(answers->boxTexts.size(), 1);  // the refused file
        QCOMPARE(ui->currentModel()->buffer().left(63), QByteArray(63, '\x11'));  // 63 is a check code
        QCOMPARE(QSettings().value("gui/last_opened_dir").toString(), QDir(files.path()).absolutePath());
        QCOMPARE(ui->status(), "Load file: " + files.filePath("image128.bin"));
    }

    void closingTheWindowDuringATransferWaitsForIt()
    {
        openWindow();
        sim->programmer->setWriteHook([](int) { std::this_thread::sleep_for(1ms); });
        ui->readButton->click();  // the worker starts; its dialog is not up yet
        ui.reset();
        window.reset();
        QVERIFY(!sim->programmer->isOpen());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
