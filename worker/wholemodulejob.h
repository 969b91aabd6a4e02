#pragma once
// A transfer of a whole module as one job: reading every region the module
// has (the lower half of A0h first, then what it advertises, looking again
// after each region), or writing a list of regions, each with its verify.
// The worker runs one region at a time; this object starts the next when one
// ends, counts them for one progress, and stops at the first failure or on
// cancel. A module that says it may lack A2h and does not answer there gives
// its A0h regions alone.

#include "moduleimage.h"
#include "sfpthread.h"

#include <QObject>

class WholeModuleJob : public QObject
{
    Q_OBJECT

public:
    enum class Outcome { Done, Failed, Canceled };
    Q_ENUM(Outcome)

    explicit WholeModuleJob(QObject *parent = nullptr);
    ~WholeModuleJob() override;

    // The worker that runs the regions: the programmer, password, verify and
    // transfer mode are set on it as for any job.
    SFPThread *worker() { return &worker_; }

    bool isRunning() const { return running_; }
    void read();
    // Writes `regions` of `image`, each with the spans a write sends.
    void write(const sff::ModuleImage &image, const QList<sff::Region> &regions);
    // Stops after the region under way; waits for it.
    void cancel();

    // What was read, or what was written; after a failure the part done.
    const sff::ModuleImage &image() const { return image_; }
    const QList<sff::Region> &done() const { return done_; }
    QString error() const { return error_; }
    // A2h was left out: the module says it may lack it and did not answer.
    bool leftOutA2() const { return withoutA2_; }

signals:
    void started();
    // Before each region: how many are done of how many known so far.
    void progress(int done, int total, const QString &title);
    // The worker's report of each region, as for a single job, with the
    // device offset its bytes start at.
    void log(SFPThread::LogType type, const QString &message, const QByteArray &data, ushort checksum,
             int firstByte);
    void finished(WholeModuleJob::Outcome outcome);

private:
    void next();
    void regionEnded();
    void end(Outcome outcome);
    QList<sff::Region> remaining() const;
    void start(const sff::Region &region, int mode);

    SFPThread worker_;
    bool running_ = false;
    bool writing_ = false;
    bool canceled_ = false;
    bool withoutA2_ = false;
    sff::ModuleImage image_;
    QList<sff::Region> toWrite_;
    QList<sff::Region> done_;
    sff::Region current_;
    QString error_;
    // Filled on the worker's thread, read once it has finished.
    bool failed_ = false;
    bool jobCanceled_ = false;
    QByteArray read_;
    QByteArray verified_;
    QString jobError_;
};
