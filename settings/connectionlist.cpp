// The connection row of the settings dialog: the list of programmers found
// by a discovery on the thread pool, the busy bar while it runs, and the
// identity that goes out for the current entry.

#include "programmerdiscovery.h"
#include "programmerwarning.h"
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
    {
        // Nothing goes out for the first entry while the list fills.
        const QSignalBlocker quiet(ui->cb_connection);
        for (const ProgrammerInfo &info : found)
            ui->cb_connection->addItem(info.displayName(), QVariant::fromValue(new ProgrammerInfo(info)));
    }

    // All entries are in before the stored choice is applied.
    selectStoredProgrammer();

    ui->cb_connection->show();
    ui->tb_connection_refresh->show();
    ui->prog_bar_connection->hide();
}

void SettingsDialog::selectStoredProgrammer()
{
    // The identity (an FTDI chip's serial number) decides when there is one,
    // so that another programmer plugged in beside it cannot take its place;
    // the position is for settings written before identities were kept. A
    // position past the end, or a programmer not attached, leaves no entry
    // current.
    const QString identity = storedConnectionSerial();
    int position = identity.isEmpty() ? storedConnectionPosition() : -1;
    for (int i = 0; i < ui->cb_connection->count() && position < 0; ++i) {
        const ProgrammerInfo *info = ui->cb_connection->itemData(i).value<ProgrammerInfo *>();
        if (info && info->identity() == identity)
            position = i;
    }
    ui->cb_connection->setCurrentIndex(position);
    sendSerialNumber();
}

QString SettingsDialog::currentIdentity() const
{
    const ProgrammerInfo *info = ui->cb_connection->currentData().value<ProgrammerInfo *>();
    return info ? info->identity() : QString();
}

void SettingsDialog::sendSerialNumber()
{
    // With the stored programmer absent its identity still goes out, so that
    // a transfer names the programmer it cannot open rather than none.
    const ProgrammerInfo *info = ui->cb_connection->currentData().value<ProgrammerInfo *>();
    emit serialNumberChanged(info ? info->identity() : storedConnectionSerial());
    if (info && info->kind() == ProgrammerKind::Ch341a && !warnedOfCh341aVoltage) {
        warnedOfCh341aVoltage = true;
        emit programmerWarning(ch341aVoltageWarning());
    }
}

void SettingsDialog::deleteProgrammerInfos()
{
    for (int i = 0; i < ui->cb_connection->count(); ++i) {
        delete ui->cb_connection->itemData(i).value<ProgrammerInfo *>();
        ui->cb_connection->setItemData(i, QVariant::fromValue<ProgrammerInfo *>(nullptr));
    }
}
