#pragma once
// What read, write and verify share around the transfer of their regions:
// Ctrl+C cancels it, and a progress bar counts the regions.

#include "moduletransfer.h"

class Console;

class TransferSession
{
public:
    TransferSession(Console &console, const QString &serialNumber, int regions);

    ModuleTransfer &transfer() { return transfer_; }
    // How many regions there are, when it is known only on the way.
    void setTotal(int regions) { total_ = regions; }
    int done() const { return done_; }
    // Shows the bar with the region now under way (for more than one).
    void starting(const QString &title);
    void finished();
    // Ctrl+C has come, be it during a job or between two.
    bool interrupted() const;

private:
    Console &console_;
    ModuleTransfer transfer_;
    int total_;
    int done_ = 0;
};
