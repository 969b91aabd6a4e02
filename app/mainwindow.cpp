// Construction of the main window, buffer and table selection, the file
// commands, the Copy and Paste keys, language change and the two dialogs.
// The transfer commands and the log are in transfercommands.cpp.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "aboutdialog.h"
#include "fieldmappers.h"
#include "memorymap.h"
#include "modulepages.h"
#include "programmercheckdialog.h"
#include "seriesdialog.h"
#include "sfpdatamapper.h"
#include "tableviewcelldelegate.h"
#include "tableviewmodel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>

namespace {

constexpr int kBufferCount = 3;
constexpr int kSectionSize = 18;
const char kLastOpenedDir[] = "gui/last_opened_dir";
const char kLastSavedDir[] = "gui/last_saved_dir";
const QString kImageSuffix = QStringLiteral(".bin");

}  // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    // The dump's columns line up only in a fixed-width font.
    ui->te_log->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    connect(&sfpThread, &QThread::started, &progressDialog, &QDialog::exec);
    connect(&sfpThread, &QThread::finished, &progressDialog, &QDialog::accept);
    connect(&progressDialog, &ProgressDialog::canceled, this, &MainWindow::cancelTransfer);

    mappers = createFieldMappers(FieldEditors{ui->le_vendor, ui->le_part_number, ui->le_serial_number,
                                              ui->sb_length_smf, ui->sb_length_mmf, ui->sb_length_copper,
                                              ui->sb_wavelength, ui->dsb_speed});

    settingsAction = new QAction(tr("S&ettings"), this);
    menuBar()->addAction(settingsAction);
    connect(settingsAction, &QAction::triggered, this, &MainWindow::showSettings);
    aboutAction = new QAction(tr("A&bout"), this);
    menuBar()->addAction(aboutAction);
    connect(aboutAction, &QAction::triggered, this, &MainWindow::showAbout);

    connect(ui->action_close, &QAction::triggered, qApp, &QCoreApplication::quit);

    connect(&sfpThread, &SFPThread::error, this, &MainWindow::error);
    connect(&sfpThread, &SFPThread::canceled, this, &MainWindow::reportCanceled);
    SFPThread::registerMetaTypes();
    connect(&sfpThread, &SFPThread::log, this, &MainWindow::log, Qt::QueuedConnection);

    connect(&settingsDialog, &SettingsDialog::serialNumberChanged, &sfpThread, &SFPThread::setSerialNumber);
    connect(&settingsDialog, &SettingsDialog::passwordChanged, &sfpThread, &SFPThread::setWritePassword);
    connect(&settingsDialog, &SettingsDialog::verifyChanged, &sfpThread, &SFPThread::setVerify);
    connect(&settingsDialog, &SettingsDialog::transferModeChanged, &sfpThread, &SFPThread::setTransferMode);
    connect(
        &settingsDialog, &SettingsDialog::programmerWarning, this,
        [this](const QString &text) { QMessageBox::warning(this, tr("Warning"), text); }, Qt::QueuedConnection);

    connect(ui->sb_addr_start, QOverload<int>::of(&QSpinBox::valueChanged), &sfpThread, &SFPThread::setAddressStart);
    connect(ui->sb_addr_stop, QOverload<int>::of(&QSpinBox::valueChanged), &sfpThread, &SFPThread::setAddressStop);

    for (int number = 1; number <= kBufferCount; ++number)
        addBuffer(number);
    bindMappers();

    // The Module panel and the diagnostics monitor, beside the log.
    modulePages = new ModulePages(ui->tw_buffers, ui->tw_pages, ui->module_panel, ui->diagnostics_monitor,
                                  ui->action_monitor, &sfpThread, this);
    connect(&settingsDialog, &SettingsDialog::serialNumberChanged, ui->diagnostics_monitor,
            &DiagnosticsMonitor::setSerialNumber);

    // The series dialog works with the settings' programmer and password;
    // while it runs, Read, Write and the monitor keep off the programmer.
    seriesDialog = new SeriesDialog(this);
    connect(&settingsDialog, &SettingsDialog::serialNumberChanged, seriesDialog, &SeriesDialog::setProgrammer);
    connect(&settingsDialog, &SettingsDialog::passwordChanged, seriesDialog, &SeriesDialog::setPassword);
    connect(&settingsDialog, &SettingsDialog::verifyChanged, seriesDialog, &SeriesDialog::setVerify);
    connect(&settingsDialog, &SettingsDialog::transferModeChanged, seriesDialog, &SeriesDialog::setTransferMode);
    connect(ui->action_series, &QAction::triggered, this, &MainWindow::showSeries);
    connect(ui->tb_series, &QToolButton::clicked, this, &MainWindow::showSeries);
    // The programmer check, with the settings' programmer, keeps the
    // monitor off the programmer while it runs; a series keeps it off.
    auto *checkDialog = new ProgrammerCheckDialog(this);
    connect(&settingsDialog, &SettingsDialog::serialNumberChanged, checkDialog, &ProgrammerCheckDialog::setProgrammer);
    connect(ui->action_check_programmer, &QAction::triggered, this, [this, checkDialog] {
        modulePages->holdMonitor();
        checkDialog->check();
        checkDialog->exec();
        modulePages->releaseMonitor();
    });
    connect(seriesDialog, &SeriesDialog::runningChanged, ui->action_check_programmer, &QAction::setDisabled);
    connect(seriesDialog, &SeriesDialog::runningChanged, this, [this](bool running) {
        ui->tb_sfp_read->setEnabled(!running);
        ui->tb_sfp_write->setEnabled(!running);
        if (running)
            modulePages->holdMonitor();
        else
            modulePages->releaseMonitor();
    });
}

MainWindow::~MainWindow()
{
    waitForWorker();
    qDeleteAll(mappers);
    delete ui;
}

void MainWindow::initSettings()
{
    settingsDialog.initialize();
}

void MainWindow::addBuffer(int number)
{
    auto *view = new QTableView;
    view->installEventFilter(this);

    auto *model = new TableViewModel(this);
    connect(model, &TableViewModel::checksumChanged, ui->le_checksum, &QLineEdit::setText);
    connect(model, &TableViewModel::error, this, &MainWindow::error);
    view->setModel(model);
    // The view owns its delegate, so it goes with the window.
    view->setItemDelegate(new TableViewCellDelegate(view));

    view->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    for (QHeaderView *header : {view->horizontalHeader(), view->verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Stretch);
        header->resizeSections(QHeaderView::ResizeToContents);
    }
    for (QHeaderView *header : {view->horizontalHeader(), view->verticalHeader()})
        header->setDefaultSectionSize(kSectionSize);

    ui->tw_buffers->addTab(view, tr("Buffer &%1").arg(number));
}

TableViewModel *MainWindow::currentModel() const
{
    auto *view = qobject_cast<QTableView *>(ui->tw_buffers->currentWidget());
    return view ? qobject_cast<TableViewModel *>(view->model()) : nullptr;
}

void MainWindow::bindMappers()
{
    TableViewModel *model = currentModel();
    for (SFPDataMapper *mapper : qAsConst(mappers))
        mapper->setModel(model);
}

void MainWindow::on_tw_buffers_currentChanged()
{
    TableViewModel *model = currentModel();
    if (!model)
        return;
    bindMappers();
    ui->cb_table->setCurrentIndex(model->table());
    showRangeAndChecksum();
}

void MainWindow::showRangeAndChecksum()
{
    TableViewModel *model = currentModel();
    ui->sb_addr_start->setValue(model->addressStart());
    ui->sb_addr_stop->setValue(model->addressStop());
    ui->le_checksum->setText(hexText(model->checksum(), 4));
}

void MainWindow::on_cb_table_currentIndexChanged(int index)
{
    TableViewModel *model = currentModel();
    if (!model)
        return;  // while the form is being set up
    model->setTable(index);
    sfpThread.setAddress(sff::tableDevice(index));
    bindMappers();
    ui->sb_addr_start->setValue(model->addressStart());
    ui->sb_addr_stop->setValue(model->addressStop());
}

void MainWindow::on_tb_new_clicked()
{
    currentModel()->clear();
}

void MainWindow::on_tb_open_clicked()
{
    QSettings settings;
    const QString start = settings.value(kLastOpenedDir, QDir::currentPath()).toString();
    const QString name = QFileDialog::getOpenFileName(this, tr("Open File"), start, tr("Binary (*.bin *)"));
    if (name.isEmpty() || !currentModel()->load(name))
        return;
    statusBar()->showMessage(tr("Load file: %1").arg(name), kStatusMs);
    settings.setValue(kLastOpenedDir, QFileInfo(name).absoluteDir().path());
    settings.sync();
}

void MainWindow::on_tb_save_clicked()
{
    QSettings settings;
    const QString start = settings.value(kLastSavedDir, QDir::currentPath()).toString();
    QString name = QFileDialog::getSaveFileName(this, tr("Save File"), start, tr("Binary (*.bin)"));
    if (name.isEmpty())
        return;
    if (!name.endsWith(kImageSuffix))
        name += kImageSuffix;
    if (!currentModel()->save(name))
        return;
    statusBar()->showMessage(tr("Save file: %1").arg(name), kStatusMs);
    settings.setValue(kLastSavedDir, QFileInfo(name).absoluteDir().path());
    settings.sync();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        // Copy and Paste take the whole table, whatever cells are selected,
        // and never touch the system clipboard.
        if (key->matches(QKeySequence::Copy)) {
            copyBuffer = currentModel()->buffer();
            return true;
        }
        if (key->matches(QKeySequence::Paste)) {
            currentModel()->pasteBuffer(copyBuffer);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateWindow();
    QMainWindow::changeEvent(event);
}

void MainWindow::retranslateWindow()
{
    const int table = ui->cb_table->currentIndex();
    ui->retranslateUi(this);
    ui->cb_table->setCurrentIndex(table);
    if (currentModel()) {
        bindMappers();
        showRangeAndChecksum();
    }
    for (int i = 0; i < ui->tw_buffers->count(); ++i)
        ui->tw_buffers->setTabText(i, tr("Buffer &%1").arg(i + 1));
    settingsAction->setText(tr("S&ettings"));
    aboutAction->setText(tr("A&bout"));
}

void MainWindow::showSettings()
{
    settingsDialog.adjustSize();
    if (settingsDialog.exec() == QDialog::Accepted)
        settingsDialog.saveSettings();
    else
        settingsDialog.loadSettings();
}

void MainWindow::showSeries()
{
    seriesDialog->show();
    seriesDialog->raise();
    seriesDialog->activateWindow();
}

void MainWindow::showAbout()
{
    AboutDialog about;
    about.exec();
}
