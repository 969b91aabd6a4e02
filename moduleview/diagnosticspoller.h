#pragma once
// Reads a module's diagnostics once a second through a worker of its own:
// first A0h byte 92 (are there diagnostics, and how are they calibrated),
// then the thresholds and calibration of A2h once, then the values, status
// and flags at every poll. It stops at the first transfer error, with the
// worker's message.
//
// The programmer serves one job at a time: hold() takes the poller off the
// bus for a transfer of the window's own, release() lets it go on.

#include "diagnosticvalues.h"
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
    // The bytes read so far: A0h byte 92, A2h from byte 0.
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
    void updated(const sff::Diagnostics &diagnostics);
    // The module says it has no diagnostics; nothing is polled.
    void noDiagnostics();
    // Stopped by a transfer error, with its message.
    void failed(QString message);

private:
    enum class State { Idle, Identify, Setup, Poll };

    void next();
    void read(quint8 device, sff::Span span);
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
    bool answered_ = false;
    int generation_ = 0;
    int jobGeneration_ = -1;
    QString error_;
};
