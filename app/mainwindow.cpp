// Construction of the main window, buffer and table selection, the Edit menu
// and undo, the title, the layout kept between runs, language change and the
// dialogs.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "aboutdialog.h"
#include "familytraits.h"
#include "buffertab.h"
#include "edithistory.h"
#include "fieldmappers.h"
#include "hexgridview.h"
#include "moduledocument.h"
#include "modulepages.h"
#include "passwordlist.h"
#include "moduletab.h"
#include "recentfiles.h"
#include "programmercheckdialog.h"
#include "seriesdialog.h"
#include "settingskeys.h"
#include "sfpdatamapper.h"
#include "tableviewmodel.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

namespace {

constexpr int kBufferCount = 3;
// The table selector's items: the four tables, a page of A2h, then the
// entries of the paged families (sff::selectorEntries()).
constexpr int kSelectorA2Page = 4;
constexpr int kSelectorFamilies = 5;

}  // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    titleBase_ = windowTitle();
    setAcceptDrops(true);
    // The dump's columns line up only in a fixed-width font.
    ui->te_log->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The grid and the field editors keep their height; the pages below take the rest.
    ui->splitter->setStretchFactor(0, 0);
    ui->splitter->setStretchFactor(1, 1);
    ui->w_top->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

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

    // Quitting goes through close, which asks about unsaved buffers.
    connect(ui->action_close, &QAction::triggered, this, &QWidget::close);

    connect(&sfpThread, &SFPThread::error, this, &MainWindow::error);
    connect(&sfpThread, &SFPThread::canceled, this, &MainWindow::reportCanceled);
    SFPThread::registerMetaTypes();
    connect(&sfpThread, &SFPThread::log, this, &MainWindow::log, Qt::QueuedConnection);

    for (SFPThread *worker : {&sfpThread, moduleJob.worker()}) {
        connect(&settingsDialog, &SettingsDialog::serialNumberChanged, worker, &SFPThread::setSerialNumber);
        connect(&settingsDialog, &SettingsDialog::passwordChanged, worker, &SFPThread::setWritePassword);
        connect(&settingsDialog, &SettingsDialog::passwordCandidatesChanged, worker,
                &SFPThread::setPasswordCandidates);
        worker->setPasswordRecall(&PasswordStore::remembered);
        connect(worker, &SFPThread::passwordAccepted, this,
                [this](const QString &name, const QString &vendor, const QString &partNumber) {
                    PasswordStore::remember(vendor, partNumber, name);
                    appendPlain(tr("The module took the password \"%1\"\n").arg(name));
                });
        connect(&settingsDialog, &SettingsDialog::verifyChanged, worker, &SFPThread::setVerify);
        connect(&settingsDialog, &SettingsDialog::transferModeChanged, worker, &SFPThread::setTransferMode);
    }
    connect(&sfpThread, &SFPThread::writeNotKept, this, [this] { writeNotKept = true; });
    connect(
        &settingsDialog, &SettingsDialog::programmerWarning, this,
        [this](const QString &text) { QMessageBox::warning(this, tr("Warning"), text); }, Qt::QueuedConnection);
    connectModuleJob();

    for (const sff::SelectorEntry &entry : sff::selectorEntries())
        ui->cb_table->addItem(sff::Words(sff::Language::Translated)(entry.title));
    ui->sb_page->hide();
    ui->sb_bank->hide();
    connect(ui->sb_page, QOverload<int>::of(&QSpinBox::valueChanged), this, &MainWindow::applySelectedRegion);
    connect(ui->sb_bank, QOverload<int>::of(&QSpinBox::valueChanged), this, &MainWindow::applySelectedRegion);
    connect(ui->sb_addr_start, QOverload<int>::of(&QSpinBox::valueChanged), &sfpThread, &SFPThread::setAddressStart);
    connect(ui->sb_addr_stop, QOverload<int>::of(&QSpinBox::valueChanged), &sfpThread, &SFPThread::setAddressStop);

    createDocuments();
    createEditMenu();
    connectEditMenu();
    bindMappers();

    // The Module panel and the diagnostics monitor, beside the log.
    modulePages = new ModulePages(ui->tw_buffers, ui->tw_pages, ui->module_panel, ui->diagnostics_monitor,
                                  ui->action_monitor, &sfpThread, this);
    connect(&settingsDialog, &SettingsDialog::serialNumberChanged, ui->diagnostics_monitor,
            &DiagnosticsMonitor::setSerialNumber);

    recentFiles = new RecentFiles(ui->menu_recent, this);
    connect(recentFiles, &RecentFiles::chosen, this, &MainWindow::openFile);
    connect(ui->action_open_module, &QAction::triggered, this, [this] {
        ui->tw_buffers->setCurrentWidget(moduleTab);
        on_tb_open_clicked();
    });
    connect(ui->action_save_module, &QAction::triggered, this, [this] { saveDocument(moduleTab); });
    connect(ui->action_read_module, &QAction::triggered, this, &MainWindow::readModule);
    connect(ui->action_write_module, &QAction::triggered, this, &MainWindow::writeModule);

    // The series dialog works with the settings' programmer and password;
    // while it runs, Read, Write and the monitor keep off the programmer.
    seriesDialog = new SeriesDialog(this);
    connect(&settingsDialog, &SettingsDialog::serialNumberChanged, seriesDialog, &SeriesDialog::setProgrammer);
    connect(&settingsDialog, &SettingsDialog::passwordChanged, seriesDialog, &SeriesDialog::setPassword);
    connect(&settingsDialog, &SettingsDialog::passwordCandidatesChanged, seriesDialog,
            &SeriesDialog::setPasswordCandidates);
    connect(&settingsDialog, &SettingsDialog::verifyChanged, seriesDialog, &SeriesDialog::setVerify);
    connect(&settingsDialog, &SettingsDialog::transferModeChanged, seriesDialog, &SeriesDialog::setTransferMode);
    connect(seriesDialog, &SeriesDialog::templateFromBufferWanted, this,
            [this] { seriesDialog->setTemplateImage(currentImage(), currentTab()->name()); });
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
        for (QWidget *command : {static_cast<QWidget *>(ui->tb_sfp_read), static_cast<QWidget *>(ui->tb_sfp_write)})
            command->setEnabled(!running);
        for (QAction *command : {ui->action_read_module, ui->action_write_module})
            command->setEnabled(!running);
        if (running)
            modulePages->holdMonitor();
        else
            modulePages->releaseMonitor();
    });

    restoreLayout();
    updateTitle();
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

void MainWindow::createDocuments()
{
    for (int number = 1; number <= kBufferCount; ++number) {
        auto *buffer = new BufferTab(number);
        buffers.append(buffer);
        ui->tw_buffers->addTab(buffer, tr("Buffer &%1").arg(number));
    }
    moduleTab = new ModuleTab;
    moduleTab->setBuffers(buffers);
    ui->tw_buffers->addTab(moduleTab, moduleTab->name());
    connect(moduleTab, &ModuleTab::bufferFilled, ui->tw_buffers, &QTabWidget::setCurrentWidget);
    connect(moduleTab->document(), &ModuleDocument::chosenChanged, this, [this] {
        if (moduleIsCurrent()) {
            showRegion(moduleTab->document()->chosen());
            bindMappers();
            showRangeAndChecksum();
        }
    });
    for (int i = 0; i < ui->tw_buffers->count(); ++i) {
        auto *tab = static_cast<DocumentTab *>(ui->tw_buffers->widget(i));
        tab->view()->installEventFilter(this);
        connect(tab->model(), &TableViewModel::checksumChanged, this, [this, tab](const QString &checksum) {
            if (tab == currentTab())
                ui->le_checksum->setText(checksum);
        });
        connect(tab->model(), &TableViewModel::error, this, &MainWindow::error);
        connect(tab, &DocumentTab::captionChanged, this, &MainWindow::updateTitle);
        undoGroup.addStack(tab->history());
    }
}

void MainWindow::createEditMenu()
{
    // Made anew on a change of language: the actions keep the words they were made with.
    delete findChild<QAction *>(QStringLiteral("action_undo"));
    delete findChild<QAction *>(QStringLiteral("action_redo"));
    QAction *undo = undoGroup.createUndoAction(this, tr("&Undo"));
    undo->setObjectName(QStringLiteral("action_undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = undoGroup.createRedoAction(this, tr("&Redo"));
    redo->setObjectName(QStringLiteral("action_redo"));
    // Both keys that redo somewhere, each once.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence &keys : {QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_Z), QKeySequence(Qt::CTRL + Qt::Key_Y)})
        if (!redoKeys.contains(keys))
            redoKeys.append(keys);
    redo->setShortcuts(redoKeys);
    QAction *first = ui->menu_edit->actions().value(0);
    ui->menu_edit->insertActions(first, {undo, redo});
    if (ui->menu_edit->actions().size() == 6)
        ui->menu_edit->insertSeparator(first);
}

void MainWindow::connectEditMenu()
{
    connect(ui->action_copy, &QAction::triggered, this, &MainWindow::copyTable);
    connect(ui->action_paste, &QAction::triggered, this, &MainWindow::pasteTable);
    connect(ui->action_compare, &QAction::triggered, this, &MainWindow::showCompare);
}

DocumentTab *MainWindow::currentTab() const
{
    return qobject_cast<DocumentTab *>(ui->tw_buffers->currentWidget());
}

TableViewModel *MainWindow::currentModel() const
{
    DocumentTab *tab = currentTab();
    return tab ? tab->model() : nullptr;
}

bool MainWindow::moduleIsCurrent() const
{
    return moduleTab && currentTab() == moduleTab;
}

void MainWindow::bindMappers()
{
    TableViewModel *model = currentModel();
    for (SFPDataMapper *mapper : qAsConst(mappers))
        mapper->setModel(model);
}

void MainWindow::on_tw_buffers_currentChanged()
{
    DocumentTab *tab = currentTab();
    if (!tab)
        return;
    clearMarks();
    // The Module tab chooses its region in its own list.
    ui->cb_table->setEnabled(!moduleIsCurrent());
    ui->sb_page->setEnabled(!moduleIsCurrent());
    undoGroup.setActiveStack(tab->history());
    bindMappers();
    showRegion(tab->model()->region());
    showRangeAndChecksum();
    showFamily();
    updateTitle();
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
    if (!model || moduleIsCurrent())
        return;  // while the form is being set up, or the selector only shows the Module tab's region
    const sff::Region region = selectedRegion();
    model->setRegion(region);
    sfpThread.setAddress(region.device);
    bindMappers();
    showFamily();
    ui->sb_addr_start->setValue(model->addressStart());
    ui->sb_addr_stop->setValue(model->addressStop());
}

void MainWindow::setTitleBase(const QString &base)
{
    titleBase_ = base;
    updateTitle();
}

void MainWindow::updateTitle()
{
    for (int i = 0; i < ui->tw_buffers->count(); ++i) {
        auto *tab = static_cast<DocumentTab *>(ui->tw_buffers->widget(i));
        QString text = i < buffers.size() ? tr("Buffer &%1").arg(i + 1) : tab->name();
        ui->tw_buffers->setTabText(i, tab->isModified() ? text + QLatin1Char('*') : text);
        ui->tw_buffers->setTabToolTip(i, tab->fileName());
    }
    DocumentTab *tab = currentTab();
    if (!tab)
        return;
    QString caption = tab->caption();
    if (caption.endsWith(QLatin1Char('*')))
        caption.chop(1);
    setWindowTitle(tr("%1[*] - %2").arg(caption, titleBase_));
    setWindowModified(tab->isModified());
}

void MainWindow::restoreLayout()
{
    const QSettings settings;
    restoreGeometry(settings.value(kWindowGeometryKey).toByteArray());
    splitterPending_ = !ui->splitter->restoreState(settings.value(kWindowSplitterKey).toByteArray());
    ui->tw_pages->setCurrentIndex(settings.value(kWindowPagesTabKey, 0).toInt());
    ui->tw_buffers->setCurrentIndex(settings.value(kWindowBufferTabKey, 0).toInt());
}

void MainWindow::saveLayout() const
{
    QSettings settings;
    settings.setValue(kWindowGeometryKey, saveGeometry());
    settings.setValue(kWindowSplitterKey, ui->splitter->saveState());
    settings.setValue(kWindowPagesTabKey, ui->tw_pages->currentIndex());
    settings.setValue(kWindowBufferTabKey, ui->tw_buffers->currentIndex());
    settings.sync();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // At first the grid and the field editors get what they ask for, once
    // the window is laid out at its size.
    if (!splitterPending_)
        return;
    splitterPending_ = false;
    QTimer::singleShot(0, this, [this] {
        const int top = ui->w_top->sizeHint().height();
        ui->splitter->setSizes({top, ui->splitter->height() - ui->splitter->handleWidth() - top});
    });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!askToSaveAll()) {
        event->ignore();
        return;
    }
    saveLayout();
    QMainWindow::closeEvent(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        // Copy and Paste take the whole table, whatever cells are selected,
        // and never touch the system clipboard.
        if (key->matches(QKeySequence::Copy)) {
            copyTable();
            return true;
        }
        if (key->matches(QKeySequence::Paste)) {
            pasteTable();
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
    updateTitle();
    settingsAction->setText(tr("S&ettings"));
    aboutAction->setText(tr("A&bout"));
    createEditMenu();
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
