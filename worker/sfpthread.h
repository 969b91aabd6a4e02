#pragma once
// The background worker that moves bytes between a module's EEPROM and the
// application. Each start runs exactly one job on the worker's own thread:
// it opens the programmer, talks to the module, closes the programmer and
// reports through `log`, `error` or `canceled`.

#include "identification.h"
#include "memorymap.h"
#include "passwordcandidates.h"

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QVector>

#include <cstdint>
#include <memory>
#include <vector>

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
    // The bytes of the table a write sends, as runs of device offsets; the
    // rest of the table (a page select, a password entry) is never written.
    // Empty: the whole table.
    void setWriteSpans(QVector<sff::Span> spans);
    // How long one range or one write job may take, on the programmer's
    // clock; tests shorten it.
    void setTimeBudget(int milliseconds);
    // Automatic: a write tries these in turn and no password last, the one
    // `recall` names for the module's vendor and part number first. Each is
    // judged on the first page that changes anything the module keeps: it
    // is refused when the module refuses a data byte, or when nothing of
    // the page reads back; then the page is written again after the next.
    // Empty: the fixed password of setWritePassword.
    void setPasswordCandidates(PasswordCandidates candidates);
    void setPasswordRecall(PasswordRecall recall);
    // Where the module names its vendor and part number; SFP's unless set.
    void setIdentification(sff::Identification identification);
    // The bytes of the table a module keeps as written (device offsets),
    // which tell a write kept from one ignored; empty: all that are written.
    void setKeptSpans(QVector<sff::Span> spans);

    // For the operator, once no password helped or a verify found nothing kept.
    static QString notKeptMessage();

public slots:
    void setSerialNumber(QString serial_number);
    void setAddress(int address);
    void setAddressStart(int addr_start);
    void setAddressStop(int addr_stop);
    // The page the upper half shows during the job: selected before the
    // transfer, checked, and the module's own page selected again after it.
    // -1 for no page; a bank of -1 selects the page alone (byte 127), else
    // the bank and the page together (bytes 126 and 127).
    void setPage(int page, int bank = -1);
    void setWritePassword(QByteArray write_password);
    // Where the module takes its password: device and first byte.
    void setPasswordEntry(int device, int offset);
    // How a write goes out (sff::writeTimingOf): at most `maxBytes` a
    // transaction, and the write cycle waited out for `cycleMs` after each
    // (0: until the module answers again).
    void setWriteTiming(int maxBytes, int cycleMs);
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
    // Automatic: the module kept what was written after this password.
    void passwordAccepted(QString name, QString vendor, QString partNumber);
    // The verify read back none of the bytes the write changes: the module
    // acknowledged them but keeps nothing there.
    void writeNotKept();

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
        int page;
        int bank;
        QByteArray writePassword;
        quint8 passwordDevice;
        int passwordOffset;
        QByteArray writeData;
        QVector<sff::Span> writeSpans;
        int maxWriteBytes;
        int writeCycleMs;
        bool verify;
        int timeBudgetMs;
        int transferMode;
        PasswordCandidates passwordCandidates;
        PasswordRecall passwordRecall;
        sff::Identification identification;
        QVector<sff::Span> keptSpans;

        bool a2Table() const { return mode & kModeA2Table; }
        bool paged() const { return page >= 0 && addrEnd > 128; }
    };

    // What selecting the job's page changed, to be put back.
    struct PageRestore {
        bool pending = false;
        int offset = 0;
        std::vector<std::uint8_t> bytes;
    };

    enum class StopReason { None, Interrupted, OutOfTime };

    // Bytes of the table that one write transaction takes.
    struct Chunk {
        int first;  // within the table
        int count;
    };

    Job snapshot() const;
    std::unique_ptr<ModuleBus> openBus(const Job &job);
    void startBudget(ModuleBus &bus);
    void readJob(const Job &job);
    void writeJob(const Job &job);
    void probeJob(const Job &job);
    // The table's data spans, those that touch joined, cut at every 8-byte
    // boundary of the device.
    static QVector<Chunk> chunksOf(const Job &job);
    BusFailure writeChunk(ModuleBus &bus, const Job &job, const Chunk &chunk);
    // A module busy with the write cycle of the page before refuses its
    // address for a while; the selections poll it for up to this long.
    static Attempts writeCycleAttempts();
    bool enterPassword(ModuleBus &bus, const Job &job, const QByteArray &password);
    bool selectPage(ModuleBus &bus, const Job &job, LogType kind);
    bool restorePage(ModuleBus &bus, const Job &job, LogType kind);
    bool waitOutWriteCycle(ModuleBus &bus, const Job &job);
    // All chunks but `skip`, which counts in the checksum all the same.
    bool writePages(ModuleBus &bus, const Job &job, quint16 &checksum, int skip = -1);
    // Automatic: the candidates in turn until the module keeps a page;
    // `name` gets the one it took, empty when nothing told them apart.
    struct Identity {
        QString vendor;
        QString partNumber;
    };
    bool unlock(ModuleBus &bus, const Job &job, const Identity &identity, const QByteArray &before, int *skip,
                QString *name);
    // Before the job's page is selected: it may select one of its own.
    bool readIdentification(ModuleBus &bus, const Job &job, Identity *identity);
    bool readTable(ModuleBus &bus, const Job &job, QByteArray *bytes);
    // Whether the bytes the write changes are kept in `readBack`; true when
    // it changes nothing.
    static bool keptAny(const Job &job, const QByteArray &before, const QByteArray &readBack, int from, int count);
    void noteReached();
    bool readRange(ModuleBus &bus, const Job &job, LogType kind, const Attempts &attempts, QByteArray *data,
                   quint16 *checksum);
    QString readRecord(const Job &job) const;
    // A note for the log when the programmer cannot see a module stretch
    // the clock; empty when it can.
    static QString blindnessNote(const ModuleBus &bus);
    // The first byte the module keeps that reads back other than written, or -1.
    static int firstKeptDifference(const Job &job, const QByteArray &readBack);
    // Closes the bus and reports why a job ended early.
    void fail(ModuleBus &bus, const Job &job, LogType kind, const BusFailure &failure, const QString &refusal);
    static bool mayHaveStored(const BusFailure &failure);
    QString refusedWriteByte(const Job &job, const BusFailure &failure, quint8 pageAddress, int page) const;
    static QString refusal(const Job &job);
    static QString recordTime();
    static QString hexAddress(quint8 address);
    static bool countsInChecksum(const Job &job, int position);

    int mode = 0;
    QString serialNumber;
    quint8 address = 0x50;
    int addrStart = 0;
    int addrEnd = 128;
    int page = -1;
    int bank = -1;
    QByteArray writePassword;
    quint8 passwordDevice = sff::kPasswordDevice;
    int passwordOffset = sff::kPasswordEntry.offset;
    QByteArray writeData;
    QVector<sff::Span> writeSpans;
    int maxWriteBytes = 8;
    int writeCycleMs = 0;
    bool verify = true;
    int transferMode = kTransferFast;
    PasswordCandidates passwordCandidates;
    PasswordRecall passwordRecall;
    sff::Identification identification;
    QVector<sff::Span> keptSpans;

    int timeBudgetMs = kDefaultTimeBudgetMs;
    mutable QMutex settingsMutex;

    // Of the running job, on the worker thread only.
    std::int64_t budgetStartUs = 0;
    StopReason stopReason = StopReason::None;
    PageRestore pageRestore;
    bool reachedModule = false;
};
