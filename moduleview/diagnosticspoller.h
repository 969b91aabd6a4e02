#pragma once
// Reads a module's diagnostics once a second through a worker of its own,
// as sff/monitoring.h plans it for the module's family: first the bytes that
// tell the family and whether there are diagnostics (of an SFP module A0h
// byte 92, of a QSFP module page 00h byte 220), then the thresholds once
// (A2h, or page 03h), then the values and flags at every poll. It stops at
// the first transfer error, with the worker's message.
//
// The programmer serves one job at a time: hold() takes the poller off the
// bus for a transfer of the window's own, release() lets it go on.

#include "monitoring.h"
#include "moduleimage.h"
#include "sfpthread.h"

#include <QObject>
#include <QTimer>

class DiagnosticsPoller : public QObject
{
    Q_OBJECT

public:
    static constexpr int kIntervalMs = 1000;

    explicit DiagnosticsPoller(QObject *parent = nullptr);

    bool isActive() const { return state_ != State::Idle; }
    // The bytes read so far.
    const sff::ModuleImage &image() const { return image_; }

public slots:
    void setSerialNumber(QString serialNumber);
    void start();
    void stop();
    // Interrupts a poll in progress, waits for it to end and starts no other
    // until release().
    void hold();
    void release();

signals:
    void updated(const QVector<sff::Measurement> &measurements);
    // The module says it has no diagnostics; nothing is polled.
    void noDiagnostics();
    // Stopped by a transfer error, with its message.
    void failed(QString message);

private:
    enum class State { Idle, Setup, Poll };

    void next();
    void read(const sff::MonitorRead &read);
    void received(SFPThread::LogType type, QString message, QByteArray data, ushort checksum);
    void finished();
    void fail(QString message);

    SFPThread worker_;
    QTimer timer_;
    State state_ = State::Idle;
    sff::ModuleImage image_;
    bool held_ = false;
    // The job in progress: the step it serves, whether it has brought its
    // bytes, and the start it belongs to (a job of an earlier start is ignored).
    State jobStep_ = State::Idle;
    sff::MonitorRead job_{};
    int pollIndex_ = 0;
    bool answered_ = false;
    int generation_ = 0;
    int jobGeneration_ = -1;
    QString error_;
};
