#include "jobrunner.h"

JobRunner::JobRunner(SFPThread &thread) : worker(thread)
{
    // Direct connections: the slots run on the worker thread, and the lists
    // are only read after wait() has returned.
    QObject::connect(&worker, &SFPThread::log, &worker, [this](SFPThread::LogType type, QString record, QByteArray data,
                                                      ushort checksum) {
        logs.append({type, record, data, checksum});
        order.append(QStringLiteral("log"));
    }, Qt::DirectConnection);
    QObject::connect(&worker, &SFPThread::error, &worker, [this](QString message) {
        errors.append(message);
        order.append(QStringLiteral("error"));
    }, Qt::DirectConnection);
    QObject::connect(&worker, &SFPThread::canceled, &worker, [this](QString message) {
        cancels.append(message);
        order.append(QStringLiteral("canceled"));
    }, Qt::DirectConnection);
}

void JobRunner::run()
{
    logs.clear();
    errors.clear();
    cancels.clear();
    order.clear();
    worker.start(QThread::HighestPriority);
    worker.wait();
}
