#include "libftdibackendfactory.h"
#include "libftdibackend.h"
#include "reallibftdiapi.h"

std::shared_ptr<FtdiBackend> makeLibFtdiBackend()
{
    return std::make_shared<LibFtdiBackend>(std::make_shared<RealLibFtdiApi>());
}
