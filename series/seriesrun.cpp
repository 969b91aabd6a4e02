#include "seriesrun.h"

#include "memorymap.h"
#include "textfields.h"
#include "writerules.h"

namespace {

QString textAt(const QByteArray &a0Low, sff::Span span)
{
    return a0Low.size() >= span.end() ? sff::readText(a0Low.mid(span.offset, span.length)).text : QString();
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

void SeriesRun::runJob(Step step, int mode, int table, const QByteArray &data)
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

    const int firstByte = sff::tableFirstByte(table);
    worker_.setAddress(sff::tableDevice(table));
    worker_.setAddressStart(firstByte);
    worker_.setAddressStop(firstByte + sff::kTableSize - 1);
    worker_.setWriteData(data);
    worker_.setKeptSpans(sff::keptSpans(sff::regionOfTable(table), sff::Family::Sfp));
    worker_.setMode(mode | (mode != SFPThread::kModeProbe && sff::isA2Table(table) ? SFPThread::kModeA2Table : 0));
    worker_.start();
}

void SeriesRun::jobFinished()
{
    worker_.wait();
    switch (step_) {
    case Step::ProbeArrival: arrivalProbed(); break;
    case Step::ReadA0Low: a0LowRead(); break;
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
    runJob(state_ == State::WaitingForPull ? Step::ProbeDeparture : Step::ProbeArrival, SFPThread::kModeProbe,
           sff::kTableA0Low);
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
    runJob(Step::ReadA0Low, SFPThread::kModeRead, sff::kTableA0Low);
}

void SeriesRun::a0LowRead()
{
    if (!jobError_.isEmpty()) {
        fail(tr("Couldn't read A0 Low: %1").arg(jobError_));
        return;
    }
    SeriesRecord &record = module_.record;
    record.vendorBefore = textAt(jobRead_, sff::a0::kVendorName);
    record.partNumberBefore = textAt(jobRead_, sff::a0::kPartNumber);
    const QString carried = textAt(jobRead_, sff::a0::kSerialNumber);
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
    if (plan_.image.tables().contains(sff::kTableA2High))
        runJob(Step::ReadA2High, SFPThread::kModeRead, sff::kTableA2High);
    else
        writeNextTable();
}

void SeriesRun::writeNextTable()
{
    const int table = plan_.image.tables().at(module_.table);
    if (table == sff::kTableA0Low)
        module_.writing =
            plan_.image.a0LowFor(module_.record.serial, plan_.todaysDate ? QDate::currentDate() : QDate());
    else if (table == sff::kTableA2High)
        module_.writing = plan_.image.a2HighFor(module_.a2HighBefore);
    else
        module_.writing = plan_.image.table(table);
    runJob(Step::Write, SFPThread::kModeWrite, table, module_.writing);
}

void SeriesRun::tableWritten()
{
    const int table = plan_.image.tables().at(module_.table);
    if (table == sff::kTableA0Low && jobReached_ && !module_.reached) {
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
        fail(jobWritten_ ? tr("%1 written, but reading it back failed: %2").arg(tableTitle(table), jobError_)
                         : tr("Couldn't write %1: %2").arg(tableTitle(table), jobError_));
        return;
    }
    SeriesRecord &record = module_.record;
    const QByteArray after = plan_.verify ? jobVerified_ : module_.writing;
    if (table == sff::kTableA0Low) {
        record.vendorAfter = textAt(after, sff::a0::kVendorName);
        record.partNumberAfter = textAt(after, sff::a0::kPartNumber);
    }
    if (plan_.verify) {
        const QString difference = firstDifference(module_.writing, jobVerified_, table);
        if (!difference.isEmpty()) {
            finishModule(SeriesRecord::Outcome::VerifyFailed,
                         jobNotKept_ ? QStringLiteral("%1; %2").arg(difference, SFPThread::notKeptMessage())
                                     : difference,
                         false);
            return;
        }
    }
    if (++module_.table < plan_.image.tables().size()) {
        writeNextTable();
        return;
    }
    QString message = plan_.verify ? tr("Written and verified") : tr("Written, not verified");
    if (!module_.password.isEmpty())
        message = tr("%1, with the password \"%2\"").arg(message, module_.password);
    finishModule(SeriesRecord::Outcome::Passed, message, false);
}

QString SeriesRun::firstDifference(const QByteArray &written, const QByteArray &readBack, int table)
{
    // Of an A2 table the bytes from the password entry on read back otherwise.
    const int compared = sff::tableChecksumBytes(table);
    int count = 0;
    int first = -1;
    for (int i = 0; i < compared; ++i) {
        if (written.at(i) != readBack.at(i)) {
            if (first < 0)
                first = i;
            ++count;
        }
    }
    if (count == 0)
        return QString();
    const QString firstByte = QStringLiteral("%1h %2")
                                  .arg(sff::tableDevice(table) == sff::kDeviceA0 ? QLatin1String("A0")
                                                                                 : QLatin1String("A2"))
                                  .arg(sff::tableFirstByte(table) + first);
    return tr("%1 read back differs from what was written: bytes that differ: %2, the first %3")
        .arg(tableTitle(table))
        .arg(count)
        .arg(firstByte);
}

void SeriesRun::fail(const QString &message)
{
    // Whether the module is still there tells a failure from a pull.
    module_.failure = message;
    runJob(Step::ProbeAfterFailure, SFPThread::kModeProbe, sff::kTableA0Low);
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

QString SeriesRun::tableTitle(int table)
{
    switch (table) {
    case sff::kTableA0Low: return tr("A0 Low");
    case sff::kTableA0High: return tr("A0 High");
    case sff::kTableA2Low: return tr("A2 Low");
    default: return tr("A2 High");
    }
}
