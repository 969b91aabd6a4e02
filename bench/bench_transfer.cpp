// How fast the bus layer and the simulated programmer move a table, and what
// the table model's checksum costs, to notice when a change slows them down.

#include "ftdii2c.h"
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
        backend->addProgrammer("BENCH", module)->setRecording(false);
        d2xx::removeAllBackends();
        d2xx::installBackend(backend);
    }
    ~Bench() { d2xx::removeAllBackends(); }
};

void readTable(benchmark::State &state)
{
    Bench bench;
    FtdiI2c port;
    for (auto _ : state) {
        port.reset();
        port.open("BENCH");
        port.selectWrite(0x50);
        port.writeByte(0);
        port.stop();
        port.selectRead(0x50);
        for (int i = 0; i < 128; ++i)
            benchmark::DoNotOptimize(port.readByte(i != 127));
        port.stop();
        port.close();
    }
    state.SetBytesProcessed(state.iterations() * 128);
}
BENCHMARK(readTable);

void writePage(benchmark::State &state)
{
    Bench bench;
    FtdiI2c port;
    port.reset();
    port.open("BENCH");
    bench.backend->programmer("BENCH")->module()->setWriteCycleSelections(0);
    for (auto _ : state) {
        port.selectWrite(0x51);
        port.writeByte(0x80);
        for (int i = 0; i < 8; ++i)
            port.writeByte(static_cast<std::uint8_t>(i));
        port.stop();
    }
    port.close();
    state.SetBytesProcessed(state.iterations() * 8);
}
BENCHMARK(writePage);

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
