#pragma once
// The image a command is given: a file, or - for standard input, in any
// format the tool reads; --device names the device of an i2cdump, which the
// dump itself does not say.

#include "loadedimage.h"

#include <QCommandLineParser>
#include <QCoreApplication>

class Console;

class ImageInput
{
    Q_DECLARE_TR_FUNCTIONS(ImageInput)

public:
    // 0, or the exit code after the message is told on the console.
    static int load(const QString &file, const QCommandLineParser &parser, Console &console, LoadedImage *image);
    // The regions of the image, a one-table image placed at the region -t
    // names (A0 Low when it names none).
    static int placed(const LoadedImage &loaded, const QList<sff::Region> &named, Console &console,
                      sff::ModuleImage *image);
};
