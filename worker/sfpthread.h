#pragma once
// The background worker that moves bytes between a module's EEPROM and the
// application. Each start runs exactly one job on the worker's own thread:
// it opens the programmer, talks I2C to the module, closes the programmer and
// reports through `log`, `error` or `canceled`.

#include <QByteArray>
#include <QElapsedTimer>
#include <QMutex>
#include <QString>
#include <QThread>

struct FtdiI2c;

class SFPThread : public QThread
{
    Q_OBJECT

public:
    enum LogType { kLogReaded = 0, kLogWrited = 1, kLogVerify = 2 };
    Q_ENUM(LogType)

    enum Mode { kModeRead = 1, kModeWrite = 2, kModeA2Table = 4 };

    static constexpr int kTableSize = 128;
    static constexpr int kDefaultTimeBudgetMs = 15000;

    explicit SFPThread(QObject *parent = nullptr);
    ~SFPThread() override;

    // Registers LogType under the name "SFPThread::LogType", so that `log`
    // can cross threads. Safe to call more than once.
    static void registerMetaTypes();

    void setMode(int mode);
    void setWriteData(QByteArray data);
    // How long one range or one write job may take; tests shorten it.
    void setTimeBudget(int milliseconds);

public slots:
    void setSerialNumber(QString serial_number);
    void setAddress(int address);
    void setAddressStart(int addr_start);
    void setAddressStop(int addr_stop);
    void setWritePassword(QByteArray write_password);
    void setVerify(bool verify);

signals:
    void error(QString message);
    void log(SFPThread::LogType log_type, QString message, QByteArray data, ushort checksum);
    void canceled(QString message);

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

        bool a2Table() const { return mode & kModeA2Table; }
        QByteArray serialNumberUtf8() const { return serialNumber.toUtf8(); }
    };

    enum class Selection { Acknowledged, Refused, Aborted };

    Job snapshot() const;
    bool openPort(FtdiI2c &port, const Job &job);
    Selection select(FtdiI2c &port, const Job &job, LogType kind, quint8 device, bool forReading);
    // select(), closing the port and reporting `refusal` when the module never answers.
    bool selectOrFail(FtdiI2c &port, const Job &job, LogType kind, quint8 device, bool forReading,
                      const QString &refusal);
    void readJob(const Job &job);
    void writeJob(const Job &job);
    bool enterPassword(FtdiI2c &port, const Job &job);
    bool writePages(FtdiI2c &port, const Job &job, quint16 &checksum);
    void readRange(FtdiI2c &port, const Job &job, LogType kind);
    bool checkAbort(FtdiI2c &port, const Job &job, LogType kind, bool midRead);
    void abortCleanup(FtdiI2c &port, bool midRead);
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
    QElapsedTimer timer;

    int timeBudgetMs = kDefaultTimeBudgetMs;
    mutable QMutex settingsMutex;
};
