#include "commandline.h"

#include "command.h"
#include "commandoptions.h"
#include "console.h"
#include "exitcodes.h"
#include "help.h"
#include "language.h"
#include "regionselection.h"

namespace {

Command *find(const std::vector<std::unique_ptr<Command>> &commands, const QString &name)
{
    for (const auto &command : commands)
        if (command->name() == name)
            return command.get();
    return nullptr;
}

}  // namespace

int CommandLine::run(QStringList arguments, Console &console)
{
    QString code;
    QString problem;
    const bool known = takeLanguage(arguments, &code, &problem);
    const Language language(known ? code : Language::stored());
    if (!known) {
        console.message(problem);
        console.message(Help::hint(QString()));
        return kExitUsage;
    }
    const int exitCode = dispatch(arguments, console);
    console.endProgress();
    // Data that never arrived is no success, whatever the command did.
    if (!console.finishOutput()) {
        console.message(tr("Couldn't write to standard output: %1").arg(console.outputError()));
        return kExitFailure;
    }
    return exitCode;
}

bool CommandLine::takeLanguage(QStringList &arguments, QString *code, QString *error)
{
    *code = Language::stored();
    for (int i = 0; i < arguments.size() && arguments.at(i) != QLatin1String("--"); ++i) {
        const QString &argument = arguments.at(i);
        QString value;
        if (argument == QLatin1String("--lang")) {
            if (i + 1 == arguments.size()) {
                *error = tr("--lang needs a language: en or ru");
                return false;
            }
            value = arguments.takeAt(i + 1);
        } else if (argument.startsWith(QLatin1String("--lang="))) {
            value = argument.mid(7);
        } else {
            continue;
        }
        arguments.removeAt(i--);
        if (!Language::isOffered(value)) {
            *error = tr("Unknown language \"%1\": en or ru").arg(value);
            return false;
        }
        *code = value;
    }
    return true;
}

int CommandLine::dispatch(const QStringList &arguments, Console &console)
{
    const std::vector<std::unique_ptr<Command>> commands = makeCommands();
    if (arguments.isEmpty()) {
        console.message(Help::overview(commands).trimmed());
        return kExitUsage;
    }
    const QString first = arguments.first();
    if (first == QLatin1String("-h") || first == QLatin1String("--help")
        || (first == QLatin1String("help") && arguments.size() == 1)) {
        console.print(Help::overview(commands));
        return kExitSuccess;
    }
    if (first == QLatin1String("-V") || first == QLatin1String("--version")) {
        console.print(QStringLiteral("%1 %2\n").arg(Help::program(), QCoreApplication::applicationVersion()));
        return kExitSuccess;
    }
    // Not in the help: the table names, one a line, for the shell's completion.
    if (first == QLatin1String("--list-tables")) {
        for (const QString &name : RegionSelection::commonNames())
            console.print(name + QLatin1Char('\n'));
        return kExitSuccess;
    }
    const bool helpOnly = first == QLatin1String("help");
    const QString name = helpOnly ? arguments.at(1) : first;
    Command *command = find(commands, name);
    if (!command || (helpOnly && arguments.size() > 2)) {
        console.message(command ? tr("help takes one command") : tr("Unknown command \"%1\"").arg(name));
        console.message(Help::hint(QString()));
        return kExitUsage;
    }
    if (helpOnly) {
        console.print(Help::command(*command));
        return kExitSuccess;
    }

    QCommandLineParser parser;
    parser.addOptions(command->options());
    parser.addOption(CommandOptions::help());
    if (!parser.parse(QStringList(Help::program()) + arguments.mid(1))) {
        console.message(parser.errorText());
        console.message(Help::hint(name));
        return kExitUsage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        console.print(Help::command(*command));
        return kExitSuccess;
    }
    const int count = parser.positionalArguments().size();
    if (count < command->minArguments() || count > command->maxArguments()) {
        console.message(tr("Wrong number of arguments. Usage: %1 %2").arg(Help::program(), command->synopsis()));
        console.message(Help::hint(name));
        return kExitUsage;
    }
    return command->run(parser, console);
}
