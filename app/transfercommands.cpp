// The transfer side of the main window: the Read and Write commands, the
// progress dialog and cancel, and the reports in the log pane.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "documenttab.h"
#include "edithistory.h"
#include "family.h"
#include "identification.h"
#include "hexgridview.h"
#include "memorymap.h"
#include "modulepages.h"
#include "tableviewmodel.h"
#include "writerules.h"

#include <QMessageBox>
#include <QStatusBar>

namespace {

constexpr int kBytesPerRow = 8;

}  // namespace

QString MainWindow::hexText(unsigned value, int width)
{
    return QStringLiteral("%1").arg(value, width, 16, QLatin1Char('0')).toUpper();
}

void MainWindow::waitForWorker()
{
    if (moduleJob.isRunning())
        moduleJob.cancel();
    if (sfpThread.isRunning()) {
        sfpThread.requestInterruption();
        sfpThread.quit();
        sfpThread.wait();
    }
}

void MainWindow::waitForPreviousJob()
{
    if (sfpThread.isRunning()) {
        sfpThread.quit();
        sfpThread.wait();
    }
}

void MainWindow::on_tb_sfp_read_clicked()
{
    if (moduleIsCurrent())
        return readModule();
    waitForPreviousJob();
    startJob(SFPThread::kModeRead);
}

void MainWindow::on_tb_sfp_write_clicked()
{
    if (moduleIsCurrent())
        return writeModule();
    waitForPreviousJob();
    // A value typed into a cell but not yet confirmed belongs to the table.
    currentTab()->view()->commitEditor();

    if (sff::holdsDiagnosticsSettings(currentModel()->region(), bufferFamily())) {
        const auto answer = QMessageBox::warning(
            this, tr("Warning"),
            tr("Attention! Changing this memory area may lead to incorrect operation of DDMI and other module "
               "parameters. Are you sure that you want to continue recording?"),
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Ok)
            return;
    }
    TableViewModel *model = currentModel();
    const sff::Family family = bufferFamily();
    const sff::PasswordEntry entry = sff::passwordEntryOf(family);
    const sff::WriteTiming timing = sff::writeTimingOf(family);
    sfpThread.setPasswordEntry(entry.device, entry.span.offset);
    sfpThread.setWriteTiming(timing.maxBytes, timing.cycleMs);
    sfpThread.setWriteData(model->buffer());
    sfpThread.setWriteSpans(sff::writtenSpans(model->region(), family));
    sfpThread.setKeptSpans(sff::keptSpans(model->region(), family));
    sfpThread.setIdentification(sff::identificationOf(family));
    startJob(SFPThread::kModeWrite);
}

void MainWindow::startJob(int mode)
{
    ui->te_log->moveCursor(QTextCursor::End);
    progressDialog.setLabel(mode == SFPThread::kModeRead ? tr("Reading...") : tr("Writing..."));
    progressDialog.setProgress(0, 0);
    const sff::Region region = currentModel()->region();
    if (region.device == sff::kDeviceA2)
        mode |= SFPThread::kModeA2Table;
    sfpThread.setMode(mode);
    writeNotKept = false;
    sfpThread.setAddress(region.device);
    sfpThread.setPage(region.page.number, region.page.bank);

    const QPoint centre = mapToGlobal(QPoint((width() - 1) / 2, (height() - 1) / 2));
    progressDialog.move(centre - QPoint(progressDialog.width() / 2, progressDialog.height() / 2));
    modulePages->holdMonitor();
    sfpThread.start(QThread::HighestPriority);
}

void MainWindow::cancelTransfer()
{
    if (moduleJob.isRunning()) {
        moduleJob.cancel();
        return;
    }
    if (!sfpThread.isRunning()) {
        progressDialog.accept();
        return;
    }
    sfpThread.requestInterruption();
    sfpThread.quit();
    sfpThread.wait();
}

void MainWindow::reportCanceled(QString message)
{
    appendPlain(message);
}

void MainWindow::appendPlain(const QString &text)
{
    ui->te_log->moveCursor(QTextCursor::End);
    ui->te_log->insertPlainText(text);
    ui->te_log->moveCursor(QTextCursor::End);
}

void MainWindow::log(SFPThread::LogType log_type, QString msg, QByteArray data, ushort checksum)
{
    appendPlain(msg);
    appendHexDump(log_type, data, ui->sb_addr_start->value(), currentModel()->buffer());
    appendPlain(tr("Checksum: 0x%1\n").arg(hexText(checksum, 4)));

    DocumentTab *tab = currentTab();
    switch (log_type) {
    case SFPThread::kLogReaded:
        tab->history()->record(tr("Read"), [&] { currentModel()->pasteBuffer(data); });
        tab->history()->markClean();
        tab->setFileName(QString());
        // SFP modules, the tool's first family, are read as they always were.
        if (bufferFamily() != sff::Family::Sfp)
            appendPlain(tr("Module family: %1\n")
                            .arg(sff::familyTitle(bufferFamily(), sff::Words(sff::Language::Translated))));
        showFamily();
        // A lower page read as an SFP module's A0 Low is shown in its family's words.
        if (bufferFamily() != sff::Family::Sfp && currentModel()->region() == sff::kRegionA0Low)
            showRegion(sff::kRegionA0Low);
        break;
    case SFPThread::kLogWrited:
        // The module holds the buffer now.
        tab->history()->markClean();
        break;
    case SFPThread::kLogVerify:
        judgeVerify(data, checksum);
        break;
    }
    appendPlain(QStringLiteral("\n"));
}

void MainWindow::appendHexDump(SFPThread::LogType log_type, const QByteArray &data, int firstAddress,
                               const QByteArray &buffer)
{
    int address = firstAddress;
    for (int i = 0; i < data.size(); ++i) {
        if (i % kBytesPerRow == 0) {
            appendPlain(QStringLiteral("%1| ").arg(hexText(address, 2)));
            address += kBytesPerRow;
        }
        const QString byte = hexText(static_cast<quint8>(data[i]), 2);
        if (log_type == SFPThread::kLogVerify && i < buffer.size() && data[i] != buffer[i]) {
            ui->te_log->moveCursor(QTextCursor::End);
            ui->te_log->insertHtml(
                QStringLiteral("<span style=\"font-weight:600; color:#ff0000;\">%1</span> ").arg(byte));
        } else {
            appendPlain(byte + QLatin1Char(' '));
        }
        if ((i + 1) % kBytesPerRow == 0)
            appendPlain(QStringLiteral("\n"));
    }
}

sff::Family MainWindow::bufferFamily() const
{
    TableViewModel *model = currentModel();
    return sff::familyOf(sff::ModuleImage::fromRegion(model->region(), model->buffer()));
}

void MainWindow::judgeVerify(const QByteArray &data, ushort)
{
    // Judged on the bytes the module keeps as written: of A2 Low the
    // thresholds, calibration and CC_DMI, not the live values and flags
    // after them, which never read back as written; of a table of A0h every
    // byte. The table checksum in the log stays the table's own.
    const sff::Region region = currentModel()->region();
    const QByteArray written = currentModel()->buffer().left(SFPThread::kTableSize);
    quint16 expected = 0;
    quint16 readBack = 0;
    for (const sff::Span &span : sff::keptSpans(region, bufferFamily())) {
        for (int offset = span.offset; offset < span.end(); ++offset) {
            const int i = offset - region.firstByte();
            if (i >= data.size() || i >= written.size())
                continue;
            expected += quint8(written[i]);
            readBack += quint8(data[i]);
        }
    }
    const int firstDifference = sff::firstKeptDifference(region, bufferFamily(), written, data);
    if (readBack != expected) {
        appendPlain(tr("Checksum doesn't match\n"));
        appendPlain(tr("Checksum expect: 0x%1\n").arg(hexText(expected, 4)));
        appendPlain(tr("Checksum calculate: 0x%1\n").arg(hexText(readBack, 4)));
        error(writeNotKept ? tr("Verify failed: %1").arg(SFPThread::notKeptMessage()) : tr("Checksum doesn't match"));
        return;
    }
    // Equal sums do not make equal bytes.
    if (firstDifference >= 0) {
        appendPlain(tr("Bytes read back don't match, the first at 0x%1\n").arg(hexText(unsigned(firstDifference), 2)));
        error(writeNotKept ? tr("Verify failed: %1").arg(SFPThread::notKeptMessage())
                           : tr("Verify failed: the bytes read back differ from the buffer"));
        return;
    }
    appendPlain(tr("Succesfull write\n"));
}

void MainWindow::error(QString msg)
{
    statusBar()->showMessage(msg, kStatusMs);
    QMessageBox::critical(this, tr("Vexa Modulant - Error"), msg, QMessageBox::Ok);
    progressDialog.accept();
    appendPlain(msg + QLatin1Char('\n'));
}
