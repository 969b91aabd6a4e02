#include "simulatorenvironment.h"
#include "flatlayout.h"
#include "imagefile.h"
#include "livediagnostics.h"
#include "samplemodule.h"
#include "simulatedbackend.h"
#include "simulatedch341a.h"
#include "socketoperator.h"
#include "tunablelaser.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {

// The file is the module's memory: a write that cannot be kept there did
// not happen. The previous image stays whole, as the temporary file replaces
// it only once every byte is on disk. The four tables alone are kept as 512
// raw bytes; pages beyond them in the tool's dump.
bool saveImage(const SimulatedModule &module, const QString &path)
{
    const QByteArray bytes = ImageFile::encode(moduleRegions(module));
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() && file.commit())
        return true;
    std::fprintf(stderr, "%s: couldn't save the simulated module to %s: %s\n", kSimulatorVariable,
                 qPrintable(path), qPrintable(file.errorString()));
    return false;
}

// What sits in the socket: an SFP module with the pages of A2h, a tunable
// one that also has the laser's page 02h, a QSFP28 module or a QSFP-DD one.
enum class ModuleKind { Sample, Tunable, Qsfp, Cmis };

using Password = std::optional<std::array<std::uint8_t, 4>>;

// A fresh module holding `image`, kept in the file at `path` if there is one.
std::shared_ptr<SimulatedModule> makeModule(ModuleKind kind, const sff::ModuleImage &image, const QString &path,
                                            const Password &password)
{
    auto module = std::make_shared<SimulatedModule>();
    module->setPassword(password, SimulatedModule::kDeviceA0);
    if (kind == ModuleKind::Qsfp)
        makeQsfpModule(*module);
    else if (kind == ModuleKind::Cmis)
        makeCmisModule(*module);
    else
        addUserPages(*module);
    if (kind == ModuleKind::Tunable)
        module->addRegisterPage(SimulatedModule::kDeviceA2, sff::tunable::kPage, std::make_shared<TunableLaser>());
    setModuleRegions(*module, image);
    if (!path.isEmpty()) {
        SimulatedModule *raw = module.get();
        module->onStored = [raw, path] { return saveImage(*raw, path); };
    }
    return module;
}

// The module kept in a file: the four tables of an SFP module, as 512 raw
// bytes or a dump, and the pages of A2h the dump holds; or, when byte 0 says
// so, a QSFP module's lower page and page 00h, and its pages 01h-03h.
bool readImage(const QString &path, sff::ModuleImage *image, ModuleKind *kind, QString *error)
{
    const QString rule = QStringLiteral("a simulator file holds the four tables of an SFP module, as 512 bytes "
                                        "(device 0x50 bytes 0 to 255, then device 0x51 bytes 0 to 255) or as the "
                                        "tool's dump, which may add pages of A2h; or a QSFP module (byte 0 0Ch, "
                                        "0Dh or 11h) as ethtool's 256 or 640 bytes or as the tool's dump; or a "
                                        "CMIS module (byte 0 18h, 19h, 1Eh, ...) as the tool's dump");
    LoadedImage loaded;
    QString problem;
    if (!ImageFile::readImage(path, &loaded, &problem)) {
        *error = QStringLiteral("%1: %2\n%3").arg(kSimulatorVariable, problem, rule);
        return false;
    }
    sff::ModuleImage held = loaded.image();
    const sff::Family family = sff::familyOf(held);
    if (family != sff::Family::Sfp) {
        const sff::Region page00 = sff::Region::upperOf(sff::kDeviceA0, sff::Page{0});
        if (!held.holdsRegion(sff::kRegionA0Low) || !held.holdsRegion(page00)) {
            *error = QStringLiteral("%1: %2 holds no lower page and page 00h of a %3 module: %4")
                         .arg(kSimulatorVariable, path,
                              sff::familyTitle(family, sff::Words(sff::Language::English)), rule);
            return false;
        }
        *kind = family == sff::Family::Qsfp ? ModuleKind::Qsfp : ModuleKind::Cmis;
        *image = held;
        return true;
    }
    if (held.holdsRegion(sff::Region::upperOf(sff::kDeviceA2, sff::Page{0})) && !held.holdsRegion(sff::kRegionA2High))
        held.putRegion(sff::kRegionA2High, held.region(sff::Region::upperOf(sff::kDeviceA2, sff::Page{0})));
    for (const sff::Region &table : {sff::kRegionA0Low, sff::kRegionA0High, sff::kRegionA2Low, sff::kRegionA2High}) {
        if (!held.holdsRegion(table)) {
            *error = QStringLiteral("%1: %2 is not a module image: %3").arg(kSimulatorVariable, path, rule);
            return false;
        }
    }
    *image = held;
    return true;
}

// How many modules the socket operator has in the tray; -1 for a refused value.
int trayModules(const QString &setting)
{
    if (setting.isEmpty())
        return 0;
    bool number = false;
    const int count = setting.toInt(&number);
    return number && count >= 0 ? count : -1;
}

// Eight hex digits; false for anything else but nothing.
bool lockPassword(const QString &setting, Password *password)
{
    if (setting.isEmpty())
        return true;
    const QByteArray bytes = QByteArray::fromHex(setting.toLatin1());
    if (setting.size() != 8 || bytes.size() != 4 || bytes.toHex().compare(setting.toLatin1(), Qt::CaseInsensitive))
        return false;
    *password = std::array<std::uint8_t, 4>{std::uint8_t(bytes[0]), std::uint8_t(bytes[1]), std::uint8_t(bytes[2]),
                                            std::uint8_t(bytes[3])};
    return true;
}

}  // namespace

bool simulatorFaults(const QString &names, ModuleSocket::Faults &faults)
{
    for (const QString &name : names.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString fault = name.trimmed();
        if (fault == QLatin1String("no-pull-up"))
            faults.noPullUp = true;
        else if (fault == QLatin1String("unpowered"))
            faults.unpowered = true;
        else if (fault == QLatin1String("sda-stuck-low"))
            faults.sdaStuckLow = true;
        else if (fault == QLatin1String("scl-stuck-low"))
            faults.sclStuckLow = true;
        else if (fault == QLatin1String("swapped"))
            faults.swapped = true;
        else
            return false;
    }
    return true;
}

SimulatorSetup simulatorFromEnvironment()
{
    return simulatorFor(qEnvironmentVariable(kSimulatorVariable), qEnvironmentVariable(kSimulatorModulesVariable),
                        qEnvironmentVariable(kSimulatorPasswordVariable), qEnvironmentVariable(kSimulatorFaultVariable));
}

SimulatorSetup simulatorFor(const QString &setting, const QString &modules, const QString &passwordSetting,
                            const QString &faultSetting)
{
    SimulatorSetup setup;
    if (setting.isEmpty() || setting == QLatin1String("0"))
        return setup;
    const int trayCount = trayModules(modules);
    if (trayCount < 0) {
        setup.error = QStringLiteral("%1: \"%2\" is not a number of modules").arg(kSimulatorModulesVariable, modules);
        return setup;
    }
    Password password;
    if (!lockPassword(passwordSetting, &password)) {
        setup.error = QStringLiteral("%1: \"%2\" is not eight hexadecimal digits")
                          .arg(kSimulatorPasswordVariable, passwordSetting);
        return setup;
    }
    ModuleSocket::Faults faults;
    if (!simulatorFaults(faultSetting, faults)) {
        setup.error = QStringLiteral("%1: \"%2\" names no fault; the faults are no-pull-up, unpowered, "
                                     "sda-stuck-low, scl-stuck-low and swapped")
                          .arg(kSimulatorFaultVariable, faultSetting);
        return setup;
    }

    const bool sample = setting == QLatin1String("1");
    ModuleKind kind = setting == QLatin1String("tunable")   ? ModuleKind::Tunable
                      : setting == QLatin1String("qsfp28")  ? ModuleKind::Qsfp
                      : setting == QLatin1String("qsfp-dd") ? ModuleKind::Cmis
                                                            : ModuleKind::Sample;
    sff::ModuleImage image;
    if (kind == ModuleKind::Qsfp) {
        QString unused;
        sff::fromRawLayout(qsfp28ModuleImage(), &image, &unused);
    } else if (kind == ModuleKind::Cmis) {
        image = qsfpDdModuleImage();
    } else {
        image = sff::ModuleImage::fromBytes(kind == ModuleKind::Tunable ? tunableModuleImage() : sampleModuleImage());
    }
    QString path;
    if (!sample && kind == ModuleKind::Sample) {
        // A FIFO or a device would hang the program at start or at the first
        // stored write.
        if (QFileInfo::exists(setting) && !QFileInfo(setting).isFile()) {
            setup.error = QStringLiteral("%1: %2 is not a regular file").arg(kSimulatorVariable, setting);
            return setup;
        }
        if (QFileInfo::exists(setting) && !readImage(setting, &image, &kind, &setup.error))
            return setup;
        path = setting;
    }
    const std::shared_ptr<SimulatedModule> module = makeModule(kind, image, path, password);

    // The sample modules' diagnostics live; a module kept in a file keeps the file's values.
    setup.backend = path.isEmpty() ? std::make_shared<LiveDiagnosticsBackend>() : std::make_shared<SimulatedBackend>();
    auto programmer = setup.backend->addProgrammer(kSimulatorSerialNumber, module);
    // An interactive session would only pile records up.
    programmer->setRecording(false);
    setup.ch341a = std::make_shared<SimulatedCh341aUsb>();
    auto board = setup.ch341a->addBoard(kSimulatedCh341aName, module, kSimulatorSerialNumber);
    board->lines().setRecording(false);
    programmer->setLineFaults(faults);
    board->lines().setLineFaults(faults);

    if (trayCount > 0) {
        auto tray = [kind, image, path, password, left = trayCount]() mutable -> std::shared_ptr<SimulatedModule> {
            return left-- > 0 ? makeModule(kind, image, path, password) : nullptr;
        };
        setup.socketOperator = std::make_shared<SocketOperator>(tray);
        std::weak_ptr<SimulatedProgrammer> weakProgrammer = programmer;
        std::weak_ptr<SimulatedCh341a> weakBoard = board;
        setup.socketOperator->addPlug([weakProgrammer](std::shared_ptr<SimulatedModule> plugged) {
            if (auto p = weakProgrammer.lock())
                p->setModule(std::move(plugged));
        });
        setup.socketOperator->addPlug([weakBoard](std::shared_ptr<SimulatedModule> plugged) {
            if (auto b = weakBoard.lock())
                b->lines().setModule(std::move(plugged));
        });
        const std::shared_ptr<SocketOperator> socketOperator = setup.socketOperator;
        programmer->setOpenHook([socketOperator] { socketOperator->jobStarting(); });
        board->setOpenHook([socketOperator] { socketOperator->jobStarting(); });
    }
    return setup;
}
