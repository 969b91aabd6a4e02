#include "programmerbackends.h"

#include "d2xx.h"
#include "libftdibackendfactory.h"
#include "simulatedbackend.h"
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
    if (simulator.backend)
        d2xx::installBackend(simulator.backend);
    return true;
}
