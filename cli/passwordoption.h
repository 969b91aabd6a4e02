#pragma once
// The module write password as --password gives it: none, preset1, preset2,
// custom (the one stored in the window's settings) or eight hex digits.

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class PasswordOption
{
    Q_DECLARE_TR_FUNCTIONS(PasswordOption)

public:
    // The four password bytes, or none for "none".
    static bool parse(const QString &value, QByteArray *password, QString *error);
};
