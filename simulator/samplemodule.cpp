#include "samplemodule.h"
#include "cmismap.h"
#include "flatlayout.h"
#include "qsfpmap.h"
#include "simulatedmodule.h"
#include "tunablelaser.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>

namespace {

class Writer
{
public:
    explicit Writer(std::uint8_t *memory) : bytes(memory) {}
    void put(int at, std::initializer_list<int> values)
    {
        for (int v : values)
            bytes[at++] = static_cast<std::uint8_t>(v);
    }
    void word(int at, int value) { put(at, {(value >> 8) & 0xFF, value & 0xFF}); }
    void text(int at, int width, const char *value)
    {
        for (int i = 0; i < width; ++i)
            bytes[at + i] = static_cast<std::uint8_t>(*value ? *value++ : ' ');
    }
    void checkCode(int from, int to)
    {
        std::uint8_t sum = 0;
        for (int i = from; i < to; ++i)
            sum = static_cast<std::uint8_t>(sum + bytes[i]);
        bytes[to] = sum;
    }

private:
    std::uint8_t *bytes;
};

void serialId(Writer a0)
{
    a0.put(0, {0x03, 0x04, 0x07});       // SFP, serial ID by two-wire interface, LC connector
    a0.put(3, {0x20});                   // 10GBASE-LR
    a0.put(11, {0x06, 0x67, 0x00});      // 64B/66B, 10.3 GBd
    a0.put(14, {10, 100, 0, 0, 0, 0});   // 10 km single mode, no multimode or copper
    a0.text(20, 16, "VEXA");
    a0.text(40, 16, "VX-SFP10G-LR");
    a0.text(56, 4, "A");
    a0.word(60, 1310);                   // nm
    a0.checkCode(0, 63);
    a0.put(64, {0x10, 0x1A});            // A2h pages; TX_DISABLE, TX_FAULT and LOS implemented
    a0.text(68, 16, "VX2612060001");
    a0.text(84, 8, "261206");
    a0.put(92, {0x68, 0xF0, 0x08});      // internally calibrated diagnostics, SFF-8472 rev 12.3
    a0.checkCode(64, 95);
}

void diagnostics(Writer a2)
{
    // Alarm and warning thresholds: high alarm, low alarm, high warning, low warning.
    const int thresholds[5][4] = {
        {0x5500, 0xFB00, 0x4B00, 0x0000},  // temperature: 85, -5, 75, 0 degrees C
        {36300, 29700, 34650, 31350},      // supply: 3.63, 2.97, 3.465, 3.135 V
        {50000, 1000, 45000, 2000},        // laser bias: 100, 2, 90, 4 mA
        {11220, 1514, 8913, 1905},         // transmit power: 0.5, -8.2, -0.5, -7.2 dBm
        {11220, 158, 7943, 251},           // receive power: 0.5, -18, -1, -16 dBm
    };
    for (int quantity = 0; quantity < 5; ++quantity)
        for (int limit = 0; limit < 4; ++limit)
            a2.word(quantity * 8 + limit * 2, thresholds[quantity][limit]);
    a2.put(56 + 12, {0x3F, 0x80, 0x00, 0x00});  // Rx_PWR(1) = 1.0
    for (int slope : {76, 80, 84, 88})           // Tx_I, Tx_PWR, T and V slopes = 1.0
        a2.word(slope, 0x0100);
    a2.checkCode(0, 95);
    a2.word(96, 0x2380);   // 35.5 degrees C
    a2.word(98, 33000);    // 3.3 V
    a2.word(100, 17500);   // 35 mA
    a2.word(102, 6310);    // -2.0 dBm
    a2.word(104, 2818);    // -5.5 dBm
}

void tunableSerialId(Writer a0)
{
    serialId(a0);
    a0.put(3, {0x40});                   // 10GBASE-ER
    a0.put(14, {80, 0xFF});              // 80 km single mode
    a0.text(40, 16, "VX-SFP10G-DWDM");
    a0.word(60, 1567);                   // nm, the first channel rounded
    a0.checkCode(0, 63);
    a0.put(64, {0x10, 0x5A});            // A2h pages, tunable transmitter, TX_DISABLE, TX_FAULT, LOS
    a0.text(68, 16, "VX2612070001");
    a0.checkCode(64, 95);
}

void qsfpLowerPage(Writer lower)
{
    lower.put(0, {0x11, 0x08, 0x00});    // QSFP28, SFF-8636 Rev 2.8-2.10, paged memory, data ready
    lower.word(22, 0x2400);              // 36.0 degrees C
    lower.word(26, 33000);               // 3.3 V
    const int rx[4] = {5012, 4467, 5623, 3981};       // -3.0, -3.5, -2.5, -4.0 dBm
    const int bias[4] = {22500, 23000, 21500, 24000};  // 45, 46, 43, 48 mA
    const int tx[4] = {10000, 8913, 11220, 9550};     // 0.0, -0.5, 0.5, -0.2 dBm
    for (int lane = 0; lane < 4; ++lane) {
        lower.word(34 + 2 * lane, rx[lane]);
        lower.word(42 + 2 * lane, bias[lane]);
        lower.word(50 + 2 * lane, tx[lane]);
    }
    lower.put(98, {0xFF});               // every CDR on
}

void qsfpPage00(Writer upper)
{
    // Offsets of the upper half: `upper` points at byte 128.
    const auto at = [](int offset) { return offset - 128; };
    upper.put(at(128), {0x11, 0xCC, 0x07});   // QSFP28, power class 4 with TX and RX CDRs, LC
    upper.put(at(131), {0x80});               // compliance in byte 192
    upper.put(at(139), {0x05, 0xFF, 0x00, 10});  // 64B/66B, rate in byte 222, 10 km of single-mode fibre
    upper.put(at(147), {0x40});               // 1310 nm DFB, PIN detector
    upper.text(at(148), 16, "VEXA");
    upper.text(at(168), 16, "VX-QSFP28-LR4");
    upper.text(at(184), 2, "A");
    upper.word(at(186), 26200);               // 1310 nm in 0.05 nm
    upper.word(at(188), 1300);                // 6.5 nm in 0.005 nm
    upper.put(at(190), {70});                 // degrees C
    upper.checkCode(at(128), at(191));
    upper.put(at(192), {0x03, 0x00, 0x00, 0xD8});  // 100GBASE-LR4; pages 01h and 02h, TX_DISABLE, TX_FAULT
    upper.text(at(196), 16, "VXQ2612080001");
    upper.text(at(212), 8, "261208");
    upper.put(at(220), {0x3C, 0x10, 103});    // all monitored, average RX power; 25.75 GBd
    upper.checkCode(at(192), at(223));
}

// One quantity's four thresholds at an offset of an upper page.
struct Thresholds {
    int offset;
    int limits[4];
};

void putThresholds(Writer &page, std::initializer_list<Thresholds> quantities)
{
    for (const Thresholds &quantity : quantities)
        for (int limit = 0; limit < 4; ++limit)
            page.word(quantity.offset - 128 + 2 * limit, quantity.limits[limit]);
}

void qsfpPage03(Writer page)
{
    putThresholds(page, {
                            {128, {0x4B00, 0xFB00, 0x4600, 0x0000}},  // temperature: 75, -5, 70, 0 degrees C
                            {144, {36300, 29700, 34650, 31350}},      // supply: 3.63, 2.97, 3.465, 3.135 V
                            {176, {35481, 437, 28184, 871}},          // RX power: 5.5, -13.6, 4.5, -10.6 dBm
                            {184, {50000, 5000, 45000, 7500}},        // bias: 100, 10, 90, 15 mA
                            {192, {28184, 891, 22387, 2239}},         // TX power: 4.5, -10.5, 3.5, -6.5 dBm
                        });
}

// A 400GBASE-DR4 QSFP-DD module, CMIS 5.0, in ModuleReady.
void cmisLowerPage(Writer lower)
{
    lower.put(0, {0x18, 0x50, 0x00, 0x07});  // QSFP-DD, CMIS 5.0, paged memory, ModuleReady, IntL deasserted
    lower.word(14, 0x2400);                  // 36.0 degrees C
    lower.word(16, 33000);                   // 3.3 V
    lower.put(85, {0x02});                   // single-mode fibre
    lower.put(86, {0x11, 0x1C, 0x84, 0x01});  // 400GAUI-8 C2M to 400GBASE-DR4: 8 host lanes, 4 media lanes
    lower.put(90, {0x0D, 0x14, 0x21, 0x55});  // 100GAUI-2 C2M to 100GBASE-DR: 2 and 1 lanes, from host lanes 1, 3, 5, 7
    lower.put(94, {0xFF});                   // end of the list
}

void cmisPage00(Writer upper)
{
    const auto at = [](int offset) { return offset - 128; };
    upper.put(at(128), {0x18});
    upper.text(at(129), 16, "VEXA");
    upper.text(at(148), 16, "VX-QDD-400G-DR4");
    upper.text(at(164), 2, "A");
    upper.text(at(166), 16, "VXD2612090001");
    upper.text(at(182), 8, "261209");
    upper.text(at(190), 10, "");
    upper.put(at(200), {0x80, 40, 0x00, 0x0C});  // power class 5, 10 W, separable media, MPO 1x12
    upper.put(at(212), {0x06});                 // 1310 nm EML
    upper.checkCode(at(128), at(222));
}

void cmisPage01(Writer page)
{
    const auto at = [](int offset) { return offset - 128; };
    page.put(at(128), {1, 0, 1, 0});           // firmware 1.0, hardware 1.0
    page.put(at(132), {0x05});                 // 500 m of single-mode fibre
    page.word(at(138), 26200);                 // 1310 nm in 0.05 nm
    page.word(at(140), 1300);                  // 6.5 nm in 0.005 nm
    page.put(at(142), {0x00});                 // bank 0 only
    page.put(at(151), {0x10});                 // average RX power
    page.put(at(159), {0x03, 0x07});           // temperature and supply; bias, TX and RX power, bias in 2 uA
    page.put(at(176), {0x01, 0x0F});           // media lanes the applications may start at
    page.checkCode(at(130), at(255));
}

void cmisPage02(Writer page)
{
    putThresholds(page, {
                            {128, {0x4B00, 0xFB00, 0x4600, 0x0000}},  // temperature: 75, -5, 70, 0 degrees C
                            {136, {36300, 29700, 34650, 31350}},      // supply: 3.63, 2.97, 3.465, 3.135 V
                            {176, {28184, 891, 22387, 2239}},         // TX power: 4.5, -10.5, 3.5, -6.5 dBm
                            {184, {50000, 5000, 45000, 7500}},        // bias: 100, 10, 90, 15 mA
                            {192, {35481, 437, 28184, 871}},          // RX power: 5.5, -13.6, 4.5, -10.6 dBm
                        });
    const auto at = [](int offset) { return offset - 128; };
    page.checkCode(at(128), at(255));
}

void cmisPage11(Writer page)
{
    const auto at = [](int offset) { return offset - 128; };
    page.put(at(128), {0x44, 0x44, 0x44, 0x44});  // every data path activated
    for (int lane = 0; lane < 8; ++lane) {
        page.word(at(154) + 2 * lane, 10000 - 300 * lane);  // TX power about 0 dBm
        page.word(at(170) + 2 * lane, 22500 + 250 * lane);  // bias about 45 mA
        page.word(at(186) + 2 * lane, 5012 - 150 * lane);   // RX power about -3 dBm
    }
}

}  // namespace

sff::ModuleImage qsfpDdModuleImage()
{
    using sff::Page;
    using sff::Region;
    const auto region = [](void (*fill)(Writer)) {
        std::array<std::uint8_t, sff::kHalfSize> bytes{};
        fill(Writer(bytes.data()));  // the pages' writers count from byte 128 themselves
        return QByteArray(reinterpret_cast<const char *>(bytes.data()), int(bytes.size()));
    };
    sff::ModuleImage image;
    image.putRegion(sff::kRegionA0Low, region(cmisLowerPage));
    image.putRegion(Region::upperOf(sff::kDeviceA0, Page{0}), region(cmisPage00));
    image.putRegion(Region::upperOf(sff::kDeviceA0, Page{1}), region(cmisPage01));
    image.putRegion(Region::upperOf(sff::kDeviceA0, Page{2}), region(cmisPage02));
    image.putRegion(Region::upperOf(sff::kDeviceA0, Page{0x10, 0}), QByteArray(sff::kHalfSize, '\0'));
    image.putRegion(Region::upperOf(sff::kDeviceA0, Page{0x11, 0}), region(cmisPage11));
    return image;
}

void makeCmisModule(SimulatedModule &module)
{
    using namespace sff::cmis;
    for (int page : {page00::kPage, page01::kPage, page02::kPage})
        module.addPage(kDevice, page);
    for (int page : {page10::kPage, page11::kPage})
        module.addBankedPage(kDevice, page, 1);
    module.setPasswordEntry(kPasswordDevice, kPasswordEntry.offset);
    module.setReadOnly(kDevice, lower::kReadOnlyStatus.offset, lower::kReadOnlyStatus.length);
    module.setReadOnly(kDevice, lower::kReadOnlyAdvertising.offset, lower::kReadOnlyAdvertising.length);
    module.setMaxWriteBytes(kMaxWriteBytes);
}

QByteArray qsfp28ModuleImage()
{
    std::array<std::uint8_t, sff::kRawQsfpModule> image{};
    qsfpLowerPage(Writer(image.data()));
    qsfpPage00(Writer(image.data() + 128));
    Writer(image.data() + 256).put(0, {0x00, 0x00});  // page 01h: an empty application select table
    qsfpPage03(Writer(image.data() + 512));
    return QByteArray(reinterpret_cast<const char *>(image.data()), static_cast<int>(image.size()));
}

void makeQsfpModule(SimulatedModule &module)
{
    using namespace sff::qsfp;
    for (int page : {page00::kPage, page01::kPage, page02::kPage, page03::kPage})
        module.addPage(kDevice, page);
    module.setPasswordEntry(kPasswordDevice, kPasswordEntry.offset);
    module.setReadOnly(kDevice, lower::kReadOnly.offset, lower::kReadOnly.length);
    module.setReadOnly(kDevice, lower::kMaxPower.offset, lower::kPasswordChange.end() - lower::kMaxPower.offset);
    module.setMaxWriteBytes(kMaxWriteBytes);
    module.setSoftwareReset(kDevice, lower::kPowerControl.offset, lower::kSoftwareReset);
}

QByteArray tunableModuleImage()
{
    std::array<std::uint8_t, 2 * SimulatedModule::kDeviceSize> image{};
    tunableSerialId(Writer(image.data()));
    diagnostics(Writer(image.data() + SimulatedModule::kDeviceSize));
    return QByteArray(reinterpret_cast<const char *>(image.data()), static_cast<int>(image.size()));
}

void addUserPages(SimulatedModule &module)
{
    module.addPage(SimulatedModule::kDeviceA2, 0x00);
    module.addPage(SimulatedModule::kDeviceA2, 0x01);
    module.addPage(SimulatedModule::kDeviceA2, 0x80, SimulatedModule::PageKind::ReadOnly);
    SimulatedModule::PageBytes vendor{};
    Writer(vendor.data()).text(0, 32, "VEXA vendor page, read-only");
    module.setPageBytes(SimulatedModule::kDeviceA2, 0x80, vendor);
}

QByteArray sampleModuleImage()
{
    std::array<std::uint8_t, 2 * SimulatedModule::kDeviceSize> image{};
    serialId(Writer(image.data()));
    diagnostics(Writer(image.data() + SimulatedModule::kDeviceSize));
    return QByteArray(reinterpret_cast<const char *>(image.data()), static_cast<int>(image.size()));
}

QByteArray moduleImage(const SimulatedModule &module)
{
    QByteArray image;
    for (std::uint8_t device : {SimulatedModule::kDeviceA0, SimulatedModule::kDeviceA2}) {
        const auto &memory = module.memory(device);
        image.append(reinterpret_cast<const char *>(memory.data()), static_cast<int>(memory.size()));
    }
    return image;
}

void setModuleImage(SimulatedModule &module, const QByteArray &image)
{
    int offset = 0;
    for (std::uint8_t device : {SimulatedModule::kDeviceA0, SimulatedModule::kDeviceA2}) {
        auto &memory = module.memory(device);
        const int count = std::clamp(image.size() - offset, 0, SimulatedModule::kDeviceSize);
        std::copy_n(reinterpret_cast<const std::uint8_t *>(image.constData()) + offset, count, memory.begin());
        offset += SimulatedModule::kDeviceSize;
    }
}

sff::ModuleImage moduleRegions(const SimulatedModule &module)
{
    if (module.hasPages(SimulatedModule::kDeviceA0)) {
        const auto &memory = module.memory(SimulatedModule::kDeviceA0);
        sff::ModuleImage image;
        image.put(sff::kDeviceA0, 0, QByteArray(reinterpret_cast<const char *>(memory.data()), sff::kHalfSize));
        image.putRegion(sff::Region::upperOf(sff::kDeviceA0, sff::Page{0}),
                        QByteArray(reinterpret_cast<const char *>(memory.data()) + sff::kHalfSize, sff::kHalfSize));
        const auto put = [&image, &module](int page, int bank) {
            const SimulatedModule::PageBytes bytes = module.pageBytes(SimulatedModule::kDeviceA0, page, qMax(bank, 0));
            image.putRegion(sff::Region::upperOf(sff::kDeviceA0, sff::Page{page, bank}),
                            QByteArray(reinterpret_cast<const char *>(bytes.data()), int(bytes.size())));
        };
        for (int page : module.pages(SimulatedModule::kDeviceA0)) {
            const int banks = module.banksOf(SimulatedModule::kDeviceA0, page);
            if (page != 0 && banks == 0)
                put(page, sff::kNoBank);
            for (int bank = 0; bank < banks; ++bank)
                put(page, bank);
        }
        return image;
    }
    sff::ModuleImage image = sff::ModuleImage::fromBytes(moduleImage(module));
    for (int page : module.pages(SimulatedModule::kDeviceA2)) {
        if (page == 0)
            continue;
        const SimulatedModule::PageBytes bytes = module.pageBytes(SimulatedModule::kDeviceA2, page);
        const bool blank = std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; });
        if (page < sff::tunable::kFirstVendorPage && page != sff::tunable::kPage && !blank)
            image.putRegion(sff::Region::upperOf(sff::kDeviceA2, sff::Page{page}),
                            QByteArray(reinterpret_cast<const char *>(bytes.data()), int(bytes.size())));
    }
    return image;
}

void setModuleRegions(SimulatedModule &module, const sff::ModuleImage &image)
{
    for (const sff::Region &region : image.wholeRegions()) {
        const QByteArray bytes = image.region(region);
        if (region.isPaged() && region.page.number != 0) {
            SimulatedModule::PageBytes page{};
            std::copy_n(reinterpret_cast<const std::uint8_t *>(bytes.constData()), page.size(), page.begin());
            module.setPageBytes(region.device, region.page.number, page, qMax(region.page.bank, 0));
            continue;
        }
        auto &memory = module.memory(region.device);
        std::copy_n(reinterpret_cast<const std::uint8_t *>(bytes.constData()), sff::kHalfSize,
                    memory.begin() + region.firstByte());
    }
}
