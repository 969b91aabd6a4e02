#include "programmerinfo.h"

#include <QByteArray>

#include <cstring>

ProgrammerInfo::ProgrammerInfo()
{
    std::memset(&deviceNode, 0, sizeof deviceNode);
}

ProgrammerInfo::ProgrammerInfo(const FT_DEVICE_LIST_INFO_NODE &node)
    : deviceNode(node)
{
}

QString ProgrammerInfo::serialNumber() const
{
    // A driver may fill all sixteen bytes without a terminating zero.
    const char *text = deviceNode.SerialNumber;
    return QString::fromUtf8(text, int(qstrnlen(text, sizeof deviceNode.SerialNumber)));
}
