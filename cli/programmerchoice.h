#pragma once
// Which programmer a command talks to: the one -p names, or the only one
// attached.

#include <QCoreApplication>

class Console;
#include <QString>

class ProgrammerChoice
{
    Q_DECLARE_TR_FUNCTIONS(ProgrammerChoice)

public:
    // The serial number to use, or an exit code other than 0 and a message.
    static int choose(const QString &requested, QString *serial, QString *error);
    // The same, the message told on the console.
    static int choose(const QString &requested, QString *serial, Console &console);
};
