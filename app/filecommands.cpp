// The file commands of the main window: New, Open and Save of a buffer or of
// the whole module, recent files, a dropped file, the question about unsaved
// changes, and Copy and Paste of whole tables.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "buffertab.h"
#include "edithistory.h"
#include "flatlayout.h"
#include "imagefile.h"
#include "moduledocument.h"
#include "moduletab.h"
#include "recentfiles.h"
#include "tableviewmodel.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>

namespace {

const char kLastOpenedDir[] = "gui/last_opened_dir";
const char kLastSavedDir[] = "gui/last_saved_dir";
const QString kImageSuffix = QStringLiteral(".bin");
const QString kModuleSuffix = QStringLiteral(".txt");

}  // namespace

bool MainWindow::askToSave(DocumentTab *tab)
{
    if (!tab->isModified())
        return true;
    ui->tw_buffers->setCurrentWidget(tab);
    const auto answer = QMessageBox::question(
        this, tr("Unsaved changes"), tr("%1 has changes that are not saved. Save them?").arg(tab->name()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return saveDocument(tab);
    return answer == QMessageBox::Discard;
}

bool MainWindow::askToSaveAll()
{
    for (int i = 0; i < ui->tw_buffers->count(); ++i)
        if (!askToSave(static_cast<DocumentTab *>(ui->tw_buffers->widget(i))))
            return false;
    return true;
}

void MainWindow::on_tb_new_clicked()
{
    if (!askToSave(currentTab()))
        return;
    newDocument();
}

void MainWindow::newDocument()
{
    DocumentTab *tab = currentTab();
    if (moduleIsCurrent()) {
        moduleTab->history()->record(tr("New"), [this] { moduleTab->document()->clear(); });
        moduleTab->setModuleBytes(sff::ModuleImage());
    } else {
        tab->history()->record(tr("New"), [tab] { tab->model()->clear(); });
    }
    tab->history()->markClean();
    tab->setFileName(QString());
}

void MainWindow::on_tb_open_clicked()
{
    const QString start = QSettings().value(kLastOpenedDir, QDir::currentPath()).toString();
    const QString name = QFileDialog::getOpenFileName(
        this, moduleIsCurrent() ? tr("Open Module") : tr("Open File"), start,
        moduleIsCurrent() ? tr("Module images (*.txt *.bin *)") : tr("Binary (*.bin *)"));
    if (!name.isEmpty())
        openFile(name);
}

bool MainWindow::openFile(const QString &fileName)
{
    DocumentTab *tab = currentTab();
    if (!askToSave(tab))
        return false;
    TextDump::Options options;
    if (!askDumpDevice(fileName, &options.i2cdumpDevice))
        return false;
    bool opened = false;
    if (moduleIsCurrent()) {
        LoadedImage image;
        QString problem;
        if (ImageFile::readImage(fileName, &image, &problem, options)) {
            // A file of one table stands for A0 Low of the module.
            const sff::ModuleImage placed = image.placed(sff::kRegionA0Low);
            moduleTab->history()->record(tr("Open"), [&] { moduleTab->document()->setImage(placed); });
            moduleTab->setModuleBytes(sff::ModuleImage());
            opened = true;
        } else {
            error(problem);
        }
    } else {
        // The model says what is wrong with a file that does not hold its table.
        tab->history()->record(tr("Open"), [&] { opened = tab->model()->load(fileName, options); });
    }
    if (!opened) {
        if (!QFileInfo::exists(fileName))
            recentFiles->remove(fileName);
        return false;
    }
    tab->history()->markClean();
    tab->setFileName(fileName);
    recentFiles->add(fileName);
    statusBar()->showMessage(tr("Load file: %1").arg(fileName), kStatusMs);
    rememberFile(fileName, kLastOpenedDir);
    return true;
}

bool MainWindow::askDumpDevice(const QString &fileName, quint8 *device)
{
    QByteArray data;
    QString problem;
    if (!ImageFile::readBytes(fileName, &data, &problem) || !TextDump::isI2cdump(data))
        return true;  // not an i2cdump; the load says what is wrong with it
    QMessageBox box(QMessageBox::Question, tr("Open File"),
                    tr("%1 is a dump of i2cdump, which does not say which device it was read from. Which is it?")
                        .arg(QFileInfo(fileName).fileName()),
                    QMessageBox::Cancel, this);
    QPushButton *a0 = box.addButton(tr("A0h (identification)"), QMessageBox::AcceptRole);
    QPushButton *a2 = box.addButton(tr("A2h (diagnostics)"), QMessageBox::AcceptRole);
    box.setDefaultButton(a0);
    box.exec();
    if (box.clickedButton() != a0 && box.clickedButton() != a2)
        return false;
    *device = box.clickedButton() == a2 ? sff::kDeviceA2 : sff::kDeviceA0;
    return true;
}

void MainWindow::on_tb_save_clicked()
{
    saveDocument(currentTab());
}

bool MainWindow::saveDocument(DocumentTab *tab)
{
    const bool module = tab == moduleTab;
    const QString start = QSettings().value(kLastSavedDir, QDir::currentPath()).toString();
    QString name = QFileDialog::getSaveFileName(this, module ? tr("Save Module") : tr("Save File"), start,
                                                module ? tr("Module images (*.txt *.bin)") : tr("Binary (*.bin)"));
    if (name.isEmpty())
        return false;
    QString problem;
    if (module) {
        // The raw layout when it holds the regions exactly, else the dump that names each.
        const sff::ModuleImage &image = moduleTab->document()->image();
        const bool raw = image.regions() == QList<sff::Region>{sff::kRegionA0Low} || !sff::toRawLayout(image).isEmpty();
        if (QFileInfo(name).suffix().isEmpty())
            name += raw ? kImageSuffix : kModuleSuffix;
        const QByteArray bytes = ImageFile::encode(image);
        if (!ImageFile::write(name, bytes, &problem)) {
            error(problem);
            return false;
        }
    } else {
        if (!name.endsWith(kImageSuffix))
            name += kImageSuffix;
        if (!tab->model()->save(name))
            return false;
    }
    tab->history()->markClean();
    tab->setFileName(name);
    recentFiles->add(name);
    statusBar()->showMessage(tr("Save file: %1").arg(name), kStatusMs);
    rememberFile(name, kLastSavedDir);
    return true;
}

void MainWindow::rememberFile(const QString &fileName, const char *folderKey)
{
    QSettings settings;
    settings.setValue(QLatin1String(folderKey), QFileInfo(fileName).absoluteDir().path());
    settings.sync();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.first().isLocalFile())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    // The drop's source waits for it to end: the questions come after.
    const QString fileName = urls.first().toLocalFile();
    QMetaObject::invokeMethod(this, [this, fileName] { openFile(fileName); }, Qt::QueuedConnection);
}

void MainWindow::copyTable()
{
    copyBuffer = currentModel()->buffer();
}

void MainWindow::pasteTable()
{
    if (copyBuffer.isEmpty())
        return;
    EditHistory::recordOn(currentModel(), tr("Paste"), [this] { currentModel()->pasteBuffer(copyBuffer); });
}
