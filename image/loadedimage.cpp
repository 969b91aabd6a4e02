#include "loadedimage.h"

LoadedImage LoadedImage::unplacedTable(const QByteArray &table, Format format)
{
    LoadedImage loaded;
    loaded.unplaced_ = table;
    loaded.format_ = format;
    return loaded;
}

sff::ModuleImage LoadedImage::placed(const sff::Region &where) const
{
    if (!isUnplaced())
        return image_;
    return sff::ModuleImage::fromRegion(where, unplaced_);
}
