#include "commands.h"

#include "commandoptions.h"
#include "console.h"
#include "differences.h"
#include "exitcodes.h"
#include "imageinput.h"
#include "regionselection.h"

#include <QFileInfo>

QString DiffCommand::summary() const
{
    return tr("Compare two images byte by byte");
}

QString DiffCommand::description() const
{
    return tr("Lists the bytes in which two images differ, with their addresses and fields, over the tables and "
              "pages both hold, and names the regions only one of them holds. A one-table image (128 raw bytes) "
              "is taken as A0 Low. The exit status is 3 when the images differ.");
}

QList<QCommandLineOption> DiffCommand::options() const
{
    return {CommandOptions::device()};
}

int DiffCommand::run(const QCommandLineParser &parser, Console &console)
{
    const QStringList files = parser.positionalArguments();
    sff::ModuleImage images[2];
    for (int i = 0; i < 2; ++i) {
        LoadedImage loaded;
        if (const int failed = ImageInput::load(files.at(i), parser, console, &loaded))
            return failed;
        images[i] = loaded.placed(sff::kRegionA0Low);
    }
    QString titles[2] = {QFileInfo(files.at(0)).fileName(), QFileInfo(files.at(1)).fileName()};
    if (titles[0] == titles[1]) {
        titles[0] = tr("First");
        titles[1] = tr("Second");
    }

    Differences differences;
    QList<sff::Region> only[2];
    for (int i = 0; i < 2; ++i)
        for (const sff::Region &region : images[i].regions())
            if (!images[1 - i].regions().contains(region))
                only[i].append(region);
    for (const sff::Region &region : images[0].regions())
        if (images[1].regions().contains(region))
            differences.compare(region, images[0].region(region), images[1].region(region));

    if (differences.isEmpty() && only[0].isEmpty() && only[1].isEmpty()) {
        console.message(tr("The images are the same."));
        return kExitSuccess;
    }
    if (!differences.isEmpty())
        console.print(differences.listing(titles[0], titles[1]));
    for (int i = 0; i < 2; ++i)
        if (!only[i].isEmpty())
            console.print(tr("Only in %1: %2\n")
                              .arg(titles[i], RegionSelection::keys(only[i], sff::familyOf(images[i]))));
    console.message(tr("Bytes that differ: %1").arg(differences.count()));
    return kExitDifferences;
}
