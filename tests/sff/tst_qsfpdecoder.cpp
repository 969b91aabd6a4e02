// The QSFP decoder against images built here in ethtool's 640-byte layout:
// identifiers, every compliance byte, lengths by technology, check codes
// and their fixes, lanes judged by page 03h, RX power as OMA or average,
// flat memory and what a reader asks for.

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

using Edits = QMap<int, QByteArray>;

// A 640-byte image: a QSFP28 module with four lanes and page 03h's
// thresholds, with `edits` at flat offsets (page 00h from 128, page 03h from
// 512), and page 00h's check codes worked out here unless `keepCodes`.
QByteArray flat(const Edits &edits = {}, bool keepCodes = false)
{
    QByteArray b(kRawQsfpModule, '\0');
    const auto put = [&b](int at, const QByteArray &bytes) { b.replace(at, bytes.size(), bytes); };
    put(0, bytesOf({0x11, 0x08, 0x00}));
    put(22, word(0x2400));  // 36 degrees C
    put(26, word(33000));   // 3.3 V
    for (int lane = 0; lane < 4; ++lane) {
        put(34 + 2 * lane, word(5000));   // RX 0.5 mW
        put(42 + 2 * lane, word(20000));  // 40 mA
        put(50 + 2 * lane, word(10000));  // TX 1 mW
    }
    put(128, bytesOf({0x11, 0x00, 0x07}));
    put(128 + 19, bytesOf({0x40}));                // 1310 nm DFB
    put(128 + 20, QByteArray("VEXA            "));
    put(128 + 68, QByteArray("SERIAL0001      "));
    put(128 + 84, QByteArray("260115  "));
    put(128 + 92, bytesOf({0x3C}));                // monitored, average RX power
    // Page 03h: alarm and warning thresholds.
    const int thresholds[][5] = {{128, 0x4B00, 0xFB00, 0x4600, 0x0000}, {144, 36300, 29700, 34650, 31350},
                                 {176, 20000, 500, 15000, 1000},      // RX: 2, 0.05, 1.5, 0.1 mW
                                 {184, 50000, 5000, 45000, 7500},     // bias: 100, 10, 90, 15 mA
                                 {192, 20000, 500, 15000, 1000}};
    for (const auto &t : thresholds)
        for (int limit = 0; limit < 4; ++limit)
            put(512 - 128 + t[0] + 2 * limit, word(t[limit + 1]));
    for (auto it = edits.cbegin(); it != edits.cend(); ++it)
        put(it.key(), *it);
    if (!keepCodes)
        for (const auto &code : {std::pair<int, int>{128, 191}, {192, 223}}) {
            quint8 sum = 0;
            for (int i = code.first; i < code.second; ++i)
                sum += quint8(b[i]);
            b[code.second] = char(sum);
        }
    return b;
}

ModuleImage imageOf(const QByteArray &raw)
{
    ModuleImage image;
    QString reason;
    if (!fromRawLayout(raw, &image, &reason))
        qFatal("%s", qPrintable(reason));
    return image;
}

QString valueOf(const QByteArray &raw, const QString &key)
{
    const Decoded decoded = decode(imageOf(raw), Language::English);
    const Field *field = fieldOf(decoded, key);
    return field ? shownValue(*field) : QStringLiteral("<none>");
}

}  // namespace

class TestQsfpDecoder : public QObject
{
    Q_OBJECT

private slots:
    void identifiers_data()
    {
        QTest::addColumn<int>("identifier");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("name");
        QTest::newRow("QSFP") << 0x0C << "sff8636" << "QSFP (INF-8438)";
        QTest::newRow("QSFP+") << 0x0D << "sff8636" << "QSFP+ (SFF-8436 or SFF-8636)";
        QTest::newRow("QSFP28") << 0x11 << "sff8636" << "QSFP28 (SFF-8636)";
        QTest::newRow("SFP stays SFP") << 0x03 << "sff8472" << "SFP/SFP+/SFP28";
    }

    // Byte 0 picks the memory map in every front end: decode, JSON and the regions to read.
    void identifiers()
    {
        QFETCH(int, identifier);
        QFETCH(QString, family);
        QFETCH(QString, name);
        QByteArray raw = flat({{0, bytesOf({identifier})}, {128, bytesOf({identifier})}}).left(256);
        ModuleImage image = ModuleImage::fromBytes(raw);  // SFP: A0h
        if (family == QLatin1String("sff8636"))
            image = imageOf(raw);
        const Decoded decoded = decode(image, Language::English);
        QCOMPARE(familyKey(decoded.family), family);
        QCOMPARE(toJson(image).value("family").toString(), family);
        QCOMPARE(toJson(image).value("identifier").toString(), name);
        QCOMPARE(advertisedRegions(image).contains(Region::upperOf(kDeviceA0, Page{3})), family == "sff8636");
    }

    void compliance_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *name, int offset, int value, const char *key, const char *shown) {
            QTest::newRow(name) << offset << value << key << shown;
        };
        row("10/40G Ethernet", 131, 0x7F, "compliance_ethernet",
            "10GBASE-LRM, 10GBASE-LR, 10GBASE-SR, 40GBASE-CR4, 40GBASE-SR4, 40GBASE-LR4, 40G active cable (XLPPI)");
        row("SONET", 132, 0x0F, "compliance_sonet",
            "40G OTN (OTU3B/OTU3C), OC-48 long reach, OC-48 intermediate reach, OC-48 short reach");
        row("SAS", 133, 0xF0, "compliance_sas", "SAS 24.0 Gb/s, SAS 12.0 Gb/s, SAS 6.0 Gb/s, SAS 3.0 Gb/s");
        row("Gigabit Ethernet", 134, 0x0F, "compliance_gigabit_ethernet",
            "1000BASE-T, 1000BASE-CX, 1000BASE-LX, 1000BASE-SX");
        row("FC length", 135, 0xFB, "compliance_fc_length",
            "FC very long distance (V), FC short distance (S), FC intermediate distance (I), FC long distance (L), "
            "FC medium distance (M), FC longwave laser (LC), FC electrical inter-enclosure (EL)");
        row("FC technology", 136, 0xF0, "compliance_fc_technology",
            "FC electrical intra-enclosure (EL), FC shortwave laser w/o OFC (SN), FC shortwave laser with OFC (SL), "
            "FC longwave laser (LL)");
        row("FC media", 137, 0xFF, "compliance_fc_media",
            "FC twin axial pair (TW), FC twisted pair (TP), FC miniature coax (MI), FC video coax (TV), FC multimode "
            "62.5 um (M6), FC multimode 50 um (M5), FC multimode 50 um OM3 (M5E), FC single mode (SM)");
        row("FC speed", 138, 0xFD, "compliance_fc_speed",
            "FC 1200 MB/s, FC 800 MB/s, FC 1600 MB/s, FC 400 MB/s, FC 3200 MB/s, FC 200 MB/s, FC 100 MB/s");
        row("reserved bit", 134, 0x80, "compliance_gigabit_ethernet", "none");
        row("extended compliance", 192, 0x03, "extended_compliance", "100GBASE-LR4 or 25GBASE-LR");
        row("InfiniBand", 164, 0x1F, "extended_module",
            "InfiniBand EDR, InfiniBand FDR, InfiniBand QDR, InfiniBand DDR, InfiniBand SDR");
        row("encoding of SFF-8636", 139, 0x05, "encoding", "64B/66B");
        row("encoding Manchester", 139, 0x06, "encoding", "Manchester");
        row("extended identifier", 129, 0xDC, "extended_identifier",
            "power class 4 (3.5 W), CLEI code in page 02h, CDR in TX, CDR in RX");
        row("power class 7", 129, 0xC3, "extended_identifier", "power class 7 (5.0 W)");
        row("connector", 130, 0x0C, "connector", "MPO 1x12");
        row("rate above 25.4 GBd", 140, 0xFF, "nominal_rate", "25750 MBd (from byte 222)");
        row("nominal rate", 140, 0x67, "nominal_rate", "10300 MBd");
        row("device technology", 147, 0x4F, "device_technology",
            "1310 nm DFB, active wavelength control, cooled transmitter, APD detector, tunable transmitter");
        row("maximum case temperature", 190, 0, "max_case_temperature", "70 °C (the default)");
        row("revision compliance", 1, 0x07, "revision_compliance", "SFF-8636 Rev 2.5-2.7");
    }

    void compliance()
    {
        QFETCH(int, offset);
        QFETCH(int, value);
        QFETCH(QString, key);
        QFETCH(QString, shown);
        QCOMPARE(valueOf(flat({{offset, bytesOf({value})}, {222, bytesOf({103})}}), key), shown);
    }

    void lengthsByTechnology_data()
    {
        QTest::addColumn<int>("technology");
        QTest::addColumn<QString>("lengths");
        QTest::addColumn<QString>("lastName");
        QTest::addColumn<QString>("wavelength");
        QTest::newRow("optical: OM4 in 2 m") << 0x00 << R"({"smf_km":2,"om3_m":20,"om2_m":30,"om1_m":40,"om4_m":100})"
                                             << "Length, OM4 50 um" << "1310.00 nm";
        QTest::newRow("copper: metres of cable")
            << 0xA0 << R"({"smf_km":2,"om3_m":20,"om2_m":30,"om1_m":40,"copper_m":50})"
            << "Length, copper or active cable" << "102, 88 dB";
    }

    // Bytes 142-146 in their units; byte 146 and the wavelength bytes as the technology says.
    void lengthsByTechnology()
    {
        QFETCH(int, technology);
        QFETCH(QString, lengths);
        QFETCH(QString, lastName);
        QFETCH(QString, wavelength);
        const QByteArray raw = flat({{142, bytesOf({2, 10, 30, 40, 50, technology})}, {186, word(26200)}});
        const ModuleImage image = imageOf(raw);
        QCOMPARE(toJson(image).value("lengths").toObject(), QJsonDocument::fromJson(lengths.toLatin1()).object());
        const Decoded decoded = decode(image, Language::English);
        QCOMPARE(fieldOf(decoded, "length_om4_or_copper")->name, lastName);
        const Field *first = fieldOf(decoded, technology ? "attenuation_low" : "wavelength");
        QVERIFY(first);
        QCOMPARE(shownValue(*first), wavelength);
        QCOMPARE(toJson(image).value("wavelength_nm").isNull(), technology != 0);
    }

    void checkCodes_data()
    {
        QTest::addColumn<int>("corrupted");
        QTest::addColumn<QString>("finding");
        QTest::newRow("both right") << -1 << "";
        QTest::newRow("CC_BASE wrong") << 191 << "cc_base";
        QTest::newRow("CC_EXT wrong") << 223 << "cc_ext";
    }

    // A wrong check code is an error with a fix that makes it right.
    void checkCodes()
    {
        QFETCH(int, corrupted);
        QFETCH(QString, finding);
        QByteArray raw = flat();
        if (corrupted >= 0)
            raw[corrupted] = char(raw[corrupted] + 1);
        ModuleImage image = imageOf(raw);
        const Decoded decoded = decode(image, Language::English);
        QCOMPARE(decoded.findings.isEmpty(), finding.isEmpty());
        const QJsonObject checksums = toJson(image).value("checksums").toObject();
        QCOMPARE(checksums.value("base").toObject().value("ok").toBool(), finding != "cc_base");
        QCOMPARE(checksums.value("ext").toObject().value("ok").toBool(), finding != "cc_ext");
        if (finding.isEmpty())
            return;
        QCOMPARE(decoded.findings.first().key, finding);
        QCOMPARE(fieldOf(decoded, finding)->status, Status::Error);
        applyEdits(image, decoded.findings.first().fix);
        QVERIFY(decode(image, Language::English).findings.isEmpty());
        QCOMPARE(image, imageOf(flat()));
    }

    void paddedText()
    {
        ModuleImage image = imageOf(flat({{128 + 20, QByteArray("VEXA\0\0\0\0\0\0\0\0\0\0\0\0", 16)}}));
        const Decoded decoded = decode(image, Language::English);
        QCOMPARE(decoded.findings.size(), 1);
        QCOMPARE(decoded.findings.first().key, QStringLiteral("text_padding:vendor_name"));
        applyEdits(image, decoded.findings.first().fix);
        QVERIFY(decode(image, Language::English).findings.isEmpty());
        QCOMPARE(image.bytes(kDeviceA0, {148, 16}, Page{0}), QByteArray("VEXA            "));
    }

    void lanesAgainstThresholds_data()
    {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QStringList>("judged");  // key:status of the fields not ok
        QTest::newRow("all normal") << flat() << QStringList();
        QTest::newRow("lane 3 RX above the high alarm, lane 2 bias below the low warning")
            << flat({{38, word(25000)}, {44, word(7000)}})
            << QStringList{"rx_power_3:error", "tx_bias_2:warning", "rx_power_flags:error"};
        QTest::newRow("without page 03h nothing is judged") << flat({{38, word(25000)}}).left(256) << QStringList();
    }

    // Lane values are judged against page 03h, the module's own flags as it raises them.
    void lanesAgainstThresholds()
    {
        QFETCH(QByteArray, raw);
        QFETCH(QStringList, judged);
        if (judged.contains("rx_power_flags:error"))
            raw[10] = char(0x80);  // lane 3 RX power high alarm
        const ModuleImage image = imageOf(raw);
        QStringList notOk;
        for (const Field &field : decode(image, Language::English).fields)
            if (field.status != Status::Ok)
                notOk.append(field.key + ':' + statusKey(field.status));
        notOk.sort();
        judged.sort();
        QCOMPARE(notOk, judged);

        const QJsonObject diagnostics = toJson(image).value("diagnostics").toObject();
        const QJsonArray lanes = diagnostics.value("lanes").toArray();
        QCOMPARE(lanes.size(), 4);
        QCOMPARE(lanes.at(1).toObject().value("tx_bias_ma").toDouble(), judged.isEmpty() ? 40.0 : 14.0);
        QCOMPARE(lanes.at(2).toObject().value("rx_power_level").toString(),
                 judged.isEmpty() ? (raw.size() == 640 ? "normal" : "") : "alarm");
        if (!judged.isEmpty())
            QCOMPARE(diagnostics.value("alarms").toObject().value("rx_power").toArray(),
                     QJsonArray{"lane_3_high_alarm"});

        // The monitor's measurements: the module's two, then four lanes of three.
        const QVector<Measurement> list = measurements(image);
        QCOMPARE(list.size(), 14);
        QCOMPARE(list.at(0).key(), QStringLiteral("temperature"));
        QCOMPARE(list.at(13).key(), QStringLiteral("rx_power_4"));
        QCOMPARE(list.at(12).level(), judged.isEmpty() ? Level::Normal : Level::Alarm);
    }

    void rxPowerKind_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("json");
        QTest::newRow("average") << 0x3C << "RX power (average), lane 1" << "average";
        QTest::newRow("OMA") << 0x34 << "RX power (OMA), lane 1" << "oma";
    }

    void rxPowerKind()
    {
        QFETCH(int, type);
        QFETCH(QString, name);
        QFETCH(QString, json);
        const ModuleImage image = imageOf(flat({{220, bytesOf({type})}}));
        QCOMPARE(fieldOf(decode(image, Language::English), "rx_power_1")->name, name);
        QCOMPARE(toJson(image).value("diagnostics").toObject().value("rx_power_type").toString(), json);
    }

    void regionsAdvertised_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QStringList>("regions");
        QTest::addColumn<bool>("selectsPage00");
        QTest::newRow("paged, pages 01h and 02h") << 0x00 << 0xC0
                                                  << QStringList{"lower", "page-00", "page-01", "page-02", "page-03"}
                                                  << true;
        QTest::newRow("paged, no 01h or 02h") << 0x00 << 0x00 << QStringList{"lower", "page-00", "page-03"} << true;
        QTest::newRow("flat memory") << 0x04 << 0xC0 << QStringList{"lower", "page-00"} << false;
    }

    // What "all" reads: byte 2 and byte 195 say; a flat page 00h is read without a select.
    void regionsAdvertised()
    {
        QFETCH(int, status);
        QFETCH(int, pages);
        QFETCH(QStringList, regions);
        QFETCH(bool, selectsPage00);
        const ModuleImage image = imageOf(flat({{2, bytesOf({status})}, {195, bytesOf({pages})}}).left(256));
        QCOMPARE(keysOf(advertisedRegions(image), Family::Qsfp), regions);
        QCOMPARE(pageToSelect(Region::upperOf(kDeviceA0, Page{0}), image).isSet(), selectsPage00);
        QVERIFY(pageToSelect(Region::upperOf(kDeviceA0, Page{3}), image).isSet());
    }
};

QTEST_GUILESS_MAIN(TestQsfpDecoder)
#include "tst_qsfpdecoder.moc"
