#include "simulatorfixture.h"

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
    auto &bytes = module->memory(device);
    for (int i = 0; i < SimulatedModule::kDeviceSize; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + seed);
}

void SimulatorFixture::atBusEvent(int nth, std::function<bool(const BusEvent &)> matches, std::function<void()> action)
{
    auto seen = std::make_shared<int>(0);
    programmer->setBusHook([=](const BusEvent &event) {
        if (matches(event) && ++*seen == nth)
            action();
    });
}

void SimulatorFixture::atStop(int nth, std::function<void()> action)
{
    atBusEvent(nth, [](const BusEvent &e) { return e.kind == BusEvent::Stop && e.transaction.selected; },
               std::move(action));
}

void SimulatorFixture::atReadSelection(int nth, std::function<void()> action)
{
    atBusEvent(
        nth, [](const BusEvent &e) { return e.kind == BusEvent::Address && e.transaction.read && e.transaction.selected; },
        std::move(action));
}
