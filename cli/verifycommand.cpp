#include "commands.h"

#include "commandoptions.h"
#include "console.h"
#include "differences.h"
#include "exitcodes.h"
#include "imagefile.h"
#include "programmerchoice.h"
#include "tables.h"
#include "tableviewmodel.h"
#include "transfersession.h"

#include <QFileInfo>

QString VerifyCommand::summary() const
{
    return tr("Compare tables of the module with an image");
}

QString VerifyCommand::description() const
{
    return tr("Reads the tables named with -t (default: a0-low) and compares them with the image FILE. The "
              "differing bytes are listed on standard output with their offsets. Of an A2 table the first 119 "
              "bytes are compared: the vendor area and the write-only password entry follow. The exit status is "
              "3 when bytes differ.");
}

QList<QCommandLineOption> VerifyCommand::options() const
{
    return {CommandOptions::programmer(), CommandOptions::table(QStringLiteral("a0-low"))};
}

int VerifyCommand::run(const QCommandLineParser &parser, Console &console)
{
    const QString file = parser.positionalArguments().first();
    QList<int> tables;
    QString problem;
    if (!Tables::parse(parser.values(QStringLiteral("t")), {TableViewModel::kTableA0Low}, &tables, &problem)) {
        console.message(problem);
        return kExitUsage;
    }
    LoadedImage image;
    if (const int refused = Tables::load(file, tables, &image, console))
        return refused;
    QString serial;
    if (const int refused = ProgrammerChoice::choose(parser.value(QStringLiteral("p")), &serial, console))
        return refused;

    TransferSession session(console, serial, tables.size());
    Differences differences;
    for (int table : tables) {
        session.starting(table);
        QByteArray bytes;
        const ModuleTransfer::Outcome outcome = session.transfer().read(table, &bytes);
        if (outcome == ModuleTransfer::Outcome::Failed) {
            console.message(tr("Couldn't read %1: %2").arg(Tables::title(table), session.transfer().error()));
            return kExitFailure;
        }
        if (outcome == ModuleTransfer::Outcome::Canceled || session.interrupted()) {
            console.message(tr("Interrupted."));
            return kExitInterrupted;
        }
        differences.compare(image.table(table), bytes, Tables::comparedBytes(table), Tables::device(table),
                            Tables::firstByte(table));
        session.finished();
    }
    if (differences.isEmpty()) {
        console.message(tr("The module matches the image: %1").arg(Tables::titles(tables)));
        return kExitSuccess;
    }
    console.print(differences.listing(QFileInfo(file).fileName(), tr("Module")));
    console.message(tr("Bytes that differ: %1").arg(differences.count()));
    return kExitDifferences;
}
