#pragma once
// The command-line tool as a whole: the language, --help and --version, and
// the dispatch of a command line to its command.

#include <QCoreApplication>
#include <QStringList>

class Console;

class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    // Runs the arguments after the program name; returns the exit code.
    static int run(QStringList arguments, Console &console);

private:
    // Takes --lang out of the arguments; false with a message when it is wrong.
    static bool takeLanguage(QStringList &arguments, QString *code, QString *error);
    static int dispatch(const QStringList &arguments, Console &console);
};
