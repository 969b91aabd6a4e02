#pragma once
// One discovered programmer: the driver's list node, kept as it was reported.

#include "d2xx.h"

#include <QMetaType>
#include <QString>

class ProgrammerInfo
{
public:
    ProgrammerInfo();
    explicit ProgrammerInfo(const FT_DEVICE_LIST_INFO_NODE &node);

    const FT_DEVICE_LIST_INFO_NODE &node() const { return deviceNode; }
    QString serialNumber() const;

private:
    FT_DEVICE_LIST_INFO_NODE deviceNode;
};

// Entries of the connection list carry their record as item data.
Q_DECLARE_METATYPE(ProgrammerInfo *)
