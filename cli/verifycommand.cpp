#include "commands.h"

#include "commandoptions.h"
#include "console.h"
#include "differences.h"
#include "exitcodes.h"
#include "imageinput.h"
#include "programmerchoice.h"
#include "regionreader.h"
#include "transfersession.h"
#include "writerules.h"

#include <QFileInfo>

QString VerifyCommand::summary() const
{
    return tr("Compare tables and pages of the module with an image");
}

QString VerifyCommand::description() const
{
    return tr("Reads the tables and pages named with -t (default: every region the image FILE holds) and compares "
              "them with the image. The differing bytes are listed on standard output with their addresses. Only "
              "the bytes a module keeps as written are compared: of A2 Low the thresholds, calibration and CC_DMI "
              "(bytes 0-95), not the values, status and flags after them; of A2h's upper half and its user pages "
              "the user memory (bytes 128-247). The exit status is 3 when bytes differ.");
}

QList<QCommandLineOption> VerifyCommand::options() const
{
    return {CommandOptions::programmer(), CommandOptions::table(tr("what the image holds")),
            CommandOptions::device()};
}

int VerifyCommand::run(const QCommandLineParser &parser, Console &console)
{
    const QString file = parser.positionalArguments().first();
    RegionSelection selection;
    QString problem;
    if (!RegionSelection::parse(parser.values(QStringLiteral("t")), &selection, &problem)) {
        console.message(problem);
        return kExitUsage;
    }
    LoadedImage loaded;
    sff::ModuleImage image;
    if (const int refused = ImageInput::load(file, parser, console, &loaded))
        return refused;
    if (const int refused = ImageInput::placed(loaded, selection.named(), console, &image))
        return refused;
    QList<sff::Region> regions;
    if (!(selection.isEmpty() ? RegionSelection::allRegions() : selection).inImage(image, &regions, &problem)) {
        console.message(problem);
        return kExitUsage;
    }
    QString serial;
    if (const int refused = ProgrammerChoice::choose(parser.value(QStringLiteral("p")), &serial, console))
        return refused;

    TransferSession session(console, serial, regions.size());
    sff::ModuleImage module;
    const int outcome = RegionReader::read(session, console, RegionSelection::of(regions), &module);
    if (outcome == kExitInterrupted)
        console.message(tr("Interrupted."));
    if (outcome != kExitSuccess)
        return outcome;
    const sff::Family family = sff::familyOf(image);
    Differences differences;
    for (const sff::Region &region : regions)
        differences.compare(region, image.region(region), module.region(region), sff::keptSpans(region, family));
    if (differences.isEmpty()) {
        console.message(tr("The module matches the image: %1").arg(RegionSelection::titles(regions, family)));
        return kExitSuccess;
    }
    console.print(differences.listing(file == QLatin1String("-") ? tr("Image") : QFileInfo(file).fileName(),
                                      tr("Module")));
    console.message(tr("Bytes that differ: %1").arg(differences.count()));
    return kExitDifferences;
}
