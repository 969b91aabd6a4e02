#include "simulatorenvironment.h"
#include "livediagnostics.h"
#include "samplemodule.h"
#include "simulatedbackend.h"
#include "simulatedch341a.h"
#include "socketoperator.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {

constexpr int kImageSize = 2 * SimulatedModule::kDeviceSize;

// The file is the module's memory: a write that cannot be kept there did
// not happen. The previous image stays whole, as the temporary file replaces
// it only once every byte is on disk.
bool saveImage(const SimulatedModule &module, const QString &path)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(moduleImage(module)) == kImageSize && file.flush()
        && file.commit())
        return true;
    std::fprintf(stderr, "%s: couldn't save the simulated module to %s: %s\n", kSimulatorVariable,
                 qPrintable(path), qPrintable(file.errorString()));
    return false;
}

// A fresh module holding `image`, kept in the file at `path` if there is one.
std::shared_ptr<SimulatedModule> makeModule(const QByteArray &image, const QString &path)
{
    auto module = std::make_shared<SimulatedModule>();
    setModuleImage(*module, image);
    if (!path.isEmpty()) {
        SimulatedModule *raw = module.get();
        module->onStored = [raw, path] { return saveImage(*raw, path); };
    }
    return module;
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
                        qEnvironmentVariable(kSimulatorFaultVariable));
}

SimulatorSetup simulatorFor(const QString &setting, const QString &modules, const QString &faultSetting)
{
    SimulatorSetup setup;
    if (setting.isEmpty() || setting == QLatin1String("0"))
        return setup;
    const int trayCount = trayModules(modules);
    if (trayCount < 0) {
        setup.error = QStringLiteral("%1: \"%2\" is not a number of modules").arg(kSimulatorModulesVariable, modules);
        return setup;
    }
    ModuleSocket::Faults faults;
    if (!simulatorFaults(faultSetting, faults)) {
        setup.error = QStringLiteral("%1: \"%2\" names no fault; the faults are no-pull-up, unpowered, "
                                     "sda-stuck-low, scl-stuck-low and swapped")
                          .arg(kSimulatorFaultVariable, faultSetting);
        return setup;
    }

    QByteArray image = sampleModuleImage();
    QString path;
    if (setting != QLatin1String("1")) {
        QFile file(setting);
        // A FIFO or a device would hang the program at start or at the first
        // stored write.
        if (file.exists() && !QFileInfo(setting).isFile()) {
            setup.error = QStringLiteral("%1: %2 is not a regular file").arg(kSimulatorVariable, setting);
            return setup;
        }
        if (file.exists()) {
            if (!file.open(QIODevice::ReadOnly)) {
                setup.error = QStringLiteral("%1: couldn't read %2: %3")
                                  .arg(kSimulatorVariable, setting, file.errorString());
                return setup;
            }
            // One byte more than an image is enough to tell that it is not one.
            image = file.read(kImageSize + 1);
            if (image.size() != kImageSize) {
                setup.error = QStringLiteral("%1: %2 is not a module image: it must hold exactly %3 bytes "
                                             "(device 0x50 bytes 0 to 255, then device 0x51 bytes 0 to 255)")
                                  .arg(kSimulatorVariable, setting)
                                  .arg(kImageSize);
                return setup;
            }
        }
        path = setting;
    }
    const std::shared_ptr<SimulatedModule> module = makeModule(image, path);

    // The sample module's diagnostics live; a module kept in a file keeps the file's values.
    setup.backend = setting == QLatin1String("1") ? std::make_shared<LiveDiagnosticsBackend>()
                                                   : std::make_shared<SimulatedBackend>();
    auto programmer = setup.backend->addProgrammer(kSimulatorSerialNumber, module);
    // An interactive session would only pile records up.
    programmer->setRecording(false);
    setup.ch341a = std::make_shared<SimulatedCh341aUsb>();
    auto board = setup.ch341a->addBoard(kSimulatedCh341aName, module, kSimulatorSerialNumber);
    board->lines().setRecording(false);
    programmer->setLineFaults(faults);
    board->lines().setLineFaults(faults);

    if (trayCount > 0) {
        auto tray = [image, path, left = trayCount]() mutable -> std::shared_ptr<SimulatedModule> {
            return left-- > 0 ? makeModule(image, path) : nullptr;
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
