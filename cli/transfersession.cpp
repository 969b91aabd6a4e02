#include "transfersession.h"

#include "console.h"
#include "interrupt.h"
#include "settingskeys.h"
#include "tables.h"

#include <QSettings>

TransferSession::TransferSession(Console &console, const QString &serialNumber, int tables)
    : console_(console), transfer_(serialNumber), total_(tables)
{
    // Fast or Compatible, as chosen in the window's settings.
    transfer_.setTransferMode(qBound(0, QSettings().value(kTransferKey, kDefaultTransfer).toInt(), 1));
    Interrupt &interrupt = Interrupt::instance();
    QObject::connect(&interrupt, &Interrupt::interrupted, &transfer_, &ModuleTransfer::cancel);
    if (interrupt.requested())
        transfer_.cancel();
}

void TransferSession::starting(int table)
{
    // SIGINT is noted at once but reaches the event loop later; a job must
    // not start in between.
    if (Interrupt::instance().requested())
        transfer_.cancel();
    if (total_ > 1)
        console_.progress(done_, total_, Tables::title(table));
}

void TransferSession::finished()
{
    ++done_;
    if (total_ > 1 && done_ == total_)
        console_.endProgress();
}

bool TransferSession::interrupted() const
{
    return transfer_.isCanceled() || Interrupt::instance().requested();
}
