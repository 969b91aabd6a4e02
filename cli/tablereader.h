#pragma once
// Reads tables of the module one after the other, for read and decode. A
// module that says it has no diagnostics (A0h byte 92) and does not answer at
// A2h gives its A0h tables alone, with a note.

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QMap>

class Console;
class TransferSession;

class TableReader
{
    Q_DECLARE_TR_FUNCTIONS(TableReader)

public:
    // Fills `read` with each table's bytes. Returns kExitSuccess, kExitFailure
    // after a message, or kExitInterrupted without one: what an interruption
    // means is for the command to say.
    static int read(TransferSession &session, Console &console, const QList<int> &tables,
                    QMap<int, QByteArray> *read);
};
