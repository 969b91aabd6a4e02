#include "commands.h"

#include "console.h"
#include "differences.h"
#include "exitcodes.h"
#include "imagefile.h"

#include <QFileInfo>

QString DiffCommand::summary() const
{
    return tr("Compare two images byte by byte");
}

QString DiffCommand::description() const
{
    return tr("Lists the bytes in which two images of the same size differ, with their offsets. A one-table or "
              "one-device image is taken as A0h. The exit status is 3 when bytes differ.");
}

int DiffCommand::run(const QCommandLineParser &parser, Console &console)
{
    const QStringList files = parser.positionalArguments();
    LoadedImage images[2];
    QString problem;
    for (int i = 0; i < 2; ++i) {
        if (!ImageFile::readImage(files.at(i), &images[i], &problem)) {
            console.message(problem);
            return kExitFailure;
        }
    }
    if (images[0].size() != images[1].size()) {
        console.message(tr("The images differ in size: %1 holds %2 bytes, %3 holds %4")
                            .arg(files.at(0))
                            .arg(images[0].size())
                            .arg(files.at(1))
                            .arg(images[1].size()));
        return kExitFailure;
    }
    Differences differences;
    constexpr int kDeviceSize = LoadedImage::kDevice;
    for (int first = 0; first < images[0].size(); first += kDeviceSize) {
        const quint8 device = first == 0 ? 0x50 : 0x51;
        differences.compare(images[0].bytes().mid(first, kDeviceSize), images[1].bytes().mid(first, kDeviceSize),
                            kDeviceSize, device, 0);
    }
    if (differences.isEmpty()) {
        console.message(tr("The images are the same."));
        return kExitSuccess;
    }
    QString firstTitle = QFileInfo(files.at(0)).fileName();
    QString secondTitle = QFileInfo(files.at(1)).fileName();
    if (firstTitle == secondTitle) {
        firstTitle = tr("First");
        secondTitle = tr("Second");
    }
    console.print(differences.listing(firstTitle, secondTitle));
    console.message(tr("Bytes that differ: %1").arg(differences.count()));
    return kExitDifferences;
}
