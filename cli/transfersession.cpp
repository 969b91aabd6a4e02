#include "transfersession.h"

#include "console.h"
#include "interrupt.h"
#include "settingskeys.h"

#include <QSettings>

TransferSession::TransferSession(Console &console, const QString &serialNumber, int regions)
    : console_(console), transfer_(serialNumber), total_(regions)
{
    // Fast or Compatible, as chosen in the window's settings.
    transfer_.setTransferMode(qBound(0, QSettings().value(kTransferKey, kDefaultTransfer).toInt(), 1));
    Interrupt &interrupt = Interrupt::instance();
    QObject::connect(&interrupt, &Interrupt::interrupted, &transfer_, &ModuleTransfer::cancel);
    if (interrupt.requested())
        transfer_.cancel();
}

void TransferSession::starting(const QString &title)
{
    // SIGINT is noted at once but reaches the event loop later; a job must
    // not start in between.
    if (Interrupt::instance().requested())
        transfer_.cancel();
    if (total_ > 1)
        console_.progress(done_, total_, title);
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
