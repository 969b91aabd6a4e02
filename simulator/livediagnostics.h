#pragma once
// Diagnostics that live, for the sample modules: their temperature, supply,
// bias and powers (of each of a QSFP module's lanes) drift slowly and jitter
// a little around their nominal figures (of each of a CMIS module's
// eight lanes too), and the alarm and warning flags
// follow the module's thresholds.
// The values are renewed whenever a programmer is opened, which the worker
// does before every job, so that nothing changes in the middle of a read.

#include "simulatedbackend.h"

#include <chrono>
#include <mutex>
#include <random>

class SimulatedModule;

class LiveDiagnosticsBackend : public SimulatedBackend
{
public:
    LiveDiagnosticsBackend();

    FT_STATUS open(const char *serialNumber, void **device) override;

    // Writes the values of `seconds` after the start into the module.
    void refresh(SimulatedModule &module, double seconds);

private:
    double drifted(int quantity, double seconds, double spread);
    void refreshQsfp(SimulatedModule &module, double seconds);
    void refreshCmis(SimulatedModule &module, double seconds);

    std::mutex mutex;
    std::chrono::steady_clock::time_point start;
    std::mt19937 random;
};
