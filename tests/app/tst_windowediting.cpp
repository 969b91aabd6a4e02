// The window keeping the operator's edits: undo and redo of every kind of
// change, the changed state on the tab and in the title, the question before
// a changed buffer is lost, recent files, a dropped file, Compare, and the
// layout kept between runs.

#include "buffertab.h"
#include "comparedialog.h"
#include "samplemodule.h"
#include "testbytes.h"
#include "windowdriver.h"

#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QtTest>

namespace {

enum Change { kCell, kField, kPaste, kNew, kRead, kOpen, kFix };

}  // namespace

class TestWindowEditing : public WindowTestBed
{
    Q_OBJECT

    QTemporaryDir files;

    void editCell(int tab, int byte, const char *value)
    {
        QTableView *view = ui->view(tab);
        view->setFocus();
        view->edit(view->model()->index(byte / 16, byte % 16));
        auto *editor = view->findChild<QSpinBox *>();
        editor->selectAll();
        QTest::keyClicks(editor, value);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();  // the step closes with the turn of the event loop
    }

private slots:
    void init()
    {
        fresh();
        openWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void cleanup()
    {
        answers->button = QMessageBox::Discard;
        drop();
    }

    void everyChangeIsUndoneAndRedone_data()
    {
        QTest::addColumn<int>("change");
        QTest::newRow("cell") << int(kCell);
        QTest::newRow("field") << int(kField);
        QTest::newRow("paste") << int(kPaste);
        QTest::newRow("new") << int(kNew);
        QTest::newRow("read") << int(kRead);
        QTest::newRow("open") << int(kOpen);
        QTest::newRow("fix") << int(kFix);
    }

    void everyChangeIsUndoneAndRedone()
    {
        QFETCH(int, change);
        answers->button = QMessageBox::Discard;
        if (change != kRead)
            QVERIFY(ui->transfer(ui->readButton));
        if (change == kPaste || change == kFix)
            editCell(0, 24, "00");  // a vendor padded with a NUL, which the panel's fix pads with spaces
        if (change == kPaste) {
            ui->press(QKeySequence::Copy);
            ui->buffers->setCurrentIndex(1);
        }
        TableViewModel *model = ui->currentModel();
        const QByteArray before = model->buffer();
        switch (change) {
        case kCell:
            editCell(0, 20, "41");
            break;
        case kField: {
            auto *vendor = window->findChild<QLineEdit *>("le_vendor");
            vendor->selectAll();
            QTest::keyClicks(vendor, "ACME");
            ui->view(0)->setFocus();
            break;
        }
        case kPaste:
            ui->press(QKeySequence::Paste);
            break;
        case kNew:
            ui->newButton->click();
            break;
        case kRead:
            QVERIFY(ui->transfer(ui->readButton));
            break;
        case kOpen: {
            const QString name = files.filePath("table.bin");
            QVERIFY(writeFile(name, pattern(128, 3)));
            QVERIFY(window->openFile(name));
            break;
        }
        case kFix:
            QTRY_VERIFY(window->findChild<QPushButton *>("fix:text_padding:vendor_name"));
            QTest::mouseClick(window->findChild<QPushButton *>("fix:text_padding:vendor_name"), Qt::LeftButton);
            break;
        }
        const QByteArray after = model->buffer();
        QVERIFY(after != before);
        ui->press(QKeySequence::Undo);
        QCOMPARE(model->buffer().toHex(), before.toHex());
        ui->press(QKeySequence(Qt::CTRL + Qt::Key_Y));
        QCOMPARE(model->buffer().toHex(), after.toHex());
        QCOMPARE(ui->action("action_undo")->isEnabled(), true);
    }

    void aChangedBufferIsShownAndNotLostWithoutAQuestion()
    {
        QVERIFY(ui->transfer(ui->readButton));
        QCOMPARE(ui->buffers->tabText(0), QString("Buffer &1"));
        QVERIFY(!window->isWindowModified());
        editCell(0, 20, "41");
        QCOMPARE(ui->buffers->tabText(0), QString("Buffer &1*"));
        QVERIFY(window->isWindowModified());

        // Cancel keeps the window and the bytes; Save writes them and lets it go.
        answers->button = QMessageBox::Cancel;
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QCOMPARE(answers->boxTexts, QStringList{"Buffer 1 has changes that are not saved. Save them?"});
        QCOMPARE(ui->model(0)->buffer().at(20), 'A');
        answers->button = QMessageBox::Save;
        answers->fileName = files.filePath("kept");
        QVERIFY(window->close());
        QCOMPARE(readFile(files.filePath("kept.bin")), ui->model(0)->buffer());
        QCOMPARE(window->windowTitle(), QString("Buffer 1: kept.bin[*] - Vexa Modulant"));
        QVERIFY(!window->isWindowModified());
    }

    // The last files opened or saved come back in the File menu, even in the
    // next window; a file dropped on the window opens into the current buffer.
    void recentFilesAndDroppedFilesOpen()
    {
        const QString first = files.filePath("first.bin"), second = files.filePath("second.bin");
        QVERIFY(writeFile(first, pattern(128, 1)) && writeFile(second, pattern(128, 2)));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(first)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &drop);
        QTRY_COMPARE(ui->model(0)->buffer().left(63), pattern(128, 1).left(63));  // 63 is a check code
        QVERIFY(window->openFile(second));

        window.reset();
        openWindow();
        auto *recent = window->findChild<QMenu *>("menu_recent");
        QStringList entries;
        for (QAction *entry : recent->actions())
            entries.append(entry->text());
        QCOMPARE(entries, QStringList({"&1 " + second, "&2 " + first}));
        recent->actions().at(1)->trigger();
        QCOMPARE(ui->model(0)->buffer().left(63), pattern(128, 1).left(63));
    }

    void compareMarksAndListsTheDifferingBytes()
    {
        QVERIFY(ui->transfer(ui->readButton));
        ui->press(QKeySequence::Copy);
        ui->buffers->setCurrentIndex(1);
        ui->press(QKeySequence::Paste);
        editCell(1, 20, "41");
        ui->action("action_compare")->trigger();
        auto *dialog = window->findChild<CompareDialog *>();
        QTRY_VERIFY(dialog->isVisible());
        auto *source = dialog->findChild<QComboBox *>("cb_source");
        source->setCurrentIndex(source->findText("Buffer 1"));
        dialog->findChild<QPushButton *>("pb_compare")->click();

        auto *list = dialog->findChild<QTreeWidget *>("tw_differences");
        QCOMPARE(list->topLevelItemCount(), 2);  // the byte and CC_BASE
        QStringList rows;
        for (int i = 0; i < 2; ++i)
            rows.append(QStringList({list->topLevelItem(i)->text(1), list->topLevelItem(i)->text(2),
                                     list->topLevelItem(i)->text(4)}).join('|'));
        QCOMPARE(rows.first(), QString("A0h 20|41|Vendor name"));
        QVERIFY2(rows.last().startsWith("A0h 63|") && rows.last().endsWith("|CC_BASE"), qPrintable(rows.last()));
        TableViewModel *model = ui->model(1);
        QVERIFY(model->index(1, 4).data(TableViewModel::kMarkedRole).toBool());
        QVERIFY(!model->index(1, 5).data(TableViewModel::kMarkedRole).toBool());

        // Against the module in the socket, read whole for it.
        source->setCurrentIndex(source->findText("The module in the socket"));
        const int transfers = ui->watch->ended;
        dialog->findChild<QPushButton *>("pb_compare")->click();
        QTRY_COMPARE(ui->watch->ended, transfers + 1);
        QTRY_COMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->headerItem()->text(3), QString("Module"));
        QCOMPARE(list->topLevelItem(0)->text(3), QString("56"));  // the module's own "V"
        dialog->close();
        QVERIFY(!model->index(1, 4).data(TableViewModel::kMarkedRole).toBool());
    }

    // At its first size the panel shows its names; the window comes back as it was left.
    void firstSizeShowsTheNamesAndTheLayoutIsKept()
    {
        QVERIFY(ui->transfer(ui->readButton));
        auto *pages = window->findChild<QTabWidget *>("tw_pages");
        pages->setCurrentIndex(1);
        auto *fields = window->findChild<QTreeWidget *>("tw_fields");
        QTRY_VERIFY(fields->columnWidth(0) >= fields->fontMetrics().horizontalAdvance("Identifier"));
        auto *splitter = window->findChild<QSplitter *>("splitter");
        window->resize(900, 760);
        splitter->setSizes({150, 600});
        QTRY_COMPARE(window->size(), QSize(900, 760));
        const QList<int> sizes = splitter->sizes();
        QVERIFY(window->close());

        window.reset();
        openWindow();
        QCOMPARE(window->size(), QSize(900, 760));
        QCOMPARE(window->findChild<QSplitter *>("splitter")->sizes(), sizes);
        QCOMPARE(window->findChild<QTabWidget *>("tw_pages")->currentIndex(), 1);
    }
};

QTEST_MAIN(TestWindowEditing)
#include "tst_windowediting.moc"
