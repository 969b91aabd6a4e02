#pragma once
// The module write password as --password gives it: none, preset1, preset2,
// custom (the one stored in the window's settings), auto (the settings'
// password list in turn), eight hex digits, or an entry of that list by name.

#include "passwordcandidates.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QCoreApplication>
#include <QString>

struct PasswordChoice {
    QByteArray password;          // a fixed one; empty for none
    PasswordCandidates passwords;  // auto: the list, tried in turn instead
};

class PasswordOption
{
    Q_DECLARE_TR_FUNCTIONS(PasswordOption)

public:
    static QCommandLineOption option();
    // The choice of `value`; "none" when the option is not given.
    static bool parse(const QString &value, PasswordChoice *choice, QString *error);
};
