#pragma once
// Runs one job of an SFPThread to its end and keeps what it signalled, and
// runs a worker test class once for each kind of programmer and FTDI exchange.

#include "sfpthread.h"
#include "simulatorfixture.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>
#include <QtTest>

#include <cstdio>

struct LogReport {
    SFPThread::LogType type;
    QString record;
    QByteArray data;
    quint16 checksum;
};

class JobRunner
{
public:
    explicit JobRunner(SFPThread &worker);

    // Starts the worker and waits until run() has returned.
    void run();

    QList<LogReport> logs;
    QStringList errors;
    QStringList cancels;
    // Signal names in the order they were emitted: "log", "error", "canceled".
    QStringList order;

private:
    SFPThread &worker;
};

// A kind of programmer, and for FTDI chips the exchange.
struct ProgrammerVariant {
    SimulatorFixture::Kind kind;
    int transferMode;
    const char *name;
};

inline const ProgrammerVariant kProgrammerVariants[] = {
    {SimulatorFixture::Kind::Ftdi, SFPThread::kTransferCompatible, "FTDI, compatible exchange"},
    {SimulatorFixture::Kind::Ftdi, SFPThread::kTransferFast, "FTDI, fast exchange"},
    {SimulatorFixture::Kind::I2cDev, SFPThread::kTransferFast, "i2c-dev adapter"},
    {SimulatorFixture::Kind::Ch341a, SFPThread::kTransferFast, "CH341A"},
};

// Every worker test runs against each variant; a test that pins one down
// asks `kind()` or `compatible()`, and expectations that differ by kind are
// lists in the order of SimulatorFixture::Kind.
class ProgrammerTest : public QObject
{
public:
    explicit ProgrammerTest(const ProgrammerVariant &variant) : variant(variant) {}
    SimulatorFixture::Kind kind() const { return variant.kind; }
    bool ftdi() const { return variant.kind == SimulatorFixture::Kind::Ftdi; }
    bool compatible() const { return variant.transferMode == SFPThread::kTransferCompatible; }
    int transferMode() const { return variant.transferMode; }
    QString ofKind(const QStringList &perKind) const { return perKind.value(static_cast<int>(variant.kind)); }

protected:
    const ProgrammerVariant variant;
};

#define VEXA_TEST_ON_EVERY_PROGRAMMER(TestClass)                                                     \
    int main(int argc, char *argv[])                                                                 \
    {                                                                                                \
        QCoreApplication app(argc, argv);                                                            \
        int failures = 0;                                                                            \
        for (const ProgrammerVariant &variant : kProgrammerVariants) {                               \
            std::printf("Programmer: %s\n", variant.name);                                          \
            TestClass test(variant);                                                                 \
            failures += QTest::qExec(&test, argc, argv);                                             \
        }                                                                                            \
        return failures;                                                                             \
    }
