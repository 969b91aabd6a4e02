// The worker's settings, job dispatch and the checks made between bus
// operations. The jobs themselves are in readjob.cpp and writejob.cpp.

#include "sfpthread.h"
#include "ftdii2c.h"

#include <QMetaType>
#include <QMutexLocker>
#include <QTime>

#include <memory>

SFPThread::SFPThread(QObject *parent) : QThread(parent)
{
    registerMetaTypes();
}

SFPThread::~SFPThread()
{
    // A running job must not outlive the object whose members it uses.
    if (isRunning()) {
        requestInterruption();
        quit();
        wait();
    }
}

void SFPThread::registerMetaTypes()
{
    qRegisterMetaType<SFPThread::LogType>("SFPThread::LogType");
}

void SFPThread::setMode(int newMode)
{
    QMutexLocker lock(&settingsMutex);
    mode = newMode;
}

void SFPThread::setWriteData(QByteArray data)
{
    QMutexLocker lock(&settingsMutex);
    writeData = std::move(data);
}

void SFPThread::setTimeBudget(int milliseconds)
{
    QMutexLocker lock(&settingsMutex);
    timeBudgetMs = milliseconds;
}

void SFPThread::setSerialNumber(QString serial_number)
{
    QMutexLocker lock(&settingsMutex);
    serialNumber = std::move(serial_number);
}

void SFPThread::setAddress(int newAddress)
{
    QMutexLocker lock(&settingsMutex);
    address = static_cast<quint8>(newAddress);
}

void SFPThread::setAddressStart(int addr_start)
{
    QMutexLocker lock(&settingsMutex);
    addrStart = addr_start;
}

void SFPThread::setAddressStop(int addr_stop)
{
    QMutexLocker lock(&settingsMutex);
    addrEnd = addr_stop + 1;  // the argument is the last address, inclusive
}

void SFPThread::setWritePassword(QByteArray write_password)
{
    QMutexLocker lock(&settingsMutex);
    writePassword = std::move(write_password);
}

void SFPThread::setVerify(bool newVerify)
{
    QMutexLocker lock(&settingsMutex);
    verify = newVerify;
}

SFPThread::Job SFPThread::snapshot() const
{
    QMutexLocker lock(&settingsMutex);
    return Job{mode, serialNumber, address, addrStart, addrEnd, writePassword, writeData, verify, timeBudgetMs};
}

void SFPThread::run()
{
    const Job job = snapshot();
    switch (job.mode) {
    case kModeRead:
    case kModeRead | kModeA2Table:
        readJob(job);
        break;
    case kModeWrite:
    case kModeWrite | kModeA2Table:
        writeJob(job);
        break;
    default:
        break;
    }
}

bool SFPThread::openPort(FtdiI2c &port, const Job &job)
{
    port.reset();
    if (port.open(job.serialNumberUtf8().constData()))
        return true;
    emit error(tr("Couldn't open ftdi with serial number: %1").arg(job.serialNumber));
    return false;
}

SFPThread::Selection SFPThread::select(FtdiI2c &port, const Job &job, LogType kind, quint8 device, bool forReading)
{
    constexpr int kAttempts = 5;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const bool acknowledged = (forReading ? port.selectRead(device) : port.selectWrite(device)) == 0;
        // Once addressed for reading the module drives SDA, so an abort must
        // read a byte off it before a stop can be made.
        if (checkAbort(port, job, kind, forReading && acknowledged))
            return Selection::Aborted;
        if (acknowledged)
            return Selection::Acknowledged;
        port.stop();
    }
    return Selection::Refused;
}

bool SFPThread::selectOrFail(FtdiI2c &port, const Job &job, LogType kind, quint8 device, bool forReading,
                             const QString &refusal)
{
    switch (select(port, job, kind, device, forReading)) {
    case Selection::Acknowledged:
        return true;
    case Selection::Refused:
        port.close();
        emit error(refusal);
        return false;
    case Selection::Aborted:
        break;
    }
    return false;
}

bool SFPThread::checkAbort(FtdiI2c &port, const Job &job, LogType kind, bool midRead)
{
    if (isInterruptionRequested()) {
        abortCleanup(port, midRead);
        switch (kind) {
        case kLogReaded: emit canceled(tr("Canceled read\n")); break;
        case kLogWrited: emit canceled(tr("Canceled write\n")); break;
        case kLogVerify: emit canceled(tr("Canceled verify\n")); break;
        default: emit canceled(tr("Canceled\n")); break;
        }
        return true;
    }
    if (timer.elapsed() >= job.timeBudgetMs) {
        abortCleanup(port, midRead);
        switch (kind) {
        case kLogReaded: emit error(tr("Timeout read")); break;
        case kLogWrited: emit error(tr("Timeout write")); break;
        default: emit error(tr("Timeout verify")); break;
        }
        return true;
    }
    if (port.sclTimedOut) {
        abortCleanup(port, midRead);
        emit error(tr("i2c: couldn't set SCL"));
        return true;
    }
    return false;
}

void SFPThread::abortCleanup(FtdiI2c &port, bool midRead)
{
    if (midRead)
        port.readByte(false);  // without acknowledge, so the module lets go of SDA
    port.stop();
    port.close();
}

QString SFPThread::recordTime()
{
    return QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
}

QString SFPThread::hexAddress(quint8 address)
{
    return QStringLiteral("%1").arg(address, 2, 16, QLatin1Char('0'));
}

bool SFPThread::countsInChecksum(const Job &job, int position)
{
    // The A2 tables' check covers bytes 0 to 118 only.
    constexpr int kA2ChecksummedBytes = 119;
    return !job.a2Table() || position < kA2ChecksummedBytes;
}
