// Compare with...: the current buffer or the Module tab against another
// buffer, the Module tab, a file or the module in the socket. The differing
// bytes are marked in the grid and listed in the compare dialog.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "buffertab.h"
#include "comparedialog.h"
#include "differences.h"
#include "imagefile.h"
#include "moduledocument.h"
#include "moduletab.h"
#include "tableviewmodel.h"
#include "writerules.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace {

// Sources past the buffers and the Module tab.
constexpr int kSourceFile = 10;
constexpr int kSourceSocket = 11;

}  // namespace

sff::ModuleImage MainWindow::currentImage() const
{
    if (moduleIsCurrent())
        return moduleTab->document()->image();
    return sff::ModuleImage::fromRegion(currentModel()->region(), currentModel()->buffer());
}

void MainWindow::showCompare()
{
    if (!compareDialog) {
        compareDialog = new CompareDialog(this);
        connect(compareDialog, &CompareDialog::compareRequested, this, &MainWindow::compareWith);
        connect(compareDialog, &QDialog::finished, this, &MainWindow::clearMarks);
    }
    QStringList titles;
    QList<int> ids;
    for (int i = 0; i < ui->tw_buffers->count(); ++i) {
        auto *tab = static_cast<DocumentTab *>(ui->tw_buffers->widget(i));
        if (tab != currentTab()) {
            titles.append(tab->name());
            ids.append(i);
        }
    }
    titles << tr("A file...") << tr("The module in the socket");
    ids << kSourceFile << kSourceSocket;
    compareDialog->setSources(titles, ids);
    compareDialog->setWindowTitle(tr("Vexa Modulant - Compare %1").arg(currentTab()->name()));
    compareDialog->show();
    compareDialog->raise();
    compareDialog->activateWindow();
}

void MainWindow::compareWith(int source)
{
    if (source == kSourceSocket) {
        waitForPreviousJob();
        moduleJobUse = ModuleJobUse::Compare;
        startModuleJob(tr("Reading..."));
        moduleJob.read();
        return;
    }
    if (source == kSourceFile) {
        const QString start = QSettings().value(QStringLiteral("gui/last_opened_dir"), QDir::currentPath()).toString();
        const QString name = QFileDialog::getOpenFileName(compareDialog, tr("Compare with File"), start);
        if (name.isEmpty())
            return;
        LoadedImage loaded;
        QString problem;
        TextDump::Options options;
        if (!askDumpDevice(name, &options.i2cdumpDevice))
            return;
        if (!ImageFile::readImage(name, &loaded, &problem, options)) {
            compareDialog->showProblem(problem);
            return;
        }
        showComparison(loaded.placed(currentModel()->region()), QFileInfo(name).fileName(), false);
        return;
    }
    auto *other = qobject_cast<DocumentTab *>(ui->tw_buffers->widget(source));
    if (!other)
        return;
    if (other == moduleTab) {
        showComparison(moduleTab->document()->image(), other->name(), false);
        return;
    }
    // A buffer is compared as the table the current one stands for.
    const sff::Region region = moduleIsCurrent() ? other->model()->region() : currentModel()->region();
    showComparison(sff::ModuleImage::fromRegion(region, other->model()->buffer()), other->name(), false);
}

void MainWindow::showComparison(const sff::ModuleImage &other, const QString &otherTitle, bool keptOnly)
{
    clearMarks();
    const sff::ModuleImage mine = currentImage();
    const sff::Family family = sff::familyOf(mine);
    Differences differences;
    bool common = false;
    for (const sff::Region &region : mine.wholeRegions()) {
        if (!other.holdsRegion(region))
            continue;
        common = true;
        // Against the module, only what it keeps as written: its live values always differ.
        if (keptOnly)
            differences.compare(region, mine.region(region), other.region(region), sff::keptSpans(region, family));
        else
            differences.compare(region, mine.region(region), other.region(region));
    }
    if (!compareDialog)
        return;
    if (!common) {
        compareDialog->showProblem(tr("%1 holds none of the tables of %2.").arg(otherTitle, currentTab()->name()));
        return;
    }
    QVector<int> marked;
    const sff::Region shown = currentModel()->region();
    for (const Differences::Byte &byte : differences.bytes())
        if (byte.address.region() == shown)
            marked.append(byte.address.offset - shown.firstByte());
    currentModel()->setMarked(marked);
    compareDialog->showDifferences(differences, currentTab()->name(), otherTitle);
}

void MainWindow::clearMarks()
{
    for (int i = 0; i < ui->tw_buffers->count(); ++i)
        static_cast<DocumentTab *>(ui->tw_buffers->widget(i))->model()->setMarked({});
}
