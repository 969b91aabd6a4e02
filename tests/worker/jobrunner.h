#pragma once
// Runs one job of an SFPThread to its end and keeps what it signalled.

#include "sfpthread.h"

#include <QList>
#include <QStringList>

struct LogReport {
    SFPThread::LogType type;
    QString record;
    QByteArray data;
    quint16 checksum;
};

class JobRunner
{
public:
    explicit JobRunner(SFPThread &worker);

    // Starts the worker and waits until run() has returned.
    void run();

    QList<LogReport> logs;
    QStringList errors;
    QStringList cancels;
    // Signal names in the order they were emitted: "log", "error", "canceled".
    QStringList order;

private:
    SFPThread &worker;
};
