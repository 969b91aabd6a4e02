#pragma once
// One subcommand of the command-line tool: its arguments, its help and what
// it does. The dispatcher in commandline.cpp finds commands by name in the
// list that makeCommands() returns; a new command is one class more there.

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

class Console;

class Command
{
public:
    virtual ~Command() = default;

    // The word that selects it, "read".
    virtual QString name() const = 0;
    // What follows the program name in the usage line.
    virtual QString synopsis() const = 0;
    // One line for the overview.
    virtual QString summary() const = 0;
    // The paragraphs of its help after the usage line.
    virtual QString description() const = 0;
    virtual QList<QCommandLineOption> options() const { return {}; }
    // How many arguments it takes besides the options.
    virtual int minArguments() const { return 0; }
    virtual int maxArguments() const { return 0; }

    // Runs it with a parser that has taken its command line; returns the exit code.
    virtual int run(const QCommandLineParser &parser, Console &console) = 0;
};

std::vector<std::unique_ptr<Command>> makeCommands();
