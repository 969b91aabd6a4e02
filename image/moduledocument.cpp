#include "moduledocument.h"

ModuleDocument::ModuleDocument(QObject *parent) : QObject(parent)
{
    // The checksum follows every change of the grid's bytes.
    connect(&grid_, &TableViewModel::checksumChanged, this, &ModuleDocument::takeGridEdit);
}

void ModuleDocument::setImage(const sff::ModuleImage &image)
{
    restore(image, image);
}

void ModuleDocument::restore(const sff::ModuleImage &image, const sff::ModuleImage &loaded)
{
    const bool sameRegions = image.regions() == image_.regions();
    image_ = image;
    loaded_ = loaded;
    if (!image_.holdsRegion(chosen()) && !image_.isEmpty()) {
        showing_ = true;
        grid_.setRegion(image_.regions().first());
        showing_ = false;
    }
    showChosen();
    if (!sameRegions)
        emit regionsChanged();
    emit chosenChanged();
    emit changed();
}

void ModuleDocument::choose(const sff::Region &region)
{
    if (region == chosen() || !image_.holdsRegion(region))
        return;
    showing_ = true;
    grid_.setRegion(region);
    showing_ = false;
    showChosen();
    emit chosenChanged();
}

void ModuleDocument::showChosen()
{
    showing_ = true;
    grid_.restore(image_.region(chosen()).leftJustified(sff::kHalfSize, '\0', true),
                  loaded_.region(chosen()));
    showing_ = false;
    // The field mappers may have put a check code right as the grid showed it.
    takeGridEdit();
}

void ModuleDocument::takeGridEdit()
{
    if (showing_ || !image_.holdsRegion(chosen()) || image_.region(chosen()) == grid_.buffer())
        return;
    image_.putRegion(chosen(), grid_.buffer());
    emit changed();
}

void ModuleDocument::putRegion(const sff::Region &region, const QByteArray &bytes)
{
    const bool added = !image_.holdsRegion(region);
    image_.putRegion(region, bytes.leftJustified(sff::kHalfSize, '\0', true));
    if (added)
        emit regionsChanged();
    if (region == chosen()) {
        showChosen();
        emit changed();
    } else {
        emit changed();
        choose(region);
    }
}

void ModuleDocument::applyEdits(const QVector<sff::ByteEdit> &edits)
{
    sff::ModuleImage edited = image_;
    sff::applyEdits(edited, edits);
    if (edited == image_)
        return;
    image_ = edited;
    showChosen();
    emit changed();
}
