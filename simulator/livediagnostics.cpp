#include "livediagnostics.h"

#include "diagnosticvalues.h"
#include "cmisdiagnostics.h"
#include "family.h"
#include "qsfpdiagnostics.h"
#include "memorymap.h"
#include "moduleimage.h"
#include "simulatedmodule.h"

#include <cmath>

namespace {

constexpr double kTwoPi = 6.283185307179586;

struct Drift {
    double nominal;
    double swing;       // of the slow drift, relative to nominal
    double periodS;
    double jitter;      // standard deviation, relative to nominal
};

// Temperature, supply, bias, TX power and RX power of the sample module.
constexpr Drift kDrifts[sff::a2::kQuantityCount] = {
    {35.5, 0.08, 300, 0.002},
    {3.30, 0.003, 420, 0.0005},
    {35.0, 0.04, 300, 0.003},
    {0.631, 0.03, 240, 0.004},
    {0.2818, 0.06, 180, 0.01},
};

// A lane's figures differ from the next one's by a little.
constexpr double kLaneSpread[4] = {1.0, 0.94, 1.05, 0.9};

void putWord(std::uint8_t *at, quint16 raw)
{
    at[0] = quint8(raw >> 8);
    at[1] = quint8(raw);
}

// Alarm and warning flags of one value: high alarm, low alarm, high warning
// and low warning in four bits from `shift` + 3 down.
quint8 flagsOf(double value, const double (&limits)[4], int shift)
{
    using namespace sff;
    if (!thresholdsSet(limits))
        return 0;
    quint8 bits = 0;
    if (value > limits[a2::kHighAlarm])
        bits |= 0x8;
    if (value < limits[a2::kLowAlarm])
        bits |= 0x4;
    if (value > limits[a2::kHighWarning])
        bits |= 0x2;
    if (value < limits[a2::kLowWarning])
        bits |= 0x1;
    return quint8(bits << shift);
}

}  // namespace

LiveDiagnosticsBackend::LiveDiagnosticsBackend() : start(std::chrono::steady_clock::now()), random(8472)
{
}

FT_STATUS LiveDiagnosticsBackend::open(const char *serialNumber, void **device)
{
    const FT_STATUS status = SimulatedBackend::open(serialNumber, device);
    // Once open the programmer is this job's alone: nothing else reads the
    // module while its values change.
    if (status == FT_OK)
        if (const std::shared_ptr<SimulatedModule> module = programmer(serialNumber)->module())
            refresh(*module, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    return status;
}

double LiveDiagnosticsBackend::drifted(int quantity, double seconds, double spread)
{
    const Drift &d = kDrifts[quantity];
    std::normal_distribution<double> noise(0.0, 1.0);
    return d.nominal * spread
           * (1 + d.swing * std::sin(kTwoPi * seconds / d.periodS + quantity + spread) + d.jitter * noise(random));
}

void LiveDiagnosticsBackend::refreshQsfp(SimulatedModule &module, double seconds)
{
    // The lower page's values and flags, judged by page 03h's thresholds.
    using namespace sff;
    using namespace sff::qsfp;
    auto &memory = module.memory(kDevice);
    ModuleImage image;
    const SimulatedModule::PageBytes page03 = module.pageBytes(kDevice, page03::kPage);
    image.putRegion(Region::upperOf(kDevice, Page{page03::kPage}),
                    QByteArray(reinterpret_cast<const char *>(page03.data()), int(page03.size())));
    const qsfp::Diagnostics limits = qsfp::Diagnostics::of(image);

    const double temperature = drifted(a2::kTemperature, seconds, 1.0);
    const double vcc = drifted(a2::kVcc, seconds, 1.0);
    putWord(&memory[lower::kTemperature.offset], rawOf(a2::kTemperature, temperature));
    putWord(&memory[lower::kVcc.offset], rawOf(a2::kVcc, vcc));
    memory[lower::kTemperatureFlags.offset] = quint8(flagsOf(temperature, limits.thresholds[a2::kTemperature], 4));
    memory[lower::kVccFlags.offset] = quint8(flagsOf(vcc, limits.thresholds[a2::kVcc], 4));
    const struct {
        int quantity;
        Span (*span)(int);
        Span flags;
    } laneQuantities[] = {{a2::kRxPower, lower::rxPower, lower::kRxPowerFlags},
                          {a2::kTxBias, lower::txBias, lower::kTxBiasFlags},
                          {a2::kTxPower, lower::txPower, lower::kTxPowerFlags}};
    for (const auto &quantity : laneQuantities) {
        memory[quantity.flags.offset] = memory[quantity.flags.offset + 1] = 0;
        for (int lane = 0; lane < kLanes; ++lane) {
            const double value = drifted(quantity.quantity, seconds, kLaneSpread[lane]);
            putWord(&memory[quantity.span(lane).offset], rawOf(quantity.quantity, value));
            memory[quantity.flags.offset + lane / 2] |=
                flagsOf(value, limits.thresholds[quantity.quantity], lane % 2 == 0 ? 4 : 0);
        }
    }
}

void LiveDiagnosticsBackend::refreshCmis(SimulatedModule &module, double seconds)
{
    // The lower page's values and flags, page 11h's lanes of bank 0, judged
    // by page 02h's thresholds.
    using namespace sff;
    using namespace sff::cmis;
    auto &memory = module.memory(kDevice);
    ModuleImage image;
    const SimulatedModule::PageBytes page02 = module.pageBytes(kDevice, page02::kPage);
    image.putRegion(Region::upperOf(kDevice, Page{page02::kPage}),
                    QByteArray(reinterpret_cast<const char *>(page02.data()), int(page02.size())));
    const cmis::Diagnostics limits = cmis::Diagnostics::of(image);

    const double temperature = drifted(a2::kTemperature, seconds, 1.0);
    const double vcc = drifted(a2::kVcc, seconds, 1.0);
    putWord(&memory[lower::kTemperature.offset], rawOf(a2::kTemperature, temperature));
    putWord(&memory[lower::kVcc.offset], rawOf(a2::kVcc, vcc));
    // Temperature in bits 3-0 (high alarm first from bit 0), supply in bits 7-4.
    const auto cmisFlags = [](quint8 sffOrder) {
        quint8 bits = 0;
        for (int i = 0; i < 4; ++i)
            if (sffOrder & (0x8 >> i))
                bits |= quint8(1 << i);
        return bits;
    };
    memory[lower::kModuleFlags.offset] =
        quint8(cmisFlags(flagsOf(temperature, limits.thresholds[a2::kTemperature], 0))
               | cmisFlags(flagsOf(vcc, limits.thresholds[a2::kVcc], 0)) << 4);

    SimulatedModule::PageBytes lanes = module.pageBytes(kDevice, page11::kPage, 0);
    const struct {
        int quantity;
        Span (*span)(int);
    } laneQuantities[] = {{a2::kTxPower, page11::txPower}, {a2::kTxBias, page11::txBias},
                          {a2::kRxPower, page11::rxPower}};
    for (const auto &quantity : laneQuantities)
        for (int lane = 0; lane < cmis::kLanes; ++lane)
            putWord(&lanes[quantity.span(lane).offset - kHalfSize],
                    rawOf(quantity.quantity, drifted(quantity.quantity, seconds, kLaneSpread[lane % 4])));
    module.setPageBytes(kDevice, page11::kPage, lanes, 0);
}

void LiveDiagnosticsBackend::refresh(SimulatedModule &module, double seconds)
{
    using namespace sff;
    std::lock_guard<std::mutex> lock(mutex);
    const Family family = familyOfIdentifier(module.memory(kDeviceA0)[0]);
    if (family == Family::Qsfp) {
        refreshQsfp(module, seconds);
        return;
    }
    if (family == Family::Cmis) {
        refreshCmis(module, seconds);
        return;
    }
    auto &memory = module.memory(kDeviceA2);
    ModuleImage image;
    image.put(kDeviceA2, 0, QByteArray(reinterpret_cast<const char *>(memory.data()), kDeviceSize));
    const Diagnostics thresholds = Diagnostics::of(image);

    std::normal_distribution<double> noise(0.0, 1.0);
    quint8 alarms = 0, warnings = 0, rxAlarms = 0, rxWarnings = 0;
    for (int q = 0; q < a2::kQuantityCount; ++q) {
        const Drift &d = kDrifts[q];
        const double value = d.nominal
                             * (1 + d.swing * std::sin(kTwoPi * seconds / d.periodS + q) + d.jitter * noise(random));
        const quint16 raw = rawOf(q, value);
        memory[a2::value(q).offset] = quint8(raw >> 8);
        memory[a2::value(q).offset + 1] = quint8(raw);

        // Flags: high then low, two bits per quantity from bit 7 of byte 112
        // down, RX power in bits 7 and 6 of byte 113.
        const double(&limits)[4] = thresholds.thresholds[q];
        const quint8 high = q < a2::kRxPower ? quint8(0x80 >> (2 * q)) : 0x80;
        const quint8 low = quint8(high >> 1);
        quint8 &alarm = q < a2::kRxPower ? alarms : rxAlarms;
        quint8 &warning = q < a2::kRxPower ? warnings : rxWarnings;
        if (!thresholdsSet(limits))
            continue;
        alarm |= value > limits[a2::kHighAlarm] ? high : value < limits[a2::kLowAlarm] ? low : 0;
        warning |= value > limits[a2::kHighWarning] ? high : value < limits[a2::kLowWarning] ? low : 0;
    }
    memory[a2::kAlarmFlags.offset] = alarms;
    memory[a2::kAlarmFlags.offset + 1] = rxAlarms;
    memory[a2::kWarningFlags.offset] = warnings;
    memory[a2::kWarningFlags.offset + 1] = rxWarnings;
}
