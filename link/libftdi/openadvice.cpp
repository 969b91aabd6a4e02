#include "openadvice.h"

namespace openadvice {

std::vector<std::string> permissionDenied()
{
    return {
        "This user has no permission to use the programmer's USB device.",
        std::string("Install the udev rule ") + kUdevRuleDirectory + "/" + kUdevRuleFile
            + " (cmake --install does), run \"sudo udevadm control --reload-rules\" and replug the programmer.",
    };
}

std::vector<std::string> inUse()
{
    return {"Another program is using the programmer; close it and try again."};
}

}  // namespace openadvice
