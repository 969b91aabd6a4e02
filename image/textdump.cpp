#include "textdump.h"

#include "flatlayout.h"

#include <QList>
#include <QMap>
#include <QRegularExpression>

namespace {

constexpr int kRowBytes = 16;
constexpr int kTableSize = sff::kHalfSize;
const QByteArray kByteOrderMark("\xEF\xBB\xBF");

struct Line {
    int number;
    QByteArray text;  // without the line break and trailing white space
    QList<QByteArray> tokens() const { return text.simplified().split(' '); }
};

QString hexOffset(int offset)
{
    return QStringLiteral("0x%1").arg(offset, 4, 16, QLatin1Char('0'));
}

// The lines that hold anything, numbered from 1 as an editor counts them.
QList<Line> contentLines(const QByteArray &text)
{
    QByteArray unified = text.startsWith(kByteOrderMark) ? text.mid(kByteOrderMark.size()) : text;
    unified.replace("\r\n", "\n");
    unified.replace('\r', '\n');
    QList<Line> lines;
    int number = 0;
    for (const QByteArray &line : unified.split('\n')) {
        ++number;
        if (line.trimmed().isEmpty())
            continue;
        int end = line.size();
        while (end > 0 && QChar::isSpace(uchar(line.at(end - 1))))
            --end;
        lines.append({number, line.left(end)});
    }
    return lines;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Appends the bytes of a run of hex digit pairs; false if it is not one.
bool appendHexPairs(const QByteArray &digits, QByteArray &bytes)
{
    if (digits.isEmpty() || digits.size() % 2 != 0)
        return false;
    for (int i = 0; i < digits.size(); i += 2) {
        const int high = hexDigit(digits.at(i));
        const int low = hexDigit(digits.at(i + 1));
        if (high < 0 || low < 0)
            return false;
        bytes.append(char(high * 16 + low));
    }
    return true;
}

QString sizeRule()
{
    return TextDump::tr("an image without offsets is one table (128 bytes), the two tables of A0h (256), a whole "
                        "SFP module (512) or a QSFP module's lower page and pages 00h-03h (640)");
}

QString notHex(const Line &line, const QByteArray &token)
{
    return TextDump::tr("Line %1: \"%2\" is not a hexadecimal byte").arg(line.number).arg(QString::fromLatin1(token));
}

bool isEthtoolOffset(const QByteArray &token)
{
    static const QRegularExpression offset(QStringLiteral("^0x[0-9a-fA-F]+:$"));
    return offset.match(QString::fromLatin1(token)).hasMatch();
}

bool isMarker(const Line &line)
{
    return line.text.trimmed().startsWith('#');
}

bool isI2cdumpRowStart(const QByteArray &text)
{
    return text.size() >= 3 && hexDigit(text.at(0)) >= 0 && hexDigit(text.at(1)) >= 0 && text.at(2) == ':';
}

bool isI2cdumpHeading(const Line &line)
{
    const QList<QByteArray> tokens = line.tokens();
    if (tokens.size() != kRowBytes && tokens.size() != kRowBytes + 1)
        return false;
    for (int i = 0; i < kRowBytes; ++i)
        if (tokens.at(i) != QByteArray::number(i, 16))
            return false;
    return tokens.size() == kRowBytes || tokens.last() == "0123456789abcdef";
}

bool isEthtoolStart(const Line &line)
{
    const QByteArray first = line.tokens().first();
    return first == "Offset" || isEthtoolOffset(first) || isMarker(line);
}

// Rows of a dump put at their addresses, each region to be held whole.
class Regions
{
public:
    bool add(const Line &line, const sff::Region &region, int offset, const QByteArray &row, QString *error)
    {
        for (int i = 0; i < row.size(); ++i) {
            const Key key{region, offset + i};
            if (firstLine_.contains(key)) {
                *error = TextDump::tr("Line %1: the bytes of this row are given already at line %2")
                             .arg(line.number)
                             .arg(firstLine_.value(key));
                return false;
            }
            firstLine_.insert(key, line.number);
        }
        image_.put(region.device, offset, row, region.page);
        return true;
    }

    LoadedImage image(LoadedImage::Format format, QString *error) const
    {
        for (const sff::Region &region : image_.regions()) {
            if (image_.holdsRegion(region))
                continue;
            const Key first = *std::find_if(firstLine_.keyBegin(), firstLine_.keyEnd(),
                                            [&region](const Key &key) { return key.region == region; });
            *error = TextDump::tr("Line %1: the dump holds part of %2 only; a region (128 bytes) is read and "
                                  "written whole")
                         .arg(firstLine_.value(first))
                         .arg(sff::regionKey(region, sff::familyOf(image_)));
            return LoadedImage();
        }
        return LoadedImage(image_, format);
    }

private:
    struct Key {
        sff::Region region;
        int offset;
        bool operator<(const Key &other) const
        {
            return region < other.region || (region == other.region && offset < other.offset);
        }
    };
    sff::ModuleImage image_;
    QMap<Key, int> firstLine_;
};

struct EthtoolRow {
    Line line;
    int flat;
    QByteArray bytes;
    bool marked;
    sff::Region marker;
};

// The family the rows' flat offsets follow: by the identifier, where the dump has it.
sff::Family familyOfRows(const QList<EthtoolRow> &rows)
{
    for (const EthtoolRow &row : rows)
        if (row.flat == 0 && (!row.marked || row.marker == sff::kRegionA0Low))
            return sff::familyOfIdentifier(quint8(row.bytes.at(0)));
    return sff::Family::Sfp;
}

bool readEthtoolRow(const Line &line, EthtoolRow *row, QString *error)
{
    const QList<QByteArray> tokens = line.tokens();
    if (!isEthtoolOffset(tokens.first())) {
        *error = TextDump::tr("Line %1: a row starts with its offset, like \"0x0010:\"; found \"%2\"")
                     .arg(line.number)
                     .arg(QString::fromLatin1(tokens.first()));
        return false;
    }
    if (tokens.size() - 1 != kRowBytes) {
        *error = TextDump::tr("Line %1: 16 bytes expected after the offset, found %2")
                     .arg(line.number)
                     .arg(tokens.size() - 1);
        return false;
    }
    row->bytes.clear();
    for (int b = 1; b < tokens.size(); ++b) {
        if (tokens.at(b).size() != 2 || !appendHexPairs(tokens.at(b), row->bytes)) {
            *error = notHex(line, tokens.at(b));
            return false;
        }
    }
    bool ok = false;
    row->flat = QString::fromLatin1(tokens.first().chopped(1)).toInt(&ok, 16);
    if (!ok || row->flat % kRowBytes != 0) {
        *error = TextDump::tr("Line %1: %2 is not the offset of a row of 16 bytes")
                     .arg(line.number)
                     .arg(QString::fromLatin1(tokens.first().chopped(1)));
        return false;
    }
    row->line = line;
    return true;
}

LoadedImage parseEthtool(const QList<Line> &lines, QString *error)
{
    // Headings may stand anywhere, as in dumps put one after the other.
    static const QRegularExpression rule(QStringLiteral("^[-\\s]+$"));
    QList<EthtoolRow> rows;
    bool marked = false;
    sff::Region marker;
    bool anyMarker = false;
    for (int i = 0; i < lines.size(); ++i) {
        const Line &line = lines.at(i);
        if (line.tokens().first() == "Offset") {
            if (i + 1 < lines.size() && rule.match(QString::fromLatin1(lines.at(i + 1).text)).hasMatch())
                ++i;
            continue;
        }
        if (isMarker(line)) {
            const QString name = QString::fromLatin1(line.text.trimmed().mid(1)).trimmed();
            if (!sff::parseRegionKey(name, &marker)) {
                *error = TextDump::tr("Line %1: \"%2\" names no region; regions are named like a0-low, a2-high, "
                                      "a2-page-01, lower, page-03 or bank-1-page-10")
                             .arg(line.number)
                             .arg(name);
                return LoadedImage();
            }
            marked = anyMarker = true;
            continue;
        }
        EthtoolRow row;
        if (!readEthtoolRow(line, &row, error))
            return LoadedImage();
        row.marked = marked;
        row.marker = marker;
        rows.append(row);
    }

    const sff::Family family = familyOfRows(rows);
    Regions regions;
    for (const EthtoolRow &row : rows) {
        sff::Region region = row.marker;
        if (!row.marked && !sff::regionAtFlat(row.flat, family, &region)) {
            *error = TextDump::tr("Line %1: offset %2 is past the end of the layout of a module of this kind")
                         .arg(row.line.number)
                         .arg(hexOffset(row.flat));
            return LoadedImage();
        }
        const int within = row.flat - sff::flatOffset(region);
        if (within < 0 || within >= kTableSize) {
            *error = TextDump::tr("Line %1: offset %2 is not in %3 (%4 to %5), which the region line above names")
                         .arg(row.line.number)
                         .arg(hexOffset(row.flat), sff::regionKey(region, family),
                              hexOffset(sff::flatOffset(region)), hexOffset(sff::flatOffset(region) + kTableSize - 1));
            return LoadedImage();
        }
        if (!regions.add(row.line, region, region.firstByte() + within, row.bytes, error))
            return LoadedImage();
    }
    if (rows.isEmpty()) {
        *error = TextDump::tr("The dump holds no rows of bytes");
        return LoadedImage();
    }
    return regions.image(anyMarker ? LoadedImage::Format::ToolDump : LoadedImage::Format::EthtoolHex, error);
}

// i2cdump prints fixed columns: "%02x:" then " %02x" per byte ("XX" for a
// byte it could not read, blanks outside a range), then the ASCII column.
LoadedImage parseI2cdump(const QList<Line> &lines, quint8 device, QString *error)
{
    struct Row {
        Line line;
        int offset;
        QByteArray bytes;
    };
    QList<Row> rows;
    for (int i = isI2cdumpHeading(lines.at(0)) ? 1 : 0; i < lines.size(); ++i) {
        const Line &line = lines.at(i);
        const QByteArray &text = line.text;
        if (!isI2cdumpRowStart(text)) {
            *error = TextDump::tr("Line %1: a row starts with its offset, like \"10:\"; found \"%2\"")
                         .arg(line.number)
                         .arg(QString::fromLatin1(line.tokens().first()));
            return LoadedImage();
        }
        const int offset = hexDigit(text.at(0)) * 16 + hexDigit(text.at(1));
        QByteArray row;
        for (int b = 0; b < kRowBytes; ++b) {
            const int at = 3 + 3 * b;
            const QByteArray pair = text.mid(at + 1, 2);
            if (text.size() < at + 3 || text.at(at) != ' ' || pair.trimmed().isEmpty()) {
                *error = TextDump::tr("Line %1: 16 bytes expected in the row, found %2").arg(line.number).arg(b);
                return LoadedImage();
            }
            if (pair == "XX") {
                *error = TextDump::tr("Line %1: i2cdump could not read the byte at offset %2")
                             .arg(line.number)
                             .arg(hexOffset(offset + b));
                return LoadedImage();
            }
            if (!appendHexPairs(pair, row)) {
                *error = notHex(line, pair);
                return LoadedImage();
            }
        }
        const int end = 3 + 3 * kRowBytes;
        if (text.size() > end && text.at(end) != ' ') {
            *error = TextDump::tr("Line %1: 16 bytes expected in the row, found more").arg(line.number);
            return LoadedImage();
        }
        if (offset % kRowBytes != 0) {
            *error = TextDump::tr("Line %1: %2 is not the offset of a row of 16 bytes")
                         .arg(line.number)
                         .arg(QString::fromLatin1(text.left(2)));
            return LoadedImage();
        }
        rows.append({line, offset, row});
    }
    // The upper half of device 0x50 of a module with pages is its page 00h.
    sff::Page upper;
    for (const Row &row : rows)
        if (device == sff::kDeviceA0 && row.offset == 0
            && sff::familyOfIdentifier(quint8(row.bytes.at(0))) != sff::Family::Sfp)
            upper = sff::Page{0};
    Regions regions;
    for (const Row &row : rows)
        if (!regions.add(row.line, sff::Region::holding(device, row.offset, upper), row.offset, row.bytes, error))
            return LoadedImage();
    return regions.image(LoadedImage::Format::I2cdump, error);
}

LoadedImage parsePlain(const QList<Line> &lines, QString *error)
{
    QByteArray bytes;
    for (const Line &line : lines) {
        for (const QByteArray &token : line.tokens()) {
            if (!appendHexPairs(token, bytes)) {
                *error = notHex(line, token);
                return LoadedImage();
            }
        }
        if (bytes.size() > sff::kRawQsfpModule) {
            *error = TextDump::tr("Line %1: more than %2 bytes; %3")
                         .arg(line.number)
                         .arg(sff::kRawQsfpModule)
                         .arg(sizeRule());
            return LoadedImage();
        }
    }
    if (bytes.size() == kTableSize)
        return LoadedImage::unplacedTable(bytes, LoadedImage::Format::PlainHex);
    sff::ModuleImage image;
    QString reason;
    if (!sff::isRawModuleSize(bytes.size())) {
        *error = TextDump::tr("The dump ends at line %1 after %2 bytes: %3")
                     .arg(lines.last().number)
                     .arg(bytes.size())
                     .arg(sizeRule());
        return LoadedImage();
    }
    if (!sff::fromRawLayout(bytes, &image, &reason)) {
        *error = TextDump::tr("The dump holds %1 bytes: %2").arg(bytes.size()).arg(reason);
        return LoadedImage();
    }
    return LoadedImage(image, LoadedImage::Format::PlainHex);
}

QByteArray hexRows(const QByteArray &bytes, int offset)
{
    QByteArray text;
    for (int i = 0; i < bytes.size(); ++i) {
        if (i % kRowBytes == 0)
            text += hexOffset(offset + i).toLatin1() + ":\t\t";
        text += QByteArray::number(uchar(bytes.at(i)), 16).rightJustified(2, '0') + ' ';
        if (i % kRowBytes == kRowBytes - 1 || i == bytes.size() - 1)
            text += '\n';
    }
    return text;
}

}  // namespace

bool TextDump::isText(const QByteArray &data)
{
    const int start = data.startsWith(kByteOrderMark) ? kByteOrderMark.size() : 0;
    if (data.size() == start)
        return false;
    for (int i = start; i < data.size(); ++i) {
        const uchar c = uchar(data.at(i));
        if ((c < 0x20 || c > 0x7E) && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != '\v')
            return false;
    }
    return true;
}

bool TextDump::hasOffsets(const QByteArray &text)
{
    const QList<Line> lines = contentLines(text);
    if (lines.isEmpty())
        return false;
    return isEthtoolStart(lines.first()) || isI2cdumpHeading(lines.first()) || isI2cdumpRowStart(lines.first().text);
}

bool TextDump::isI2cdump(const QByteArray &text)
{
    if (!isText(text))
        return false;
    const QList<Line> lines = contentLines(text);
    return !lines.isEmpty() && (isI2cdumpHeading(lines.first()) || isI2cdumpRowStart(lines.first().text));
}

LoadedImage TextDump::parse(const QByteArray &text, QString *error, const Options &options)
{
    const QList<Line> lines = contentLines(text);
    if (lines.isEmpty()) {
        *error = tr("The dump holds no bytes: %1").arg(sizeRule());
        return LoadedImage();
    }
    if (isEthtoolStart(lines.first()))
        return parseEthtool(lines, error);
    if (isI2cdumpHeading(lines.first()) || isI2cdumpRowStart(lines.first().text))
        return parseI2cdump(lines, options.i2cdumpDevice, error);
    return parsePlain(lines, error);
}

QByteArray TextDump::write(const sff::ModuleImage &image)
{
    const sff::Family family = sff::familyOf(image);
    QByteArray text = QByteArrayLiteral("Offset\t\tValues\n------\t\t------\n");
    for (const sff::Region &region : image.regions()) {
        text += "# " + sff::regionKey(region, family).toLatin1() + '\n';
        text += hexRows(image.region(region), sff::flatOffset(region));
    }
    return text;
}
