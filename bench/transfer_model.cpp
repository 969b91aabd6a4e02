// What each transfer costs on an FT232R programmer, modelled: runs the
// worker's jobs against the simulated FT232R in both transfer modes and
// prints, per job, the flushes (D2XX write and read-back pairs), the USB
// transfers after the backend's chunking, the samples, and the modelled time
//
//     3 ms x USB transfers + samples / sample clock
//
// which is the simulated programmer's own clock. Assumptions of the model:
// - one USB transfer is one exchange with the chip of at most 6400 samples:
//   the samples go out and their read-back comes in, submitted together, so
//   the two overlap and count once; a longer flush is several transfers;
//   each costs 3 ms of USB scheduling and latency timer; a pin read is one
//   transfer too;
// - the sample clock is 16 x the baud rate: 153,600 samples/s at the
//   compatible 9600 baud, 1,000,000 at the fast 62,500 baud;
// - the module's write cycle lasts 5 ms per page.
// The figures are modelled, not measured on hardware.

#include "samplemodule.h"
#include "simulatedbackend.h"
#include "sfpthread.h"

#include <QCoreApplication>

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

// One job on a fresh programmer with the sample module.
Cost runJob(int transferMode, const std::function<void(SFPThread &)> &setUp)
{
    auto backend = std::make_shared<SimulatedBackend>();
    auto module = std::make_shared<SimulatedModule>();
    setModuleImage(*module, sampleModuleImage());
    auto programmer = backend->addProgrammer("MODEL", module);
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

void print(const char *job, const char *mode, const Cost &cost)
{
    std::printf("| %-28s | %-10s | %7d | %13d | %8ld | %10.0f ms |%s\n", job, mode, cost.flushes, cost.usbTransfers,
                cost.samples, cost.milliseconds, cost.ok ? "" : " FAILED");
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int read = SFPThread::kModeRead;
    const int write = SFPThread::kModeWrite;
    std::printf("| %-28s | %-10s | %7s | %13s | %8s | %13s |\n", "Job", "Mode", "Flushes", "USB transfers",
                "Samples", "Modelled time");
    std::printf("|%s|%s|%s|%s|%s|%s|\n", std::string(30, '-').c_str(), std::string(12, '-').c_str(),
                std::string(9, '-').c_str(), std::string(15, '-').c_str(), std::string(10, '-').c_str(),
                std::string(15, '-').c_str());
    for (int mode : {SFPThread::kTransferFast, SFPThread::kTransferCompatible}) {
        const char *name = mode == SFPThread::kTransferFast ? "Fast" : "Compatible";
        const Cost tableRead = runJob(mode, table(read, 0x50, 0));
        const Cost plainWrite = runJob(mode, table(write, 0x50, 0));
        const Cost verifiedWrite = runJob(mode, table(write, 0x50, 0, true));
        const Cost protectedWrite = runJob(mode, table(write, 0x50, 0, false, true));
        Cost wholeModule;
        for (int device : {0x50, 0x51})
            for (int first : {0, 128})
                wholeModule = wholeModule + runJob(mode, table(read, device, first));
        Cost wholeModuleWrite;
        for (int device : {0x50, 0x51})
            for (int first : {0, 128})
                wholeModuleWrite = wholeModuleWrite + runJob(mode, table(write, device, first, true));
        print("table read", name, tableRead);
        print("table write", name, plainWrite);
        print("table write, verified", name, verifiedWrite);
        print("password step (4 bytes)", name, protectedWrite - plainWrite);
        print("whole module read", name, wholeModule);
        print("whole module write, verified", name, wholeModuleWrite);
    }
    return 0;
}
