#include "commands.h"

#include "console.h"
#include "exitcodes.h"
#include "programmerdiscovery.h"

QString ListCommand::summary() const
{
    return tr("List the programmers attached");
}

QString ListCommand::description() const
{
    return tr("Prints one line for each programmer found: its serial number and its description. The simulated "
              "programmer is listed when VEXA_SIMULATOR is set.");
}

int ListCommand::run(const QCommandLineParser &, Console &console)
{
    const QVector<ProgrammerInfo> programmers = discoverProgrammers();
    int width = 0;
    for (const ProgrammerInfo &programmer : programmers)
        width = qMax(width, programmer.serialNumber().size());
    for (const ProgrammerInfo &programmer : programmers) {
        const char *description = programmer.node().Description;
        console.print(QStringLiteral("%1  %2\n")
                          .arg(programmer.serialNumber().leftJustified(width),
                               QString::fromUtf8(description, int(qstrnlen(description, sizeof programmer.node().Description)))));
    }
    if (programmers.isEmpty())
        console.message(tr("No programmer found."));
    return kExitSuccess;
}
