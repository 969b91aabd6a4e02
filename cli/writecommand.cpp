#include "commands.h"

#include "commandoptions.h"
#include "console.h"
#include "differences.h"
#include "exitcodes.h"
#include "imagefile.h"
#include "passwordoption.h"
#include "programmerchoice.h"
#include "tables.h"
#include "tableviewmodel.h"
#include "transfersession.h"

QString WriteCommand::summary() const
{
    return tr("Write tables of an image into the module");
}

QString WriteCommand::description() const
{
    return tr("Writes the tables named with -t (default: a0-low) from the image FILE into the module, after the "
              "module password, and reads each table back to verify it. A whole-module image gives each table "
              "from its place, a one-device image the tables of the device named, a one-table image the one "
              "table named.\n\n"
              "A2 Low holds the diagnostics' thresholds and calibration; it is written only with "
              "--allow-diagnostics. Ctrl+C stops once the table under way is written: a table is never left half "
              "written.");
}

QList<QCommandLineOption> WriteCommand::options() const
{
    return {CommandOptions::programmer(), CommandOptions::table(QStringLiteral("a0-low")),
            QCommandLineOption(QStringLiteral("password"),
                               tr("The module password: none (default), preset1, preset2, custom (the one stored "
                                  "in the settings) or eight hexadecimal digits."),
                               QStringLiteral("P")),
            QCommandLineOption(QStringLiteral("no-verify"), tr("Do not read the tables back.")),
            QCommandLineOption(QStringLiteral("allow-diagnostics"), tr("Allow writing A2 Low."))};
}

int WriteCommand::run(const QCommandLineParser &parser, Console &console)
{
    const QString file = parser.positionalArguments().first();
    QList<int> tables;
    QString problem;
    if (!Tables::parse(parser.values(QStringLiteral("t")), {TableViewModel::kTableA0Low}, &tables, &problem)) {
        console.message(problem);
        return kExitUsage;
    }
    if (tables.contains(TableViewModel::kTableA2Low) && !parser.isSet(QStringLiteral("allow-diagnostics"))) {
        console.message(tr("Writing A2 Low may upset the module's diagnostics and other settings; add "
                           "--allow-diagnostics to write it all the same."));
        return kExitUsage;
    }
    QByteArray password;
    const QString passwordValue = parser.isSet(QStringLiteral("password")) ? parser.value(QStringLiteral("password"))
                                                                            : QStringLiteral("none");
    if (!PasswordOption::parse(passwordValue, &password, &problem)) {
        console.message(problem);
        return kExitUsage;
    }
    LoadedImage image;
    if (const int refused = Tables::load(file, tables, &image, console))
        return refused;
    QString serial;
    if (const int refused = ProgrammerChoice::choose(parser.value(QStringLiteral("p")), &serial, console))
        return refused;

    const bool verify = !parser.isSet(QStringLiteral("no-verify"));
    TransferSession session(console, serial, tables.size());
    QList<int> written;
    for (int table : tables) {
        session.starting(table);
        const QByteArray bytes = image.table(table);
        QByteArray readBack;
        const ModuleTransfer::Outcome outcome = session.transfer().write(table, bytes, password, verify, &readBack);
        if (outcome == ModuleTransfer::Outcome::Failed) {
            const QString error = session.transfer().error();
            console.message(session.transfer().wasWritten()
                                ? tr("%1 written, but reading it back failed: %2").arg(Tables::title(table), error)
                                : tr("Couldn't write %1: %2").arg(Tables::title(table), error));
            if (!written.isEmpty())
                console.message(tr("Written before: %1").arg(Tables::titles(written)));
            return kExitFailure;
        }
        if (session.transfer().wasWritten())
            written.append(table);
        if (outcome == ModuleTransfer::Outcome::Canceled || session.interrupted()) {
            console.message(written.isEmpty() ? tr("Interrupted: nothing was written.")
                                              : tr("Interrupted: written whole: %1").arg(Tables::titles(written)));
            return kExitInterrupted;
        }
        if (verify) {
            Differences differences;
            differences.compare(bytes, readBack, Tables::comparedBytes(table), Tables::device(table),
                                Tables::firstByte(table));
            if (!differences.isEmpty()) {
                console.print(differences.listing(tr("Written"), tr("Read back")));
                console.message(tr("%1 written, but bytes read back differ: %2")
                                    .arg(Tables::title(table))
                                    .arg(differences.count()));
                return kExitDifferences;
            }
        }
        console.message(verify ? tr("%1 written and verified").arg(Tables::title(table))
                               : tr("%1 written, not verified").arg(Tables::title(table)));
        session.finished();
    }
    return kExitSuccess;
}
