#pragma once
// Runs one job of an SFPThread to its end and keeps what it signalled, and
// runs a worker test class once for each transfer mode.

#include "sfpthread.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>
#include <QtTest>

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

// Every worker test runs against both exchanges with the chip; a test that
// pins down one of them asks `compatible()`.
class TransferModeTest : public QObject
{
public:
    explicit TransferModeTest(int transferMode) : transferMode(transferMode) {}
    bool compatible() const { return transferMode == SFPThread::kTransferCompatible; }

protected:
    const int transferMode;
};

#define VEXA_TEST_IN_BOTH_TRANSFER_MODES(TestClass)                                                  \
    int main(int argc, char *argv[])                                                                 \
    {                                                                                                \
        QCoreApplication app(argc, argv);                                                            \
        int failures = 0;                                                                            \
        for (int mode : {SFPThread::kTransferCompatible, SFPThread::kTransferFast}) {                \
            TestClass test(mode);                                                                    \
            failures += QTest::qExec(&test, argc, argv);                                             \
        }                                                                                            \
        return failures;                                                                             \
    }
