#include "tablereader.h"

#include "console.h"
#include "exitcodes.h"
#include "memorymap.h"
#include "tables.h"
#include "tableviewmodel.h"
#include "transfersession.h"

namespace {

// The module implements diagnostics, and so answers at A2h.
bool announcesDiagnostics(const QByteArray &a0Low)
{
    const int at = sff::a0::kDiagnosticType.offset;
    return a0Low.size() > at && (quint8(a0Low.at(at)) & sff::a0::kDiagnosticsImplemented);
}

}  // namespace

int TableReader::read(TransferSession &session, Console &console, const QList<int> &tables,
                      QMap<int, QByteArray> *read)
{
    bool withoutA2 = false;
    for (int table : tables) {
        if (withoutA2 && TableViewModel::isA2Table(table))
            continue;
        session.starting(table);
        QByteArray bytes;
        const ModuleTransfer::Outcome outcome = session.transfer().read(table, &bytes);
        if (outcome == ModuleTransfer::Outcome::Failed) {
            // A module that says it has no diagnostics need not answer at A2h.
            const auto a0Low = read->constFind(TableViewModel::kTableA0Low);
            if (TableViewModel::isA2Table(table) && a0Low != read->constEnd() && !announcesDiagnostics(*a0Low)) {
                withoutA2 = true;
                console.message(tr("The module has no diagnostics (A2h): only its A0h tables were read."));
                session.finished();
                continue;
            }
            console.message(tr("Couldn't read %1: %2").arg(Tables::title(table), session.transfer().error()));
            return kExitFailure;
        }
        if (outcome == ModuleTransfer::Outcome::Canceled || session.interrupted())
            return kExitInterrupted;
        read->insert(table, bytes);
        session.finished();
    }
    return kExitSuccess;
}
