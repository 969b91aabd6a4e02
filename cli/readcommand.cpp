#include "commands.h"

#include "commandoptions.h"
#include "console.h"
#include "exitcodes.h"
#include "imagefile.h"
#include "programmerchoice.h"
#include "regionreader.h"
#include "transfersession.h"

QString ReadCommand::summary() const
{
    return tr("Read tables and pages of the module");
}

QString ReadCommand::description() const
{
    return tr("Reads the tables and pages named with -t (default: all, every table and page the module advertises). "
              "Without -o their bytes are printed as a hex dump in the layout of \"ethtool -m DEV hex on\" (A2h "
              "from offset 0x100), each region after a line that names it (\"# a2-page-01\"), so that the dump "
              "reads back to the same bytes at the same addresses. With -o FILE they go into a file, written whole "
              "or not at all: raw bytes where a raw layout holds exactly what was read (A0 Low alone, A0h, A0h "
              "then A2h, a QSFP module's lower page and pages 00h-03h), the dump otherwise; -o - sends the same to "
              "standard output.\n\n"
              "A page is read with its number written to byte 127 of its device, which is read back to check that "
              "the module took it; afterwards the module's own page is selected again. A module without diagnostics "
              "(no answer at A2h, and A0h byte 92 says so) gives its A0h tables alone, with a note.");
}

QList<QCommandLineOption> ReadCommand::options() const
{
    return {CommandOptions::programmer(), CommandOptions::table(QStringLiteral("all")),
            QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")},
                               tr("A file to write, or - for standard output."), QStringLiteral("FILE"))};
}

int ReadCommand::run(const QCommandLineParser &parser, Console &console)
{
    RegionSelection selection;
    QString problem;
    if (!RegionSelection::parse(parser.values(QStringLiteral("t")), &selection, &problem)) {
        console.message(problem);
        return kExitUsage;
    }
    if (selection.isEmpty())
        selection = RegionSelection::allRegions();
    QString serial;
    if (const int refused = ProgrammerChoice::choose(parser.value(QStringLiteral("p")), &serial, console))
        return refused;

    TransferSession session(console, serial, qMax(1, selection.named().size()));
    sff::ModuleImage image;
    const int outcome = RegionReader::read(session, console, selection, &image);
    if (outcome == kExitInterrupted)
        console.message(tr("Interrupted: nothing was written."));
    if (outcome != kExitSuccess)
        return outcome;

    const QString output = parser.value(QStringLiteral("o"));
    const QByteArray bytes = output.isEmpty() ? TextDump::write(image) : ImageFile::encode(image);
    if (output.isEmpty() || output == QLatin1String("-")) {
        console.data(bytes);
    } else if (!ImageFile::write(output, bytes, &problem)) {
        console.message(problem);
        return kExitFailure;
    }
    return kExitSuccess;
}
