#include "timeofday.h"

#include <chrono>

namespace linktime {

FtdiI2c::TimeOfDay now()
{
    using namespace std::chrono;
    auto sinceEpoch = duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
    return {static_cast<std::int32_t>(sinceEpoch / 1000000), static_cast<std::int32_t>(sinceEpoch % 1000000)};
}

double elapsedMs(const FtdiI2c::TimeOfDay &since)
{
    FtdiI2c::TimeOfDay t = now();
    return (static_cast<double>(t.seconds) - since.seconds) * 1000.0
           + (static_cast<double>(t.microseconds) - since.microseconds) / 1000.0;
}

}  // namespace linktime
