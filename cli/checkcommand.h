#pragma once
// The check command: whether a programmer, its wiring and the module work,
// step by step with the cause of what fails.

#include "command.h"

#include <QCoreApplication>

class CheckCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(CheckCommand)

public:
    QString name() const override { return QStringLiteral("check"); }
    QString synopsis() const override { return QStringLiteral("check [-p SERIAL]"); }
    QString summary() const override;
    QString description() const override;
    QList<QCommandLineOption> options() const override;
    int run(const QCommandLineParser &parser, Console &console) override;
};
