#include "diagnosticspoller.h"

DiagnosticsPoller::DiagnosticsPoller(QObject *parent) : QObject(parent)
{
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &DiagnosticsPoller::next);
    connect(&worker_, &SFPThread::log, this, &DiagnosticsPoller::received);
    connect(&worker_, &SFPThread::error, this, [this](QString message) { error_ = message; });
    connect(&worker_, &QThread::finished, this, &DiagnosticsPoller::finished);
}

void DiagnosticsPoller::setSerialNumber(QString serialNumber)
{
    worker_.setSerialNumber(serialNumber);
}

void DiagnosticsPoller::start()
{
    if (isActive())
        return;
    image_ = sff::ModuleImage();
    state_ = State::Setup;
    pollIndex_ = 0;
    ++generation_;
    timer_.start();
    next();
}

void DiagnosticsPoller::stop()
{
    state_ = State::Idle;
    ++generation_;
    timer_.stop();
    // A job in progress ends on its own; what it brings is not used.
    if (worker_.isRunning())
        worker_.requestInterruption();
}

void DiagnosticsPoller::hold()
{
    held_ = true;
    if (worker_.isRunning()) {
        worker_.requestInterruption();
        worker_.wait();
    }
}

void DiagnosticsPoller::release()
{
    held_ = false;
}

void DiagnosticsPoller::next()
{
    if (!isActive() || held_ || worker_.isRunning())
        return;
    if (state_ == State::Setup) {
        if (const std::optional<sff::MonitorRead> setup = sff::monitorSetupRead(image_)) {
            read(*setup);
            return;
        }
        if (!sff::hasMonitoredDiagnostics(image_)) {
            stop();
            emit noDiagnostics();
            return;
        }
        state_ = State::Poll;
        pollIndex_ = 0;
    }
    if (state_ == State::Poll) {
        const QVector<sff::MonitorRead> reads = sff::monitorPollReads(image_);
        if (pollIndex_ < reads.size())
            read(reads.at(pollIndex_));
    }
}

void DiagnosticsPoller::read(const sff::MonitorRead &read)
{
    jobStep_ = state_;
    job_ = read;
    jobGeneration_ = generation_;
    answered_ = false;
    error_.clear();
    worker_.setAddress(read.device);
    worker_.setAddressStart(read.span.offset);
    worker_.setAddressStop(read.span.last());
    worker_.setPage(read.select.number, read.select.bank);
    worker_.setMode(read.device == sff::kDeviceA2 ? SFPThread::kModeRead | SFPThread::kModeA2Table
                                                  : SFPThread::kModeRead);
    worker_.start();
}

void DiagnosticsPoller::received(SFPThread::LogType type, QString, QByteArray data, ushort)
{
    if (type != SFPThread::kLogReaded || jobGeneration_ != generation_ || jobStep_ == State::Idle)
        return;
    image_.put(job_.device, job_.span.offset, data.left(job_.span.length), job_.page);
    answered_ = true;
}

void DiagnosticsPoller::finished()
{
    worker_.wait();  // finished() comes just before the thread's very end
    if (jobGeneration_ != generation_)
        return;
    if (!error_.isEmpty()) {
        fail(error_);
        return;
    }
    if (!answered_)
        return;  // interrupted for the window's transfer: asked again at the next tick
    if (state_ == State::Setup) {
        next();
        return;
    }
    if (state_ != State::Poll)
        return;
    // A poll is done once each of its reads has brought its bytes.
    if (++pollIndex_ < sff::monitorPollReads(image_).size()) {
        next();
        return;
    }
    pollIndex_ = 0;
    emit updated(sff::measurements(image_));
}

void DiagnosticsPoller::fail(QString message)
{
    stop();
    emit failed(message);
}
