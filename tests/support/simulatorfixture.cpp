#include "simulatorfixture.h"
#include "testbytes.h"

#include <algorithm>

SimulatorFixture::SimulatorFixture()
    : backend(std::make_shared<SimulatedBackend>()), module(std::make_shared<SimulatedModule>())
{
    programmer = backend->addProgrammer(kSerial, module);
    d2xx::removeAllBackends();
    d2xx::installBackend(backend);
}

SimulatorFixture::~SimulatorFixture()
{
    d2xx::removeAllBackends();
}

QByteArray SimulatorFixture::memory(std::uint8_t device, int from, int to) const
{
    const auto &bytes = module->memory(device);
    return QByteArray(reinterpret_cast<const char *>(bytes.data()) + from, to - from);
}

QByteArray SimulatorFixture::readable(std::uint8_t device, int from, int to) const
{
    QByteArray bytes;
    for (int i = from; i < to; ++i)
        bytes.append(static_cast<char>(module->readable(device, static_cast<std::uint8_t>(i))));
    return bytes;
}

void SimulatorFixture::fillPattern(std::uint8_t device, int seed)
{
    const QByteArray bytes = pattern(SimulatedModule::kDeviceSize, seed);
    std::copy(bytes.begin(), bytes.end(), module->memory(device).begin());
}
