#include "moduletransfer.h"

#include "family.h"
#include "writerules.h"

#include <QEventLoop>

ModuleTransfer::ModuleTransfer(const QString &serialNumber, QObject *parent) : QObject(parent)
{
    worker_.setSerialNumber(serialNumber);
    // Direct connections: the reports are kept on the worker's thread and
    // read once it has finished, so none can be lost in the event queue.
    connect(&worker_, &SFPThread::log, this,
            [this](SFPThread::LogType type, QString, QByteArray data, ushort) {
                switch (type) {
                case SFPThread::kLogReaded:
                    read_ = data;
                    break;
                case SFPThread::kLogWrited:
                    written_ = true;
                    writingPages_ = false;
                    if (canceled_)
                        worker_.requestInterruption();
                    break;
                case SFPThread::kLogVerify:
                    verified_ = data;
                    break;
                }
            },
            Qt::DirectConnection);
    connect(&worker_, &SFPThread::error, this,
            [this](QString message) {
                outcome_ = Outcome::Failed;
                error_ = message.trimmed();
            },
            Qt::DirectConnection);
    connect(&worker_, &SFPThread::canceled, this, [this](QString) { outcome_ = Outcome::Canceled; },
            Qt::DirectConnection);
    connect(
        &worker_, &SFPThread::passwordAccepted, this,
        [this](QString name, QString vendor, QString partNumber) { accepted_ = QStringList{name, vendor, partNumber}; },
        Qt::DirectConnection);
    connect(&worker_, &SFPThread::writeNotKept, this, [this] { notKept_ = true; }, Qt::DirectConnection);
}

void ModuleTransfer::setPasswords(const PasswordCandidates &passwords, PasswordRecall recall,
                                  const sff::Identification &identification)
{
    worker_.setPasswordCandidates(passwords);
    worker_.setPasswordRecall(std::move(recall));
    worker_.setIdentification(identification);
}

ModuleTransfer::~ModuleTransfer()
{
    worker_.wait();
}

ModuleTransfer::Outcome ModuleTransfer::read(const sff::Region &region, QByteArray *bytes)
{
    const Outcome outcome = run(SFPThread::kModeRead, region);
    if (outcome == Outcome::Done)
        *bytes = read_;
    return outcome;
}

ModuleTransfer::Outcome ModuleTransfer::write(const sff::Region &region, const QByteArray &bytes,
                                              const QVector<sff::Span> &spans, const QByteArray &password, bool verify,
                                              QByteArray *readBack, const QVector<sff::Span> &kept)
{
    worker_.setWriteData(bytes);
    worker_.setWriteSpans(spans);
    worker_.setKeptSpans(kept);
    worker_.setWritePassword(password);
    worker_.setVerify(verify);
    const Outcome outcome = run(SFPThread::kModeWrite, region);
    if (outcome == Outcome::Done)
        *readBack = verified_;
    return outcome;
}

void ModuleTransfer::setModule(const sff::ModuleImage &known)
{
    known_ = known;
    const sff::Family family = sff::familyOf(known);
    const sff::PasswordEntry entry = sff::passwordEntryOf(family);
    worker_.setPasswordEntry(entry.device, entry.span.offset);
    const sff::WriteTiming timing = sff::writeTimingOf(family);
    worker_.setWriteTiming(timing.maxBytes, timing.cycleMs);
}

void ModuleTransfer::cancel()
{
    // Set first: a write that finishes its pages now sees it and stops.
    canceled_ = true;
    if (!writingPages_)
        worker_.requestInterruption();
}

ModuleTransfer::Outcome ModuleTransfer::run(int mode, const sff::Region &region)
{
    if (canceled_)
        return Outcome::Canceled;
    outcome_ = Outcome::Done;
    read_.clear();
    verified_.clear();
    error_.clear();
    accepted_.clear();
    notKept_ = false;
    written_ = false;
    writingPages_ = mode == SFPThread::kModeWrite;

    worker_.setAddress(region.device);
    worker_.setAddressStart(region.firstByte());
    worker_.setAddressStop(region.firstByte() + SFPThread::kTableSize - 1);
    const sff::Page select = sff::pageToSelect(region, known_);
    worker_.setPage(select.number, select.bank);
    worker_.setMode(mode | (region.device == sff::kDeviceA2 ? SFPThread::kModeA2Table : 0));

    QEventLoop loop;
    connect(&worker_, &QThread::finished, &loop, &QEventLoop::quit);
    worker_.start(QThread::HighestPriority);
    loop.exec();
    worker_.wait();
    writingPages_ = false;
    // A cancel that came too late to stop the job leaves it done.
    return outcome_;
}
