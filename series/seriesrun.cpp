#include "seriesrun.h"

#include "familytraits.h"
#include "memorymap.h"
#include "textfields.h"
#include "writerules.h"

namespace {

// The text of a field of the region whose bytes these are.
QString textAt(const QByteArray &bytes, const sff::Region &region, sff::Span span)
{
    const int first = span.offset - region.firstByte();
    return first >= 0 && bytes.size() >= first + span.length ? sff::readText(bytes.mid(first, span.length)).text
                                                               : QString();
}

struct IdentityFields {
    sff::Span vendor, partNumber, serial;
};

IdentityFields identityFields(sff::Family family)
{
    const sff::FamilyTraits &traits = sff::familyTraits(family);
    return {traits.vendorName, traits.partNumber, traits.serialNumber};
}

}  // namespace

SeriesRun::SeriesRun(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<SeriesRun::End>("SeriesRun::End");
    qRegisterMetaType<SeriesRecord>("SeriesRecord");
    pollTimer_.setSingleShot(true);
    connect(&pollTimer_, &QTimer::timeout, this, &SeriesRun::lookForModule);

    // Direct connections: the reports are kept on the worker's thread and
    // read once it has finished, so none can be lost in the event queue.
    connect(&worker_, &SFPThread::log, this,
            [this](SFPThread::LogType type, QString, QByteArray data, ushort) {
                if (type == SFPThread::kLogReaded)
                    jobRead_ = data;
                else if (type == SFPThread::kLogWrited)
                    jobWritten_ = true;
                else
                    jobVerified_ = data;
            },
            Qt::DirectConnection);
    connect(&worker_, &SFPThread::error, this, [this](QString message) { jobError_ = message.trimmed(); },
            Qt::DirectConnection);
    connect(&worker_, &SFPThread::canceled, this, [this](QString message) { jobError_ = message.trimmed(); },
            Qt::DirectConnection);
    connect(&worker_, &SFPThread::probed, this, [this](bool answered) { jobAnswered_ = answered; },
            Qt::DirectConnection);
    connect(&worker_, &SFPThread::writeReachedModule, this, [this] { jobReached_ = true; }, Qt::DirectConnection);
    connect(&worker_, &SFPThread::writeNotKept, this, [this] { jobNotKept_ = true; }, Qt::DirectConnection);
    connect(
        &worker_, &SFPThread::passwordAccepted, this,
        [this](QString name, QString vendor, QString partNumber) {
            jobPassword_ = QStringList{name, vendor, partNumber};
        },
        Qt::DirectConnection);
    connect(&worker_, &QThread::finished, this, &SeriesRun::jobFinished, Qt::QueuedConnection);
}

SeriesRun::~SeriesRun()
{
    worker_.wait();
}

bool SeriesRun::start(const SeriesPlan &plan, QString *error)
{
    if (isRunning()) {
        *error = tr("A series is running already");
        return false;
    }
    if (plan.programmer.isEmpty()) {
        *error = tr("No programmer is chosen");
        return false;
    }
    if (plan.image.isEmpty()) {
        *error = tr("The series has no template image");
        return false;
    }
    if (!plan.serials.isValid()) {
        *error = tr("The series has no serial numbers");
        return false;
    }
    if (!journal_.open(plan.journal, error))
        return false;
    const qint64 lastUsed = journal_.lastUsed(plan.serials);
    if (lastUsed >= plan.serials.last()) {
        journal_.close();
        *error = tr("Every serial number up to %1 is used already (journal %2)")
                     .arg(plan.serials.serial(plan.serials.last()), plan.journal);
        return false;
    }
    plan_ = plan;
    next_ = qMax(plan.serials.first(), lastUsed + 1);
    handled_ = passed_ = failed_ = 0;
    stopRequested_ = false;

    worker_.setSerialNumber(plan.programmer);
    worker_.setTransferMode(plan.transferMode);
    worker_.setWritePassword(plan.password);
    worker_.setPasswordRecall(plan.recall);
    worker_.setVerify(plan.verify);
    state_ = State::WaitingForModule;
    emit waitingForModule(nextSerial());
    lookForModule();
    return true;
}

void SeriesRun::stop()
{
    if (!isRunning())
        return;
    stopRequested_ = true;
    // Between two looks into the socket nothing is under way.
    if (pollTimer_.isActive()) {
        pollTimer_.stop();
        end(End::Stopped, QString());
    }
}

void SeriesRun::runJob(Step step, int mode, const sff::Region &region, const QByteArray &data)
{
    step_ = step;
    jobError_.clear();
    jobRead_.clear();
    jobVerified_.clear();
    jobWritten_ = false;
    jobReached_ = false;
    jobAnswered_ = false;
    jobNotKept_ = false;
    jobPassword_.clear();

    const int firstByte = region.firstByte();
    const sff::Page select = sff::pageToSelect(region, module_.known);
    worker_.setAddress(region.device);
    worker_.setAddressStart(firstByte);
    worker_.setAddressStop(firstByte + sff::kTableSize - 1);
    worker_.setPage(select.number, select.bank);
    worker_.setWriteData(data);
    worker_.setWriteSpans(mode == SFPThread::kModeWrite ? sff::writtenSpans(region, plan_.image.family())
                                                        : QVector<sff::Span>());
    worker_.setKeptSpans(sff::keptSpans(region, plan_.image.family()));
    const bool a2 = region.device == sff::kDeviceA2;
    worker_.setMode(mode | (mode != SFPThread::kModeProbe && a2 ? SFPThread::kModeA2Table : 0));
    worker_.start();
}

void SeriesRun::jobFinished()
{
    worker_.wait();
    switch (step_) {
    case Step::ProbeArrival: arrivalProbed(); break;
    case Step::ReadA0Low: a0LowRead(); break;
    case Step::ReadIdentity: identityRead(); break;
    case Step::ReadA2High:
        if (!jobError_.isEmpty())
            fail(tr("Couldn't read A2 High: %1").arg(jobError_));
        else {
            module_.a2HighBefore = jobRead_;
            writeNextTable();
        }
        break;
    case Step::Write: tableWritten(); break;
    case Step::ProbeAfterFailure: failureProbed(); break;
    case Step::ProbeDeparture: departureProbed(); break;
    }
}

void SeriesRun::lookForModule()
{
    if (stopRequested_) {
        end(End::Stopped, QString());
        return;
    }
    runJob(state_ == State::WaitingForPull ? Step::ProbeDeparture : Step::ProbeArrival, SFPThread::kModeProbe);
}

void SeriesRun::pollAgain()
{
    if (stopRequested_)
        end(End::Stopped, QString());
    else
        pollTimer_.start(pollMs_);
}

void SeriesRun::arrivalProbed()
{
    if (!jobError_.isEmpty()) {
        end(End::Failed, jobError_);
        return;
    }
    if (!jobAnswered_ || stopRequested_) {
        pollAgain();
        return;
    }
    state_ = State::Programming;
    module_ = Module();
    module_.record.programmer = plan_.programmer;
    worker_.setPasswordCandidates(plan_.passwords);
    runJob(Step::ReadA0Low, SFPThread::kModeRead);
}

void SeriesRun::a0LowRead()
{
    if (!jobError_.isEmpty()) {
        fail(tr("Couldn't read A0 Low: %1").arg(jobError_));
        return;
    }
    module_.known.putRegion(sff::kRegionA0Low, jobRead_);
    const sff::Family family = sff::familyOf(module_.known);
    if (family != plan_.image.family()) {
        const sff::Words words(sff::Language::Translated);
        finishModule(SeriesRecord::Outcome::Refused,
                     tr("The module is of the %1 family, the template of the %2 family; pull it")
                         .arg(sff::familyTitle(family, words), sff::familyTitle(plan_.image.family(), words)),
                     false);
        return;
    }
    // Where this family's modules take the password, and how they are written.
    const sff::PasswordEntry entry = sff::passwordEntryOf(family);
    const sff::WriteTiming timing = sff::writeTimingOf(family);
    worker_.setPasswordEntry(entry.device, entry.span.offset);
    worker_.setWriteTiming(timing.maxBytes, timing.cycleMs);
    if (plan_.image.identityRegion() != sff::kRegionA0Low) {
        runJob(Step::ReadIdentity, SFPThread::kModeRead, plan_.image.identityRegion());
        return;
    }
    identityRead();
}

void SeriesRun::identityRead()
{
    if (!jobError_.isEmpty()) {
        fail(tr("Couldn't read %1: %2").arg(regionName(plan_.image.identityRegion()), jobError_));
        return;
    }
    const sff::Region identity = plan_.image.identityRegion();
    const IdentityFields fields = identityFields(plan_.image.family());
    SeriesRecord &record = module_.record;
    record.vendorBefore = textAt(jobRead_, identity, fields.vendor);
    record.partNumberBefore = textAt(jobRead_, identity, fields.partNumber);
    const QString carried = textAt(jobRead_, identity, fields.serial);
    const qint64 carriedNumber = plan_.serials.numberOf(carried);
    if (carriedNumber >= 0) {
        // A number seen on a module is never handed out again: its line
        // keeps it for later series, whatever becomes of the module.
        if (carriedNumber >= next_)
            next_ = carriedNumber + 1;
        module_.ownSerial = true;
        record.serial = carried;
        if (!plan_.allowReprogram) {
            record.vendorAfter = record.vendorBefore;
            record.partNumberAfter = record.partNumberBefore;
            finishModule(SeriesRecord::Outcome::Refused,
                         tr("The module carries %1 of this series already; pull it").arg(carried), false);
            return;
        }
    } else {
        record.serial = nextSerial();
        QString problem;
        if (!journal_.claim(record.serial, &problem)) {
            end(End::Failed, problem);
            return;
        }
    }
    emit programming(record.serial);
    if (plan_.image.regions().contains(sff::kRegionA2High))
        runJob(Step::ReadA2High, SFPThread::kModeRead, sff::kRegionA2High);
    else
        writeNextTable();
}

void SeriesRun::writeNextTable()
{
    const sff::Region region = plan_.image.regions().at(module_.table);
    module_.writing = plan_.image.regionFor(region, module_.record.serial,
                                            plan_.todaysDate ? QDate::currentDate() : QDate(), module_.a2HighBefore);
    runJob(Step::Write, SFPThread::kModeWrite, region, module_.writing);
}

void SeriesRun::tableWritten()
{
    const sff::Region region = plan_.image.regions().at(module_.table);
    const bool identity = region == plan_.image.identityRegion();
    if (identity && jobReached_ && !module_.reached) {
        module_.reached = true;
        if (!module_.ownSerial)
            ++next_;
    }
    if (!jobPassword_.isEmpty()) {
        // The module is open now: its other tables go with the same one.
        module_.password = jobPassword_.at(0);
        worker_.setPasswordCandidates(withFirst(plan_.passwords, module_.password));
        emit passwordAccepted(jobPassword_.at(0), jobPassword_.at(1), jobPassword_.at(2));
    }
    if (!jobError_.isEmpty()) {
        fail(jobWritten_ ? tr("%1 written, but reading it back failed: %2").arg(regionName(region), jobError_)
                         : tr("Couldn't write %1: %2").arg(regionName(region), jobError_));
        return;
    }
    SeriesRecord &record = module_.record;
    const QByteArray after = plan_.verify ? jobVerified_ : module_.writing;
    if (identity) {
        const IdentityFields fields = identityFields(plan_.image.family());
        record.vendorAfter = textAt(after, region, fields.vendor);
        record.partNumberAfter = textAt(after, region, fields.partNumber);
    }
    if (plan_.verify) {
        const QString difference = firstDifference(module_.writing, jobVerified_, region);
        if (!difference.isEmpty()) {
            finishModule(SeriesRecord::Outcome::VerifyFailed,
                         jobNotKept_ ? QStringLiteral("%1; %2").arg(difference, SFPThread::notKeptMessage())
                                     : difference,
                         false);
            return;
        }
    }
    if (++module_.table < plan_.image.regions().size()) {
        writeNextTable();
        return;
    }
    QString message = plan_.verify ? tr("Written and verified") : tr("Written, not verified");
    if (!module_.password.isEmpty())
        message = tr("%1, with the password \"%2\"").arg(message, module_.password);
    finishModule(SeriesRecord::Outcome::Passed, message, false);
}

QString SeriesRun::firstDifference(const QByteArray &written, const QByteArray &readBack,
                                   const sff::Region &region) const
{
    // Of an A2 table the bytes from the password entry on read back otherwise.
    const int table = sff::tableOfRegion(region);
    const int compared = table >= 0 ? sff::tableChecksumBytes(table) : sff::kTableSize;
    int count = 0;
    int first = -1;
    for (int i = 0; i < compared && i < written.size() && i < readBack.size(); ++i) {
        if (written.at(i) != readBack.at(i)) {
            if (first < 0)
                first = i;
            ++count;
        }
    }
    if (count == 0)
        return QString();
    const QString firstByte = QStringLiteral("%1h %2")
                                  .arg(region.device == sff::kDeviceA0 ? QLatin1String("A0") : QLatin1String("A2"))
                                  .arg(region.firstByte() + first);
    return tr("%1 read back differs from what was written: bytes that differ: %2, the first %3")
        .arg(regionName(region))
        .arg(count)
        .arg(firstByte);
}

void SeriesRun::fail(const QString &message)
{
    // Whether the module is still there tells a failure from a pull.
    module_.failure = message;
    runJob(Step::ProbeAfterFailure, SFPThread::kModeProbe);
}

void SeriesRun::failureProbed()
{
    const bool gone = jobError_.isEmpty() && !jobAnswered_;
    if (gone)
        finishModule(SeriesRecord::Outcome::Pulled,
                     module_.reached ? tr("The module was pulled while it was written; %1 is used up: %2")
                                           .arg(module_.record.serial, module_.failure)
                                     : tr("The module was pulled before anything was written: %1").arg(module_.failure),
                     true);
    else
        finishModule(SeriesRecord::Outcome::Failed, module_.failure, false);
}

void SeriesRun::finishModule(SeriesRecord::Outcome outcome, const QString &message, bool moduleGone)
{
    SeriesRecord &record = module_.record;
    record.time = QDateTime::currentDateTimeUtc();
    record.outcome = outcome;
    record.message = message;
    if (!module_.reached && !module_.ownSerial)
        record.serial.clear();
    QString problem;
    if (!journal_.append(record, &problem)) {
        end(End::Failed, problem);
        return;
    }
    ++handled_;
    if (record.passed())
        ++passed_;
    else
        ++failed_;
    state_ = moduleGone ? State::WaitingForModule : State::WaitingForPull;
    emit moduleDone(record);

    if (stopRequested_)
        end(End::Stopped, QString());
    else if (plan_.count > 0 && handled_ >= plan_.count)
        end(End::Count, QString());
    else if (next_ > plan_.serials.last())
        end(End::LastNumber, QString());
    else if (moduleGone) {
        emit waitingForModule(nextSerial());
        lookForModule();
    } else {
        emit waitingForPull();
        lookForModule();
    }
}

void SeriesRun::departureProbed()
{
    if (!jobError_.isEmpty()) {
        end(End::Failed, jobError_);
        return;
    }
    if (jobAnswered_) {
        pollAgain();
        return;
    }
    state_ = State::WaitingForModule;
    emit waitingForModule(nextSerial());
    pollAgain();
}

void SeriesRun::end(End how, const QString &message)
{
    pollTimer_.stop();
    journal_.close();
    state_ = State::Idle;
    emit finished(how, message);
}

QString SeriesRun::regionName(const sff::Region &region) const
{
    return sff::regionTitle(region, plan_.image.family(), sff::Words(sff::Language::Translated));
}
