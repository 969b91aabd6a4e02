#include "wholemodulejob.h"

#include "family.h"
#include "writerules.h"

WholeModuleJob::WholeModuleJob(QObject *parent) : QObject(parent)
{
    // Direct: the results are kept on the worker's thread and looked at once
    // it has finished, so none can be behind the end in the event queue.
    connect(&worker_, &SFPThread::log, this,
            [this](SFPThread::LogType type, QString message, QByteArray data, ushort checksum) {
                if (type == SFPThread::kLogReaded)
                    read_ = data;
                else if (type == SFPThread::kLogVerify)
                    verified_ = data;
                emit log(type, message, data, checksum, current_.firstByte());
            },
            Qt::DirectConnection);
    connect(&worker_, &SFPThread::error, this,
            [this](QString message) {
                failed_ = true;
                jobError_ = message.trimmed();
            },
            Qt::DirectConnection);
    connect(&worker_, &SFPThread::canceled, this, [this](QString) { jobCanceled_ = true; }, Qt::DirectConnection);
    connect(&worker_, &QThread::finished, this, &WholeModuleJob::regionEnded, Qt::QueuedConnection);
}

WholeModuleJob::~WholeModuleJob()
{
    worker_.requestInterruption();
    worker_.wait();
}

void WholeModuleJob::read()
{
    writing_ = false;
    image_ = sff::ModuleImage();
    toWrite_.clear();
    next();
}

void WholeModuleJob::write(const sff::ModuleImage &image, const QList<sff::Region> &regions)
{
    writing_ = true;
    image_ = image;
    toWrite_ = regions;
    next();
}

void WholeModuleJob::cancel()
{
    canceled_ = true;
    worker_.requestInterruption();
    worker_.wait();
}

QList<sff::Region> WholeModuleJob::remaining() const
{
    QList<sff::Region> regions;
    for (const sff::Region &region : writing_ ? toWrite_ : sff::advertisedRegions(image_))
        if (!done_.contains(region) && !(withoutA2_ && region.device == sff::kDeviceA2))
            regions.append(region);
    return regions;
}

void WholeModuleJob::next()
{
    if (!running_) {
        running_ = true;
        canceled_ = false;
        withoutA2_ = false;
        done_.clear();
        error_.clear();
        emit started();
    }
    if (canceled_)
        return end(Outcome::Canceled);
    const QList<sff::Region> regions = remaining();
    if (regions.isEmpty())
        return end(Outcome::Done);
    const sff::Family family = sff::familyOf(image_);
    emit progress(done_.size(), done_.size() + regions.size(),
                  sff::regionTitle(regions.first(), family, sff::Words(sff::Language::Translated)));
    start(regions.first(), writing_ ? SFPThread::kModeWrite : SFPThread::kModeRead);
}

void WholeModuleJob::start(const sff::Region &region, int mode)
{
    current_ = region;
    failed_ = false;
    jobCanceled_ = false;
    read_.clear();
    verified_.clear();
    jobError_.clear();
    worker_.setAddress(region.device);
    worker_.setAddressStart(region.firstByte());
    worker_.setAddressStop(region.firstByte() + SFPThread::kTableSize - 1);
    worker_.setPage(region.page.number, region.page.bank);
    if (mode == SFPThread::kModeWrite) {
        worker_.setWriteData(image_.region(region));
        worker_.setWriteSpans(sff::writtenSpans(region, sff::familyOf(image_)));
    }
    worker_.setMode(mode | (region.device == sff::kDeviceA2 ? SFPThread::kModeA2Table : 0));
    worker_.start(QThread::HighestPriority);
}

void WholeModuleJob::regionEnded()
{
    if (!running_)
        return;
    worker_.wait();
    if (jobCanceled_ || (canceled_ && !failed_))
        return end(Outcome::Canceled);
    if (failed_) {
        if (!writing_ && sff::mayBeAbsent(current_, image_)) {
            withoutA2_ = true;
            return next();
        }
        const QString title = sff::regionTitle(current_, sff::familyOf(image_), sff::Words(sff::Language::Translated));
        error_ = (writing_ ? tr("Couldn't write %1: %2") : tr("Couldn't read %1: %2")).arg(title, jobError_);
        return end(Outcome::Failed);
    }
    if (writing_) {
        const int first = sff::firstKeptDifference(current_, sff::familyOf(image_), image_.region(current_), verified_);
        if (!verified_.isEmpty() && first >= 0) {
            error_ = tr("Verify failed: %1 byte %2 read back differs from what was written")
                         .arg(sff::regionTitle(current_, sff::familyOf(image_), sff::Words(sff::Language::Translated)))
                         .arg(first);
            return end(Outcome::Failed);
        }
    } else {
        image_.putRegion(current_, read_);
    }
    done_.append(current_);
    next();
}

void WholeModuleJob::end(Outcome outcome)
{
    running_ = false;
    emit finished(outcome);
}
