#pragma once
// What read, write and verify share around the transfer of their tables:
// Ctrl+C cancels it, and a progress bar counts the tables.

#include "moduletransfer.h"

class Console;

class TransferSession
{
public:
    TransferSession(Console &console, const QString &serialNumber, int tables);

    ModuleTransfer &transfer() { return transfer_; }
    // Shows the bar with the table now under way (for more than one table).
    void starting(int table);
    void finished();
    // Ctrl+C has come, be it during a job or between two.
    bool interrupted() const;

private:
    Console &console_;
    ModuleTransfer transfer_;
    int total_;
    int done_ = 0;
};
