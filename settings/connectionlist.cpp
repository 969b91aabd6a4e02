// The connection row of the settings dialog: the list of programmers found
// by a discovery on the thread pool, the busy bar while it runs, and the
// serial number that goes out for the current entry.

#include "programmerdiscovery.h"
#include "settingsdialog.h"
#include "settingskeys.h"
#include "ui_settingsdialog.h"

#include <QtConcurrent>

void SettingsDialog::on_tb_connection_refresh_clicked()
{
    // The watcher counts as finished only once its finished signal has gone
    // out, so this also covers a task that has ended but whose result has
    // not been taken yet.
    if (!discoveryWatcher.isFinished())
        return;

    deleteProgrammerInfos();
    ui->cb_connection->clear();

    ui->cb_connection->hide();
    ui->tb_connection_refresh->hide();
    ui->prog_bar_connection->show();

    discovery = QtConcurrent::run(discoverProgrammers);
    discoveryWatcher.setFuture(discovery);
}

void SettingsDialog::discoveryFinished()
{
    const QVector<ProgrammerInfo> found = discovery.result();
    for (const ProgrammerInfo &info : found)
        ui->cb_connection->addItem(info.serialNumber(), QVariant::fromValue(new ProgrammerInfo(info)));

    // All entries are in before the stored position is applied; a position
    // past the end leaves no entry current.
    ui->cb_connection->setCurrentIndex(storedConnectionPosition());

    ui->cb_connection->show();
    ui->tb_connection_refresh->show();
    ui->prog_bar_connection->hide();
}

void SettingsDialog::sendSerialNumber()
{
    const ProgrammerInfo *info = ui->cb_connection->currentData().value<ProgrammerInfo *>();
    emit serialNumberChanged(info ? info->serialNumber() : QString());
}

void SettingsDialog::deleteProgrammerInfos()
{
    for (int i = 0; i < ui->cb_connection->count(); ++i) {
        delete ui->cb_connection->itemData(i).value<ProgrammerInfo *>();
        ui->cb_connection->setItemData(i, QVariant::fromValue<ProgrammerInfo *>(nullptr));
    }
}
