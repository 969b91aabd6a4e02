#include "simulatorenvironment.h"
#include "livediagnostics.h"
#include "samplemodule.h"
#include "simulatedbackend.h"
#include "simulatedch341a.h"

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

}  // namespace

SimulatorSetup simulatorFromEnvironment()
{
    return simulatorFor(qEnvironmentVariable(kSimulatorVariable));
}

SimulatorSetup simulatorFor(const QString &setting)
{
    SimulatorSetup setup;
    if (setting.isEmpty() || setting == QLatin1String("0"))
        return setup;

    auto module = std::make_shared<SimulatedModule>();
    QByteArray image = sampleModuleImage();
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
        const QString path = setting;
        SimulatedModule *raw = module.get();
        module->onStored = [raw, path] { return saveImage(*raw, path); };
    }
    setModuleImage(*module, image);

    // The sample module's diagnostics live; a module kept in a file keeps the file's values.
    setup.backend = setting == QLatin1String("1") ? std::make_shared<LiveDiagnosticsBackend>()
                                                   : std::make_shared<SimulatedBackend>();
    auto programmer = setup.backend->addProgrammer(kSimulatorSerialNumber, module);
    // An interactive session would only pile records up.
    programmer->setRecording(false);
    setup.ch341a = std::make_shared<SimulatedCh341aUsb>();
    setup.ch341a->addBoard(kSimulatedCh341aName, module, kSimulatorSerialNumber)->lines().setRecording(false);
    return setup;
}
