// How fast the simulated programmer moves a table through the FTDI bus in
// both exchanges, and what the table model's checksum costs, to notice when
// a change slows them down. Machine time, not the modelled chip's: see
// transfer_model.cpp for that.

#include "ftdimodulebus.h"
#include "samplemodule.h"
#include "simulatedbackend.h"
#include "tableviewmodel.h"

#include <benchmark/benchmark.h>

namespace {

struct Bench {
    std::shared_ptr<SimulatedBackend> backend = std::make_shared<SimulatedBackend>();
    Bench()
    {
        auto module = std::make_shared<SimulatedModule>();
        setModuleImage(*module, sampleModuleImage());
        module->setWriteCycle(std::chrono::microseconds(0));
        backend->addProgrammer("BENCH", module)->setRecording(false);
        d2xx::removeAllBackends();
        d2xx::installBackend(backend);
    }
    ~Bench() { d2xx::removeAllBackends(); }
};

FtdiModuleBus::Exchange exchangeOf(const benchmark::State &state)
{
    return state.range(0) ? FtdiModuleBus::Exchange::Fast : FtdiModuleBus::Exchange::Compatible;
}

void readTable(benchmark::State &state)
{
    Bench bench;
    std::vector<std::uint8_t> data;
    for (auto _ : state) {
        FtdiModuleBus bus(exchangeOf(state));
        bus.open("BENCH");
        benchmark::DoNotOptimize(bus.read(0x50, 0, 128, Attempts{}, data));
        bus.close();
    }
    state.SetBytesProcessed(state.iterations() * 128);
}
BENCHMARK(readTable)->Arg(0)->Arg(1);

void writePage(benchmark::State &state)
{
    Bench bench;
    FtdiModuleBus bus(exchangeOf(state));
    bus.open("BENCH");
    const std::vector<std::uint8_t> page{0, 1, 2, 3, 4, 5, 6, 7};
    for (auto _ : state)
        benchmark::DoNotOptimize(bus.writePage(0x51, 0x80, page, Attempts{}));
    bus.close();
    state.SetBytesProcessed(state.iterations() * 8);
}
BENCHMARK(writePage)->Arg(0)->Arg(1);

void tableChecksum(benchmark::State &state)
{
    TableViewModel model;
    model.setBuffer(QByteArray(128, '\x5A'));
    for (auto _ : state)
        model.updateChecksum();
}
BENCHMARK(tableChecksum);

}  // namespace

BENCHMARK_MAIN();
