// The whole-module transfers of the main window: Read module fills the
// Module tab with every table and page the module has; Write module writes
// the tables and pages that differ from what the module holds, asking once
// about the diagnostics' settings. Both run as one job with one progress.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "edithistory.h"
#include "family.h"
#include "hexgridview.h"
#include "moduledocument.h"
#include "modulepages.h"
#include "moduletab.h"
#include "writerules.h"

#include <QMessageBox>
#include <QStatusBar>

namespace {

QString titles(const QList<sff::Region> &regions, sff::Family family)
{
    QStringList names;
    for (const sff::Region &region : regions)
        names.append(sff::regionTitle(region, family, sff::Words(sff::Language::Translated)));
    return names.join(QStringLiteral(", "));
}

}  // namespace

void MainWindow::connectModuleJob()
{
    connect(&moduleJob, &WholeModuleJob::started, &progressDialog, &QDialog::exec, Qt::QueuedConnection);
    connect(&moduleJob, &WholeModuleJob::progress, this, [this](int done, int total, const QString &title) {
        progressDialog.setProgress(done, total);
        progressDialog.setLabel(moduleJobUse == ModuleJobUse::Write ? tr("Writing %1...").arg(title)
                                                                    : tr("Reading %1...").arg(title));
    });
    connect(&moduleJob, &WholeModuleJob::log, this, &MainWindow::logModuleRegion, Qt::QueuedConnection);
    connect(&moduleJob, &WholeModuleJob::finished, this, &MainWindow::moduleJobFinished);

}

void MainWindow::readModule()
{
    waitForPreviousJob();
    moduleJobUse = ModuleJobUse::Read;
    startModuleJob(tr("Reading..."));
    moduleJob.read();
}

void MainWindow::writeModule()
{
    waitForPreviousJob();
    ui->tw_buffers->setCurrentWidget(moduleTab);
    moduleTab->view()->commitEditor();
    const sff::ModuleImage &image = moduleTab->document()->image();
    const sff::Family family = sff::familyOf(image);
    const QList<sff::Region> regions = moduleTab->changedRegions();
    if (regions.isEmpty()) {
        statusBar()->showMessage(tr("Nothing to write: the module holds every table and page as they are here"),
                                 kStatusMs);
        appendPlain(tr("Nothing to write: the module holds every table and page as they are here") + QLatin1Char('\n'));
        return;
    }
    QList<sff::Region> settings;
    for (const sff::Region &region : regions)
        if (sff::holdsDiagnosticsSettings(region, family))
            settings.append(region);
    if (!settings.isEmpty()) {
        const auto answer = QMessageBox::warning(
            this, tr("Warning"),
            tr("Attention! The write changes %1, which holds the diagnostics' thresholds and calibration; a wrong "
               "value there may lead to incorrect operation of DDMI and other module parameters. The write covers "
               "%2. Are you sure that you want to continue recording?")
                .arg(titles(settings, family), titles(regions, family)),
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Ok)
            return;
    }
    moduleJobUse = ModuleJobUse::Write;
    startModuleJob(tr("Writing..."));
    moduleJob.write(image, regions);
}

void MainWindow::startModuleJob(const QString &label)
{
    ui->te_log->moveCursor(QTextCursor::End);
    progressDialog.setLabel(label);
    progressDialog.setProgress(0, 0);
    const QPoint centre = mapToGlobal(QPoint((width() - 1) / 2, (height() - 1) / 2));
    progressDialog.move(centre - QPoint(progressDialog.width() / 2, progressDialog.height() / 2));
    modulePages->holdMonitor();
}

void MainWindow::logModuleRegion(SFPThread::LogType type, const QString &message, const QByteArray &data,
                                 ushort checksum, int firstByte)
{
    appendPlain(message);
    appendHexDump(type, data, firstByte, QByteArray());
    appendPlain(tr("Checksum: 0x%1\n").arg(hexText(checksum, 4)) + QLatin1Char('\n'));
}

void MainWindow::moduleJobFinished(WholeModuleJob::Outcome outcome)
{
    progressDialog.accept();
    modulePages->releaseMonitor();
    if (outcome == WholeModuleJob::Outcome::Canceled) {
        appendPlain(moduleJobUse == ModuleJobUse::Write ? tr("Canceled write\n") : tr("Canceled read\n"));
        return;
    }
    if (outcome == WholeModuleJob::Outcome::Failed) {
        error(moduleJob.error());
        return;
    }
    if (moduleJob.leftOutA2())
        appendPlain(tr("The module has no diagnostics (A2h): only its A0h tables were read.") + QLatin1Char('\n'));
    switch (moduleJobUse) {
    case ModuleJobUse::Read: {
        const sff::ModuleImage image = moduleJob.image();
        moduleTab->history()->record(tr("Read module"), [&] { moduleTab->document()->setImage(image); });
        moduleTab->history()->markClean();
        moduleTab->setModuleBytes(image);
        moduleTab->setFileName(QString());
        ui->tw_buffers->setCurrentWidget(moduleTab);
        appendPlain(tr("Read the module: %1\n").arg(titles(image.regions(), sff::familyOf(image))));
        break;
    }
    case ModuleJobUse::Write:
        moduleTab->history()->markClean();
        moduleTab->setModuleBytes(moduleJob.image());
        appendPlain(tr("Successful write of %1\n").arg(titles(moduleJob.done(), sff::familyOf(moduleJob.image()))));
        break;
    case ModuleJobUse::Compare:
        showComparison(moduleJob.image(), tr("Module"), true);
        break;
    }
}
