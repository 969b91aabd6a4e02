// The window's transfers as the settings shape them: the stored transfer
// mode and verify choice and the chosen password reach the worker, and a
// verify judges exactly the bytes the write sent.

#include "isolatedsettings.h"
#include "samplemodule.h"
#include "simulatorfixture.h"
#include "windowdriver.h"

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
        QTest::addColumn<bool>("customPassword");
        QTest::newRow("defaults: fast, verified, no password") << QVariant() << QVariant() << false;
        QTest::newRow("compatible") << QVariant(1) << QVariant() << false;
        QTest::newRow("not verified") << QVariant(0) << QVariant(false) << false;
        QTest::newRow("password") << QVariant() << QVariant(true) << true;
    }

    void settingsReachTheWorker()
    {
        QFETCH(QVariant, storedTransfer);
        QFETCH(QVariant, storedVerify);
        QFETCH(bool, customPassword);
        if (storedTransfer.isValid())
            QSettings().setValue("gui/transfer", storedTransfer);
        if (storedVerify.isValid())
            QSettings().setValue("gui/verify", storedVerify);
        sim->module->setPassword(kDefaultCustomPassword);
        openWindow();
        if (customPassword)
            settingsDialog()->findChild<QComboBox *>("cb_password")->setCurrentIndex(3);
        TableViewModel *model = ui->currentModel();
        model->setData(model->index(2, 0), "5A", Qt::EditRole);
        QVERIFY(ui->transfer(ui->writeButton));

        // Stored only after the password went first.
        QCOMPARE(sim->memory(0x50, 0, 128) == model->buffer(), customPassword);
        const auto record = sim->programmer->record();
        const bool compatible = storedTransfer == 1;
        QVERIFY2(compatible ? record.flushSizes.size() > 1000 : record.flushSizes.size() < 300,
                 qPrintable(QString::number(record.flushSizes.size())));
        const bool verified = storedVerify.isValid() ? storedVerify.toBool() : true;
        QCOMPARE(ui->log->toPlainText().contains("Read(SIM0001)"), verified);
        QCOMPARE(answers->boxTexts.size(), verified && !customPassword ? 1 : 0);  // the locked module fails the verify
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
};

QTEST_MAIN(TestWindowTransfers)
#include "tst_windowtransfers.moc"
