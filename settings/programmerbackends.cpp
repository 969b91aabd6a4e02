#include "programmerbackends.h"

#include "ch341adevices.h"
#include "d2xx.h"
#include "i2cdevadapters.h"
#include "libftdibackendfactory.h"
#include "realch341ausb.h"
#ifdef VEXA_HAVE_I2CDEV
#include "reali2cdevsystem.h"
#endif
#include "simulatedbackend.h"
#include "simulatedch341a.h"
#include "simulatorenvironment.h"

bool installProgrammerBackends(QString *problem)
{
    const SimulatorSetup simulator = simulatorFromEnvironment();
    if (!simulator.error.isEmpty()) {
        *problem = simulator.error;
        return false;
    }
    // Real programmers first, so that they lead the programmer list.
    d2xx::installBackend(makeLibFtdiBackend());
#ifdef VEXA_HAVE_I2CDEV
    i2cdev::installSystem(std::make_shared<RealI2cDevSystem>());
#endif
    ch341a::removeAllUsb();
    ch341a::installUsb(std::make_shared<RealCh341aUsb>());
    if (simulator.backend)
        d2xx::installBackend(simulator.backend);
    if (simulator.ch341a)
        ch341a::installUsb(simulator.ch341a);
    return true;
}
