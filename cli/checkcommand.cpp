#include "checkcommand.h"

#include "commandoptions.h"
#include "console.h"
#include "exitcodes.h"
#include "programmercheck.h"
#include "programmerchoice.h"

QString CheckCommand::summary() const
{
    return tr("Check a programmer, its wiring and the module");
}

QString CheckCommand::description() const
{
    return tr("Opens the programmer and checks it step by step: the lines let go and driven (where the programmer "
              "can read them one by one, as FTDI chips can), the module at 0x50, its diagnostics at 0x51, and "
              "how long a read of a table takes. Each step is printed with PASS or FAIL and, for a failure, the "
              "likely cause and what to do. The exit status is 0 when no step failed, 1 otherwise.");
}

QList<QCommandLineOption> CheckCommand::options() const
{
    return {CommandOptions::programmer()};
}

int CheckCommand::run(const QCommandLineParser &parser, Console &console)
{
    QString identity;
    if (const int refused = ProgrammerChoice::choose(parser.value(QStringLiteral("p")), &identity, console))
        return refused;
    console.print(tr("Checking %1\n").arg(identity));
    const QList<CheckStep> steps = ProgrammerCheck::run(identity);
    for (const CheckStep &step : steps)
        console.print(QStringLiteral("%1  %2: %3\n")
                          .arg(ProgrammerCheck::outcomeWord(step.outcome).leftJustified(4), step.title, step.finding));
    return ProgrammerCheck::passed(steps) ? kExitSuccess : kExitFailure;
}
