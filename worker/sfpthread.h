#pragma once
// The background worker that moves bytes between a module's EEPROM and the
// application. Each start runs exactly one job on the worker's own thread:
// it opens the programmer, talks to the module, closes the programmer and
// reports through `log`, `error` or `canceled`.

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QThread>

#include <memory>

class ModuleBus;
struct Attempts;
struct BusFailure;

class SFPThread : public QThread
{
    Q_OBJECT

public:
    enum LogType { kLogReaded = 0, kLogWrited = 1, kLogVerify = 2 };
    Q_ENUM(LogType)

    // A probe selects the device once and reports through `probed` whether
    // it answered: is a module in the socket?
    enum Mode { kModeRead = 1, kModeWrite = 2, kModeA2Table = 4, kModeProbe = 8 };

    // Fast: FTDI programmers batch their samples, at standard-mode I2C speed.
    // Compatible: the exchange of the original tool, a flush per bit at 9600
    // baud. Other kinds of programmer work one way only.
    enum TransferMode { kTransferFast = 0, kTransferCompatible = 1 };
    Q_ENUM(TransferMode)

    static constexpr int kTableSize = 128;
    static constexpr int kDefaultTimeBudgetMs = 15000;
    // How long a module busy with its write cycle is waited for, per page.
    static constexpr int kWriteCycleWaitMs = 100;

    explicit SFPThread(QObject *parent = nullptr);
    ~SFPThread() override;

    // Registers LogType under the name "SFPThread::LogType", so that `log`
    // can cross threads. Safe to call more than once.
    static void registerMetaTypes();

    void setMode(int mode);
    void setWriteData(QByteArray data);
    // How long one range or one write job may take, on the programmer's
    // clock; tests shorten it.
    void setTimeBudget(int milliseconds);

public slots:
    void setSerialNumber(QString serial_number);
    void setAddress(int address);
    void setAddressStart(int addr_start);
    void setAddressStop(int addr_stop);
    void setWritePassword(QByteArray write_password);
    void setVerify(bool verify);
    void setTransferMode(int transfer_mode);

signals:
    void error(QString message);
    void log(SFPThread::LogType log_type, QString message, QByteArray data, ushort checksum);
    void canceled(QString message);
    void probed(bool answered);
    // A write job's first page went out, wholly or in part: from here on the
    // table may differ from what the module held before. At most once a job.
    void writeReachedModule();

protected:
    void run() override;

private:
    // The settings a job works with, copied when it starts, so that a setting
    // changed meanwhile (a programmer found by discovery, say) cannot reach a
    // job half way.
    struct Job {
        int mode;
        QString serialNumber;
        quint8 address;
        int addrStart;
        int addrEnd;
        QByteArray writePassword;
        QByteArray writeData;
        bool verify;
        int timeBudgetMs;
        int transferMode;

        bool a2Table() const { return mode & kModeA2Table; }
    };

    enum class StopReason { None, Interrupted, OutOfTime };

    Job snapshot() const;
    std::unique_ptr<ModuleBus> openBus(const Job &job);
    void startBudget(ModuleBus &bus);
    void readJob(const Job &job);
    void writeJob(const Job &job);
    void probeJob(const Job &job);
    bool enterPassword(ModuleBus &bus, const Job &job);
    bool writePages(ModuleBus &bus, const Job &job, quint16 &checksum);
    // Reads the table back after a write and fails the job if the module
    // keeps other bytes.
    void checkWritten(ModuleBus &bus, const Job &job);
    static QString blindnessNote(const ModuleBus &bus);
    void readRange(ModuleBus &bus, const Job &job, LogType kind, const Attempts &attempts);
    // Closes the bus and reports why a job ended early.
    void fail(ModuleBus &bus, const Job &job, LogType kind, const BusFailure &failure, const QString &refusal);
    static bool mayHaveStored(const BusFailure &failure);
    QString refusedWriteByte(const Job &job, const BusFailure &failure, int page) const;
    static QString refusal(const Job &job);
    static QString recordTime();
    static QString hexAddress(quint8 address);
    static bool countsInChecksum(const Job &job, int position);

    int mode = 0;
    QString serialNumber;
    quint8 address = 0x50;
    int addrStart = 0;
    int addrEnd = 128;
    QByteArray writePassword;
    QByteArray writeData;
    bool verify = true;
    int transferMode = kTransferFast;

    int timeBudgetMs = kDefaultTimeBudgetMs;
    mutable QMutex settingsMutex;

    // Of the running job, on the worker thread only.
    std::int64_t budgetStartUs = 0;
    StopReason stopReason = StopReason::None;
};
