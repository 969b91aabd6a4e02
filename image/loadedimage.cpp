#include "loadedimage.h"
#include "tableviewmodel.h"

QByteArray LoadedImage::table(int table) const
{
    const bool high = table == TableViewModel::kTableA0High || table == TableViewModel::kTableA2High;
    int first = 0;
    switch (bytes_.size()) {
    case kModule:
        first = (TableViewModel::isA2Table(table) ? kDevice : 0) + (high ? kTable : 0);
        break;
    case kDevice:
        first = high ? kTable : 0;
        break;
    case kTable:
        break;
    default:
        return QByteArray();
    }
    return bytes_.mid(first, kTable);
}
