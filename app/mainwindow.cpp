// Construction of the main window, buffer and table selection, the file
// commands, the Copy and Paste keys, language change and the two dialogs.
// The transfer commands and the log are in transfercommands.cpp.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "aboutdialog.h"
#include "familytraits.h"
#include "fieldmappers.h"
#include "imagefile.h"
#include "memorymap.h"
#include "modulepages.h"
#include "passwordlist.h"
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
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>

namespace {

constexpr int kBufferCount = 3;
// The table selector's items: the four tables, a page of A2h, then the
// entries of the paged families (sff::selectorEntries()).
constexpr int kSelectorA2Page = 4;
constexpr int kSelectorFamilies = 5;
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
    connect(&settingsDialog, &SettingsDialog::passwordCandidatesChanged, &sfpThread,
            &SFPThread::setPasswordCandidates);
    sfpThread.setPasswordRecall(&PasswordStore::remembered);
    connect(&sfpThread, &SFPThread::passwordAccepted, this,
            [this](const QString &name, const QString &vendor, const QString &partNumber) {
                PasswordStore::remember(vendor, partNumber, name);
                appendPlain(tr("The module took the password \"%1\"\n").arg(name));
            });
    connect(&sfpThread, &SFPThread::writeNotKept, this, [this] { writeNotKept = true; });
    connect(&settingsDialog, &SettingsDialog::verifyChanged, &sfpThread, &SFPThread::setVerify);
    connect(&settingsDialog, &SettingsDialog::transferModeChanged, &sfpThread, &SFPThread::setTransferMode);
    connect(
        &settingsDialog, &SettingsDialog::programmerWarning, this,
        [this](const QString &text) { QMessageBox::warning(this, tr("Warning"), text); }, Qt::QueuedConnection);

    for (const sff::SelectorEntry &entry : sff::selectorEntries())
        ui->cb_table->addItem(sff::Words(sff::Language::Translated)(entry.title));
    ui->sb_page->hide();
    ui->sb_bank->hide();
    connect(ui->sb_page, QOverload<int>::of(&QSpinBox::valueChanged), this, &MainWindow::applySelectedRegion);
    connect(ui->sb_bank, QOverload<int>::of(&QSpinBox::valueChanged), this, &MainWindow::applySelectedRegion);
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
    connect(&settingsDialog, &SettingsDialog::passwordCandidatesChanged, seriesDialog,
            &SeriesDialog::setPasswordCandidates);
    connect(&settingsDialog, &SettingsDialog::verifyChanged, seriesDialog, &SeriesDialog::setVerify);
    connect(&settingsDialog, &SettingsDialog::transferModeChanged, seriesDialog, &SeriesDialog::setTransferMode);
    connect(ui->action_series, &QAction::triggered, this, &MainWindow::showSeries);
    connect(ui->tb_series, &QToolButton::clicked, this, &MainWindow::showSeries);
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
    showRegion(model->region());
    showRangeAndChecksum();
    showFamily();
}

sff::Region MainWindow::selectedRegion() const
{
    const int index = ui->cb_table->currentIndex();
    if (index == kSelectorA2Page)
        return sff::Region::upperOf(sff::kDeviceA2, sff::Page{ui->sb_page->value()});
    if (index >= kSelectorFamilies) {
        const sff::SelectorEntry entry = sff::selectorEntries().value(index - kSelectorFamilies);
        if (!entry.upper)
            return sff::kRegionA0Low;
        return sff::Region::upperOf(sff::kDeviceA0,
                                    sff::Page{ui->sb_page->value(), entry.banked ? ui->sb_bank->value() : sff::kNoBank});
    }
    return sff::regionOfTable(index);
}

void MainWindow::showRegion(const sff::Region &region)
{
    const int table = sff::tableOfRegion(region);
    if (table < 0)
        ui->sb_page->setValue(region.page.number);
    if (region.page.isBanked())
        ui->sb_bank->setValue(region.page.bank);
    int index = table;
    const sff::Family family = bufferFamily();
    const QVector<sff::SelectorEntry> entries = sff::selectorEntries();
    for (int i = 0; i < entries.size(); ++i) {
        const sff::SelectorEntry &entry = entries.at(i);
        const bool fits = region.device == sff::kDeviceA0 && entry.family == family && entry.upper == region.upper
                          && (!region.upper || entry.banked == region.page.isBanked());
        if (fits && (table < 0 || region == sff::kRegionA0Low)) {
            index = kSelectorFamilies + i;
            break;
        }
    }
    if (index < 0)
        index = kSelectorA2Page;
    ui->cb_table->setCurrentIndex(index);
}

void MainWindow::showFamily()
{
    // The field editors beside the grid are an SFP module's A0h fields.
    ui->groupBox->setVisible(bufferFamily() == sff::Family::Sfp);
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
    const sff::SelectorEntry entry = sff::selectorEntries().value(index - kSelectorFamilies);
    const bool family = index >= kSelectorFamilies;
    ui->sb_page->setVisible(index == kSelectorA2Page || (family && entry.upper));
    ui->sb_bank->setVisible(family && entry.banked);
    applySelectedRegion();
}

void MainWindow::applySelectedRegion()
{
    TableViewModel *model = currentModel();
    if (!model)
        return;  // while the form is being set up
    const sff::Region region = selectedRegion();
    model->setRegion(region);
    sfpThread.setAddress(region.device);
    bindMappers();
    showFamily();
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
    TextDump::Options options;
    if (name.isEmpty() || !askDumpDevice(name, &options.i2cdumpDevice) || !currentModel()->load(name, options))
        return;
    statusBar()->showMessage(tr("Load file: %1").arg(name), kStatusMs);
    settings.setValue(kLastOpenedDir, QFileInfo(name).absoluteDir().path());
    settings.sync();
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
    const QVector<sff::SelectorEntry> entries = sff::selectorEntries();
    for (int i = 0; i < entries.size(); ++i)
        ui->cb_table->setItemText(kSelectorFamilies + i, sff::Words(sff::Language::Translated)(entries.at(i).title));
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
