// Image files: the raw bytes of one buffer, no header.

#include "tableviewmodel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool TableViewModel::refuseIrregular(const QString &fileName)
{
    // A FIFO or a device would block the window for as long as nobody
    // answers at its other end, or never end: only plain files hold images.
    const QFileInfo info(fileName);
    if (!info.exists() || info.isFile())
        return false;
    emit error(tr("Not a regular file: %1").arg(QDir::toNativeSeparators(fileName)));
    return true;
}

bool TableViewModel::load(const QString &fileName)
{
    if (refuseIrregular(fileName))
        return false;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        emit error(tr("Couldn't open file: %1").arg(file.errorString()));
        return false;
    }

    // Read one byte past the limit, so that an oversized file (or an endless
    // device) is recognised without taking it into memory whole.
    QByteArray data;
    while (data.size() <= kMaxImageFileSize) {
        const QByteArray chunk = file.read(kMaxImageFileSize + 1 - data.size());
        if (chunk.isEmpty())
            break;
        data += chunk;
    }
    if (file.error() != QFileDevice::NoError) {
        emit error(tr("Couldn't read file: %1").arg(file.errorString()));
        return false;
    }
    if (data.size() > kMaxImageFileSize) {
        emit error(tr("File is too large for an EEPROM image (more than %1 bytes): %2")
                       .arg(kMaxImageFileSize)
                       .arg(QDir::toNativeSeparators(fileName)));
        return false;
    }

    if (!data.isEmpty())
        setBuffer(data);
    return true;
}

bool TableViewModel::save(const QString &fileName)
{
    if (refuseIrregular(fileName))
        return false;
    // The new image goes to a temporary file that replaces the old one only
    // once every byte is on disk, so a failed save keeps the previous image.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        emit error(tr("Couldn't open file: %1").arg(file.errorString()));
        return false;
    }
    // Without a commit the temporary file goes with `file`.
    if (file.write(buffer_) != buffer_.size() || !file.flush() || !file.commit()) {
        emit error(tr("Couldn't write file: %1").arg(file.errorString()));
        return false;
    }
    return true;
}
