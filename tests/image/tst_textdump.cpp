// Text dumps as ethtool, i2cdump and people write them, whole and broken.

#include "imagefile.h"
#include "textdump.h"

#include <QtTest>

namespace {

QByteArray pattern(int size, int seed = 0)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + seed);
    return bytes;
}

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

}  // namespace

Q_DECLARE_METATYPE(LoadedImage::Format)

class TstTextDump : public QObject
{
    Q_OBJECT

private slots:
    void readsEachFormat_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<LoadedImage::Format>("format");
        using F = LoadedImage::Format;
        const QByteArray module = pattern(512, 3);
        QTest::newRow("ethtool, whole module") << ethtool(module) << module << F::EthtoolHex;
        QTest::newRow("ethtool, A0h, no heading") << ethtool(module.left(256), 0, false) << module.left(256)
                                                  << F::EthtoolHex;
        QTest::newRow("ethtool, A2h from 0x100") << ethtool(module.mid(256), 256) << module.mid(256) << F::EthtoolHex;
        QTest::newRow("ethtool, A0 High alone") << ethtool(module.mid(128, 128), 128) << module.mid(128, 128)
                                                << F::EthtoolHex;
        QTest::newRow("ethtool, CRLF and a byte order mark")
            << "\xEF\xBB\xBF" + ethtool(module).replace("\n", "\r\n") << module << F::EthtoolHex;
        QTest::newRow("i2cdump, one device") << i2cdump(module.left(256)) << module.left(256) << F::I2cdump;
        QTest::newRow("i2cdump, rows 00 to 70") << i2cdump(module.left(128)) << module.left(128) << F::I2cdump;
        QTest::newRow("plain, 16 a line") << plain(module.left(128), 16) << module.left(128) << F::PlainHex;
        QTest::newRow("plain, pairs run together") << plain(module, 30, "") << module << F::PlainHex;
    }
    void readsEachFormat()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, bytes);
        QFETCH(LoadedImage::Format, format);
        QVERIFY(TextDump::isText(text));
        QString error;
        const LoadedImage image = TextDump::parse(text, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(image.bytes(), bytes);
        QCOMPARE(image.format(), format);
    }

    void refusesWithTheLine_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        const QByteArray module = pattern(512, 3);
        const QByteArray dump = ethtool(module);  // rows from line 3
        QList<QByteArray> swapped = dump.split('\n');
        swapped.swapItemsAt(4, 5);
        QTest::newRow("row out of order") << swapped.join('\n')
                                          << "Line 5: offset 0x0030 is out of order, 0x0020 was expected";
        QTest::newRow("short row") << withLine(dump, 4, "0x0010:\t\t01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f")
                                   << "Line 4: 16 bytes expected after the offset, found 15";
        QTest::newRow("not hex") << withLine(dump, 3, "0x0000:\t\t01 02 03 04 05 06 07 08 09 0a 0b zz 0d 0e 0f 10")
                                 << "Line 3: \"zz\" is not a hexadecimal byte";
        QTest::newRow("text among rows") << withLine(dump, 7, "(truncated)")
                                         << "Line 7: a row starts with its offset, like \"0x0010:\"; found \"(truncated)\"";
        QTest::newRow("ends early") << ethtool(module.left(192))
                                    << "The dump ends at line 14 after 192 bytes from offset 0x0000: a module image";
        QTest::newRow("starts inside a table") << ethtool(module.left(128), 0x10)
                                               << "Line 3: the dump starts at offset 0x0010, not at the start";
        QTest::newRow("device from the middle") << ethtool(module.left(256), 0x80)
                                                << "The dump ends at line 18 after 256 bytes from offset 0x0080";
        QTest::newRow("past the module") << ethtool(pattern(528)) << "Line 35: offset 0x0200 is past the end";

        const QByteArray device = i2cdump(module.left(256));  // rows from line 2
        QTest::newRow("i2cdump, unreadable byte")
            << withLine(device, 4, "20: 00 11 22 33 44 XX 66 77 88 99 aa bb cc dd ee ff    ")
            << "Line 4: i2cdump could not read the byte at offset 0x0025";
        QTest::newRow("i2cdump, range") << withLine(device, 2, "00:             04 05 06 07 08 09 0a 0b 0c 0d 0e 0f")
                                        << "Line 2: 16 bytes expected in the row, found 0";
        QTest::newRow("i2cdump, row cut") << withLine(device, 6, "40: 00 11 22 33")
                                          << "Line 6: 16 bytes expected in the row, found 4";
        QTest::newRow("i2cdump, a stray line") << withLine(device, 9, "Error: Read failed")
                                               << "Line 9: a row starts with its offset, like \"10:\"; found \"Error:\"";

        const QByteArray table = plain(module.left(128), 16);
        QTest::newRow("plain, not hex") << withLine(table, 2, "00 0g") << "Line 2: \"0g\" is not a hexadecimal byte";
        QTest::newRow("plain, odd digits") << withLine(table, 3, "123") << "Line 3: \"123\" is not a hexadecimal byte";
        QTest::newRow("plain, 100 bytes") << plain(module.left(100), 16)
                                          << "The dump ends at line 7 after 100 bytes: a module image";
        QTest::newRow("plain, too many") << plain(pattern(528), 16) << "Line 33: more than 512 bytes";
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

    // Raw images are told from text by content, and must have an image's size.
    void decodesRawAndTextByContent_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("message");
        QTest::newRow("raw module") << pattern(512) << 512 << "";
        QTest::newRow("raw table of printable bytes and a NUL") << QByteArray(127, 'A') + '\0' << 128 << "";
        QTest::newRow("raw, odd size") << pattern(300) << 0
                                       << "Not a module image: dump.bin holds 300 bytes; an image is one table";
        QTest::newRow("text") << plain(pattern(256), 16) << 256 << "";
        QTest::newRow("broken text") << QByteArray("hello\n") << 0
                                     << "Not a module dump: dump.bin\nLine 1: \"hello\" is not a hexadecimal byte";
    }
    void decodesRawAndTextByContent()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, size);
        QFETCH(QString, message);
        LoadedImage image;
        QString error;
        QCOMPARE(ImageFile::decode(data, "dump.bin", &image, &error), size != 0);
        QCOMPARE(image.size(), size);
        QCOMPARE(error.left(message.size()), message);
    }

    void writesWhatEthtoolWrites()
    {
        const QByteArray bytes = pattern(256, 9);
        QCOMPARE(TextDump::ethtoolHex(bytes.left(32), 0x100), ethtool(bytes.left(32), 0x100));
        QString error;
        QCOMPARE(TextDump::parse(TextDump::ethtoolHex(bytes, 0x100), &error).bytes(), bytes);
    }
};

QTEST_GUILESS_MAIN(TstTextDump)
#include "tst_textdump.moc"
