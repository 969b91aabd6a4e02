#include "seriestemplate.h"

#include "checkcodes.h"
#include "imagefile.h"
#include "memorymap.h"
#include "moduleimage.h"
#include "textfields.h"

bool SeriesTemplate::load(const QString &fileName, SeriesTemplate *loaded, QString *error)
{
    LoadedImage image;
    if (!ImageFile::readImage(fileName, &image, error))
        return false;
    *loaded = fromImage(image);
    return true;
}

SeriesTemplate SeriesTemplate::fromImage(const LoadedImage &image)
{
    SeriesTemplate made;
    made.image_ = image.bytes();
    made.tables_ = {sff::kTableA0Low};
    if (image.size() >= LoadedImage::kDevice)
        made.tables_.append(sff::kTableA0High);
    if (image.size() >= LoadedImage::kModule)
        made.tables_.append(sff::kTableA2High);
    return made;
}

QByteArray SeriesTemplate::table(int table) const
{
    const int first = (sff::isA2Table(table) ? sff::kDeviceSize : 0) + sff::tableFirstByte(table);
    return image_.mid(first, sff::kTableSize);
}

QByteArray SeriesTemplate::a0LowFor(const QString &serial, const QDate &date) const
{
    using namespace sff;
    ModuleImage module = ModuleImage::fromTable(kTableA0Low, table(kTableA0Low));
    module.write(kDeviceA0, kSerialNumber.offset, encodeText(serial, kSerialNumber.length));
    if (date.isValid()) {
        const DateCode present = readDateCode(module.bytes(kDeviceA0, kDateCode));
        module.write(kDeviceA0, kDateCode.offset, encodeDateCode(date, present.lot.text));
    }
    recomputeCheckCodes(module);
    return module.table(kTableA0Low);
}

QByteArray SeriesTemplate::a2HighFor(const QByteArray &moduleA2High) const
{
    using namespace sff;
    const int userArea = a2::kUserEeprom.length;
    return table(kTableA2High).left(userArea) + moduleA2High.mid(userArea, kTableSize - userArea);
}
