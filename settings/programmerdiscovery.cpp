#include "programmerdiscovery.h"

#include "ch341adevices.h"
#include "i2cdevadapters.h"

#include <vector>

namespace {

void addFtdiChips(QVector<ProgrammerInfo> &programmers)
{
    std::uint32_t count = 0;
    // A failure that still counted devices lets the listing have its say.
    if (FT_CreateDeviceInfoList(&count) != FT_OK && count == 0)
        return;
    if (count == 0)
        return;

    std::vector<FT_DEVICE_LIST_INFO_NODE> nodes(count);  // value-initialised: all zero
    if (FT_GetDeviceInfoList(nodes.data(), &count) != FT_OK)
        return;
    nodes.resize(count);

    for (const FT_DEVICE_LIST_INFO_NODE &node : nodes) {
        if (node.ID == 0 || node.SerialNumber[0] == '\0')
            continue;
        programmers.append(ProgrammerInfo(node));
    }
}

}  // namespace

QVector<ProgrammerInfo> discoverProgrammers()
{
    QVector<ProgrammerInfo> programmers;
    addFtdiChips(programmers);
    if (const auto system = i2cdev::installedSystem())
        for (const I2cDevAdapter &adapter : listI2cDevAdapters(*system))
            programmers.append(ProgrammerInfo(ProgrammerKind::I2cDev, QString::fromStdString(adapter.identity()),
                                              QString::fromStdString(adapter.description())));
    for (const Ch341aDevice &device : ch341a::listDevices()) {
        programmers.append(ProgrammerInfo(ProgrammerKind::Ch341a, QString::fromStdString(device.identity),
                                          QString::fromStdString(device.description)));
        programmers.last().setSameSocketAs(QString::fromStdString(device.sameSocketAs));
    }
    return programmers;
}
