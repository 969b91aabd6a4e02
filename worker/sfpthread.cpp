// The worker's settings, job dispatch, the budget and stop checks, and what a
// failure is reported as. The jobs themselves are in readjob.cpp and
// writejob.cpp, the probe in probejob.cpp.

#include "sfpthread.h"

#include "modulebuses.h"

#include <QMetaType>
#include <QMutexLocker>
#include <QTime>

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
    qRegisterMetaType<PasswordCandidates>("PasswordCandidates");
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

void SFPThread::setWriteSpans(QVector<sff::Span> spans)
{
    QMutexLocker lock(&settingsMutex);
    writeSpans = std::move(spans);
}

void SFPThread::setPage(int newPage, int newBank)
{
    QMutexLocker lock(&settingsMutex);
    page = newPage;
    bank = newPage < 0 ? -1 : newBank;
}

void SFPThread::setPasswordEntry(int device, int offset)
{
    QMutexLocker lock(&settingsMutex);
    passwordDevice = static_cast<quint8>(device);
    passwordOffset = offset;
}

void SFPThread::setWriteTiming(int maxBytes, int cycleMs)
{
    QMutexLocker lock(&settingsMutex);
    maxWriteBytes = qBound(1, maxBytes, 8);
    writeCycleMs = qMax(0, cycleMs);
}

void SFPThread::setTimeBudget(int milliseconds)
{
    QMutexLocker lock(&settingsMutex);
    timeBudgetMs = milliseconds;
}

void SFPThread::setPasswordCandidates(PasswordCandidates candidates)
{
    QMutexLocker lock(&settingsMutex);
    passwordCandidates = std::move(candidates);
}

void SFPThread::setPasswordRecall(PasswordRecall recall)
{
    QMutexLocker lock(&settingsMutex);
    passwordRecall = std::move(recall);
}

void SFPThread::setIdentification(sff::Identification newIdentification)
{
    QMutexLocker lock(&settingsMutex);
    identification = newIdentification;
}

void SFPThread::setKeptSpans(QVector<sff::Span> spans)
{
    QMutexLocker lock(&settingsMutex);
    keptSpans = std::move(spans);
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

void SFPThread::setTransferMode(int transfer_mode)
{
    QMutexLocker lock(&settingsMutex);
    transferMode = transfer_mode;
}

SFPThread::Job SFPThread::snapshot() const
{
    QMutexLocker lock(&settingsMutex);
    return Job{mode,           serialNumber,   address,        addrStart,      addrEnd,       page,
               bank,           writePassword,  passwordDevice, passwordOffset, writeData,     writeSpans,
               maxWriteBytes,  writeCycleMs,   verify,         timeBudgetMs,   transferMode,  passwordCandidates,
               passwordRecall, identification, keptSpans};
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
    case kModeProbe:
        probeJob(job);
        break;
    default:
        break;
    }
}

std::unique_ptr<ModuleBus> SFPThread::openBus(const Job &job)
{
    if (job.serialNumber.isEmpty()) {
        emit error(tr("SFP programmer not selected"));
        return nullptr;
    }
    const std::string identity = job.serialNumber.toStdString();
    std::unique_ptr<ModuleBus> bus = makeModuleBus(identity, job.transferMode == kTransferCompatible);
    if (const BusFailure failure = bus->open(identity)) {
        if (bus->kind() == "FTDI")
            emit error(tr("Couldn't open ftdi with serial number: %1").arg(job.serialNumber));
        else
            emit error(tr("Couldn't open programmer %1: %2")
                           .arg(job.serialNumber, QString::fromStdString(failure.detail)));
        return nullptr;
    }
    // Between bus operations: a cancel from the window, or the budget spent.
    bus->setStopCheck([this, bus = bus.get(), budgetUs = std::int64_t{job.timeBudgetMs} * 1000] {
        if (isInterruptionRequested())
            stopReason = StopReason::Interrupted;
        else if (bus->nowUs() - budgetStartUs >= budgetUs)
            stopReason = StopReason::OutOfTime;
        else
            return false;
        return true;
    });
    return bus;
}

void SFPThread::startBudget(ModuleBus &bus)
{
    budgetStartUs = bus.nowUs();
    stopReason = StopReason::None;
}

QString SFPThread::readRecord(const Job &job) const
{
    if (job.paged())
        return tr("Time %1, Read(%2) from 0x%3, page %4h\n")
            .arg(recordTime(), job.serialNumber, hexAddress(job.address), hexAddress(quint8(job.page)).toUpper());
    return tr("Time %1, Read(%2) from 0x%3\n").arg(recordTime(), job.serialNumber, hexAddress(job.address));
}

void SFPThread::fail(ModuleBus &bus, const Job &job, LogType kind, const BusFailure &failure, const QString &refusal)
{
    // Whatever went wrong, the module goes back to the page it had while the
    // bus still carries anything: a cancel or a timeout must not leave it on
    // another. A bus that stopped has closed, so it is opened again for that.
    const bool busWorks = failure.kind == BusFailure::Stopped || failure.kind == BusFailure::RefusedSelection
                          || failure.kind == BusFailure::RefusedByte;
    if (pageRestore.pending && busWorks) {
        bus.close();
        bus.setStopCheck(nullptr);
        if (!bus.open(job.serialNumber.toStdString()))
            bus.writePage(job.address, static_cast<std::uint8_t>(pageRestore.offset), pageRestore.bytes,
                          Attempts{5, std::int64_t{kWriteCycleWaitMs} * 1000});
    }
    pageRestore = PageRestore();
    bus.close();
    switch (failure.kind) {
    case BusFailure::None:
        break;
    case BusFailure::Stopped:
        if (stopReason == StopReason::Interrupted) {
            switch (kind) {
            case kLogReaded: emit canceled(tr("Canceled read\n")); break;
            case kLogWrited: emit canceled(tr("Canceled write\n")); break;
            default: emit canceled(tr("Canceled verify\n")); break;
            }
        } else {
            switch (kind) {
            case kLogReaded: emit error(tr("Timeout read")); break;
            case kLogWrited: emit error(tr("Timeout write")); break;
            default: emit error(tr("Timeout verify")); break;
            }
        }
        break;
    case BusFailure::BusStuck:
        emit error(tr("i2c: couldn't set SCL"));
        break;
    case BusFailure::Io:
        emit error(tr("Programmer transfer failed: %1").arg(QString::fromStdString(failure.detail)));
        break;
    case BusFailure::NoProgrammer:
        emit error(tr("Couldn't open programmer %1: %2").arg(job.serialNumber, QString::fromStdString(failure.detail)));
        break;
    case BusFailure::RefusedSelection:
    case BusFailure::RefusedByte:
        emit error(refusal);
        break;
    }
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
