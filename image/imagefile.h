#pragma once
// Image files: reading the bytes of a plain file of at most 64 KiB, telling a
// module image from them (raw bytes or a text dump), and writing atomically.
// Every failure comes back as a message for the operator.

#include "loadedimage.h"

#include <QCoreApplication>
#include <QString>

class ImageFile
{
    Q_DECLARE_TR_FUNCTIONS(ImageFile)

public:
    // Whole devices are 256 or 512 bytes; anything this big is not an image.
    static constexpr qint64 kMaxFileSize = 64 * 1024;

    // The bytes of a regular file of at most kMaxFileSize bytes.
    static bool readBytes(const QString &fileName, QByteArray *data, QString *error);

    // A module image from a file: raw bytes of 128, 256 or 512, or a text dump.
    static bool readImage(const QString &fileName, LoadedImage *image, QString *error);

    // The module image in a file's bytes; `fileName` only names it in messages.
    static bool decode(const QByteArray &data, const QString &fileName, LoadedImage *image, QString *error);

    // Replaces the file only once every byte is on disk, so that a failed
    // or interrupted write keeps what was there.
    static bool write(const QString &fileName, const QByteArray &bytes, QString *error);

private:
    // False with a message for a path that exists but is not a regular file.
    static bool refuseIrregular(const QString &fileName, QString *error);
};
