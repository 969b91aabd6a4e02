#pragma once
// Programs one image into module after module: the series engine that the
// command line and the series dialog drive. It never blocks: each step is a
// job of its own worker, and the next step starts when the job has finished.
//
// For each module it waits until one answers in the socket (a probe of
// device 0x50, polled), reads A0 Low, puts the next serial number and the
// date code into the template, writes the template's tables with the
// password, verifies them, writes one line to the journal and then waits
// until the module is pulled. A number stays unused only when nothing was
// written to the module; a module that already carries a serial number of
// the series is refused, or with re-programming allowed written again with
// that same number.
//
// stop() ends the series between modules, never in the middle of one: at
// once while waiting, otherwise once the module under way is on the journal.

#include "serialpattern.h"
#include "seriesjournal.h"
#include "seriesrecord.h"
#include "seriestemplate.h"
#include "sfpthread.h"

#include <QObject>
#include <QTimer>


struct SeriesPlan {
    QString programmer;  // the programmer's identity
    int transferMode = SFPThread::kTransferFast;
    SeriesTemplate image;
    SerialPattern serials;
    bool todaysDate = true;  // else the template's date code is kept
    QByteArray password;     // empty: none
    // Automatic: tried in turn instead of `password`, the one `recall`
    // names for the module first; the one taken goes first for its other tables.
    PasswordCandidates passwords;
    PasswordRecall recall;
    bool verify = true;
    bool allowReprogram = false;
    int count = 0;  // the modules to take before it ends; 0 for no limit
    QString journal;
};

class SeriesRun : public QObject
{
    Q_OBJECT

public:
    enum class State { Idle, WaitingForModule, Programming, WaitingForPull };
    enum class End {
        Count,       // the modules asked for are done
        LastNumber,  // the counter's last value is used
        Stopped,     // stop()
        Failed,      // the programmer or the journal failed
    };
    Q_ENUM(End)

    static constexpr int kDefaultPollMs = 200;

    explicit SeriesRun(QObject *parent = nullptr);
    ~SeriesRun() override;

    // Checks the plan, opens the journal and starts waiting for a module;
    // false with a message when it cannot start.
    bool start(const SeriesPlan &plan, QString *error);
    void stop();
    // How long between two looks into the socket; tests shorten it.
    void setPollInterval(int milliseconds) { pollMs_ = milliseconds; }
    // How the journal makes a line or a claim durable; tests watch it.
    void setJournalSync(SeriesJournal::Sync sync) { journal_.setSync(std::move(sync)); }

    bool isRunning() const { return state_ != State::Idle; }
    State state() const { return state_; }
    int passed() const { return passed_; }
    int failed() const { return failed_; }
    // The serial number the next new module gets.
    QString nextSerial() const { return plan_.serials.serial(next_); }
    const SeriesJournal &journal() const { return journal_; }

signals:
    void waitingForModule(const QString &nextSerial);
    void programming(const QString &serial);
    // The module's line is on the journal; the module may be pulled.
    void moduleDone(const SeriesRecord &record);
    // The series goes on once the module is out of the socket.
    void waitingForPull();
    void finished(SeriesRun::End end, const QString &message);
    // Automatic: a module of this vendor and part number took this password.
    void passwordAccepted(const QString &name, const QString &vendor, const QString &partNumber);

private:
    enum class Step { ProbeArrival, ReadA0Low, ReadIdentity, ReadA2High, Write, ProbeAfterFailure, ProbeDeparture };

    // What the series knows of the module under way.
    struct Module {
        SeriesRecord record;
        QByteArray a2HighBefore;
        sff::ModuleImage known;  // its lower half of device 0x50, and where it says who it is
        bool ownSerial = false;  // it carries a number of the series, refused or written again with it
        int table = 0;           // index into the template's tables
        QByteArray writing;      // the table under way
        bool reached = false;    // A0 Low, with the serial number, may have changed
        QString failure;         // why it failed, told once the socket is checked
        QString password;        // the name of the one it took, with Automatic
    };

    void runJob(Step step, int mode, const sff::Region &region = sff::kRegionA0Low,
                const QByteArray &data = QByteArray());
    void jobFinished();
    void lookForModule();
    void pollAgain();
    void arrivalProbed();
    void a0LowRead();
    void identityRead();
    void writeNextTable();
    void tableWritten();
    void failureProbed();
    void departureProbed();
    void fail(const QString &message);
    void finishModule(SeriesRecord::Outcome outcome, const QString &message, bool moduleGone);
    void end(End end, const QString &message);
    QString regionName(const sff::Region &region) const;
    QString firstDifference(const QByteArray &written, const QByteArray &readBack, const sff::Region &region) const;

    SFPThread worker_;
    QTimer pollTimer_;
    int pollMs_ = kDefaultPollMs;
    SeriesPlan plan_;
    SeriesJournal journal_;
    State state_ = State::Idle;
    Step step_ = Step::ProbeArrival;
    qint64 next_ = 0;
    int handled_ = 0;
    int passed_ = 0;
    int failed_ = 0;
    bool stopRequested_ = false;
    Module module_;

    // The job's reports, kept on the worker's thread and read once it has finished.
    QString jobError_;
    QByteArray jobRead_;
    QByteArray jobVerified_;
    bool jobWritten_ = false;
    bool jobReached_ = false;
    bool jobAnswered_ = false;
    bool jobNotKept_ = false;
    QStringList jobPassword_;  // the name, the vendor and the part number
};
