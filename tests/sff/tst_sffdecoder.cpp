// The decoder against module images built here: code tables, compliance
// bits, cables, rates, dates, text fields, check codes and their fixes,
// diagnostics with both calibrations, short images, and a whole module.

#include "checkcodes.h"
#include "decoder.h"
#include "json.h"
#include "textfields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

#include <numeric>

using namespace sff;

namespace {

// A 1000BASE-LX module as a vendor would ship it: A0h with right check codes.
const QByteArray kRealModule = QByteArray::fromHex(
    "0304070000000200000000010d000a64000000004e4f52444649424552202020"
    "202020200000176a4e462d5346502d31472d4c5831302020312e3020051e001b"
    "001a00004e463231413030343537313320202020323130333135303768f00829"
    "4e46204c58313020313331302031304b4d2044444d2052455620422032303231")
    + QByteArray(128, '\0');

// The real module with bytes replaced, and A2h appended when given.
QByteArray moduleWith(const QMap<int, QByteArray> &a0Edits, const QMap<int, QByteArray> &a2Edits = {})
{
    QByteArray bytes = kRealModule;
    if (!a2Edits.isEmpty())
        bytes += QByteArray(256, '\0');
    for (auto it = a0Edits.cbegin(); it != a0Edits.cend(); ++it)
        bytes.replace(it.key(), it->size(), *it);
    for (auto it = a2Edits.cbegin(); it != a2Edits.cend(); ++it)
        bytes.replace(256 + it.key(), it->size(), *it);
    return bytes;
}

using Edits = QMap<int, QByteArray>;

Edits operator+(Edits edits, const Edits &more)
{
    edits.insert(more);
    return edits;
}

QByteArray byte(int value) { return QByteArray(1, char(value)); }

QString hexh(int code) { return QString::number(code, 16).rightJustified(2, '0').toUpper() + 'h'; }

// The check codes of A0h worked out here, independently of the library.
QByteArray withCheckCodes(QByteArray bytes)
{
    for (const auto &code : {std::pair<int, int>{0, 63}, {64, 95}}) {
        quint8 sum = 0;
        for (int i = code.first; i < code.second; ++i)
            sum += quint8(bytes[i]);
        bytes[code.second] = char(sum);
    }
    return bytes;
}

QByteArray word(int value) { return QByteArray::fromHex(QByteArray::number(value & 0xFFFF, 16).rightJustified(4, '0')); }

Field fieldOf(const QByteArray &bytes, quint8 device, int offset)
{
    for (const Field &field : decode(ModuleImage::fromBytes(bytes), Language::English).fields)
        if (field.covers(device, offset))
            return field;
    return Field();
}

}  // namespace

Q_DECLARE_METATYPE(sff::Status)
Q_DECLARE_METATYPE(Edits)

class TestSffDecoder : public QObject
{
    Q_OBJECT

private slots:
    // One byte of A0h (or A2h at 256 and up) set to a value, and what its field shows.
    void fieldsShowTheirCodes_data()
    {
        QTest::addColumn<int>("at");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<Status>("status");
        const auto codes = [](int at, const QStringList &names, int reserved, int vendor) {
            for (int code = 0; code < names.size(); ++code)
                if (!names[code].isEmpty())
                    QTest::addRow("%d=%02X", at, code) << at << QByteArray(1, char(code)) << names[code] << Status::Ok;
            QTest::addRow("%d=%02X reserved", at, reserved) << at << QByteArray(1, char(reserved))
                << "Reserved (" + hexh(reserved) + ')' << Status::Warning;
            if (vendor)
                QTest::addRow("%d=%02X vendor", at, vendor) << at << QByteArray(1, char(vendor))
                    << "Vendor specific (" + hexh(vendor) + ')' << Status::Ok;
        };
        codes(0, {"Unknown or unspecified", "GBIC", "Module soldered to motherboard", "SFP/SFP+/SFP28", "300 pin XBI",
                  "XENPAK", "XFP", "XFF", "XFP-E", "XPAK", "X2", "DWDM-SFP/SFP+ (not using SFF-8472)",
                  "QSFP (INF-8438)", "QSFP+ (SFF-8436 or SFF-8636)", "CXP", "Shielded Mini Multilane HD 4X",
                  "Shielded Mini Multilane HD 8X", "QSFP28 (SFF-8636)", "CXP2 (CXP28)", "CDFP Style 1/Style 2",
                  "Shielded Mini Multilane HD 4X Fanout Cable", "Shielded Mini Multilane HD 8X Fanout Cable",
                  "CDFP Style 3", "microQSFP", "QSFP-DD (INF-8628)", "OSFP 8X", "SFP-DD", "DSFP",
                  "x4 MiniLink/OcuLink", "x8 MiniLink", "QSFP+ with CMIS", "SFP-DD with CMIS", "SFP+ with CMIS",
                  "OSFP-XD with CMIS", "OIF-ELSFP with CMIS", "CDFP (x4 PCIe) with CMIS", "CDFP (x8 PCIe) with CMIS",
                  "CDFP (x16 PCIe) with CMIS", "XPO"}, 0x27, 0x80);
        QStringList connectors = {"Unknown or unspecified", "SC", "Fibre Channel Style 1 copper connector",
                                  "Fibre Channel Style 2 copper connector", "BNC/TNC", "Fibre Channel coax headers",
                                  "Fiber Jack", "LC", "MT-RJ", "MU", "SG", "Optical pigtail", "MPO 1x12", "MPO 2x16"};
        connectors += QVector<QString>(0x20 - connectors.size()).toList();
        connectors += {"HSSDC II", "Copper pigtail", "RJ45", "No separable connector", "MXC 2x16", "CS",
                       "SN (Mini CS)", "MPO 2x12", "MPO 1x16"};
        codes(2, connectors, 0x0E, 0xFF);
        codes(11, {"Unspecified", "8B/10B", "4B/5B", "NRZ", "Manchester", "SONET Scrambled", "64B/66B", "256B/257B",
                   "PAM4"}, 0x09, 0);
        codes(94, {"Diagnostics not included or undefined", "SFF-8472 Rev 9.3", "SFF-8472 Rev 9.5",
                   "SFF-8472 Rev 10.2", "SFF-8472 Rev 10.4", "SFF-8472 Rev 11.0", "SFF-8472 Rev 11.3",
                   "SFF-8472 Rev 11.4", "SFF-8472 Rev 12.3", "SFF-8472 Rev 12.4"}, 0x0A, 0);
        codes(1, {"GBIC not specified or not MOD_DEF compliant", "GBIC compliant with MOD_DEF 1",
                  "GBIC compliant with MOD_DEF 2", "GBIC compliant with MOD_DEF 3",
                  "Defined by the two-wire interface ID only", "GBIC compliant with MOD_DEF 5",
                  "GBIC compliant with MOD_DEF 6", "GBIC compliant with MOD_DEF 7"}, 0x08, 0);
        const auto row = [](const char *name, int at, const QByteArray &bytes, const QString &expected,
                            Status status = Status::Ok) {
            QTest::newRow(name) << at << bytes << expected << status;
        };
        row("rate id 0E", 13, byte(0x0E), "10/8G Rx and Tx Rate_Select for the CDRs");
        row("rate id odd", 13, byte(0x05), "Unspecified");
        row("rate id 13", 13, byte(0x13), "Reserved (13h)", Status::Warning);
        row("rate id 21", 13, byte(0x21), "Reserved (21h)", Status::Warning);
        row("ext compliance 1C", 36, byte(0x1C), "10GBASE-T Short Reach (30 m)");
        row("ext compliance 0A", 36, byte(0x0A), "Reserved (0Ah)", Status::Warning);
        row("ext compliance 50", 36, byte(0x50), "Reserved (50h)", Status::Warning);
        row("ext compliance 7F", 36, byte(0x7F), "256GFC-SW4 (FC-PI-7P)");
        row("ext compliance 80", 36, byte(0x80), "64GFC (FC-PI-7)");
        row("ext compliance 81", 36, byte(0x81), "128GFC (FC-PI-8)");
        // Every bit of the eight compliance bytes, and the unallocated ones.
        row("byte 3", 3, byte(0xFF), "10GBASE-ER, 10GBASE-LRM, 10GBASE-LR, 10GBASE-SR, InfiniBand 1X SX, InfiniBand 1X LX, "
                                 "InfiniBand 1X Copper Active, InfiniBand 1X Copper Passive");
        row("byte 4", 4, byte(0xFF), "ESCON MMF 1310 nm LED, ESCON SMF 1310 nm Laser, OC-192 short reach, SONET reach "
                                 "specifier bit 1, SONET reach specifier bit 2, OC-48 long reach, OC-48 intermediate "
                                 "reach, OC-48 short reach");
        row("byte 5", 5, byte(0x77), "OC-12 single mode long reach, OC-12 single mode intermediate reach, OC-12 short "
                                 "reach, OC-3 single mode long reach, OC-3 single mode intermediate reach, OC-3 short reach");
        row("byte 5 unallocated", 5, byte(0x88), "none", Status::Warning);
        row("byte 6", 6, byte(0xFF), "BASE-PX, BASE-BX10, 100BASE-FX, 100BASE-LX/LX10, 1000BASE-T, 1000BASE-CX, "
                                 "1000BASE-LX, 1000BASE-SX");
        row("byte 7", 7, byte(0xFF), "FC very long distance (V), FC short distance (S), FC intermediate distance (I), FC long "
                                 "distance (L), FC medium distance (M), FC shortwave laser, linear Rx (SA), FC longwave "
                                 "laser (LC), FC electrical inter-enclosure (EL)");
        row("byte 8", 8, byte(0xF2), "FC electrical intra-enclosure (EL), FC shortwave laser w/o OFC (SN), FC shortwave "
                                 "laser with OFC (SL), FC longwave laser (LL), FC copper FC-BaseT");
        row("byte 9", 9, byte(0xFD), "FC twin axial pair (TW), FC twisted pair (TP), FC miniature coax (MI), FC video coax "
                                 "(TV), FC multimode 62.5 um (M6), FC multimode 50 um (M5, M5E), FC single mode (SM)");
        row("byte 10", 10, byte(0xFF), "FC 1200 MB/s, FC 800 MB/s, FC 1600 MB/s, FC 400 MB/s, FC 3200 MB/s, FC 200 MB/s, "
                                   "FC speed 2 (byte 62), FC 100 MB/s");
        row("byte 62", 62, byte(0x01), "FC 6400 MB/s (64GFC)");
        row("options", 64, "\x3F\xFE", "power level 3, paging implemented, retimer or CDR, cooled laser, power level 2, "
                                       "linear receiver output, receiver decision threshold, tunable transmitter, "
                                       "RATE_SELECT, TX_DISABLE, TX_FAULT, inverted LOS, LOS");
        row("options unallocated", 64, "\x80\x01", "none", Status::Warning);
        row("diagnostics, OMA", 92, byte(0x54), "digital diagnostics, externally calibrated, address change required, "
                                            "RX power as OMA");
        row("no diagnostics", 92, byte(0x00), "no digital diagnostics");
        row("both calibrations", 92, byte(0x78), "digital diagnostics, internally calibrated, externally calibrated, "
                                             "average RX power", Status::Warning);
        row("enhanced options", 93, byte(0xFE), "alarm and warning flags, soft TX_DISABLE, soft TX_FAULT, soft RX_LOS, "
                                            "soft RATE_SELECT, application select (SFF-8079), soft rate select (SFF-8431)");
        // Rates: units of 100 MBd, or of 250 MBd in byte 66 when byte 12 is FFh.
        row("rate", 12, byte(0x67), "10300 MBd");
        row("rate unspecified", 12, byte(0x00), "not specified");
        // Lengths, with the OM4 unit of byte 18 in an optical module.
        row("smf km", 14, byte(0xFF), "255 km (or more)");
        row("om4", 18, byte(0x0A), "100 m (OM4)");
        row("om2", 16, byte(0x37), "550 m");
        row("oui", 37, QByteArray::fromHex("009065"), "00:90:65");
        // Dates and lot codes.
        row("date", 84, "26120601", "2026-12-06 (lot 01)");
        row("date without lot", 84, "261206  ", "2026-12-06");
        row("no leap day", 84, "210229  ", "210229", Status::Warning);
        row("letters", 84, "2A0101  ", "2A0101", Status::Warning);
        row("lot padded with NULs", 84, QByteArray("210315A\0", 8), "2021-03-15 (lot A)", Status::Warning);
        // Text fields.
        row("NUL padding", 20, QByteArray("ACME", 4) + QByteArray(12, '\0'), "ACME", Status::Warning);
        row("control byte", 20, QByteArray("AC\x01ME           ", 16), "AC\\x01ME", Status::Warning);
        row("all zero", 20, QByteArray(16, '\0'), "unspecified");
        row("all spaces", 20, QByteArray(16, ' '), "blank");
    }

    void fieldsShowTheirCodes()
    {
        QFETCH(int, at);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QFETCH(Status, status);
        const Field field = at < 256 ? fieldOf(moduleWith({{at, bytes}}), kDeviceA0, at)
                                     : fieldOf(moduleWith({}, {{at - 256, bytes}}), kDeviceA2, at - 256);
        QCOMPARE(shownValue(field), expected);
        QCOMPARE(field.status, status);
        QCOMPARE(field.note.isEmpty(), status == Status::Ok);
    }

    // Fields and JSON that depend on other bytes: the rate beyond byte 12 and
    // the cable meaning of bytes 18 and 60-61.
    void ratesAndCables_data()
    {
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<int>("at");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("json");  // a key and its value, compact
        const Edits fast = {{12, byte(0xFF)}, {66, byte(0x64)}, {67, byte(0x05)}};
        QTest::newRow("rate in byte 66") << fast << 12 << "25000 MBd (from byte 66)" << R"("nominal_rate_mbd":25000)";
        QTest::newRow("byte 66 as rate") << fast << 66 << "25000 MBd" << R"("nominal_rate_mbd":25000)";
        QTest::newRow("byte 67 as range") << fast << 67 << "5 %" << R"("nominal_rate_mbd":25000)";
        QTest::newRow("margins") << Edits{{12, byte(0x67)}, {66, byte(0x05)}} << 66 << "5 %" << R"("nominal_rate_mbd":10300)";
        // A cable's bytes 14 and 15 are its attenuation and byte 19 adds to its
        // length: 19h is 25 times 0.1 m, C3h 3 times 100 m.
        const Edits passive = {{8, byte(0x04)}, {18, byte(0x03)}, {19, byte(0x19)}, {60, QByteArray("\x01\x00", 2)}};
        QTest::newRow("passive cable") << passive << 60 << "SFF-8431 Appendix E" << R"("wavelength_nm":null)";
        QTest::newRow("cable length") << passive << 18 << "3 m (copper or active cable)"
                                      << R"("cable_length_m":2.5,"copper_m":3})";
        QTest::newRow("cable attenuation") << passive << 14 << "10 dB" << R"("cable_attenuation_12g9_db":10,)";
        QTest::newRow("cable length, additional") << passive + Edits{{19, byte(0xC3)}} << 19 << "300 m"
                                                  << R"("cable_length_m":300,)";
        const Edits active = {{8, byte(0x08)}, {18, byte(0x05)}, {60, QByteArray("\x0C\x00", 2)}};
        QTest::newRow("active cable") << active << 60 << "FC-PI-4 limiting, SFF-8431 limiting"
                                      << R"("lengths":{"cable_attenuation_12g9_db":10,"cable_attenuation_25g78_db":100,)"
                                         R"("copper_m":5})";
        QTest::newRow("active cable, no wavelength") << active << 60 << "FC-PI-4 limiting, SFF-8431 limiting"
                                                     << R"("wavelength_nm":null)";
        // A 1000BASE-T module is no cable, but its byte 18 counts metres of
        // copper; either its compliance or its RJ45 connector says so.
        QTest::newRow("1000BASE-T") << Edits{{2, byte(0x00)}, {6, byte(0x08)}, {18, byte(0x64)}} << 18
                                    << "100 m (copper)" << R"("lengths":{"copper_m":100,"smf_km":10,)";
        QTest::newRow("RJ45") << Edits{{2, byte(0x22)}, {6, byte(0x00)}, {18, byte(0x64)}} << 18 << "100 m (copper)"
                              << R"("lengths":{"copper_m":100,"smf_km":10,)";
        QTest::newRow("optical") << Edits{{18, byte(0x0A)}} << 60 << "1310 nm"
                                 << R"("lengths":{"om4_m":100,"smf_km":10,"smf_m":10000})";
    }

    void ratesAndCables()
    {
        QFETCH(Edits, edits);
        QFETCH(int, at);
        QFETCH(QString, expected);
        QFETCH(QString, json);
        const QByteArray bytes = moduleWith(edits);
        QCOMPARE(shownValue(fieldOf(bytes, kDeviceA0, at)), expected);
        const QString document = QJsonDocument(toJson(ModuleImage::fromBytes(bytes))).toJson(QJsonDocument::Compact);
        QVERIFY2(document.contains(json), qPrintable(document));
    }

    // Findings a host acts on; the mechanical ones fix themselves and leave
    // every check code right.
    void findingsAndTheirFixes_data()
    {
        QTest::addColumn<Edits>("a0");
        QTest::addColumn<Edits>("a2");  // with A2h when not empty
        QTest::addColumn<bool>("rightCodes");
        QTest::addColumn<QStringList>("findings");
        QTest::newRow("clean") << Edits{} << Edits{} << true << QStringList();
        QTest::newRow("CC_BASE") << Edits{{63, byte(0x1C)}} << Edits{} << false << QStringList{"cc_base"};
        QTest::newRow("CC_EXT") << Edits{{95, byte(0x00)}} << Edits{} << false << QStringList{"cc_ext"};
        QTest::newRow("CC_DMI") << Edits{} << Edits{{95, byte(0x01)}} << true << QStringList{"cc_dmi"};
        QTest::newRow("CC_DMI without diagnostics") << Edits{{92, byte(0x00)}} << Edits{{95, byte(0x01)}} << true
                                                    << QStringList();
        QTest::newRow("vendor name") << Edits{{20, QByteArray("ACME\0\0\0\0\0\0\0\0\0\0\0\0", 16)}} << Edits{}
                                     << true << QStringList{"text_padding:vendor_name"};
        QTest::newRow("serial and lot") << Edits{{68, QByteArray("42\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 16)},
                                                 {90, QByteArray("7\0", 2)}}
                                        << Edits{} << true
                                        << QStringList{"text_padding:serial_number", "text_padding:date_code"};
        QTest::newRow("wrong and padded") << Edits{{56, QByteArray("1\0\0\0", 4)}, {95, byte(0x00)}} << Edits{} << false
                                          << QStringList{"cc_base", "cc_ext", "text_padding:revision"};
        QTest::newRow("not SFP") << Edits{{0, byte(0x02)}, {1, byte(0x00)}} << Edits{} << true
                                 << QStringList{"identifier", "extended_identifier"};
        QTest::newRow("address change") << Edits{{92, byte(0x6C)}} << Edits{} << true << QStringList{"address_change"};
    }

    void findingsAndTheirFixes()
    {
        QFETCH(Edits, a0);
        QFETCH(Edits, a2);
        QFETCH(bool, rightCodes);
        QFETCH(QStringList, findings);
        QByteArray bytes = moduleWith(a0, a2);
        if (rightCodes)
            bytes.replace(0, 256, withCheckCodes(bytes.left(256)));
        if (!a2.isEmpty() && !a2.contains(95))  // CC_DMI right: the sum of A2h 0..94
            bytes[256 + 95] = char(std::accumulate(bytes.begin() + 256, bytes.begin() + 256 + 95, 0));
        ModuleImage image = ModuleImage::fromBytes(bytes);
        QStringList keys;
        for (const Finding &finding : decode(image).findings) {
            keys.append(finding.key);
            QVERIFY(!finding.text.isEmpty());
            QCOMPARE(finding.fixText.isEmpty(), finding.fix.isEmpty());
        }
        QCOMPARE(keys, findings);
        // One fix at a time, as the operator clicks them, leaves only what
        // needs a decision, and every check code right.
        QStringList left;
        for (int click = 0; click <= findings.size(); ++click) {
            left.clear();
            const Decoded decoded = decode(image);
            for (const Finding &finding : decoded.findings)
                left.append(finding.key);
            auto fixable = std::find_if(decoded.findings.begin(), decoded.findings.end(),
                                        [](const Finding &finding) { return !finding.fix.isEmpty(); });
            if (fixable != decoded.findings.end())
                applyEdits(image, fixable->fix);
        }
        QCOMPARE(left, findings.filter(QRegularExpression("identifier|address")));
        const QByteArray fixedA0 = image.bytes(kDeviceA0, Span{0, kDeviceSize});
        QCOMPARE(fixedA0, withCheckCodes(fixedA0));
        if (findings.contains("text_padding:vendor_name"))
            QCOMPARE(image.bytes(kDeviceA0, a0::kVendorName), QByteArray("ACME            "));
    }

    // Diagnostics in both calibrations. External constants and their
    // results, worked out by hand:
    //   RX power with Rx_PWR(4..0) = 2^-40, 2^-28, 2^-20, 0.5, 100 and a
    //   reading of 4096 = 2^12: 2^8 + 2^8 + 2^4 + 2048 + 100 = 2676, in 0.1 uW
    //   0.2676 mW, -5.73 dBm. Without the fourth-order term it would be 0.2420.
    //   Temperature with slope 1.5 (0180h) and offset -256: 1.5 * 4096 - 256 =
    //   5888 / 256 = 23.00 C; a reading of -4096 gives -6400 / 256 = -25.00 C.
    //   Supply with slope 0.5 and offset 100: 0.5 * 60000 + 100 = 30100 = 3.0100 V.
    //   Bias with slope 2 and offset -1000: 2 * 10000 - 1000 = 19000 = 38.000 mA.
    //   TX power with offset -7000 on 5000: below zero, so no light.
    void diagnostics_data()
    {
        QTest::addColumn<int>("type");  // A0h byte 92
        QTest::addColumn<Edits>("a2");
        QTest::addColumn<int>("at");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<Status>("status");
        const int internal = 0x68, external = 0x58;
        QTest::newRow("below zero") << internal << Edits{{96, word(0xFB00)}} << 96 << "-5.00 °C" << Status::Ok;
        QTest::newRow("half below") << internal << Edits{{96, word(0xFF80)}} << 96 << "-0.50 °C" << Status::Ok;
        QTest::newRow("coldest") << internal << Edits{{96, word(0x8000)}} << 96 << "-128.00 °C" << Status::Ok;
        QTest::newRow("supply") << internal << Edits{{98, word(33000)}} << 98 << "3.3000 V" << Status::Ok;
        QTest::newRow("bias full scale") << internal << Edits{{100, word(0xFFFF)}} << 100 << "131.070 mA" << Status::Ok;
        QTest::newRow("no light") << internal << Edits{{102, word(0)}} << 102 << "0.0000 mW (no light)" << Status::Ok;
        QTest::newRow("RX full scale") << internal << Edits{{104, word(0xFFFF)}} << 104
                                       << "6.5535 mW (8.16 dBm, average)" << Status::Ok;
        QTest::newRow("RX as OMA") << 0x60 << Edits{{104, word(10000)}} << 104 << "1.0000 mW (0.00 dBm, OMA)"
                                   << Status::Ok;
        const QByteArray thresholds = word(0x5500) + word(0xFB00) + word(0x4B00) + word(0);  // 85, -5, 75, 0 C
        QTest::newRow("alarm") << internal << Edits{{0, thresholds}, {96, word(0x5A00)}} << 96 << "90.00 °C"
                               << Status::Error;
        QTest::newRow("warning") << internal << Edits{{0, thresholds}, {96, word(0xFF00)}} << 96 << "-1.00 °C"
                                 << Status::Warning;
        QTest::newRow("threshold") << internal << Edits{{0, thresholds}} << 2 << "-5.00 °C" << Status::Ok;
        const QByteArray polynomial = QByteArray::fromHex("2B800000 31800000 35800000 3F000000 42C80000");
        QTest::newRow("RX polynomial") << external << Edits{{56, polynomial}, {104, word(4096)}} << 104
                                       << "0.2676 mW (-5.73 dBm, average)" << Status::Ok;
        QTest::newRow("RX not a number") << external << Edits{{56, QByteArray::fromHex("7FC00000")}, {104, word(4096)}}
                                         << 104 << "invalid" << Status::Warning;
        const Edits temperature = {{84, word(0x0180) + word(-256)}};
        QTest::newRow("T external") << external << temperature + Edits{{96, word(0x1000)}} << 96
                                    << "23.00 °C" << Status::Ok;
        QTest::newRow("T external below zero") << external << temperature + Edits{{96, word(0xF000)}} << 96
                                               << "-25.00 °C" << Status::Ok;
        QTest::newRow("T threshold external") << external << temperature + Edits{{0, word(0x2000)}} << 0
                                              << "47.00 °C" << Status::Ok;
        QTest::newRow("V external") << external << Edits{{88, word(0x0080) + word(100)}, {98, word(60000)}} << 98
                                    << "3.0100 V" << Status::Ok;
        QTest::newRow("bias external") << external << Edits{{76, word(0x0200) + word(-1000)}, {100, word(10000)}}
                                       << 100 << "38.000 mA" << Status::Ok;
        // Results past what the quantity can be are shown, not clamped.
        QTest::newRow("TX below zero") << external << Edits{{80, word(0x0100) + word(-7000)}, {102, word(5000)}}
                                       << 102 << "-0.2000 mW (out of range)" << Status::Warning;
        QTest::newRow("bias too high") << external << Edits{{76, word(0x0120)}, {100, word(0xFFFF)}} << 100
                                       << "147.454 mA (out of range)" << Status::Warning;
        QTest::newRow("T too high") << external << Edits{{84, word(0x4500)}, {96, word(0x2000)}} << 96
                                    << "2208.00 °C (out of range)" << Status::Warning;
        // Without diagnostics in byte 92, A2h is bytes, neither values nor judgements.
        QTest::newRow("no diagnostics") << 0x00 << Edits{{0, thresholds}, {96, word(0x5A00)}} << 96
                                        << "5A 00 (not used: the module has no digital diagnostics)" << Status::Ok;
        QTest::newRow("no diagnostics, CC_DMI") << 0x00 << Edits{{95, byte(0x01)}} << 95
                                                << "01 (not used: the module has no digital diagnostics)"
                                                << Status::Ok;
        QTest::newRow("slope") << external << temperature << 84 << "1.5" << Status::Ok;
        QTest::newRow("constants unused") << internal << temperature << 86 << "-256 (not used: the module is "
                                                                              "internally calibrated)" << Status::Ok;
        QTest::newRow("flags") << internal << Edits{{112, "\x80\x40"}} << 112 << "temperature high, RX power low"
                               << Status::Error;
    }

    void diagnostics()
    {
        QFETCH(int, type);
        QFETCH(Edits, a2);
        QFETCH(int, at);
        QFETCH(QString, expected);
        QFETCH(Status, status);
        const Field field = fieldOf(moduleWith({{92, QByteArray(1, char(type))}}, a2), kDeviceA2, at);
        QCOMPARE(shownValue(field), expected);
        QCOMPARE(field.status, status);
    }

    void dbmIsNullAtZeroPower()
    {
        const QJsonObject json = toJson(ModuleImage::fromBytes(moduleWith({}, {{102, word(0)}, {104, word(10000)}})));
        const QJsonObject diagnostics = json["diagnostics"].toObject();
        QVERIFY(diagnostics["tx_power_dbm"].isNull());
        QCOMPARE(diagnostics["tx_power_mw"].toDouble(), 0.0);
        QCOMPARE(diagnostics["rx_power_dbm"].toDouble(), 0.0);  // 1 mW
        QCOMPARE(diagnostics["rx_power_kind"].toString(), "average");
    }

    // A value that calibration makes not a number is null; its field says why.
    void invalidValuesAreNullInJson()
    {
        const QByteArray nan = QByteArray::fromHex("7FC00000");
        const QJsonObject json = toJson(ModuleImage::fromBytes(
            moduleWith({{92, byte(0x50)}}, {{56, nan}, {64, nan}, {104, word(4096)}, {32, word(100)}})));
        const QJsonObject diagnostics = json["diagnostics"].toObject();
        QCOMPARE(diagnostics["rx_power_kind"].toString(), "oma");
        QVERIFY(diagnostics["rx_power_mw"].isNull());
        QVERIFY(diagnostics["rx_power_dbm"].isNull());
        QVERIFY(diagnostics["thresholds"].toObject()["rx_power_mw"].toObject()["high_alarm"].isNull());
        for (const QJsonValue &field : json["fields"].toArray())
            if (field["key"] == "rx_power")
                QCOMPARE(field["note"].toString(), "Not a number: the calibration constants are not finite");
    }

    // Short and partial images decode what they hold and say what they lack.
    void shortImages_data()
    {
        QTest::addColumn<int>("table");  // -1: a file image
        QTest::addColumn<int>("size");
        QTest::addColumn<QStringList>("missing");
        QTest::newRow("empty") << -1 << 0 << QStringList();
        QTest::newRow("60 bytes") << -1 << 60 << QStringList{"A0h bytes 60-95"};
        QTest::newRow("A0 Low") << -1 << 128 << QStringList{"A2h bytes 0-119"};
        QTest::newRow("A0h") << -1 << 256 << QStringList{"A2h bytes 0-119"};
        QTest::newRow("A0h and thresholds") << -1 << 296 << QStringList{"A2h bytes 40-119"};
        QTest::newRow("module") << -1 << 512 << QStringList();
        QTest::newRow("A2 Low alone") << int(kTableA2Low) << 128
                                      << QStringList{"A0h byte 92 is missing: the diagnostics are shown as "
                                                     "internally calibrated"};
        QTest::newRow("A0 High alone") << int(kTableA0High) << 128 << QStringList{"A0h bytes 0-95"};
    }

    void shortImages()
    {
        QFETCH(int, table);
        QFETCH(int, size);
        QFETCH(QStringList, missing);
        const QByteArray module = moduleWith({}, {{0, QByteArray(128, '\x11')}});
        const QByteArray bytes = table < 0 ? module.left(size) : module.mid(tableDevice(table) == kDeviceA2 ? 256 : 128, size);
        const ModuleImage image = table < 0 ? ModuleImage::fromBytes(bytes) : ModuleImage::fromTable(table, bytes);
        const Decoded decoded = decode(image, Language::English);
        QCOMPARE(decoded.missing, missing);
        int decodedBytes = 0;
        for (const Field &field : decoded.fields) {
            QVERIFY2(image.holds(field.device, field.offset, field.length), qPrintable(field.key));
            QCOMPARE(field.raw, image.bytes(field.device, {field.offset, field.length}));
            decodedBytes += field.length;
        }
        QCOMPARE(decodedBytes, size);  // every byte held is in exactly one field
    }

    // A whole real module: every field decodes, nothing is empty or wrong.
    void realModuleDecodesWhole()
    {
        const ModuleImage image = ModuleImage::fromBytes(kRealModule);
        const Decoded decoded = decode(image, Language::English);
        QCOMPARE(decoded.fields.size(), 39);
        for (const Field &field : decoded.fields) {
            QVERIFY2(!field.value.isEmpty() && !field.name.isEmpty(), qPrintable(field.key));
            QVERIFY2(field.status == Status::Ok, qPrintable(field.key + ": " + field.note));
        }
        QVERIFY(decoded.findings.isEmpty());
        QJsonObject json = toJson(image);
        QCOMPARE(json.take("fields").toArray().size(), 39);
        const QJsonObject expected = QJsonDocument::fromJson(R"({
            "family": "sff8472", "identifier": "SFP/SFP+/SFP28", "connector": "LC", "vendor_name": "NORDFIBER",
            "vendor_oui": "00:17:6A",
            "part_number": "NF-SFP-1G-LX10", "revision": "1.0", "serial_number": "NF21A0045713",
            "date_code": "2021-03-15", "wavelength_nm": 1310, "nominal_rate_mbd": 1300,
            "lengths": {"smf_km": 10, "smf_m": 10000}, "transceiver": ["1000BASE-LX"], "encoding": "8B/10B",
            "checksums": {"base": {"stored": 27, "computed": 27, "ok": true},
                          "ext": {"stored": 41, "computed": 41, "ok": true}},
            "findings": [], "missing": ["A2h bytes 0-119"]})").object();
        QCOMPARE(json, expected);
    }

    void fieldNamesByByte_data()
    {
        QTest::addColumn<int>("device");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("name");
        QTest::newRow("vendor") << 0x50 << 25 << "Vendor name";
        QTest::newRow("CC_BASE") << 0x50 << 63 << "CC_BASE";
        QTest::newRow("reserved") << 0x50 << 255 << "Reserved";
        QTest::newRow("threshold") << 0x51 << 3 << "Temperature: low alarm threshold";
        QTest::newRow("polynomial") << 0x51 << 59 << "Rx_PWR(4)";
        QTest::newRow("password") << 0x51 << 0x7D << "Password entry";
        QTest::newRow("no device") << 0x52 << 0 << "";
        QTest::newRow("past the device") << 0x50 << 256 << "";
    }

    void fieldNamesByByte()
    {
        QFETCH(int, device);
        QFETCH(int, offset);
        QFETCH(QString, name);
        QCOMPARE(fieldNameAtUntranslated(quint8(device), offset), name);
        QCOMPARE(fieldNameAt(quint8(device), offset), name);  // no catalogue installed
    }

    // Every byte is held at its address, whatever else is held: what the
    // monitor gathers run by run, and the pages of A2h beside its upper half.
    void imagesHoldWhatTheyAreGiven()
    {
        ModuleImage image;
        image.put(kDeviceA2, 0, QByteArray(96, 'a'));
        image.put(kDeviceA2, 96, QByteArray(22, 'b'));
        image.put(kDeviceA2, 250, QByteArray(10, 'c'));  // past the device: six bytes held
        image.put(kDeviceA2, 128, QByteArray(128, 'p'), Page{1});
        QVERIFY(image.holds(kDeviceA2, 0, 118));
        QVERIFY(!image.holds(kDeviceA2, 0, 119));
        QVERIFY(image.holds(kDeviceA2, 250, 6) && !image.holds(kDeviceA2, 249, 2));
        QCOMPARE(image.byte(kDeviceA2, 100), quint8('b'));
        QCOMPARE(image.byte(kDeviceA2, 200, Page{1}), quint8('p'));
        QCOMPARE(image.byte(kDeviceA2, 200), quint8(0));  // the unpaged upper half does not hold it
        QCOMPARE(image.byte(kDeviceA2, 100, Page{1}), quint8('b'));  // the lower half is every page's
        QVERIFY(!image.holdsAny(kDeviceA0));
        QVERIFY(!image.write(kDeviceA2, 117, "xy"));  // one byte past what is held
        QCOMPARE(image.byte(kDeviceA2, 117), quint8('b'));
        QCOMPARE(image.wholeRegions(), QList<Region>{Region::upperOf(kDeviceA2, Page{1})});
        QCOMPARE(image.regions().size(), 3);
    }

    // What a series programmer writes into each module: serial number, date
    // code and the check codes over them.
    void serialAndDateForASeries()
    {
        QCOMPARE(encodeText("VX26120001", 16), QByteArray("VX26120001      "));
        QCOMPARE(encodeText(QString::fromUtf8("Ж%1234567890123456"), 16), QByteArray("?%12345678901234"));
        const QByteArray date = encodeDateCode(QDate(2026, 12, 6), "7");
        QCOMPARE(date, QByteArray("2612067 "));
        QCOMPARE(readDateCode(date).date, QDate(2026, 12, 6));

        ModuleImage table = ModuleImage::fromTable(kTableA0Low, kRealModule.left(128));
        QVERIFY(table.write(kDeviceA0, kSerialNumber.offset, encodeText("VX26120001", kSerialNumber.length)));
        QVERIFY(table.write(kDeviceA0, kDateCode.offset, date));
        QVERIFY(!checkCode(table, kCcExt).ok());
        QCOMPARE(recomputeCheckCodes(table), 2);  // CC_BASE and CC_EXT; no A2h here
        QCOMPARE(table.table(kTableA0Low), withCheckCodes(table.table(kTableA0Low)));
        QVERIFY(decode(table).findings.isEmpty());
    }

    void diagnosticsJsonHasThresholdsAndFlags()
    {
        const QByteArray thresholds = word(0x5500) + word(0xFB00) + word(0x4B00) + word(0);
        const QJsonObject json = toJson(ModuleImage::fromBytes(
            moduleWith({}, {{0, thresholds}, {96, word(0x5600)}, {112, byte(0x80)}, {116, byte(0x20)}})));
        const QJsonObject diagnostics = json["diagnostics"].toObject();
        QCOMPARE(diagnostics["temperature_c"].toDouble(), 86.0);
        QCOMPARE(diagnostics["thresholds"].toObject()["temperature_c"].toObject()["low_alarm"].toDouble(), -5.0);
        QCOMPARE(diagnostics["alarms"].toArray(), QJsonArray{"temperature_high"});
        QCOMPARE(diagnostics["warnings"].toArray(), QJsonArray{"vcc_high"});
        QVERIFY(json["checksums"].toObject().contains("dmi"));
    }
};

QTEST_GUILESS_MAIN(TestSffDecoder)
#include "tst_sffdecoder.moc"
