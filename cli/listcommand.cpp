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
    return tr("Prints one line for each programmer found: what selects it with -p (an FTDI chip's serial number, an "
              "I2C adapter's \"i2c-N\", a CH341A's USB port), its kind and its description. The simulated "
              "programmers are listed when VEXA_SIMULATOR is set.");
}

int ListCommand::run(const QCommandLineParser &, Console &console)
{
    const QVector<ProgrammerInfo> programmers = discoverProgrammers();
    int identityWidth = 0, kindWidth = 0;
    for (const ProgrammerInfo &programmer : programmers) {
        identityWidth = qMax(identityWidth, programmer.identity().size());
        kindWidth = qMax(kindWidth, int(programmerKindName(programmer.kind()).size()));
    }
    for (const ProgrammerInfo &programmer : programmers)
        console.print(QStringLiteral("%1  %2  %3\n")
                          .arg(programmer.identity().leftJustified(identityWidth),
                               QString::fromStdString(programmerKindName(programmer.kind())).leftJustified(kindWidth),
                               programmer.description()));
    if (programmers.isEmpty())
        console.message(tr("No programmer found."));
    return kExitSuccess;
}
