#include "programmerdiscovery.h"

#include <vector>

QVector<ProgrammerInfo> discoverProgrammers()
{
    std::uint32_t count = 0;
    // A failure that still counted devices lets the listing have its say.
    if (FT_CreateDeviceInfoList(&count) != FT_OK && count == 0)
        return {};
    if (count == 0)
        return {};

    std::vector<FT_DEVICE_LIST_INFO_NODE> nodes(count);  // value-initialised: all zero
    if (FT_GetDeviceInfoList(nodes.data(), &count) != FT_OK)
        return {};
    nodes.resize(count);

    QVector<ProgrammerInfo> programmers;
    for (const FT_DEVICE_LIST_INFO_NODE &node : nodes) {
        if (node.ID == 0 || node.SerialNumber[0] == '\0')
            continue;
        programmers.append(ProgrammerInfo(node));
    }
    return programmers;
}
