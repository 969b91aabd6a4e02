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
        ch341aBoard = ch341aUsb->addBoard(3, {1, 4}, module);
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

SimulatedBoard &SimulatorFixture::board() const
{
    if (programmer)
        return *programmer;
    if (adapter)
        return *adapter;
    return *ch341aBoard;
}

QStringList SimulatorFixture::described(const std::vector<I2cTransaction> &transactions)
{
    QStringList lines;
    for (const I2cTransaction &t : transactions) {
        QString line = QString("%1%2%3").arg(t.device, 2, 16).arg(t.read ? 'R' : 'W').arg(t.selected ? '+' : '-');
        for (size_t i = 0; i < t.bytes.size(); ++i)
            line += QString(" %1%2").arg(t.bytes[i], 2, 16, QChar('0')).arg(t.acknowledged[i] ? '+' : '-');
        lines << line + (t.stopped ? " P" : "");
    }
    return lines;
}

void SimulatorFixture::setModule(std::shared_ptr<SimulatedModule> plugged)
{
    board().setModule(std::move(plugged));
}

void SimulatorFixture::setOpenHook(std::function<void()> hook)
{
    board().setOpenHook(std::move(hook));
}

void SimulatorFixture::atBusEvent(int nth, std::function<bool(const BusEvent &)> matches, std::function<void()> action)
{
    auto seen = std::make_shared<int>(0);
    board().setBusHook([=](const BusEvent &event) {
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
