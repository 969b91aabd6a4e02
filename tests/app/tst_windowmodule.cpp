// The Module tab against the simulated module: Read module fills it with
// every table and page in one job and the panel decodes them together; Write
// module sends only what differs, asking once about the diagnostics; a region
// goes into a buffer and back; whole-module files; a series from a buffer.

#include "moduledocument.h"
#include "moduletab.h"
#include "samplemodule.h"
#include "seriesdialog.h"
#include "testbytes.h"
#include "windowdriver.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

class TestWindowModule : public WindowTestBed
{
    Q_OBJECT

    QTemporaryDir files;

    ModuleTab *tab() const { return window->findChild<ModuleTab *>(); }
    ModuleDocument *document() const { return tab()->document(); }
    QListWidget *regions() const { return tab()->findChild<QListWidget *>("lw_regions"); }

    QStringList listed() const
    {
        QStringList titles;
        for (int i = 0; i < regions()->count(); ++i)
            titles.append(regions()->item(i)->text());
        return titles;
    }

    void choose(const QString &title) { regions()->setCurrentRow(listed().indexOf(title)); }

    void setByte(int byte, char value)
    {
        TableViewModel *grid = document()->grid();
        grid->setData(grid->index(byte / 16, byte % 16), QString::number(quint8(value), 16), Qt::EditRole);
        QCoreApplication::processEvents();
    }

    bool readModule()
    {
        const int before = ui->watch->ended;
        ui->press(QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_R));
        return QTest::qWaitFor([&] { return ui->watch->ended > before; }, 20000);
    }

    void triggerMenu(const char *button, const QString &entry)
    {
        for (QAction *action : tab()->findChild<QToolButton *>(button)->menu()->actions())
            if (action->text() == entry)
                action->trigger();
    }

private slots:
    void init()
    {
        fresh();
        openWindow();
    }

    void cleanup()
    {
        answers->button = QMessageBox::Discard;
        drop();
    }

    void readModuleFillsTheTabAndThePanelDecodesItWhole()
    {
        QVERIFY(readModule());
        QCOMPARE(ui->watch->shown, 1);  // one progress for all
        QCOMPARE(ui->buffers->currentWidget(), tab());
        QCOMPARE(listed(), QStringList({"A0 Low", "A0 High", "A2 Low", "A2 High", "A2 Page 01h"}));
        const sff::ModuleImage &image = document()->image();
        QCOMPARE(image.region(sff::kRegionA0Low), sim->readable(0x50, 0, 128));
        QCOMPARE(image.region(sff::kRegionA2High), sim->readable(0x51, 128, 256));
        const auto page = sim->module->pageBytes(0x51, 1);
        QCOMPARE(image.region(sff::Region::upperOf(0x51, sff::Page{1})),
                 QByteArray(reinterpret_cast<const char *>(page.data()), 128));

        // Identification and diagnostics in one list.
        auto *fields = window->findChild<QTreeWidget *>("tw_fields");
        QStringList sections;
        for (int i = 0; i < fields->topLevelItemCount(); ++i)
            sections.append(fields->topLevelItem(i)->text(0));
        QVERIFY2(sections.contains("Identification") && sections.contains("Thresholds") && sections.contains("Real-time values"),
                 qPrintable(sections.join(", ")));
        // A field of another region brings its region into the grid.
        choose("A0 Low");
        for (QTreeWidgetItemIterator it(fields); *it; ++it)
            if ((*it)->data(0, Qt::UserRole + 1).toString() == "temperature_high_alarm")
                fields->setCurrentItem(*it);
        QCOMPARE(regions()->currentItem()->text(), QString("A2 Low"));
        QCOMPARE(window->findChild<QComboBox *>("cb_table")->currentText(), QString("A2 Low"));

        ui->press(QKeySequence::Undo);
        QVERIFY(document()->image().isEmpty());
        QCOMPARE(regions()->count(), 0);
    }

    void writeModuleSendsWhatDiffersAndAsksOnce()
    {
        QVERIFY(readModule());
        choose("A0 Low");
        setByte(20, 'A');
        choose("A2 Low");
        setByte(0, 0x70);
        QVERIFY(ui->buffers->tabText(3).endsWith('*'));
        sim->board().clearRecord();
        answers->button = QMessageBox::Ok;
        QVERIFY(ui->transfer(ui->writeButton));
        QCOMPARE(answers->boxTexts.size(), 1);
        QVERIFY2(answers->boxTexts[0].contains("The write changes A2 Low")
                     && answers->boxTexts[0].contains("The write covers A0 Low, A2 Low."),
                 qPrintable(answers->boxTexts[0]));
        QCOMPARE(sim->memory(0x50, 20, 21), QByteArray("A"));
        QCOMPARE(sim->memory(0x51, 0, 1), QByteArray("\x70"));
        QCOMPARE(sim->memory(0x50, 0, 128), document()->image().region(sff::kRegionA0Low));
        for (const I2cTransaction &exchange : sim->board().transactions())
            QVERIFY2(exchange.read || exchange.byteAddress() < 128, "an unchanged upper half was written");
        QVERIFY(!ui->buffers->tabText(3).endsWith('*'));

        const int transfers = ui->watch->shown;
        ui->writeButton->click();
        QCOMPARE(ui->watch->shown, transfers);
        QVERIFY(ui->log->toPlainText().endsWith("Nothing to write: the module holds every table and page as they are here\n"));

        // A byte the module does not keep fails the verify, and the tab stays changed.
        choose("A0 Low");
        setByte(21, 'B');
        sim->module->flipStoredBit(0x50, 21, 0x04);
        QVERIFY(ui->transfer(ui->writeButton));
        QCOMPARE(answers->boxTexts.last(), QString("Verify failed: A0 Low byte 21 read back differs from what was written"));
        QVERIFY(ui->buffers->tabText(3).endsWith('*'));
    }

    void aRegionGoesIntoABufferAndBack()
    {
        QVERIFY(readModule());
        choose("A2 Low");
        triggerMenu("tb_to_buffer", "Buffer 2");
        QCOMPARE(ui->buffers->currentIndex(), 1);
        QCOMPARE(ui->table->currentText(), QString("A2 Low"));
        QCOMPARE(ui->model(1)->buffer(), sim->readable(0x51, 0, 128));

        ui->model(1)->setData(ui->model(1)->index(0, 0), "71", Qt::EditRole);
        ui->buffers->setCurrentIndex(3);
        choose("A0 Low");
        triggerMenu("tb_from_buffer", "Buffer 2");
        QCOMPARE(regions()->currentItem()->text(), QString("A2 Low"));
        QCOMPARE(document()->image().byte(0x51, 0), quint8(0x71));
        ui->press(QKeySequence::Undo);
        QCOMPARE(document()->image().region(sff::kRegionA2Low), sim->readable(0x51, 0, 128));
    }

    void moduleFilesKeepEveryRegion()
    {
        QVERIFY(readModule());
        const sff::ModuleImage read = document()->image();
        answers->fileName = files.filePath("module");
        ui->action("action_save_module")->trigger();
        QCOMPARE(tab()->fileName(), files.filePath("module.txt"));  // pages need the dump
        ui->newButton->click();
        QVERIFY(document()->image().isEmpty());
        answers->fileName = files.filePath("module.txt");
        ui->action("action_open_module")->trigger();
        QCOMPARE(document()->image(), read);
        QCOMPARE(ui->buffers->tabText(3), QString("Module"));
        QVERIFY(answers->boxTexts.isEmpty());
    }

    void seriesTakesTheCurrentBufferAsItsTemplate()
    {
        ui->table->setCurrentIndex(3);
        ui->action("action_series")->trigger();
        auto *dialog = window->findChild<SeriesDialog *>();
        dialog->findChild<QPushButton *>("pb_template_buffer")->click();
        QCOMPARE(dialog->findChild<QLineEdit *>("le_template")->text(), QString("Buffer 1 of the window"));
        dialog->findChild<QPushButton *>("pb_start")->click();
        QCOMPARE(dialog->findChild<QLabel *>("lb_status")->text(),
                 QString("Buffer 1 holds no A0 Low, which a series writes into every module"));
        dialog->close();
    }
};

QTEST_MAIN(TestWindowModule)
#include "tst_windowmodule.moc"
