#pragma once
// The help texts: the overview of all commands, and one command's usage.

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

class Command;

class Help
{
    Q_DECLARE_TR_FUNCTIONS(Help)

public:
    static const QString &program();
    static QString overview(const std::vector<std::unique_ptr<Command>> &commands);
    static QString command(const Command &command);
    // "Try ..." after a usage error.
    static QString hint(const QString &commandName);

private:
    // "  -t, --table TABLE  description" lines, descriptions aligned.
    static QString optionLines(const QList<QCommandLineOption> &options);
};
