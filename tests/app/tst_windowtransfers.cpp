// The window's transfers as the settings shape them: the stored transfer
// mode and verify choice and the chosen password reach the worker, and a
// verify judges exactly the bytes the write sent.

#include "isolatedsettings.h"
#include "passwordlist.h"
#include "samplemodule.h"
#include "simulatorfixture.h"
#include "windowdriver.h"

#include "testbytes.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// The preset of "Custom" in a fresh settings store.
const std::array<std::uint8_t, 4> kDefaultCustomPassword = {0xA7, 0x3E, 0x19, 0xC4};

QWidget *settingsDialog()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->inherits("SettingsDialog"))
            return w;
    return nullptr;
}

}  // namespace

class TestWindowTransfers : public WindowTestBed
{
    Q_OBJECT


private slots:
    void init()
    {
        fresh();
    }

    void cleanup() { drop(); }

    void settingsReachTheWorker_data()
    {
        QTest::addColumn<QVariant>("storedTransfer");
        QTest::addColumn<QVariant>("storedVerify");
        QTest::addColumn<int>("password");     // the position in the settings' choice
        QTest::addColumn<QString>("listed");   // the password list: "name=digits"; empty: the first one
        QTest::addColumn<bool>("written");
        QTest::addColumn<QString>("said");     // in the log or a message box
        const QString locked = "Verify failed: the module acknowledges writes here but keeps nothing";
        QTest::newRow("defaults: fast, verified, no password")
            << QVariant() << QVariant() << 0 << "" << false << locked;
        QTest::newRow("compatible") << QVariant(1) << QVariant() << 0 << "" << false << locked;
        QTest::newRow("not verified") << QVariant(0) << QVariant(false) << 0 << "" << false << "";
        QTest::newRow("password") << QVariant() << QVariant(true) << 3 << "" << true << "";
        QTest::newRow("automatic") << QVariant() << QVariant(true) << 4 << "Shop=A73E19C4" << true
                                   << "The module took the password \"Shop\"";
        QTest::newRow("automatic, not in the list")
            << QVariant() << QVariant(true) << 4 << "" << false
            << "No password of the list unlocked the module; tried: Zorvik 1, Zorvik 2, SFF-8472 default, no password";
    }

    void settingsReachTheWorker()
    {
        QFETCH(QVariant, storedTransfer);
        QFETCH(QVariant, storedVerify);
        QFETCH(int, password);
        QFETCH(QString, listed);
        QFETCH(bool, written);
        QFETCH(QString, said);
        if (!listed.isEmpty())
            PasswordStore::save({{listed.section('=', 0, 0), listed.section('=', 1), 0}});
        if (storedTransfer.isValid())
            QSettings().setValue("gui/transfer", storedTransfer);
        if (storedVerify.isValid())
            QSettings().setValue("gui/verify", storedVerify);
        sim->module->setPassword(kDefaultCustomPassword);
        openWindow();
        settingsDialog()->findChild<QComboBox *>("cb_password")->setCurrentIndex(password);
        TableViewModel *model = ui->currentModel();
        model->setData(model->index(2, 0), "5A", Qt::EditRole);
        QVERIFY(ui->transfer(ui->writeButton));

        // Stored only after the password went first.
        QCOMPARE(sim->memory(0x50, 0, 128) == model->buffer(), written);
        const auto record = sim->programmer->record();
        const bool compatible = storedTransfer == 1;
        QVERIFY2(compatible ? record.flushSizes.size() > 1000 : record.flushSizes.size() < 300,
                 qPrintable(QString::number(record.flushSizes.size())));
        const bool verified = storedVerify.isValid() ? storedVerify.toBool() : true;
        // A write that found no password never reaches its verify.
        QCOMPARE(ui->log->toPlainText().contains("Read(SIM0001)"), verified && !said.startsWith("No password"));
        const QString told = ui->log->toPlainText() + answers->boxTexts.join('\n');
        QVERIFY2(told.contains(said), qPrintable(told));
    }

    // Only the table's bytes are written, so only they are judged, however
    // long the buffer; and every byte the table's check covers is compared.
    void verifyJudgesTheBytesWritten_data()
    {
        QTest::addColumn<int>("bufferSize");
        QTest::addColumn<QVector<int>>("flippedBytes");
        QTest::addColumn<QString>("verdict");
        const QString differ = "Verify failed: the bytes read back differ from the buffer";
        QTest::newRow("a buffer of a whole device") << 256 << QVector<int>() << "Succesfull write\n";
        // One byte gains 2, another loses 2: the sums agree, the bytes do not.
        QTest::newRow("first byte") << 128 << QVector<int>{0x00, 0x05} << "Bytes read back don't match, the first at 0x00\n" + differ;
        QTest::newRow("bytes past 118 of an A0 table") << 128 << QVector<int>{120, 125} << "Bytes read back don't match, the first at 0x78\n" + differ;
    }

    void verifyJudgesTheBytesWritten()
    {
        QFETCH(int, bufferSize);
        QFETCH(QVector<int>, flippedBytes);
        QFETCH(QString, verdict);
        openWindow();
        QByteArray bytes(bufferSize, '\0');
        for (int i = 0; i < bufferSize; ++i)
            bytes[i] = char(i < 128 ? (i * 4 + 2) : 0x77);
        // Bit 1 set in the first, clear in the second: +2 and -2.
        for (int i = 0; i < flippedBytes.size(); ++i) {
            bytes[flippedBytes[i]] = char(i == 0 ? 0x00 : 0x02);
            sim->module->flipStoredBit(0x50, std::uint8_t(flippedBytes[i]), 0x02);
        }
        ui->currentModel()->setBuffer(bytes);
        QVERIFY(ui->transfer(ui->writeButton));
        QCOMPARE(answers->boxTexts.size(), flippedBytes.isEmpty() ? 0 : 1);
        QVERIFY2(ui->log->toPlainText().contains(verdict), qPrintable(ui->log->toPlainText().right(200)));
        QCOMPARE(ui->currentModel()->buffer().size(), bufferSize);
    }

    // After a write of A2h the verify judges what a module keeps: not the
    // live values and flags of A2 Low, not the vendor's control bytes at the
    // end of A2 High. Neither the password entry nor the page select is sent.
    void verifyJudgesWhatTheModuleKeeps_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("changedByte");  // comes back from the module with a bit flipped
        QTest::addColumn<QString>("verdict");
        const QString differ = "Verify failed: the bytes read back differ from the buffer";
        QTest::newRow("A2 Low, a live value") << 2 << 100 << "Succesfull write\n";
        QTest::newRow("A2 Low, a threshold") << 2 << 10 << "Checksum doesn't match\n";
        QTest::newRow("A2 High, vendor control") << 3 << 250 << "Succesfull write\n";
        QTest::newRow("A2 High, user memory") << 3 << 247 << "Checksum doesn't match\n";
    }
    void verifyJudgesWhatTheModuleKeeps()
    {
        QFETCH(int, table);
        QFETCH(int, changedByte);
        QFETCH(QString, verdict);
        openWindow();
        ui->table->setCurrentIndex(table);
        QVERIFY(ui->transfer(ui->readButton));
        const QByteArray before = sim->memory(0x51, 0, 256);
        sim->module->flipStoredBit(0x51, std::uint8_t(changedByte), 0x01);
        TableViewModel *model = ui->currentModel();
        for (int i = 0; i < 128; ++i)
            model->setData(model->index(i / 16, i % 16), QString::number((i * 3) & 0xFF, 16), Qt::EditRole);
        QVERIFY(ui->transfer(ui->writeButton));
        QVERIFY2(ui->log->toPlainText().contains(verdict), qPrintable(ui->log->toPlainText().right(300)));
        if (table == 2)  // A2 Low up to the password entry
            QCOMPARE(sim->memory(0x51, 123, 128), before.mid(123, 5));
    }

    // "A2 Page" and its number address one page of A2h: read, edited and
    // written there, with the module's own page selected again afterwards.
    void aPageOfA2h()
    {
        sim->module->addPage(0x51, 1);
        SimulatedModule::PageBytes page{};
        page.fill(0x3C);
        sim->module->setPageBytes(0x51, 1, page);
        openWindow();
        auto *pageBox = window->findChild<QSpinBox *>("sb_page");
        QVERIFY(!pageBox->isVisibleTo(window.get()));
        ui->table->setCurrentIndex(4);
        QVERIFY(pageBox->isVisibleTo(window.get()));
        pageBox->setValue(1);
        QCOMPARE(ui->addressStart->value(), 128);
        QVERIFY(ui->transfer(ui->readButton));
        QCOMPARE(ui->currentModel()->buffer(), QByteArray(128, char(0x3C)));
        QVERIFY(ui->log->toPlainText().contains("from 0x51, page 01h"));
        TableViewModel *model = ui->currentModel();
        model->setData(model->index(0, 5), "A5", Qt::EditRole);
        QVERIFY(ui->transfer(ui->writeButton));
        QCOMPARE(sim->module->pageBytes(0x51, 1)[5], std::uint8_t(0xA5));
        QCOMPARE(sim->module->selectedPage(0x51), 0);
        QCOMPARE(sim->memory(0x51, 128, 256), sampleModuleImage().mid(384, 128));  // A2 High untouched
        // Another buffer, another table; back again, the page is still named.
        ui->buffers->setCurrentIndex(1);
        QCOMPARE(ui->table->currentIndex(), 0);
        ui->buffers->setCurrentIndex(0);
        QCOMPARE(ui->table->currentIndex(), 4);
        QCOMPARE(pageBox->value(), 1);
    }

    // Open takes the selected table's bytes from where the file puts them,
    // or refuses with what the file holds.
    void openTakesTheSelectedTable()
    {
        openWindow();
        QTemporaryDir files;
        const QByteArray module = pattern(512, 7);
        QVERIFY(writeFile(files.filePath("module.bin"), module));
        QByteArray a2Dump;
        for (int row = 0; row < 256; row += 16)
            a2Dump += "0x" + QByteArray::number(0x100 + row, 16).rightJustified(4, '0') + ": "
                      + module.mid(256 + row, 16).toHex(' ') + '\n';
        QVERIFY(writeFile(files.filePath("a2.txt"), a2Dump));
        ui->table->setCurrentIndex(2);
        answers->fileName = files.filePath("module.bin");
        ui->openButton->click();
        QTRY_COMPARE(ui->currentModel()->buffer().left(95), module.mid(256, 95));  // 95 is CC_DMI
        ui->table->setCurrentIndex(0);
        const QByteArray before = ui->currentModel()->buffer();
        answers->fileName = files.filePath("a2.txt");
        answers->button = QMessageBox::Discard;  // A0 Low's check codes were put right: a change
        ui->openButton->click();
        QTRY_COMPARE(answers->boxTexts.size(), 2);
        QVERIFY2(answers->boxTexts[1].endsWith("does not hold A0 Low; it holds A2 Low, A2 High"),
                 qPrintable(answers->boxTexts[1]));
        QCOMPARE(ui->currentModel()->buffer(), before);
    }
};

QTEST_MAIN(TestWindowTransfers)
#include "tst_windowtransfers.moc"
