#pragma once
// The options several commands share, with one wording.

#include <QCommandLineOption>
#include <QCoreApplication>

class CommandOptions
{
    Q_DECLARE_TR_FUNCTIONS(CommandOptions)

public:
    static QCommandLineOption programmer();
    // `fallback` says what the command takes without -t.
    static QCommandLineOption table(const QString &fallback);
    // The device an i2cdump given as the image is of.
    static QCommandLineOption device();
    static QCommandLineOption help();
};
