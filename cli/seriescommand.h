#pragma once
// vexa-modulant-cli series: one template into module after module, each with
// the next serial number, every module on the journal.

#include "command.h"

#include <QCoreApplication>

class SeriesCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(SeriesCommand)

public:
    QString name() const override { return QStringLiteral("series"); }
    QString synopsis() const override
    {
        return QStringLiteral("series TEMPLATE --serial PREFIX+START[..LAST] [-p SERIAL] [--date today|keep] "
                              "[--journal FILE] [--password P] [--count N] [--no-verify] [--allow-reprogram]");
    }
    QString summary() const override;
    QString description() const override;
    QList<QCommandLineOption> options() const override;
    int minArguments() const override { return 1; }
    int maxArguments() const override { return 1; }
    int run(const QCommandLineParser &parser, Console &console) override;
};
