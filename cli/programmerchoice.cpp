#include "programmerchoice.h"

#include "console.h"
#include "exitcodes.h"
#include "programmerdiscovery.h"

#include <QStringList>

int ProgrammerChoice::choose(const QString &requested, QString *serial, QString *error)
{
    QStringList found;
    // Two views of one socket leave nothing to choose between.
    QStringList sockets;
    const QVector<ProgrammerInfo> programmers = discoverProgrammers();
    for (const ProgrammerInfo &programmer : programmers)
        found.append(programmer.serialNumber());
    for (const ProgrammerInfo &programmer : programmers)
        if (!found.contains(programmer.sameSocketAs()))
            sockets.append(programmer.serialNumber());

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
    if (sockets.size() > 1) {
        *error = tr("Several programmers are attached (%1): choose one with -p SERIAL")
                     .arg(found.join(QStringLiteral(", ")));
        return kExitUsage;
    }
    *serial = sockets.first();
    return kExitSuccess;
}

int ProgrammerChoice::choose(const QString &requested, QString *serial, Console &console)
{
    QString problem;
    const int refused = choose(requested, serial, &problem);
    if (refused)
        console.message(problem);
    return refused;
}
