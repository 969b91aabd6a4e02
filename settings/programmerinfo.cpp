#include "programmerinfo.h"

#include <QByteArray>

#include <cstring>

namespace {

// A driver may fill a whole field without a terminating zero.
QString fieldText(const char *text, size_t size)
{
    return QString::fromUtf8(text, int(qstrnlen(text, uint(size))));
}

}  // namespace

ProgrammerInfo::ProgrammerInfo()
{
    std::memset(&deviceNode, 0, sizeof deviceNode);
}

ProgrammerInfo::ProgrammerInfo(const FT_DEVICE_LIST_INFO_NODE &node)
    : deviceNode(node)
{
}

ProgrammerInfo::ProgrammerInfo(ProgrammerKind kind, QString identity, QString description)
    : ProgrammerInfo()
{
    programmerKind = kind;
    otherIdentity = std::move(identity);
    otherDescription = std::move(description);
}

QString ProgrammerInfo::identity() const
{
    if (programmerKind != ProgrammerKind::Ftdi)
        return otherIdentity;
    return fieldText(deviceNode.SerialNumber, sizeof deviceNode.SerialNumber);
}

QString ProgrammerInfo::description() const
{
    if (programmerKind != ProgrammerKind::Ftdi)
        return otherDescription;
    return fieldText(deviceNode.Description, sizeof deviceNode.Description);
}

QString ProgrammerInfo::displayName() const
{
    return programmerKind == ProgrammerKind::Ftdi ? identity() : description();
}
