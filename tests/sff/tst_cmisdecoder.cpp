// The CMIS decoder against images built here: identifiers, the application
// advertisement, the three page check codes and their fixes, lanes judged
// by page 02h, flat memory, and the pages and banks page 01h advertises.

#include "checkcodes.h"
#include "decoder.h"
#include "decodertesting.h"
#include "flatlayout.h"
#include "json.h"
#include "monitoring.h"

#include <QJsonArray>
#include <QtTest>

using namespace sff;

namespace {

// Bytes put at an address: the page (kNoPage for the lower page) and offset.
struct Edit {
    int page;
    int offset;
    QByteArray bytes;
};

}  // namespace

Q_DECLARE_METATYPE(QVector<Edit>)

namespace {

const Page kLanes{0x11, 0};

// A paged QSFP-DD module, lower page and pages 00h, 01h, 02h and bank 0's
// 11h, with `edits` over it and the page check codes worked out here
// unless `keepCodes`.
ModuleImage module(const QVector<Edit> &edits = {}, bool keepCodes = false)
{
    ModuleImage image;
    for (const Page page : {Page{0}, Page{1}, Page{2}, kLanes})
        image.putRegion(Region::upperOf(kDeviceA0, page), QByteArray(kHalfSize, '\0'));
    image.putRegion(kRegionA0Low, QByteArray(kHalfSize, '\0'));
    const auto put = [&image](int page, int offset, const QByteArray &bytes) {
        image.write(kDeviceA0, offset, bytes, page == 0x11 ? kLanes : Page{page});
    };
    put(kNoPage, 0, bytesOf({0x18, 0x50, 0x00, 0x07}));
    put(kNoPage, 14, word(0x2400));  // 36 degrees C
    put(kNoPage, 16, word(33000));   // 3.3 V
    put(kNoPage, 85, bytesOf({0x02, 0x11, 0x1C, 0x84, 0x01, 0xFF}));  // SMF; 400GAUI-8 to 400GBASE-DR4
    put(0, 128, bytesOf({0x18}));
    put(0, 129, QByteArray("VEXA            "));
    put(0, 166, QByteArray("SERIAL0001      "));
    put(0, 182, QByteArray("260115  "));
    put(1, 138, word(26200));        // 1310 nm
    put(1, 151, bytesOf({0x10}));    // average RX power
    put(1, 159, bytesOf({0x03, 0x07}));
    put(1, 176, bytesOf({0x01}));
    const int thresholds[][5] = {{128, 0x4B00, 0xFB00, 0x4600, 0x0000}, {136, 36300, 29700, 34650, 31350},
                                 {176, 20000, 500, 15000, 1000},   // TX: 2, 0.05, 1.5, 0.1 mW
                                 {184, 30000, 5000, 25000, 7500},  // bias: 60, 10, 50, 15 mA
                                 {192, 20000, 500, 15000, 1000}};
    for (const auto &t : thresholds)
        for (int limit = 0; limit < 4; ++limit)
            put(2, t[0] + 2 * limit, word(t[limit + 1]));
    for (int lane = 0; lane < 8; ++lane) {
        put(0x11, 154 + 2 * lane, word(10000));  // TX 1 mW
        put(0x11, 170 + 2 * lane, word(20000));  // 40 mA
        put(0x11, 186 + 2 * lane, word(5000));   // RX 0.5 mW
    }
    for (const Edit &edit : edits)
        put(edit.page, edit.offset, edit.bytes);
    if (!keepCodes)
        recomputeCheckCodes(image);
    return image;
}

}  // namespace

class TestCmisDecoder : public QObject
{
    Q_OBJECT

private slots:
    void identifiers_data()
    {
        QTest::addColumn<int>("identifier");
        QTest::addColumn<QString>("family");
        const auto row = [](int identifier, const char *family) {
            QTest::newRow(qPrintable(QString::number(identifier, 16))) << identifier << family;
        };
        for (int identifier : {0x18, 0x19, 0x1B, 0x1E, 0x1F, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25})
            row(identifier, "cmis");
        row(0x1A, "sff8472");  // SFP-DD with its own management interface
        row(0x1C, "sff8472");
        row(0x26, "sff8472");
        row(0x11, "sff8636");
    }

    // Byte 0 picks CMIS in decode and JSON, and a 256-byte raw file is the
    // lower page and page 00h.
    void identifiers()
    {
        QFETCH(int, identifier);
        QFETCH(QString, family);
        const ModuleImage built = module({{kNoPage, 0, bytesOf({identifier})}, {0, 128, bytesOf({identifier})}});
        const QByteArray raw = built.region(kRegionA0Low) + built.region(Region::upperOf(kDeviceA0, Page{0}));
        ModuleImage image;
        QString reason;
        QVERIFY2(fromRawLayout(raw, &image, &reason), qPrintable(reason));
        QCOMPARE(familyKey(decode(image, Language::English).family), family);
        const QJsonObject json = toJson(image);
        QCOMPARE(json.value("family").toString(), family);
        if (family == QLatin1String("cmis")) {
            QCOMPARE(json.value("revision_compliance").toString(), QStringLiteral("CMIS 5.0"));
            QCOMPARE(json.value("vendor_name").toString(), QStringLiteral("VEXA"));
            QCOMPARE(json.value("serial_number").toString(), QStringLiteral("SERIAL0001"));
            QCOMPARE(json.value("date_code").toString(), QStringLiteral("2026-01-15"));
            QCOMPARE(toRawLayout(image), raw);
        }
    }

    void moduleState_data()
    {
        QTest::addColumn<int>("byte3");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("status");
        QTest::newRow("low power") << 0x03 << "ModuleLowPwr" << "ok";
        QTest::newRow("ready") << 0x07 << "ModuleReady" << "ok";
        QTest::newRow("fault") << 0x0B << "ModuleFault" << "error";
        QTest::newRow("reserved") << 0x0E << "Reserved (7)" << "warning";
    }

    void moduleState()
    {
        QFETCH(int, byte3);
        QFETCH(QString, name);
        QFETCH(QString, status);
        const ModuleImage image = module({{kNoPage, 3, bytesOf({byte3})}});
        const Decoded decoded = decode(image, Language::English);
        const Field *field = fieldOf(decoded, "module_state");
        QVERIFY(field);
        QCOMPARE(field->value, name);
        QCOMPARE(statusKey(field->status), status);
        QCOMPARE(toJson(image).value("module_state").toObject().value("name").toString(), name);
    }

    void applications_data()
    {
        QTest::addColumn<QVector<Edit>>("edits");
        QTest::addColumn<QString>("expected");  // one line per application
        QTest::newRow("one, ended") << QVector<Edit>{}
                                    << "1 400GAUI-8 C2M (Annex 120E)|400GBASE-DR4 (Clause 124) 8/4 [1] [1]";
        QTest::newRow("two, the second with no media lane in page 01h")
            << QVector<Edit>{{kNoPage, 90, bytesOf({0x0D, 0x14, 0x21, 0x55, 0xFF})}}
            << "1 400GAUI-8 C2M (Annex 120E)|400GBASE-DR4 (Clause 124) 8/4 [1] [1]\n"
               "2 100GAUI-2 C2M (Annex 135G)|100GBASE-DR (Clause 140) 2/1 [1,3,5,7] []";
        QTest::newRow("undefined entries skipped, the list goes on in page 01h")
            << QVector<Edit>{{kNoPage, 90, QByteArray(28, '\0')}, {1, 223, bytesOf({0x0B, 0x0D, 0x44, 0x0F, 0xFF})},
                             {1, 184, bytesOf({0x0F})}}
            << "1 400GAUI-8 C2M (Annex 120E)|400GBASE-DR4 (Clause 124) 8/4 [1] [1]\n"
               "9 CAUI-4 C2M (Annex 83E)|100GBASE-LR4 (Clause 88) 4/4 [1,2,3,4] [1,2,3,4]";
        QTest::newRow("media codes follow the media type")
            << QVector<Edit>{{kNoPage, 85, bytesOf({0x03, 0x1D, 0x01, 0x88, 0x01})}}
            << "1 400G CR8|Copper cable 8/8 [1] [1]";
        QTest::newRow("a code this program does not name")
            << QVector<Edit>{{kNoPage, 86, bytesOf({0x7E, 0x7F})}} << "1 Code 7Eh|Code 7Fh 8/4 [1] [1]";
    }

    // Each application's interfaces from SFF-8024's tables, its lane counts
    // and where its data paths may start, up to the end of the list.
    void applications()
    {
        QFETCH(QVector<Edit>, edits);
        QFETCH(QString, expected);
        const QJsonArray list = toJson(module(edits)).value("applications").toArray();
        QStringList lines;
        const auto lanes = [](const QJsonValue &value) {
            if (value.isUndefined())
                return QStringLiteral("[none]");
            QStringList numbers;
            for (const QJsonValue &lane : value.toArray())
                numbers.append(QString::number(lane.toInt()));
            return QStringLiteral("[%1]").arg(numbers.join(','));
        };
        for (const QJsonValue &value : list) {
            const QJsonObject a = value.toObject();
            lines.append(QStringLiteral("%1 %2|%3 %4/%5 %6 %7")
                             .arg(a.value("application").toInt())
                             .arg(a.value("host_interface").toString(), a.value("media_interface").toString())
                             .arg(a.value("host_lanes").toInt())
                             .arg(a.value("media_lanes").toInt())
                             .arg(lanes(a.value("host_lane_assignment")), lanes(a.value("media_lane_assignment"))));
        }
        QCOMPARE(lines.join('\n'), expected);
    }

    void checkCodes_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("covered");
        QTest::newRow("page 00h, first byte") << 0 << 128 << "page_00" << true;
        QTest::newRow("page 00h, last covered") << 0 << 221 << "page_00" << true;
        QTest::newRow("page 00h, past it") << 0 << 223 << "page_00" << false;
        QTest::newRow("page 01h, firmware version") << 1 << 128 << "page_01" << false;
        QTest::newRow("page 01h, first covered") << 1 << 130 << "page_01" << true;
        QTest::newRow("page 01h, last covered") << 1 << 254 << "page_01" << true;
        QTest::newRow("page 02h, first byte") << 2 << 128 << "page_02" << true;
        QTest::newRow("page 02h, last covered") << 2 << 254 << "page_02" << true;
    }

    // A byte changed after the codes were made: the code that covers it is
    // wrong, the finding's fix makes it right, and no other code moves.
    void checkCodes()
    {
        QFETCH(int, page);
        QFETCH(int, offset);
        QFETCH(QString, key);
        QFETCH(bool, covered);
        ModuleImage image = module();
        image.write(kDeviceA0, offset, bytesOf({0x5A}), Page{page});
        const QJsonObject codes = toJson(image).value("checksums").toObject();
        QCOMPARE(codes.keys(), QStringList({"page_00", "page_01", "page_02"}));
        for (const QString &code : codes.keys())
            QCOMPARE(codes.value(code).toObject().value("ok").toBool(), code != key || !covered);
        const QVector<Finding> findings = decode(image, Language::English).findings;
        const auto finding = std::find_if(findings.begin(), findings.end(),
                                          [&key](const Finding &f) { return f.key == "cc_" + key; });
        QCOMPARE(finding != findings.end(), covered);
        if (!covered)
            return;
        QCOMPARE(finding->status, Status::Error);
        applyEdits(image, finding->fix);
        QVERIFY(toJson(image).value("checksums").toObject().value(key).toObject().value("ok").toBool());
        QCOMPARE(statusKey(fieldOf(decode(image, Language::English), "cc_" + key)->status), QStringLiteral("ok"));
    }

    void lanes_data()
    {
        QTest::addColumn<QVector<Edit>>("edits");
        QTest::addColumn<int>("lane");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("level");
        QTest::newRow("lane 1 normal") << QVector<Edit>{} << 1 << "tx_bias_ma" << 40.0 << "normal";
        QTest::newRow("lane 8 bias above its warning")
            << QVector<Edit>{{0x11, 184, word(26000)}} << 8 << "tx_bias_ma" << 52.0 << "warning";
        QTest::newRow("lane 5 TX power below its alarm")
            << QVector<Edit>{{0x11, 162, word(400)}} << 5 << "tx_power_mw" << 0.04 << "alarm";
        QTest::newRow("lane 3 RX power above its warning")
            << QVector<Edit>{{0x11, 190, word(16000)}} << 3 << "rx_power_mw" << 1.6 << "warning";
        QTest::newRow("bias multiplier 2") << QVector<Edit>{{1, 160, bytesOf({0x0F})}} << 2 << "tx_bias_ma" << 80.0
                                           << "normal";
    }

    // Eight lanes of page 11h, each judged against page 02h's thresholds
    // (the bias and its thresholds both scaled by the multiplier).
    void lanes()
    {
        QFETCH(QVector<Edit>, edits);
        QFETCH(int, lane);
        QFETCH(QString, quantity);
        QFETCH(double, value);
        QFETCH(QString, level);
        const QJsonObject diagnostics = toJson(module(edits)).value("diagnostics").toObject();
        const QJsonArray lanes = diagnostics.value("lanes").toArray();
        QCOMPARE(lanes.size(), 8);
        const QJsonObject object = lanes.at(lane - 1).toObject();
        QCOMPARE(object.value("lane").toInt(), lane);
        QCOMPARE(object.value(quantity).toDouble(), value);
        QCOMPARE(object.value(quantity.section('_', 0, 1) + "_level").toString(), level);
        QCOMPARE(diagnostics.value("rx_power_type").toString(), QStringLiteral("average"));
        QCOMPARE(diagnostics.value("temperature_c").toDouble(), 36.0);
        // The monitor shows the same: module values, then eight lanes of each quantity.
        const QVector<Measurement> measured = measurements(module(edits));
        QCOMPARE(measured.size(), 2 + 3 * 8);
        const auto found = std::find_if(measured.begin(), measured.end(), [&](const Measurement &m) {
            return m.lane == lane - 1 && m.key().startsWith(quantity.section('_', 0, 1));
        });
        QVERIFY(found != measured.end());
        QCOMPARE(found->level() == Level::Normal, level == QLatin1String("normal"));
    }

    void pagesAndBanks_data()
    {
        QTest::addColumn<QVector<Edit>>("edits");
        QTest::addColumn<QStringList>("regions");
        const QStringList base{"lower", "page-00", "page-01", "page-02"};
        QTest::newRow("bank 0") << QVector<Edit>{} << base + QStringList{"bank-0-page-10", "bank-0-page-11"};
        QTest::newRow("banks 0-1, page 03h")
            << QVector<Edit>{{1, 142, bytesOf({0x05})}}
            << base + QStringList{"page-03", "bank-0-page-10", "bank-0-page-11", "bank-1-page-10", "bank-1-page-11"};
        QTest::newRow("four banks, diagnostic pages")
            << QVector<Edit>{{1, 142, bytesOf({0x22})}}
            << base + QStringList{"bank-0-page-10", "bank-0-page-11", "bank-0-page-13", "bank-0-page-14",
                                  "bank-1-page-10", "bank-1-page-11", "bank-1-page-13", "bank-1-page-14",
                                  "bank-2-page-10", "bank-2-page-11", "bank-2-page-13", "bank-2-page-14",
                                  "bank-3-page-10", "bank-3-page-11", "bank-3-page-13", "bank-3-page-14"};
        QTest::newRow("flat memory") << QVector<Edit>{{kNoPage, 2, bytesOf({0x80})}}
                                     << QStringList{"lower", "page-00"};
    }

    // What `all` reads: page 01h's advertisement of pages and banks, or the
    // lower page and page 00h alone for a flat memory, which is read without
    // a page select and has nothing to monitor.
    void pagesAndBanks()
    {
        QFETCH(QVector<Edit>, edits);
        QFETCH(QStringList, regions);
        const ModuleImage image = module(edits);
        QCOMPARE(keysOf(advertisedRegions(image), Family::Cmis), regions);
        QCOMPARE(toJson(image).value("pages").toVariant().toStringList(), regions);
        const bool flat = regions.size() == 2;
        QCOMPARE(pageToSelect(Region::upperOf(kDeviceA0, Page{0}), image).isSet(), !flat);
        QCOMPARE(hasMonitoredDiagnostics(image), !flat);
        // What the decode misses is what is advertised and not held (page 10h here).
        const int unheld = int(std::count_if(regions.begin(), regions.end(), [&image](const QString &key) {
            Region region;
            return parseRegionKey(key, &region) && !image.holdsRegion(normalizedRegion(region, Family::Cmis));
        }));
        QCOMPARE(decode(image, Language::English).missing.size(), unheld);
    }

    // A banked page named without its bank is bank 0's, and reads back under its bank's name.
    void bankNames()
    {
        Region region;
        QVERIFY(parseRegionKey("page-11", &region));
        QCOMPARE(regionKey(normalizedRegion(region, Family::Cmis), Family::Cmis), QStringLiteral("bank-0-page-11"));
        QVERIFY(parseRegionKey("bank-3-page-10", &region));
        QCOMPARE(region.page, (Page{0x10, 3}));
        QCOMPARE(regionKey(normalizedRegion(Region::upperOf(kDeviceA0, Page{2}), Family::Cmis), Family::Cmis),
                 QStringLiteral("page-02"));
        QCOMPARE(familyOf(ModuleImage::fromRegion(Region::upperOf(kDeviceA0, kLanes), QByteArray(128, '\0'))),
                 Family::Cmis);
    }
};

QTEST_GUILESS_MAIN(TestCmisDecoder)
#include "tst_cmisdecoder.moc"
