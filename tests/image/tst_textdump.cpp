// Module images in every format the tool reads and writes: each byte comes
// back at its address, raw files keep their meaning by size, and broken
// dumps are refused with the line where they go wrong.

#include "flatlayout.h"
#include "imagefile.h"
#include "testbytes.h"
#include "textdump.h"

#include <QtTest>

using namespace sff;

namespace {

QByteArray hex2(int value)
{
    return QByteArray::number(value & 0xFF, 16).rightJustified(2, '0');
}

// `ethtool -m DEV hex on`: a heading, then "0x0000:\t\t" and "%02x " per byte.
QByteArray ethtool(const QByteArray &bytes, int offset = 0, bool heading = true)
{
    QByteArray text = heading ? "Offset\t\tValues\n------\t\t------" : "";
    for (int i = 0; i < bytes.size(); ++i) {
        if (i % 16 == 0)
            text += "\n0x" + QByteArray::number(offset + i, 16).rightJustified(4, '0') + ":\t\t";
        text += hex2(bytes[i]) + ' ';
    }
    return text + '\n';
}

// `i2cdump -y 1 0x50 b`: column heading, "%02x: " rows, "%02x " per byte, ASCII.
QByteArray i2cdump(const QByteArray &bytes, int offset = 0)
{
    QByteArray text = "     0  1  2  3  4  5  6  7  8  9  a  b  c  d  e  f    0123456789abcdef\n";
    for (int row = 0; row < bytes.size(); row += 16) {
        text += hex2(offset + row) + ": ";
        QByteArray ascii;
        for (int i = row; i < row + 16; ++i) {
            text += hex2(bytes[i]) + ' ';
            const uchar c = uchar(bytes[i]);
            ascii += c == 0 || c == 0xFF ? '.' : c < 32 || c >= 127 ? '?' : char(c);
        }
        text += "   " + ascii + '\n';
    }
    return text;
}

QByteArray plain(const QByteArray &bytes, int perLine, const QByteArray &separator = " ")
{
    QByteArray text;
    for (int i = 0; i < bytes.size(); ++i)
        text += hex2(bytes[i]) + ((i + 1) % perLine == 0 ? QByteArray("\n") : separator);
    return text;
}

// The text with line `number` (from 1) replaced.
QByteArray withLine(const QByteArray &text, int number, const QByteArray &line)
{
    QList<QByteArray> lines = text.split('\n');
    lines[number - 1] = line;
    return lines.join('\n');
}

const Region kA2Page01 = Region::upperOf(kDeviceA2, Page{1});

// An image of the regions, each filled with its own bytes; a QSFP image's
// byte 0 says it is one.
ModuleImage imageOf(const QList<Region> &regions, quint8 identifier = 0x03)
{
    ModuleImage image;
    int seed = 1;
    for (const Region &region : regions)
        image.putRegion(region, pattern(kHalfSize, seed++ * 17));
    if (image.holdsRegion(kRegionA0Low))
        image.put(kDeviceA0, 0, QByteArray(1, char(identifier)));
    return image;
}

QList<Region> qsfpPages(int last)
{
    QList<Region> regions{kRegionA0Low};
    for (int page = 0; page <= last; ++page)
        regions.append(Region::upperOf(kDeviceA0, Page{page}));
    return regions;
}

LoadedImage decoded(const QByteArray &data, quint8 i2cdumpDevice = kDeviceA0)
{
    LoadedImage image;
    QString error;
    TextDump::Options options;
    options.i2cdumpDevice = i2cdumpDevice;
    if (!ImageFile::decode(data, "image", &image, &error, options))
        qWarning() << error;
    return image;
}

}  // namespace

Q_DECLARE_METATYPE(LoadedImage::Format)
Q_DECLARE_METATYPE(sff::ModuleImage)
Q_DECLARE_METATYPE(QList<sff::Region>)

class TstTextDump : public QObject
{
    Q_OBJECT

private slots:
    // Every format written and read again gives the same bytes at the same
    // addresses: raw layouts, the tool's dump, ethtool's rows without region
    // lines, and i2cdump of one device.
    void bytesKeepTheirAddresses_data()
    {
        QTest::addColumn<ModuleImage>("image");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<LoadedImage::Format>("format");
        using F = LoadedImage::Format;
        const ModuleImage module = imageOf({kRegionA0Low, kRegionA0High, kRegionA2Low, kRegionA2High});
        const ModuleImage a2 = imageOf({kRegionA2Low, kRegionA2High});
        const ModuleImage gapped = imageOf({kRegionA0Low, kRegionA2Low});
        const ModuleImage paged = imageOf({kRegionA0Low, kRegionA2Low, kRegionA2High, kA2Page01,
                                           Region::upperOf(kDeviceA2, Page{0x80})});
        const ModuleImage qsfp = imageOf(qsfpPages(3), 0x11);
        const ModuleImage cmis = imageOf({kRegionA0Low, Region::upperOf(kDeviceA0, Page{0}),
                                          Region::upperOf(kDeviceA0, Page{0x11, 1})}, 0x18);

        QTest::newRow("raw, A0 Low") << imageOf({kRegionA0Low}) << ImageFile::encode(imageOf({kRegionA0Low}))
                                     << F::Raw;
        QTest::newRow("raw, A0h") << imageOf({kRegionA0Low, kRegionA0High})
                                  << ImageFile::encode(imageOf({kRegionA0Low, kRegionA0High})) << F::Raw;
        QTest::newRow("raw, SFP module") << module << ImageFile::encode(module) << F::Raw;
        QTest::newRow("raw, QSFP module") << qsfp << ImageFile::encode(qsfp) << F::Raw;
        QTest::newRow("dump, A2h alone") << a2 << TextDump::write(a2) << F::ToolDump;
        QTest::newRow("dump, A0 Low and A2 Low") << gapped << TextDump::write(gapped) << F::ToolDump;
        QTest::newRow("dump, pages of A2h") << paged << ImageFile::encode(paged) << F::ToolDump;
        QTest::newRow("dump, CMIS bank 1") << cmis << ImageFile::encode(cmis) << F::ToolDump;
        QTest::newRow("ethtool, SFP module") << module << ethtool(toRawLayout(module)) << F::EthtoolHex;
        QTest::newRow("ethtool, A2h from 0x100") << a2 << ethtool(a2.region(kRegionA2Low) + a2.region(kRegionA2High),
                                                                  0x100)
                                                 << F::EthtoolHex;
        QTest::newRow("ethtool, QSFP module") << qsfp << ethtool(toRawLayout(qsfp)) << F::EthtoolHex;
        QTest::newRow("ethtool, CRLF and a byte order mark")
            << module << "\xEF\xBB\xBF" + ethtool(toRawLayout(module)).replace("\n", "\r\n") << F::EthtoolHex;
        QTest::newRow("plain hex, SFP module") << module << plain(toRawLayout(module), 30, "") << F::PlainHex;
    }
    void bytesKeepTheirAddresses()
    {
        QFETCH(ModuleImage, image);
        QFETCH(QByteArray, written);
        QFETCH(LoadedImage::Format, format);
        const LoadedImage read = decoded(written);
        QCOMPARE(read.format(), format);
        const ModuleImage placed = read.placed(kRegionA0Low);  // a raw A0 Low says nothing of its place
        QCOMPARE(placed.regions(), image.regions());
        QVERIFY(placed == image);
    }

    // i2cdump does not say its device: the reader does; a QSFP module's upper
    // half is its page 00h.
    void i2cdumpIsOfTheDeviceNamed_data()
    {
        QTest::addColumn<quint8>("device");
        QTest::addColumn<quint8>("identifier");
        QTest::addColumn<QList<Region>>("regions");
        QTest::newRow("A0h") << kDeviceA0 << quint8(0x03) << QList<Region>{kRegionA0Low, kRegionA0High};
        QTest::newRow("A2h") << kDeviceA2 << quint8(0x03) << QList<Region>{kRegionA2Low, kRegionA2High};
        QTest::newRow("QSFP") << kDeviceA0 << quint8(0x0D) << qsfpPages(0);
    }
    void i2cdumpIsOfTheDeviceNamed()
    {
        QFETCH(quint8, device);
        QFETCH(quint8, identifier);
        QFETCH(QList<Region>, regions);
        QByteArray bytes = pattern(256, 3);
        bytes[0] = char(identifier);
        const LoadedImage read = decoded(i2cdump(bytes), device);
        QCOMPARE(read.format(), LoadedImage::Format::I2cdump);
        QCOMPARE(read.image().regions(), regions);
        QCOMPARE(read.image().region(regions.last()), bytes.mid(128));
    }

    // A file of a raw size is raw unless it is a whole dump with an offset
    // column: printable bytes are data too.
    void rawFilesKeepTheirMeaningBySize_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("unplaced");
        QTest::addColumn<int>("regions");
        QTest::newRow("128 spaces") << QByteArray(128, ' ') << true << 0;
        QTest::newRow("128 bytes of text") << QByteArray("vendor text ").repeated(11).left(128) << true << 0;
        QTest::newRow("512 zero characters") << QByteArray(512, '0') << false << 4;
        QTest::newRow("256 hex digits and spaces") << plain(pattern(128, 5), 16).left(256) << false << 2;
        QTest::newRow("plain hex of a table") << plain(pattern(128, 5), 16) << true << 0;
    }
    void rawFilesKeepTheirMeaningBySize()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, unplaced);
        QFETCH(int, regions);
        const LoadedImage read = decoded(data);
        QCOMPARE(read.isUnplaced(), unplaced);
        QCOMPARE(read.image().regions().size(), regions);
        if (data.size() == 512)
            QCOMPARE(read.image().region(kRegionA2High), data.mid(384));
        if (unplaced && read.format() == LoadedImage::Format::Raw)
            QCOMPARE(read.unplacedBytes(), data);
    }

    void refusesWithTheLine_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        const QByteArray module = pattern(512, 3);
        const QByteArray dump = ethtool(module);  // rows from line 3
        QList<QByteArray> doubled = dump.split('\n');
        doubled[4] = doubled[3];
        QTest::newRow("a row twice") << doubled.join('\n') << "Line 5: the bytes of this row are given already at line 4";
        QTest::newRow("short row") << withLine(dump, 4, "0x0010:\t\t01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f")
                                   << "Line 4: 16 bytes expected after the offset, found 15";
        QTest::newRow("not hex") << withLine(dump, 3, "0x0000:\t\t01 02 03 04 05 06 07 08 09 0a 0b zz 0d 0e 0f 10")
                                 << "Line 3: \"zz\" is not a hexadecimal byte";
        QTest::newRow("text among rows") << withLine(dump, 7, "(truncated)")
                                         << "Line 7: a row starts with its offset, like \"0x0010:\"; found \"(truncated)\"";
        QTest::newRow("a table in part") << ethtool(module.left(192)) << "Line 11: the dump holds part of a0-high only";
        QTest::newRow("a row off its place") << ethtool(module.left(128), 0x08) << "Line 3: 0x0008 is not the offset";
        QTest::newRow("past an SFP module") << ethtool(pattern(528, 0)) << "Line 35: offset 0x0200 is past the end";
        QTest::newRow("unknown region") << "# a3-low\n" + ethtool(module.left(128)) << "Line 1: \"a3-low\" names no region";
        QTest::newRow("row outside its region") << "# a2-page-01\n" + ethtool(module.left(128), 0x100)
                                                << "Line 4: offset 0x0100 is not in a2-page-01 (0x0180 to 0x01ff)";

        const QByteArray device = i2cdump(module.left(256));  // rows from line 2
        QTest::newRow("i2cdump, unreadable byte")
            << withLine(device, 4, "20: 00 11 22 33 44 XX 66 77 88 99 aa bb cc dd ee ff    ")
            << "Line 4: i2cdump could not read the byte at offset 0x0025";
        QTest::newRow("i2cdump, range") << withLine(device, 2, "00:             04 05 06 07 08 09 0a 0b 0c 0d 0e 0f")
                                        << "Line 2: 16 bytes expected in the row, found 0";
        QTest::newRow("i2cdump, a stray line") << withLine(device, 9, "Error: Read failed")
                                               << "Line 9: a row starts with its offset, like \"10:\"; found \"Error:\"";

        const QByteArray table = plain(module.left(128), 16);
        QTest::newRow("plain, not hex") << withLine(table, 2, "00 0g") << "Line 2: \"0g\" is not a hexadecimal byte";
        QTest::newRow("plain, 100 bytes") << plain(module.left(100), 16) << "The dump ends at line 7 after 100 bytes";
        QTest::newRow("plain, too many") << plain(pattern(656, 0), 16) << "Line 41: more than 640 bytes";
        QByteArray qsfp512 = pattern(512, 1);
        qsfp512[0] = char(0x11);
        QTest::newRow("plain, 512 bytes of a QSFP module") << plain(qsfp512, 16) << "The dump holds 512 bytes: 512 bytes "
                                                                                   "is no layout of a QSFP";
        QTest::newRow("blank") << QByteArray(" \n\t\n") << "The dump holds no bytes";
    }
    void refusesWithTheLine()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, message);
        QString error;
        const LoadedImage image = TextDump::parse(text, &error);
        QVERIFY(image.isEmpty());
        QVERIFY2(error.startsWith(message), qPrintable(error));
    }

    void refusesFilesThatAreNoImage_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("message");
        QByteArray qsfp512 = pattern(512, 1);
        qsfp512[0] = char(0x11);
        QTest::newRow("raw, odd size") << pattern(300, 1) << "Not a module image: dump.bin holds 300 bytes";
        QTest::newRow("raw 512 of a QSFP module") << qsfp512 << "Not a module image: dump.bin: 512 bytes is no layout";
        QTest::newRow("broken text") << QByteArray("hello\n") << "Not a module dump: dump.bin\nLine 1: \"hello\"";
    }
    void refusesFilesThatAreNoImage()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, message);
        LoadedImage image;
        QString error;
        QVERIFY(!ImageFile::decode(data, "dump.bin", &image, &error));
        QVERIFY2(error.startsWith(message), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TstTextDump)
#include "tst_textdump.moc"
