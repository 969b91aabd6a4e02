#include "imagefile.h"

#include "flatlayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool ImageFile::refuseIrregular(const QString &fileName, QString *error)
{
    // A FIFO or a device would block for as long as nobody answers at its
    // other end, or never end: only plain files hold images.
    const QFileInfo info(fileName);
    if (!info.exists() || info.isFile())
        return false;
    *error = tr("Not a regular file: %1").arg(QDir::toNativeSeparators(fileName));
    return true;
}

bool ImageFile::readBytes(const QString &fileName, QByteArray *data, QString *error)
{
    if (refuseIrregular(fileName, error))
        return false;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = tr("Couldn't open %1: %2").arg(QDir::toNativeSeparators(fileName), file.errorString());
        return false;
    }

    // Read one byte past the limit, so that an oversized file (or an endless
    // device) is recognised without taking it into memory whole.
    QByteArray bytes;
    while (bytes.size() <= kMaxFileSize) {
        const QByteArray chunk = file.read(kMaxFileSize + 1 - bytes.size());
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (file.error() != QFileDevice::NoError) {
        *error = tr("Couldn't read %1: %2").arg(QDir::toNativeSeparators(fileName), file.errorString());
        return false;
    }
    if (bytes.size() > kMaxFileSize) {
        *error = tr("File is too large for an EEPROM image (more than %1 bytes): %2")
                     .arg(kMaxFileSize)
                     .arg(QDir::toNativeSeparators(fileName));
        return false;
    }
    *data = bytes;
    return true;
}

bool ImageFile::readImage(const QString &fileName, LoadedImage *image, QString *error,
                          const TextDump::Options &options)
{
    QByteArray data;
    return readBytes(fileName, &data, error) && decode(data, fileName, image, error, options);
}

bool ImageFile::decode(const QByteArray &data, const QString &fileName, LoadedImage *image, QString *error,
                       const TextDump::Options &options)
{
    const QString name = QDir::toNativeSeparators(fileName);
    const bool rawSize = data.size() == sff::kTableSize || sff::isRawModuleSize(data.size());
    if (TextDump::isText(data) && (!rawSize || TextDump::hasOffsets(data))) {
        QString problem;
        const LoadedImage parsed = TextDump::parse(data, &problem, options);
        if (!parsed.isEmpty()) {
            *image = parsed;
            return true;
        }
        if (!rawSize) {
            *error = tr("Not a module dump: %1\n%2").arg(name, problem);
            return false;
        }
    }
    if (data.size() == sff::kTableSize) {
        *image = LoadedImage::unplacedTable(data, LoadedImage::Format::Raw);
        return true;
    }
    sff::ModuleImage raw;
    QString reason;
    if (!rawSize) {
        *error = tr("Not a module image: %1 holds %2 bytes; a raw image is one table (128 bytes), A0h (256 bytes), "
                    "a whole SFP module (512 bytes) or a QSFP module (640 bytes)")
                     .arg(name)
                     .arg(data.size());
        return false;
    }
    if (!sff::fromRawLayout(data, &raw, &reason)) {
        *error = tr("Not a module image: %1: %2").arg(name, reason);
        return false;
    }
    *image = LoadedImage(raw, LoadedImage::Format::Raw);
    return true;
}

QByteArray ImageFile::encode(const sff::ModuleImage &image)
{
    const QList<sff::Region> regions = image.regions();
    if (regions == QList<sff::Region>{sff::kRegionA0Low} && image.holdsRegion(sff::kRegionA0Low))
        return image.region(sff::kRegionA0Low);
    const QByteArray raw = sff::toRawLayout(image);
    return raw.isEmpty() ? TextDump::write(image) : raw;
}

bool ImageFile::write(const QString &fileName, const QByteArray &bytes, QString *error)
{
    if (refuseIrregular(fileName, error))
        return false;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = tr("Couldn't open %1: %2").arg(QDir::toNativeSeparators(fileName), file.errorString());
        return false;
    }
    // Without a commit the temporary file goes with `file`.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit()) {
        *error = tr("Couldn't write %1: %2").arg(QDir::toNativeSeparators(fileName), file.errorString());
        return false;
    }
    return true;
}
