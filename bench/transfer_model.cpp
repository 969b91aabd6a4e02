// What each transfer costs on FTDI programmers, modelled: runs the worker's
// jobs against the simulated chip of each generation in both transfer modes
// and prints, per job, the flushes (D2XX write and read-back pairs), the USB
// transfers (flushes, pin reads and other control requests), the samples and
// the modelled time, which is the simulated programmer's own clock:
// - samples go out at the chip's sample clock (16 x the baud rate on the R,
//   X and 2232C/D chips, 80 x on the H chips: 500 kHz in the fast mode,
//   153,600 samples/s at the compatible 9600 baud on an FT232R), never
//   faster than the USB packets bring them;
// - USB as FtdiUsb models it: full speed with 1 ms frames and 19 packets of
//   64 bytes a frame for both directions, high speed with 125 us microframes
//   and 13 packets of 512 bytes; two status bytes in every packet back; a
//   transfer starts at a frame; a read-back that ends inside a packet waits
//   for the latency timer (2 ms as the tool sets it); a control request
//   takes a frame;
// - the module's write cycle lasts 5 ms per page.
// The figures are modelled, not measured on hardware. With --vcd DIR it also
// writes the lines of a fast table read and table write on an FT232R as
// value change dumps for logic analyser software (sigrok-cli -I vcd).

#include "samplemodule.h"
#include "simulatedbackend.h"
#include "sfpthread.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <functional>

namespace {

struct Cost {
    int flushes = 0;
    int usbTransfers = 0;
    long samples = 0;
    double milliseconds = 0;
    bool ok = true;

    Cost operator-(const Cost &other) const
    {
        return {flushes - other.flushes, usbTransfers - other.usbTransfers, samples - other.samples,
                milliseconds - other.milliseconds, ok && other.ok};
    }
    Cost operator+(const Cost &other) const
    {
        return {flushes + other.flushes, usbTransfers + other.usbTransfers, samples + other.samples,
                milliseconds + other.milliseconds, ok && other.ok};
    }
};

struct Chip {
    FT_DEVICE type;
    const char *name;
};

const Chip kChips[] = {{FT_DEVICE_232R, "FT232R"},   {FT_DEVICE_X_SERIES, "FT-X"},
                       {FT_DEVICE_2232C, "FT2232D"}, {FT_DEVICE_2232H, "FT2232H"},
                       {FT_DEVICE_4232H, "FT4232H"}, {FT_DEVICE_232H, "FT232H"}};

QString vcdFolder;

// One job on a fresh programmer with the sample module.
Cost runJob(FT_DEVICE chip, int transferMode, const std::function<void(SFPThread &)> &setUp,
            const char *vcdName = nullptr)
{
    auto backend = std::make_shared<SimulatedBackend>();
    auto module = std::make_shared<SimulatedModule>();
    setModuleImage(*module, sampleModuleImage());
    auto programmer = backend->addProgrammer("MODEL", module);
    programmer->setChipType(chip);
    d2xx::removeAllBackends();
    d2xx::installBackend(backend);

    SFPThread worker;
    worker.setSerialNumber("MODEL");
    worker.setTransferMode(transferMode);
    worker.setVerify(false);
    worker.setWritePassword({});
    worker.setWriteData(QByteArray(128, '\x42'));
    setUp(worker);
    bool failed = false;
    QObject::connect(&worker, &SFPThread::error, &worker, [&failed](QString) { failed = true; }, Qt::DirectConnection);
    const SimulatedProgrammer::Time start = programmer->now();
    worker.start();
    worker.wait();

    const SimulatedProgrammer::Record record = programmer->record();
    Cost cost;
    cost.flushes = static_cast<int>(record.flushSizes.size());
    cost.usbTransfers = record.usbTransfers;
    for (int size : record.flushSizes)
        cost.samples += size;
    cost.milliseconds = static_cast<double>(programmer->now() - start) / 1e6;
    cost.ok = !failed;
    if (vcdName && !vcdFolder.isEmpty()) {
        QFile file(QDir(vcdFolder).filePath(vcdName));
        if (!file.open(QIODevice::WriteOnly) || file.write(programmer->trace().vcd()) < 0)
            std::fprintf(stderr, "couldn't write %s\n", qPrintable(file.fileName()));
    }
    d2xx::removeAllBackends();
    return cost;
}

std::function<void(SFPThread &)> table(int mode, int device, int first, bool verify = false, bool password = false)
{
    return [=](SFPThread &worker) {
        worker.setMode(mode | (device == 0x51 ? SFPThread::kModeA2Table : 0));
        worker.setAddress(device);
        worker.setAddressStart(first);
        worker.setAddressStop(first + 127);
        worker.setVerify(verify);
        if (password)
            worker.setWritePassword(QByteArray("\x01\x02\x03\x04", 4));
    };
}

Cost wholeModule(FT_DEVICE chip, int mode, int job, bool verify)
{
    Cost total;
    for (int device : {0x50, 0x51})
        for (int first : {0, 128})
            total = total + runJob(chip, mode, table(job, device, first, verify));
    return total;
}

void print(const char *job, const char *mode, const Cost &cost)
{
    std::printf("| %-28s | %-10s | %7d | %13d | %8ld | %10.0f ms |%s\n", job, mode, cost.flushes, cost.usbTransfers,
                cost.samples, cost.milliseconds, cost.ok ? "" : " FAILED");
}

void printTimings()
{
    auto backend = std::make_shared<SimulatedBackend>();
    auto module = std::make_shared<SimulatedModule>();
    setModuleImage(*module, sampleModuleImage());
    auto programmer = backend->addProgrammer("MODEL", module);
    d2xx::removeAllBackends();
    d2xx::installBackend(backend);
    SFPThread worker;
    worker.setSerialNumber("MODEL");
    worker.setTransferMode(SFPThread::kTransferFast);
    worker.setWriteData(QByteArray(128, '\x42'));
    table(SFPThread::kModeWrite, 0x50, 0, true)(worker);
    worker.start();
    worker.wait();
    const I2cTiming t = programmer->trace().timing();
    const auto us = [](std::int64_t ns) { return static_cast<double>(ns) / 1000; };
    std::printf("\nFast exchange on an FT232R, shortest on the wire over a verified table write: SCL period "
                "%.1f us (%.0f kHz); tLOW %.1f us, tHIGH %.1f us, tHD;STA %.1f us, tSU;STO %.1f us, tBUF %.1f us, "
                "data set-up %.1f us\n",
                us(t.clockPeriod), 1e6 / static_cast<double>(t.clockPeriod), us(t.low), us(t.high),
                us(t.startHold), us(t.stopSetup), us(t.busFree), us(t.dataSetup));
    d2xx::removeAllBackends();
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--vcd"))
        vcdFolder = arguments[2];
    const int read = SFPThread::kModeRead;
    const int write = SFPThread::kModeWrite;

    std::printf("FT232R:\n\n| %-28s | %-10s | %7s | %13s | %8s | %13s |\n", "Job", "Mode", "Flushes", "USB transfers",
                "Samples", "Modelled time");
    std::printf("|%s|%s|%s|%s|%s|%s|\n", std::string(30, '-').c_str(), std::string(12, '-').c_str(),
                std::string(9, '-').c_str(), std::string(15, '-').c_str(), std::string(10, '-').c_str(),
                std::string(15, '-').c_str());
    for (int mode : {SFPThread::kTransferFast, SFPThread::kTransferCompatible}) {
        const bool fast = mode == SFPThread::kTransferFast;
        const char *name = fast ? "Fast" : "Compatible";
        const FT_DEVICE r = FT_DEVICE_232R;
        const Cost plainWrite = runJob(r, mode, table(write, 0x50, 0));
        print("table read", name, runJob(r, mode, table(read, 0x50, 0), fast ? "table-read.vcd" : nullptr));
        print("table write", name, plainWrite);
        print("table write, verified", name,
              runJob(r, mode, table(write, 0x50, 0, true), fast ? "table-write.vcd" : nullptr));
        print("password step (4 bytes)", name, runJob(r, mode, table(write, 0x50, 0, false, true)) - plainWrite);
        print("whole module read", name, wholeModule(r, mode, read, false));
        print("whole module write, verified", name, wholeModule(r, mode, write, true));
    }

    std::printf("\nEvery chip, modelled time:\n\n| %-8s | %-10s | %10s | %21s | %17s |\n", "Chip", "Mode", "Table read",
                "Table write, verified", "Whole module read");
    std::printf("|----------|------------|------------|-----------------------|-------------------|\n");
    for (int mode : {SFPThread::kTransferFast, SFPThread::kTransferCompatible}) {
        for (const Chip &chip : kChips) {
            const Cost tableRead = runJob(chip.type, mode, table(read, 0x50, 0));
            const Cost verifiedWrite = runJob(chip.type, mode, table(write, 0x50, 0, true));
            const Cost module = wholeModule(chip.type, mode, read, false);
            std::printf("| %-8s | %-10s | %7.0f ms | %18.0f ms | %14.0f ms |%s\n", chip.name,
                        mode == SFPThread::kTransferFast ? "Fast" : "Compatible", tableRead.milliseconds,
                        verifiedWrite.milliseconds, module.milliseconds,
                        tableRead.ok && verifiedWrite.ok && module.ok ? "" : " FAILED");
        }
    }
    printTimings();
    return 0;
}
