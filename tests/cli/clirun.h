#pragma once
// vexa-modulant-cli run as a shell runs it, against a simulated module kept
// in a file, for the tests of one family's commands. VEXA_CLI is the program.

#include <QProcess>
#include <QString>
#include <QStringList>

struct Run {
    int code;  // -1 when the program did not exit normally
    QByteArray out;
    QString err;
};

// With the simulator's module in `module`, the settings under `config`, and
// where given, the simulator's series of `modules`.
inline Run runCli(const QStringList &arguments, const QString &module, const QString &config,
                  const QString &modules = QString())
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("VEXA_SIMULATOR", module);
    if (!modules.isEmpty())
        environment.insert("VEXA_SIMULATOR_MODULES", modules);
    environment.insert("XDG_CONFIG_HOME", config);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VEXA_CLI), arguments);
    program.waitForFinished(120000);
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1, program.readAllStandardOutput(),
            QString::fromUtf8(program.readAllStandardError())};
}
