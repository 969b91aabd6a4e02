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
    state_ = State::Identify;
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
    switch (state_) {
    case State::Identify:
        read(sff::kDeviceA0, sff::a0::kDiagnosticType);
        break;
    case State::Setup:
        read(sff::kDeviceA2, sff::a2::kMonitorSetup);
        break;
    case State::Poll:
        read(sff::kDeviceA2, sff::a2::kMonitorPoll);
        break;
    case State::Idle:
        break;
    }
}

void DiagnosticsPoller::read(quint8 device, sff::Span span)
{
    jobStep_ = state_;
    jobGeneration_ = generation_;
    answered_ = false;
    error_.clear();
    worker_.setAddress(device);
    worker_.setAddressStart(span.offset);
    worker_.setAddressStop(span.last());
    worker_.setMode(device == sff::kDeviceA2 ? SFPThread::kModeRead | SFPThread::kModeA2Table : SFPThread::kModeRead);
    worker_.start();
}

void DiagnosticsPoller::received(SFPThread::LogType type, QString, QByteArray data, ushort)
{
    if (type != SFPThread::kLogReaded || jobGeneration_ != generation_)
        return;
    switch (jobStep_) {
    case State::Identify:
        image_.put(sff::kDeviceA0, sff::a0::kDiagnosticType.offset, data);
        break;
    case State::Setup:
        image_.put(sff::kDeviceA2, sff::a2::kMonitorSetup.offset, data);
        break;
    case State::Poll:
        image_.put(sff::kDeviceA2, sff::a2::kMonitorPoll.offset, data);
        break;
    case State::Idle:
        return;
    }
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
    switch (state_) {
    case State::Identify:
        if (!(image_.byte(sff::kDeviceA0, sff::a0::kDiagnosticType.offset) & sff::a0::kDiagnosticsImplemented)) {
            stop();
            emit noDiagnostics();
            return;
        }
        state_ = State::Setup;
        next();
        return;
    case State::Setup:
        state_ = State::Poll;
        next();
        return;
    case State::Poll:
        emit updated(sff::Diagnostics::of(image_));
        return;
    case State::Idle:
        return;
    }
}

void DiagnosticsPoller::fail(QString message)
{
    stop();
    emit failed(message);
}
