#include "textdump.h"

#include <QList>
#include <QRegularExpression>

namespace {

constexpr int kRowBytes = 16;
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
    QByteArray unified = text;
    unified.replace("\r\n", "\n");
    unified.replace('\r', '\n');
    QList<Line> lines;
    int number = 0;
    for (const QByteArray &line : unified.split('\n')) {
        ++number;
        const QByteArray trimmed = line.trimmed();
        if (!trimmed.isEmpty()) {
            int end = line.size();
            while (end > 0 && QChar::isSpace(uchar(line.at(end - 1))))
                --end;
            lines.append({number, line.left(end)});
        }
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
    return TextDump::tr("a module image is one whole table (128 bytes), one device (256 bytes) or the whole "
                        "module (512 bytes)");
}

// Collects the rows of a dump with an offset column and checks that they
// follow each other without a gap from the start of a table.
class Rows
{
public:
    explicit Rows(int limit) : limit_(limit) {}

    bool add(const Line &line, int offset, const QByteArray &row, QString *error)
    {
        if (bytes_.isEmpty()) {
            if (offset % LoadedImage::kTable != 0) {
                *error = TextDump::tr("Line %1: the dump starts at offset %2, not at the start of a table")
                             .arg(line.number)
                             .arg(hexOffset(offset));
                return false;
            }
            first_ = offset;
        } else if (offset != first_ + bytes_.size()) {
            *error = TextDump::tr("Line %1: offset %2 is out of order, %3 was expected")
                         .arg(line.number)
                         .arg(hexOffset(offset), hexOffset(first_ + bytes_.size()));
            return false;
        }
        if (offset + row.size() > limit_) {
            *error = TextDump::tr("Line %1: offset %2 is past the end of the memory (%3 bytes)")
                         .arg(line.number)
                         .arg(hexOffset(offset))
                         .arg(limit_);
            return false;
        }
        bytes_ += row;
        lastLine_ = line.number;
        return true;
    }

    // The rows as an image: a whole table, device or module at its place.
    LoadedImage image(LoadedImage::Format format, QString *error) const
    {
        const int size = bytes_.size();
        const bool placed = LoadedImage::isImageSize(size) && first_ % size == 0;
        if (!placed) {
            *error = TextDump::tr("The dump ends at line %1 after %2 bytes from offset %3: %4")
                         .arg(lastLine_)
                         .arg(size)
                         .arg(hexOffset(first_), sizeRule());
            return LoadedImage();
        }
        return LoadedImage(bytes_, format);
    }

private:
    int limit_;
    int first_ = 0;
    int lastLine_ = 0;
    QByteArray bytes_;
};

bool isEthtoolOffset(const QByteArray &token)
{
    static const QRegularExpression offset(QStringLiteral("^0x[0-9a-fA-F]+:$"));
    return offset.match(QString::fromLatin1(token)).hasMatch();
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

LoadedImage parseEthtool(const QList<Line> &lines, QString *error)
{
    int i = 0;
    if (lines.at(0).tokens().first() == "Offset") {
        ++i;
        static const QRegularExpression rule(QStringLiteral("^[-\\s]+$"));
        if (i < lines.size() && rule.match(QString::fromLatin1(lines.at(i).text)).hasMatch())
            ++i;
    }
    Rows rows(LoadedImage::kModule);
    for (; i < lines.size(); ++i) {
        const Line &line = lines.at(i);
        const QList<QByteArray> tokens = line.tokens();
        if (!isEthtoolOffset(tokens.first())) {
            *error = TextDump::tr("Line %1: a row starts with its offset, like \"0x0010:\"; found \"%2\"")
                         .arg(line.number)
                         .arg(QString::fromLatin1(tokens.first()));
            return LoadedImage();
        }
        if (tokens.size() - 1 != kRowBytes) {
            *error = TextDump::tr("Line %1: 16 bytes expected after the offset, found %2")
                         .arg(line.number)
                         .arg(tokens.size() - 1);
            return LoadedImage();
        }
        QByteArray row;
        for (int b = 1; b < tokens.size(); ++b) {
            if (tokens.at(b).size() != 2 || !appendHexPairs(tokens.at(b), row)) {
                *error = TextDump::tr("Line %1: \"%2\" is not a hexadecimal byte")
                             .arg(line.number)
                             .arg(QString::fromLatin1(tokens.at(b)));
                return LoadedImage();
            }
        }
        // An offset too large for an int is past the end all the same.
        bool ok = false;
        const int offset = QString::fromLatin1(tokens.first().chopped(1)).toInt(&ok, 16);
        if (!rows.add(line, ok ? offset : int(LoadedImage::kModule), row, error))
            return LoadedImage();
    }
    return rows.image(LoadedImage::Format::EthtoolHex, error);
}

// i2cdump prints fixed columns: "%02x:" then " %02x" per byte ("XX" for a
// byte it could not read, blanks outside a range), then the ASCII column.
LoadedImage parseI2cdump(const QList<Line> &lines, QString *error)
{
    Rows rows(LoadedImage::kDevice);
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
                *error = TextDump::tr("Line %1: 16 bytes expected in the row, found %2")
                             .arg(line.number)
                             .arg(b);
                return LoadedImage();
            }
            if (pair == "XX") {
                *error = TextDump::tr("Line %1: i2cdump could not read the byte at offset %2")
                             .arg(line.number)
                             .arg(hexOffset(offset + b));
                return LoadedImage();
            }
            if (!appendHexPairs(pair, row)) {
                *error = TextDump::tr("Line %1: \"%2\" is not a hexadecimal byte")
                             .arg(line.number)
                             .arg(QString::fromLatin1(pair));
                return LoadedImage();
            }
        }
        const int end = 3 + 3 * kRowBytes;
        if (text.size() > end && text.at(end) != ' ') {
            *error = TextDump::tr("Line %1: 16 bytes expected in the row, found more").arg(line.number);
            return LoadedImage();
        }
        if (!rows.add(line, offset, row, error))
            return LoadedImage();
    }
    return rows.image(LoadedImage::Format::I2cdump, error);
}

LoadedImage parsePlain(const QList<Line> &lines, QString *error)
{
    QByteArray bytes;
    for (const Line &line : lines) {
        for (const QByteArray &token : line.tokens()) {
            if (!appendHexPairs(token, bytes)) {
                *error = TextDump::tr("Line %1: \"%2\" is not a hexadecimal byte")
                             .arg(line.number)
                             .arg(QString::fromLatin1(token));
                return LoadedImage();
            }
        }
        if (bytes.size() > LoadedImage::kModule) {
            *error = TextDump::tr("Line %1: more than 512 bytes; %2").arg(line.number).arg(sizeRule());
            return LoadedImage();
        }
    }
    if (!LoadedImage::isImageSize(bytes.size())) {
        *error = TextDump::tr("The dump ends at line %1 after %2 bytes: %3")
                     .arg(lines.last().number)
                     .arg(bytes.size())
                     .arg(sizeRule());
        return LoadedImage();
    }
    return LoadedImage(bytes, LoadedImage::Format::PlainHex);
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

LoadedImage TextDump::parse(const QByteArray &text, QString *error)
{
    const QList<Line> lines = contentLines(text.startsWith(kByteOrderMark) ? text.mid(kByteOrderMark.size()) : text);
    if (lines.isEmpty()) {
        *error = tr("The dump holds no bytes: %1").arg(sizeRule());
        return LoadedImage();
    }
    const Line &first = lines.first();
    const QByteArray firstToken = first.tokens().first();
    if (firstToken == "Offset" || isEthtoolOffset(firstToken))
        return parseEthtool(lines, error);
    if (isI2cdumpHeading(first) || isI2cdumpRowStart(first.text))
        return parseI2cdump(lines, error);
    return parsePlain(lines, error);
}

QByteArray TextDump::ethtoolHex(const QByteArray &bytes, int offset)
{
    return QByteArrayLiteral("Offset\t\tValues\n------\t\t------\n") + ethtoolHexRows(bytes, offset);
}

QByteArray TextDump::ethtoolHexRows(const QByteArray &bytes, int offset)
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
