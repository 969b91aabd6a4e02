#include "commands.h"

#include "commandoptions.h"
#include "console.h"
#include "exitcodes.h"
#include "imagefile.h"
#include "programmerchoice.h"
#include "tablereader.h"
#include "tables.h"
#include "textdump.h"
#include "transfersession.h"

#include <QMap>

QString ReadCommand::summary() const
{
    return tr("Read tables of the module");
}

QString ReadCommand::description() const
{
    return tr("Reads the tables named with -t (default: all). Without -o their bytes are printed as a hex dump in "
              "the layout of \"ethtool -m DEV hex on\", A2h from offset 0x100. With -o FILE they go into a raw "
              "image, which is written whole or not at all; -o - sends the raw bytes to standard output. A raw "
              "image holds one table, one device (a0 or a2) or the whole module (all).\n\n"
              "A module without diagnostics (no answer at A2h, and A0h byte 92 says so) gives its A0h tables "
              "alone, with a note.");
}

QList<QCommandLineOption> ReadCommand::options() const
{
    return {CommandOptions::programmer(), CommandOptions::table(QStringLiteral("all")),
            QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")},
                               tr("A raw image file to write, or - for standard output."), QStringLiteral("FILE"))};
}

int ReadCommand::run(const QCommandLineParser &parser, Console &console)
{
    QList<int> tables;
    QString problem;
    if (!Tables::parse(parser.values(QStringLiteral("t")), Tables::all(), &tables, &problem)) {
        console.message(problem);
        return kExitUsage;
    }
    const QString output = parser.value(QStringLiteral("o"));
    if (!output.isEmpty() && Tables::imageSize(tables) == 0) {
        console.message(tr("A raw image holds one table, one device or the whole module, not %1")
                            .arg(Tables::titles(tables)));
        return kExitUsage;
    }
    QString serial;
    if (const int refused = ProgrammerChoice::choose(parser.value(QStringLiteral("p")), &serial, console))
        return refused;

    TransferSession session(console, serial, tables.size());
    QMap<int, QByteArray> read;
    const int outcome = TableReader::read(session, console, tables, &read);
    if (outcome == kExitInterrupted)
        console.message(tr("Interrupted: nothing was written."));
    if (outcome != kExitSuccess)
        return outcome;

    if (output == QLatin1String("-")) {
        console.data(Tables::assemble(read));
    } else if (!output.isEmpty()) {
        if (!ImageFile::write(output, Tables::assemble(read), &problem)) {
            console.message(problem);
            return kExitFailure;
        }
    } else {
        QByteArray dump;
        for (auto it = read.cbegin(); it != read.cend(); ++it)
            dump += it == read.cbegin() ? TextDump::ethtoolHex(*it, Tables::moduleOffset(it.key()))
                                        : TextDump::ethtoolHexRows(*it, Tables::moduleOffset(it.key()));
        console.data(dump);
    }
    return kExitSuccess;
}
