#include "help.h"

#include "command.h"
#include "commandoptions.h"
#include "textwrap.h"

#include <QStringList>

namespace {

constexpr int kLineWidth = 80;

QString aligned(const QList<QPair<QString, QString>> &rows)
{
    int width = 0;
    for (const auto &row : rows)
        width = qMax(width, row.first.size());
    const int indent = width + 4;
    QString text;
    for (const auto &row : rows)
        text += QStringLiteral("  %1  %2\n")
                    .arg(row.first.leftJustified(width), wrapped(row.second, qMax(30, kLineWidth - indent), indent));
    return text;
}

}  // namespace

const QString &Help::program()
{
    static const QString name = QStringLiteral("vexa-modulant-cli");
    return name;
}

QString Help::optionLines(const QList<QCommandLineOption> &options)
{
    QList<QPair<QString, QString>> rows;
    for (const QCommandLineOption &option : options) {
        QStringList names;
        for (const QString &name : option.names())
            names.append((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
        QString left = names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty())
            left += QLatin1Char(' ') + option.valueName();
        rows.append({left, option.description()});
    }
    return aligned(rows);
}

QString Help::overview(const std::vector<std::unique_ptr<Command>> &commands)
{
    QList<QPair<QString, QString>> commandRows;
    for (const auto &command : commands)
        commandRows.append({command->name(), command->summary()});
    commandRows.append({QStringLiteral("help"), tr("Show the help of a command")});

    const QList<QCommandLineOption> options = {
        CommandOptions::help(),
        QCommandLineOption({QStringLiteral("V"), QStringLiteral("version")}, tr("Show the version.")),
        QCommandLineOption(QStringLiteral("lang"),
                           tr("Messages in English or Russian; default: the language chosen in the window."),
                           QStringLiteral("en|ru")),
    };
    const QList<QPair<QString, QString>> exitRows = {
        {QStringLiteral("0"), tr("success")},
        {QStringLiteral("1"), tr("a transfer or a file failed")},
        {QStringLiteral("2"), tr("a usage error")},
        {QStringLiteral("3"), tr("verify or diff found differences, or a check code is wrong")},
        {QStringLiteral("130"), tr("interrupted with Ctrl+C")},
    };

    return tr("Usage: %1 [--lang en|ru] COMMAND [ARGUMENTS]").arg(program()) + QStringLiteral("\n\n")
           + wrapped(tr("Reads, writes and compares the identification memory of SFP modules in an FTDI "
                        "programmer, and reads the dumps other tools make."),
                     kLineWidth)
           + QStringLiteral("\n\n") + tr("Commands:") + QLatin1Char('\n') + aligned(commandRows) + QLatin1Char('\n')
           + tr("Options:") + QLatin1Char('\n') + optionLines(options) + QLatin1Char('\n')
           + wrapped(tr("Tables: a0-low, a0-high, a2-low, a2-high; a0 and a2 for both tables of a device; all."),
                     kLineWidth)
           + QLatin1Char('\n')
           + wrapped(tr("Images: raw files of 128 bytes (one table), 256 (one device) or 512 (A0h, then A2h), "
                        "and the text dumps of \"ethtool -m DEV hex on\", \"i2cdump -y BUS 0x50 b\" and plain "
                        "hex."),
                     kLineWidth)
           + QStringLiteral("\n\n") + tr("Exit status:") + QLatin1Char('\n') + aligned(exitRows) + QLatin1Char('\n')
           + tr("Run \"%1 help COMMAND\" for the options of a command.").arg(program()) + QLatin1Char('\n');
}

QString Help::command(const Command &command)
{
    QList<QCommandLineOption> options = command.options();
    options.append(CommandOptions::help());
    return wrapped(tr("Usage: %1 %2").arg(program(), command.synopsis()), kLineWidth, 4) + QStringLiteral("\n\n")
           + wrapped(command.description(), kLineWidth)
           + QStringLiteral("\n\n") + tr("Options:") + QLatin1Char('\n') + optionLines(options);
}

QString Help::hint(const QString &commandName)
{
    return commandName.isEmpty() ? tr("Run \"%1 --help\" for the commands.").arg(program())
                                 : tr("Run \"%1 help %2\" for its options.").arg(program(), commandName);
}
