// The Module panel and the diagnostics monitor in the main window, against
// the simulated programmer: the panel follows its buffer and shares the
// grid's selection, its fixes edit the buffer, and the monitor shows the
// module's values, lets Read through and stops when the module is pulled.

#include "isolatedsettings.h"
#include "flatlayout.h"
#include "samplemodule.h"
#include "trendplot.h"
#include "simulatorfixture.h"
#include "windowdriver.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

constexpr int kLongMs = 20000;  // a monitor poll comes once a second; sanitizers make it slower

enum Change { kRead, kOpen, kCell, kTyped, kPaste, kNew, kTable, kTab };

}  // namespace

class TestModulePages : public WindowTestBed
{
    Q_OBJECT

    QTemporaryDir files;

    QTreeWidget *fields() const { return window->findChild<QTreeWidget *>("tw_fields"); }

    QTreeWidgetItem *item(const QString &key) const
    {
        for (QTreeWidgetItemIterator it(fields()); *it; ++it)
            if ((*it)->data(0, Qt::UserRole + 1).toString() == key)
                return *it;
        return nullptr;
    }

    QString shown(const QString &key) const { return item(key) ? item(key)->text(1) : QString(); }

    QString monitorText(const char *name) const
    {
        const QLabel *label = window->findChild<QLabel *>(name);
        return label ? label->text() : QString();
    }

    QAction *monitorCommand() const { return window->findChild<QAction *>("action_monitor"); }

    // The sample module with bytes of its 512-byte image replaced, plugged in anew.
    void plugModuleWith(int offset, const QByteArray &bytes)
    {
        auto module = std::make_shared<SimulatedModule>();
        QByteArray image = sampleModuleImage();
        image.replace(offset, bytes.size(), bytes);
        setModuleImage(*module, image);
        sim->programmer->setModule(module);
    }

private slots:
    void init()
    {
        fresh();
        openWindow();
    }

    void cleanup() { drop(); }

    void panelFollowsEveryChangeOfTheBuffer_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("read") << int(kRead) << "vendor_name" << "VEXA";
        QTest::newRow("open") << int(kOpen) << "part_number" << "FROM-A-FILE";
        QTest::newRow("cell") << int(kCell) << "connector" << "RJ45";
        QTest::newRow("typed") << int(kTyped) << "vendor_name" << "ACME";
        QTest::newRow("paste") << int(kPaste) << "serial_number" << "VX2612060001";
        QTest::newRow("new") << int(kNew) << "identifier" << "Unknown or unspecified";
        // The bytes stay, their meaning changes: 03 04 as a temperature.
        QTest::newRow("table") << int(kTable) << "temperature_high_alarm" << "3.02 °C";
        QTest::newRow("tab") << int(kTab) << "vendor_name" << "unspecified";
    }

    void panelFollowsEveryChangeOfTheBuffer()
    {
        QFETCH(int, change);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        if (change != kOpen && change != kCell)
            QVERIFY(ui->transfer(ui->readButton));
        switch (change) {
        case kOpen: {
            QByteArray image = sampleModuleImage().left(128);
            image.replace(40, 16, "FROM-A-FILE     ");
            QFile file(files.filePath("module.bin"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(image) == 128);
            file.close();
            answers->fileName = file.fileName();
            ui->openButton->click();
            break;
        }
        case kCell:
            ui->view(0)->edit(ui->model(0)->index(0, 2));
            ui->view(0)->findChild<QSpinBox *>()->selectAll();
            QTest::keyClicks(ui->view(0)->findChild<QSpinBox *>(), "22");
            QTest::keyClick(ui->view(0)->findChild<QSpinBox *>(), Qt::Key_Return);
            break;
        case kTyped: {
            auto *vendor = window->findChild<QLineEdit *>("le_vendor");
            vendor->selectAll();
            QTest::keyClicks(vendor, "ACME");
            break;
        }
        case kPaste:
            QTest::keyClick(ui->view(0), Qt::Key_C, Qt::ControlModifier);
            ui->buffers->setCurrentIndex(1);
            QTest::keyClick(ui->view(1), Qt::Key_V, Qt::ControlModifier);
            break;
        case kNew:
            ui->newButton->click();
            break;
        case kTable:
            ui->table->setCurrentIndex(2);
            break;
        case kTab:
            ui->buffers->setCurrentIndex(2);
            break;
        }
        QTRY_COMPARE(shown(key), expected);
    }

    // At the window's first size, with the panel filled while its tab was
    // hidden, the names are not cut.
    void fieldNamesFitWhenThePanelIsFirstShown()
    {
        auto *pages = window->findChild<QTabWidget *>("tw_pages");
        QVERIFY(pages->currentWidget()->objectName() != "module_panel");
        pages->setCurrentWidget(window->findChild<QWidget *>("module_panel"));
        QTreeWidgetItem *connector = item("connector");
        const int needed = fields()->indentation() + fields()->fontMetrics().horizontalAdvance(connector->text(0));
        QTRY_VERIFY2(fields()->columnWidth(0) >= needed, qPrintable(QString::number(fields()->columnWidth(0))));
    }

    void selectionGoesBothWays()
    {
        QVERIFY(ui->transfer(ui->readButton));
        fields()->setCurrentItem(item("serial_number"));
        QList<int> selected;
        for (const QModelIndex &cell : ui->view(0)->selectionModel()->selectedIndexes())
            selected.append(cell.row() * 16 + cell.column());
        std::sort(selected.begin(), selected.end());
        QList<int> serial;
        for (int byte = 68; byte < 84; ++byte)
            serial.append(byte);
        QCOMPARE(selected, serial);

        QTest::mouseClick(ui->view(0)->viewport(), Qt::LeftButton, {},
                          ui->view(0)->visualRect(ui->model(0)->index(5, 15)).center());
        QCOMPARE(fields()->currentItem(), item("cc_ext"));
    }

    // A finding with a mechanical fix mends the buffer with one click; one
    // that needs a decision has no button.
    void findingsOnTopWithTheirFixes_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<QString>("value");  // typed into the cell; empty: type the vendor name
        QTest::addColumn<QString>("finding");
        QTest::addColumn<bool>("fixable");
        QTest::newRow("vendor padded with NULs") << 20 << "" << "text_padding:vendor_name" << true;
        QTest::newRow("identifier") << 0 << "02" << "identifier" << false;
    }

    void findingsOnTopWithTheirFixes()
    {
        QFETCH(int, byte);
        QFETCH(QString, value);
        QFETCH(QString, finding);
        QFETCH(bool, fixable);
        QVERIFY(ui->transfer(ui->readButton));
        TableViewModel *model = ui->model(0);
        if (value.isEmpty()) {
            auto *vendor = window->findChild<QLineEdit *>("le_vendor");
            vendor->selectAll();
            QTest::keyClicks(vendor, "ACME");
        } else {
            model->setData(model->index(byte / 16, byte % 16), value, Qt::EditRole);
        }
        QTRY_VERIFY(window->findChild<QFrame *>("finding:" + finding));
        auto *fix = window->findChild<QPushButton *>("fix:" + finding);
        QCOMPARE(fix != nullptr, fixable);
        if (!fixable)
            return;
        QTest::mouseClick(fix, Qt::LeftButton);
        QTRY_VERIFY(!window->findChild<QFrame *>("finding:" + finding));
        QCOMPARE(model->buffer().mid(20, 16), QByteArray("ACME            "));
        QCOMPARE(shown("cc_base"), "1Ah (correct)");
    }

    // The buffer's check codes are kept right; what the module held is
    // still told.
    void wrongCheckCodeOfTheModuleIsToldAfterARead()
    {
        plugModuleWith(63, QByteArray(1, '\x00'));
        QVERIFY(ui->transfer(ui->readButton));
        QTRY_VERIFY(window->findChild<QFrame *>("finding:loaded_cc_base"));
        QVERIFY(!window->findChild<QFrame *>("finding:loaded_cc_ext"));
        QVERIFY(shown("cc_base").endsWith("(correct)"));
        ui->newButton->click();
        QTRY_VERIFY(!window->findChild<QFrame *>("finding:loaded_cc_base"));
    }

    // A QSFP28 module: its pages in the selector, its decode and family in
    // the panel, its lower page read as it is (no SFP check code written into
    // it), and four lanes in the monitor, judged against page 03h.
    void qsfpModuleInTheWindow()
    {
        auto module = std::make_shared<SimulatedModule>();
        makeQsfpModule(*module);
        QByteArray image = qsfp28ModuleImage();
        image.replace(38, 2, QByteArray::fromHex("9C40"));  // lane 3 RX power 4 mW, above the high alarm
        sff::ModuleImage regions;
        QString unused;
        QVERIFY(sff::fromRawLayout(image, &regions, &unused));
        setModuleRegions(*module, regions);
        sim->programmer->setModule(module);

        ui->table->setCurrentIndex(6);  // QSFP Upper page, page 00h
        QVERIFY(ui->transfer(ui->readButton));
        QTRY_COMPARE(shown("vendor_name"), QString("VEXA"));
        QCOMPARE(monitorText("lb_family"), QString("Module family: QSFP (SFF-8636)"));
        QVERIFY(!window->findChild<QLineEdit *>("le_vendor")->isVisible());
        ui->table->setCurrentIndex(5);
        QVERIFY(ui->transfer(ui->readButton));
        QCOMPARE(ui->model(0)->buffer(), image.left(128));

        monitorCommand()->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(monitorText("state_rx_power_3"), QString("high alarm"), kLongMs);
        QCOMPARE(monitorText("state_rx_power_4"), QString("normal"));
        QCOMPARE(window->findChildren<TrendPlot *>().size(), 14);
        monitorCommand()->trigger();
    }

    void monitorShowsTheModuleLetsReadThroughAndStopsWhenPulled()
    {
        monitorCommand()->trigger();
        QCOMPARE(window->findChild<QTabWidget *>("tw_pages")->currentWidget()->objectName(),
                 QString("diagnostics_monitor"));
        // The sample module's own values, judged against its thresholds.
        QTRY_COMPARE_WITH_TIMEOUT(monitorText("value_temperature"), QString("35.50 °C"), kLongMs);
        QCOMPARE(monitorText("value_vcc"), QString("3.3000 V"));
        QCOMPARE(monitorText("value_tx_bias"), QString("35.000 mA"));
        QCOMPARE(monitorText("value_tx_power"), QString("0.6310 mW (-2.00 dBm)"));
        QCOMPARE(monitorText("value_rx_power"), QString("0.2818 mW (-5.50 dBm, average)"));
        QCOMPARE(monitorText("state_rx_power"), QString("normal"));

        // Read takes the bus in between, and the monitor goes on after it.
        QVERIFY(ui->transfer(ui->readButton));
        QCOMPARE(ui->model(0)->buffer(), sim->readable(0x50, 0, 128));
        QVERIFY(answers->boxTexts.isEmpty());
        plugModuleWith(256 + 96, QByteArray::fromHex("5A00"));  // 90 degrees C, above the high alarm
        QTRY_COMPARE_WITH_TIMEOUT(monitorText("value_temperature"), QString("90.00 °C"), kLongMs);
        QCOMPARE(monitorText("state_temperature"), QString("high alarm"));
        plugModuleWith(256 + 96, QByteArray::fromHex("FF00"));  // -1 degree C, below the low warning
        QTRY_COMPARE_WITH_TIMEOUT(monitorText("state_temperature"), QString("low warning"), kLongMs);
        QVERIFY(monitorCommand()->isChecked());

        sim->programmer->setModule(nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(!monitorCommand()->isChecked(), kLongMs);
        QCOMPARE(monitorText("lb_status"), QString("Stopped: i2c: couldn't select read address"));
        QVERIFY(answers->boxTexts.isEmpty());
    }

    // A Read that interrupts the first question, byte 92, leaves no answer:
    // the question is asked again, not taken as "no diagnostics".
    void interruptedFirstReadIsAskedAgain()
    {
        sim->atReadSelection(1, [] { QThread::currentThread()->requestInterruption(); });
        monitorCommand()->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(monitorText("value_temperature"), QString("35.50 °C"), kLongMs);
        QVERIFY(monitorCommand()->isChecked());
    }

    void moduleWithoutDiagnosticsIsNotPolled()
    {
        plugModuleWith(92, QByteArray(1, '\0'));  // A0h byte 92: no diagnostics
        sim->programmer->clearRecord();
        monitorCommand()->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!monitorCommand()->isChecked(), kLongMs);
        QCOMPARE(monitorText("lb_status"), QString("This module has no digital diagnostics"));
        for (const I2cTransaction &transaction : sim->programmer->record().transactions)
            QCOMPARE(int(transaction.device), 0x50);
    }
};

QTEST_MAIN(TestModulePages)
#include "tst_modulepages.moc"
