#include "programmerchoice.h"

#include "exitcodes.h"
#include "programmerdiscovery.h"

#include <QStringList>

int ProgrammerChoice::choose(const QString &requested, QString *serial, QString *error)
{
    QStringList found;
    for (const ProgrammerInfo &programmer : discoverProgrammers())
        found.append(programmer.serialNumber());

    if (!requested.isEmpty()) {
        if (found.contains(requested)) {
            *serial = requested;
            return kExitSuccess;
        }
        *error = found.isEmpty()
                     ? tr("No programmer with the serial number %1 is attached; none is").arg(requested)
                     : tr("No programmer with the serial number %1 is attached; found: %2")
                           .arg(requested, found.join(QStringLiteral(", ")));
        return kExitFailure;
    }
    if (found.isEmpty()) {
        *error = tr("No programmer found. Check that it is plugged in and that this user may use it.");
        return kExitFailure;
    }
    if (found.size() > 1) {
        *error = tr("Several programmers are attached (%1): choose one with -p SERIAL")
                     .arg(found.join(QStringLiteral(", ")));
        return kExitUsage;
    }
    *serial = found.first();
    return kExitSuccess;
}
