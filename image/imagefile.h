#pragma once
// Image files: reading the bytes of a plain file of at most 64 KiB, telling a
// module image from them (raw bytes or a text dump), and writing atomically.
// Every failure comes back as a message for the operator.

#include "loadedimage.h"
#include "textdump.h"

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

    // A module image from a file. Raw files keep their meaning by size: 128
    // bytes are one table, placed where the reader says; 256 are A0h (or the
    // lower page and page 00h, as byte 0 says); 512 are A0h then A2h; 640 a
    // QSFP module in ethtool's layout. A file of such a size is raw unless it
    // is a whole text dump with an offset column; text of any other size is a
    // dump, plain hex among them.
    static bool readImage(const QString &fileName, LoadedImage *image, QString *error,
                          const TextDump::Options &options = TextDump::Options());

    // The module image in a file's bytes; `fileName` only names it in messages.
    static bool decode(const QByteArray &data, const QString &fileName, LoadedImage *image, QString *error,
                       const TextDump::Options &options = TextDump::Options());

    // What a file of these regions holds: the raw layout that holds exactly
    // them (A0 Low alone, A0h, A0h then A2h, ...), else the tool's own dump,
    // which keeps every byte's address.
    static QByteArray encode(const sff::ModuleImage &image);

    // Replaces the file only once every byte is on disk, so that a failed
    // or interrupted write keeps what was there.
    static bool write(const QString &fileName, const QByteArray &bytes, QString *error);

private:
    // False with a message for a path that exists but is not a regular file.
    static bool refuseIrregular(const QString &fileName, QString *error);
};
