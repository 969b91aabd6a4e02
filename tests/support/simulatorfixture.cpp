#include "simulatorfixture.h"
#include "testbytes.h"

#include <algorithm>

#include "ch341adevices.h"
#include "i2cdevadapters.h"

namespace {

void removeEveryProgrammer()
{
    d2xx::removeAllBackends();
    i2cdev::removeSystem();
    ch341a::removeAllUsb();
}

}  // namespace

SimulatorFixture::SimulatorFixture(Kind kind)
    : kind(kind), backend(std::make_shared<SimulatedBackend>()), module(std::make_shared<SimulatedModule>())
{
    removeEveryProgrammer();
    switch (kind) {
    case Kind::Ftdi:
        programmer = backend->addProgrammer(kSerial, module);
        d2xx::installBackend(backend);
        break;
    case Kind::I2cDev:
        i2cDev = std::make_shared<SimulatedI2cDev>();
        adapter = i2cDev->addAdapter(3, "Vexa simulated bridge", module);
        i2cdev::installSystem(i2cDev);
        break;
    case Kind::Ch341a:
        ch341aUsb = std::make_shared<SimulatedCh341aUsb>();
        board = ch341aUsb->addBoard(3, {1, 4}, module);
        ch341a::installUsb(ch341aUsb);
        break;
    }
}

SimulatorFixture::~SimulatorFixture()
{
    removeEveryProgrammer();
}

QString SimulatorFixture::identity() const
{
    switch (kind) {
    case Kind::I2cDev: return kI2cDevIdentity;
    case Kind::Ch341a: return kCh341aIdentity;
    case Kind::Ftdi: break;
    }
    return kSerial;
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

LineDriver *SimulatorFixture::lines() const
{
    return adapter ? &adapter->lines() : board ? &board->lines() : nullptr;
}

std::vector<I2cTransaction> SimulatorFixture::transactions() const
{
    return programmer ? programmer->record().transactions : lines()->transactions();
}

int SimulatorFixture::startConditions() const
{
    return programmer ? programmer->record().startConditions : lines()->startConditions();
}

void SimulatorFixture::clearRecord()
{
    if (programmer)
        programmer->clearRecord();
    else
        lines()->clearRecord();
}

bool SimulatorFixture::programmerOpen() const
{
    return programmer ? programmer->isOpen() : adapter ? adapter->isOpen() : board->isOpen();
}

bool SimulatorFixture::programmerUsed() const
{
    if (programmer)
        return !programmer->record().calls.empty();
    return adapter ? adapter->openings() > 0 : !board->calls().empty();
}

void SimulatorFixture::advance(std::chrono::nanoseconds duration)
{
    if (programmer)
        programmer->advance(duration);
    else
        lines()->advance(duration.count());
}

void SimulatorFixture::setModule(std::shared_ptr<SimulatedModule> plugged)
{
    if (programmer)
        programmer->setModule(std::move(plugged));
    else
        lines()->setModule(std::move(plugged));
}

void SimulatorFixture::setOpenHook(std::function<void()> hook)
{
    if (programmer)
        programmer->setOpenHook(std::move(hook));
    else if (adapter)
        adapter->setOpenHook(std::move(hook));
    else
        board->setOpenHook(std::move(hook));
}

void SimulatorFixture::setSclStuckLow(bool stuck)
{
    if (programmer)
        programmer->setSclStuckLow(stuck);
    else
        lines()->setSclStuckLow(stuck);
}

void SimulatorFixture::denyAccess()
{
    if (programmer)
        programmer->failCall(SimulatedProgrammer::Call::OpenEx, FT_DEVICE_NOT_OPENED);
    else if (adapter)
        adapter->denyAccess(true);
    else
        board->denyAccess(true);
}

void SimulatorFixture::unplugAfter(int exchanges)
{
    if (programmer)
        programmer->failCall(SimulatedProgrammer::Call::Write, FT_IO_ERROR, exchanges);
    else if (adapter)
        adapter->unplugAfter(exchanges);
    else
        board->unplugAfter(exchanges);
}

void SimulatorFixture::setBusHook(std::function<void(const BusEvent &)> hook)
{
    if (programmer)
        programmer->setBusHook(std::move(hook));
    else
        lines()->setBusHook(std::move(hook));
}

void SimulatorFixture::atBusEvent(int nth, std::function<bool(const BusEvent &)> matches, std::function<void()> action)
{
    auto seen = std::make_shared<int>(0);
    setBusHook([=](const BusEvent &event) {
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
