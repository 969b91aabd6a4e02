#pragma once
// A module image as loaded from a file: addressed regions, as a dump or a raw
// layout states them, or one 128-byte table whose place the file does not say
// (a raw table, or plain hex of one), which the reader places where the user
// says: the window at the selected table, the command line at -t.

#include "moduleimage.h"

#include <QByteArray>

class LoadedImage
{
public:
    // Where its bytes came from.
    enum class Format { Raw, EthtoolHex, I2cdump, PlainHex, ToolDump };

    LoadedImage() = default;
    LoadedImage(sff::ModuleImage image, Format format) : image_(std::move(image)), format_(format) {}
    static LoadedImage unplacedTable(const QByteArray &table, Format format);

    bool isEmpty() const { return image_.isEmpty() && unplaced_.isEmpty(); }
    Format format() const { return format_; }
    // A table that goes where the reader places it.
    bool isUnplaced() const { return !unplaced_.isEmpty(); }
    const QByteArray &unplacedBytes() const { return unplaced_; }
    // The regions, with an unplaced table put at `where`.
    sff::ModuleImage placed(const sff::Region &where) const;
    // The regions as the file states them.
    const sff::ModuleImage &image() const { return image_; }

private:
    sff::ModuleImage image_;
    QByteArray unplaced_;
    Format format_ = Format::Raw;
};
