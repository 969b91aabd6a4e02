#pragma once
// One discovered programmer of any kind: what selects it, what the operator
// sees, and for an FTDI chip the driver's list node as it was reported.

#include "d2xx.h"
#include "modulebuses.h"

#include <QMetaType>
#include <QString>

class ProgrammerInfo
{
public:
    ProgrammerInfo();
    // An FTDI chip.
    explicit ProgrammerInfo(const FT_DEVICE_LIST_INFO_NODE &node);
    // Any other kind.
    ProgrammerInfo(ProgrammerKind kind, QString identity, QString description);

    // Zero for kinds other than FTDI.
    const FT_DEVICE_LIST_INFO_NODE &node() const { return deviceNode; }
    ProgrammerKind kind() const { return programmerKind; }
    // What selects the programmer for a transfer and what the settings
    // remember: an FTDI chip's serial number, "i2c-7", "CH341A@1-1.4".
    QString identity() const;
    // The identity, under the name the FTDI-only code knew it by.
    QString serialNumber() const { return identity(); }
    // For the operator: the FTDI driver's product description,
    // "i2c-7: MCP2221 usb-i2c bridge", "CH341A 1-1.4".
    QString description() const;
    // The programmer list's entry: an FTDI chip's serial number, the
    // description of the other kinds.
    QString displayName() const;
    // The identity of another programmer with the same socket (the
    // simulated CH341A beside the simulated FTDI chip); empty for most.
    QString sameSocketAs() const { return socketTwin; }
    void setSameSocketAs(const QString &identity) { socketTwin = identity; }

private:
    FT_DEVICE_LIST_INFO_NODE deviceNode;
    ProgrammerKind programmerKind = ProgrammerKind::Ftdi;
    QString otherIdentity;
    QString otherDescription;
    QString socketTwin;
};

// Entries of the connection list carry their record as item data.
Q_DECLARE_METATYPE(ProgrammerInfo *)
