#pragma once
// Runs the worker's jobs one region at a time for the command-line tool and
// waits for each in an event loop, so that Ctrl+C can reach it.
//
// cancel() uses the worker's own cancel, with one care for writes: a write is
// never stopped while its pages go out, since a page cut short would leave
// the table half old, half new. It stops once the table is written, before
// the read-back.

#include "address.h"
#include "moduleimage.h"
#include "identification.h"
#include "sfpthread.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>

class ModuleTransfer : public QObject
{
    Q_OBJECT

public:
    enum class Outcome { Done, Failed, Canceled };

    explicit ModuleTransfer(const QString &serialNumber, QObject *parent = nullptr);
    ~ModuleTransfer() override;

    // SFPThread::TransferMode.
    void setTransferMode(int mode) { worker_.setTransferMode(mode); }

    Outcome read(const sff::Region &region, QByteArray *bytes);
    // Writes the bytes of `spans` (device offsets; empty for all 128) of the
    // region. `readBack` gets the verify pass's bytes; empty without verify.
    // `kept`: the bytes the module keeps as written; empty: those written.
    Outcome write(const sff::Region &region, const QByteArray &bytes, const QVector<sff::Span> &spans,
                  const QByteArray &password, bool verify, QByteArray *readBack,
                  const QVector<sff::Span> &kept = QVector<sff::Span>());
    // What is known of the module: its family sets where the password goes
    // and how writes go out, its lower page whether page 00h is selected.
    void setModule(const sff::ModuleImage &known);
    // Automatic: the list that writes try instead of their password, and
    // where the module names itself for the remembered one.
    void setPasswords(const PasswordCandidates &passwords, PasswordRecall recall,
                      const sff::Identification &identification);
    // Of the last write: the password it took, as name, vendor and part
    // number (empty when none was told apart), and whether its verify found
    // nothing kept.
    QStringList acceptedPassword() const { return accepted_; }
    bool keptNothing() const { return notKept_; }

    // The worker's message for the last Failed outcome.
    QString error() const { return error_; }
    bool isCanceled() const { return canceled_; }
    // Whether the last write's pages all went out, also when it was canceled after.
    bool wasWritten() const { return written_; }

public slots:
    void cancel();

private:
    Outcome run(int mode, const sff::Region &region);

    SFPThread worker_;
    sff::ModuleImage known_;
    std::atomic<bool> canceled_{false};
    std::atomic<bool> writingPages_{false};
    std::atomic<bool> written_{false};
    // Filled on the worker's thread, read after it has finished.
    Outcome outcome_ = Outcome::Done;
    QByteArray read_;
    QByteArray verified_;
    QString error_;
    QStringList accepted_;
    bool notKept_ = false;
};
