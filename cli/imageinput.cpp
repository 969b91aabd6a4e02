#include "imageinput.h"

#include "console.h"
#include "exitcodes.h"
#include "imagefile.h"
#include "regionselection.h"

#include <QFile>

int ImageInput::load(const QString &file, const QCommandLineParser &parser, Console &console, LoadedImage *image)
{
    TextDump::Options options;
    if (parser.isSet(QStringLiteral("device"))) {
        const QString device = parser.value(QStringLiteral("device")).toLower();
        if (device != QLatin1String("a0") && device != QLatin1String("a2")) {
            console.message(tr("Unknown --device \"%1\": give a0 or a2").arg(device));
            return kExitUsage;
        }
        options.i2cdumpDevice = device == QLatin1String("a2") ? sff::kDeviceA2 : sff::kDeviceA0;
    }
    QString problem;
    if (file == QLatin1String("-")) {
        QFile in;
        QByteArray data;
        if (in.open(stdin, QIODevice::ReadOnly))
            data = in.read(ImageFile::kMaxFileSize + 1);
        if (data.size() > ImageFile::kMaxFileSize) {
            console.message(tr("Standard input holds more than %1 bytes: not a module image").arg(ImageFile::kMaxFileSize));
            return kExitFailure;
        }
        if (!ImageFile::decode(data, tr("standard input"), image, &problem, options)) {
            console.message(problem);
            return kExitFailure;
        }
        return kExitSuccess;
    }
    if (!ImageFile::readImage(file, image, &problem, options)) {
        console.message(problem);
        return kExitFailure;
    }
    return kExitSuccess;
}

int ImageInput::placed(const LoadedImage &loaded, const QList<sff::Region> &named, Console &console,
                       sff::ModuleImage *image)
{
    if (loaded.isUnplaced() && named.size() > 1) {
        console.message(tr("The image holds one table (128 bytes); name one table with -t, not %1")
                            .arg(RegionSelection::keys(named, sff::Family::Sfp)));
        return kExitUsage;
    }
    *image = loaded.placed(named.isEmpty() ? sff::kRegionA0Low : named.first());
    return kExitSuccess;
}
