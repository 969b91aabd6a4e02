#pragma once
// A module image as loaded from a file: the bytes of one table, one device or the
// whole module, as an image file or a text dump holds them. The whole module is
// A0h bytes 0 to 255 followed by A2h bytes 0 to 255, the layout of `ethtool -m ... raw on`.

#include <QByteArray>

#include <utility>

class LoadedImage
{
public:
    // What an image holds, by its size.
    enum Extent { kTable = 128, kDevice = 256, kModule = 512 };
    // Where its bytes came from.
    enum class Format { Raw, EthtoolHex, I2cdump, PlainHex };

    LoadedImage() = default;
    LoadedImage(QByteArray bytes, Format format) : bytes_(std::move(bytes)), format_(format) {}

    static bool isImageSize(qint64 size) { return size == kTable || size == kDevice || size == kModule; }

    const QByteArray &bytes() const { return bytes_; }
    int size() const { return bytes_.size(); }
    Format format() const { return format_; }
    bool isEmpty() const { return bytes_.isEmpty(); }

    // The 128 bytes of a table (TableViewModel::TableId): in a whole-module
    // image the table at its place, in a device image the table's half of the
    // device, and a one-table image as it stands.
    QByteArray table(int table) const;

private:
    QByteArray bytes_;
    Format format_ = Format::Raw;
};
