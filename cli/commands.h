#pragma once
// The commands of vexa-modulant-cli, each in its own source file.

#include "command.h"
#include "moduleimage.h"
#include "seriescommand.h"

#include <QCoreApplication>

class ListCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(ListCommand)

public:
    QString name() const override { return QStringLiteral("list"); }
    QString synopsis() const override { return QStringLiteral("list"); }
    QString summary() const override;
    QString description() const override;
    int run(const QCommandLineParser &parser, Console &console) override;
};

class ReadCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(ReadCommand)

public:
    QString name() const override { return QStringLiteral("read"); }
    QString synopsis() const override { return QStringLiteral("read [-p SERIAL] [-t TABLE]... [-o FILE]"); }
    QString summary() const override;
    QString description() const override;
    QList<QCommandLineOption> options() const override;
    int run(const QCommandLineParser &parser, Console &console) override;
};

class WriteCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(WriteCommand)

public:
    QString name() const override { return QStringLiteral("write"); }
    QString synopsis() const override
    {
        return QStringLiteral("write FILE [-p SERIAL] [-t TABLE]... [--password P] [--no-verify] "
                              "[--allow-diagnostics] [--device a0|a2]");
    }
    QString summary() const override;
    QString description() const override;
    QList<QCommandLineOption> options() const override;
    int minArguments() const override { return 1; }
    int maxArguments() const override { return 1; }
    int run(const QCommandLineParser &parser, Console &console) override;
};

class VerifyCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(VerifyCommand)

public:
    QString name() const override { return QStringLiteral("verify"); }
    QString synopsis() const override
    {
        return QStringLiteral("verify FILE [-p SERIAL] [-t TABLE]... [--device a0|a2]");
    }
    QString summary() const override;
    QString description() const override;
    QList<QCommandLineOption> options() const override;
    int minArguments() const override { return 1; }
    int maxArguments() const override { return 1; }
    int run(const QCommandLineParser &parser, Console &console) override;
};

class DecodeCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(DecodeCommand)

public:
    QString name() const override { return QStringLiteral("decode"); }
    QString synopsis() const override
    {
        return QStringLiteral("decode [FILE | - | -p SERIAL] [--json] [-t TABLE] [--device a0|a2]");
    }
    QString summary() const override;
    QString description() const override;
    QList<QCommandLineOption> options() const override;
    int maxArguments() const override { return 1; }
    int run(const QCommandLineParser &parser, Console &console) override;

private:
    // Every table and page the module advertises, or A0h alone for a module
    // without diagnostics; returns an exit code, 0 when they are read.
    static int readModule(const QString &requested, Console &console, sff::ModuleImage *image);
};

class TuneCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(TuneCommand)

public:
    QString name() const override { return QStringLiteral("tune"); }
    QString synopsis() const override
    {
        return QStringLiteral("tune (--channel N | --wavelength NM) [-p SERIAL]");
    }
    QString summary() const override;
    QString description() const override;
    QList<QCommandLineOption> options() const override;
    int run(const QCommandLineParser &parser, Console &console) override;
};

class DiffCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(DiffCommand)

public:
    QString name() const override { return QStringLiteral("diff"); }
    QString synopsis() const override { return QStringLiteral("diff FILE FILE [--device a0|a2]"); }
    QString summary() const override;
    QString description() const override;
    QList<QCommandLineOption> options() const override;
    int minArguments() const override { return 2; }
    int maxArguments() const override { return 2; }
    int run(const QCommandLineParser &parser, Console &console) override;
};
