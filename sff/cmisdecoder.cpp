#include "cmisdecoder.h"

#include "checkcodes.h"
#include "cmiscodes.h"
#include "cmisdiagnostics.h"
#include "family.h"
#include "fieldshow.h"

#include <algorithm>

namespace sff {
namespace cmis {

namespace {

using namespace fields;

const Page kPage00{page00::kPage};
const Page kPage01{page01::kPage};
const Page kPage02{page02::kPage};

QVector<Entry> build()
{
    QVector<Entry> list;
    using S = Section;
    const auto add = [&list](Span span, Page page, const QString &key, const char *name, Section section, Kind kind,
                             int index = 0, int lane = -1) {
        list.append({span, page, key, name, section, kind, index, lane});
    };
    const auto low = [&add](Span span, const char *key, const char *name, Section section, Kind kind, int index = 0) {
        add(span, Page(), QLatin1String(key), name, section, kind, index);
    };
    const auto p00 = [&add](Span span, const char *key, const char *name, Section section, Kind kind, int index = 0) {
        add(span, kPage00, QLatin1String(key), name, section, kind, index);
    };
    const auto p01 = [&add](Span span, const char *key, const char *name, Section section, Kind kind, int index = 0) {
        add(span, kPage01, QLatin1String(key), name, section, kind, index);
    };

    low(lower::kIdentifier, "identifier", QT_TRANSLATE_NOOP("Sff", "Identifier"), S::Identification, Kind::Identifier);
    low(lower::kRevision, "revision_compliance", QT_TRANSLATE_NOOP("Sff", "Revision compliance"), S::Identification,
        Kind::Revision);
    low(lower::kMemoryModel, "memory_model", QT_TRANSLATE_NOOP("Sff", "Memory model"), S::Identification,
        Kind::MemoryModel);
    low(lower::kModuleState, "module_state", QT_TRANSLATE_NOOP("Sff", "Module state"), S::StatusFlags,
        Kind::ModuleState);
    low(lower::kModuleFlags, "module_flags", QT_TRANSLATE_NOOP("Sff", "Temperature and supply flags"),
        S::StatusFlags, Kind::ModuleFlags);
    low(lower::kTemperature, "temperature", QT_TRANSLATE_NOOP("Sff", "Temperature"), S::Values, Kind::Value,
        a2::kTemperature);
    low(lower::kVcc, "vcc", QT_TRANSLATE_NOOP("Sff", "Supply voltage"), S::Values, Kind::Value, a2::kVcc);
    low(lower::kControls, "controls", QT_TRANSLATE_NOOP("Sff", "Module controls and flag masks"), S::Controls,
        Kind::Opaque);
    low(lower::kMediaType, "media_type", QT_TRANSLATE_NOOP("Sff", "Media type"), S::Compliance, Kind::MediaType);
    for (int i = 0; i < kApplications; ++i)
        add(lower::application(i), Page(), QStringLiteral("application_%1").arg(i + 1), nullptr, S::Compliance,
            Kind::Application, i);
    low(lower::kPasswordChange, "password_change", QT_TRANSLATE_NOOP("Sff", "Password change"), S::UserArea,
        Kind::Opaque);
    low(lower::kPasswordEntry, "password_entry", QT_TRANSLATE_NOOP("Sff", "Password entry"), S::UserArea,
        Kind::Opaque);
    low(lower::kBankSelect, "bank_select", QT_TRANSLATE_NOOP("Sff", "Bank select"), S::UserArea, Kind::Opaque);
    low(lower::kPageSelect, "page_select", QT_TRANSLATE_NOOP("Sff", "Page select"), S::UserArea, Kind::Opaque);

    p00(page00::kIdentifier, "identifier_copy", QT_TRANSLATE_NOOP("Sff", "Identifier (page 00h)"), S::Identification,
        Kind::Identifier);
    p00(page00::kConnector, "connector", QT_TRANSLATE_NOOP("Sff", "Connector"), S::Identification, Kind::Connector);
    p00(page00::kPowerClass, "power_class", QT_TRANSLATE_NOOP("Sff", "Power class"), S::Identification,
        Kind::PowerClass);
    p00(page00::kMaxPower, "max_power", QT_TRANSLATE_NOOP("Sff", "Maximum power"), S::Identification, Kind::MaxPower);
    p00(page00::kMediaTechnology, "media_technology", QT_TRANSLATE_NOOP("Sff", "Media interface technology"),
        S::Identification, Kind::MediaTechnology);
    p00(page00::kVendorName, "vendor_name", QT_TRANSLATE_NOOP("Sff", "Vendor name"), S::Vendor, Kind::Text);
    p00(page00::kVendorOui, "vendor_oui", QT_TRANSLATE_NOOP("Sff", "Vendor OUI"), S::Vendor, Kind::Oui);
    p00(page00::kPartNumber, "part_number", QT_TRANSLATE_NOOP("Sff", "Part number"), S::Vendor, Kind::Text);
    p00(page00::kRevision, "revision", QT_TRANSLATE_NOOP("Sff", "Revision"), S::Vendor, Kind::Text);
    p00(page00::kSerialNumber, "serial_number", QT_TRANSLATE_NOOP("Sff", "Serial number"), S::Vendor, Kind::Text);
    p00(page00::kDateCode, "date_code", QT_TRANSLATE_NOOP("Sff", "Date code"), S::Vendor, Kind::DateCode);
    p00(page00::kClei, "clei", QT_TRANSLATE_NOOP("Sff", "CLEI code"), S::Vendor, Kind::Text);
    p00(page00::kCableLength, "cable_length", QT_TRANSLATE_NOOP("Sff", "Cable assembly length"), S::Link,
        Kind::CableLength);
    p00(page00::kMediaLanes, "media_lanes", QT_TRANSLATE_NOOP("Sff", "Media lanes"), S::Link, Kind::MediaLanes);
    p00(page00::kCopperAttenuation, "copper_attenuation", QT_TRANSLATE_NOOP("Sff", "Copper cable attenuation"),
        S::Link, Kind::Opaque);
    p00(page00::kCcBase, "cc_page_00", "CC_00h", S::CheckCodes, Kind::CheckCode, 0);
    p00(page00::kCustom, "vendor_specific", QT_TRANSLATE_NOOP("Sff", "Vendor specific"), S::VendorArea, Kind::Opaque);

    p01(page01::kFirmwareVersion, "firmware_version", QT_TRANSLATE_NOOP("Sff", "Firmware version"), S::Vendor,
        Kind::Version);
    p01(page01::kHardwareVersion, "hardware_version", QT_TRANSLATE_NOOP("Sff", "Hardware version"), S::Vendor,
        Kind::Version);
    p01(page01::kWavelength, "wavelength", QT_TRANSLATE_NOOP("Sff", "Nominal wavelength"), S::Link, Kind::Wavelength);
    p01(page01::kWavelengthTolerance, "wavelength_tolerance", QT_TRANSLATE_NOOP("Sff", "Wavelength tolerance"),
        S::Link, Kind::WavelengthTolerance);
    p01(page01::kLengthSmf, "length_smf_km", QT_TRANSLATE_NOOP("Sff", "Length, single-mode fibre (km)"), S::Link,
        Kind::Length, 0);
    p01(page01::kLengthOm5, "length_om5", QT_TRANSLATE_NOOP("Sff", "Length, OM5 50 um"), S::Link, Kind::Length, 1);
    p01(page01::kLengthOm4, "length_om4", QT_TRANSLATE_NOOP("Sff", "Length, OM4 50 um"), S::Link, Kind::Length, 2);
    p01(page01::kLengthOm3, "length_om3", QT_TRANSLATE_NOOP("Sff", "Length, OM3 50 um"), S::Link, Kind::Length, 3);
    p01(page01::kLengthOm2, "length_om2", QT_TRANSLATE_NOOP("Sff", "Length, OM2 50 um"), S::Link, Kind::Length, 4);
    for (int i = 0; i < kMoreApplications; ++i)
        add(page01::application(i), kPage01, QStringLiteral("application_%1").arg(kApplications + i + 1), nullptr,
            S::Compliance, Kind::Application, kApplications + i);
    p01(page01::kMediaLaneAssignment, "media_lane_assignment", QT_TRANSLATE_NOOP("Sff", "Media lane assignment"),
        S::Compliance, Kind::Opaque);
    p01(page01::kPagesAdvertised, "pages_advertised", QT_TRANSLATE_NOOP("Sff", "Pages and banks"), S::Options,
        Kind::PagesAdvertised);
    p01(page01::kCharacteristics, "rx_power_type", QT_TRANSLATE_NOOP("Sff", "RX power measurement"), S::Options,
        Kind::Characteristics);
    p01(page01::kModuleMonitors, "module_monitors", QT_TRANSLATE_NOOP("Sff", "Module monitors"), S::Options,
        Kind::Monitors, 0);
    p01(page01::kLaneMonitors, "lane_monitors", QT_TRANSLATE_NOOP("Sff", "Lane monitors"), S::Options, Kind::Monitors,
        1);
    add({255, 1}, kPage01, QStringLiteral("cc_page_01"), "CC_01h", S::CheckCodes, Kind::CheckCode, 1);

    for (int q : {a2::kTemperature, a2::kVcc, a2::kTxPower, a2::kTxBias, a2::kRxPower})
        for (int limit = 0; limit < a2::kLimitCount; ++limit)
            add(page02::threshold(q, limit), kPage02, thresholdKey(q, limit), nullptr, S::Thresholds, Kind::Threshold,
                q * a2::kLimitCount + limit);
    add({255, 1}, kPage02, QStringLiteral("cc_page_02"), "CC_02h", S::CheckCodes, Kind::CheckCode, 2);
    add(page03::kUserEeprom, Page{page03::kPage}, QStringLiteral("user_eeprom"),
        QT_TRANSLATE_NOOP("Sff", "User EEPROM"), S::UserArea, Kind::Opaque);
    add(page10::kLaneControls, Page{page10::kPage, 0}, QStringLiteral("lane_controls"),
        QT_TRANSLATE_NOOP("Sff", "Lane controls"), S::Controls, Kind::Opaque);
    add(page11::kDataPathStates, kLanePage, QStringLiteral("data_path_states"),
        QT_TRANSLATE_NOOP("Sff", "Data path states"), S::StatusFlags, Kind::DataPathStates);
    for (int q : {a2::kTxBias, a2::kTxPower, a2::kRxPower})
        for (int lane = 0; lane < kLanes; ++lane) {
            const Span span = q == a2::kTxBias ? page11::txBias(lane) : q == a2::kTxPower ? page11::txPower(lane)
                                                                                         : page11::rxPower(lane);
            add(span, kLanePage, QStringLiteral("%1_%2").arg(quantityKey(q)).arg(lane + 1), nullptr, S::Values,
                Kind::Value, q, lane);
        }
    sortForListing(list);
    return list;
}

const CheckCodeSpan kCheckCodes[3] = {kCcBase, kCcPage01, kCcPage02};

struct Context {
    const ModuleImage &image;
    const Words &w;
    Diagnostics diagnostics;
    QVector<Application> applications;
};

QString laneList(const QList<int> &lanes)
{
    QStringList numbers;
    for (int lane : lanes)
        numbers.append(QString::number(lane));
    return numbers.join(QLatin1String(", "));
}

void showApplication(Field &field, int index, const Context &c)
{
    const Words &w = c.w;
    field.name = w(QT_TRANSLATE_NOOP("Sff", "Application %1")).arg(index + 1);
    const auto found = std::find_if(c.applications.begin(), c.applications.end(),
                                    [index](const Application &a) { return a.number == index + 1; });
    if (found == c.applications.end()) {
        field.value = quint8(field.raw.at(0)) == kEndOfApplications ? w(QT_TRANSLATE_NOOP("Sff", "end of list"))
                                                                     : w(QT_TRANSLATE_NOOP("Sff", "unused"));
        return;
    }
    const quint8 mediaType = c.image.byte(kDevice, lower::kMediaType.offset);
    field.value = QStringLiteral("%1 / %2").arg(hostInterfaceName(found->hostInterface, w).text,
                                               mediaInterfaceName(mediaType, found->mediaInterface, w).text);
    QString detail = w(QT_TRANSLATE_NOOP("Sff", "%1 host lanes, %2 media lanes; host lanes from %3"))
                         .arg(found->hostLanes)
                         .arg(found->mediaLanes)
                         .arg(laneList(lanesOf(found->hostAssignment)));
    if (found->mediaAssignment >= 0)
        detail += w(QT_TRANSLATE_NOOP("Sff", ", media lanes from %1")).arg(laneList(lanesOf(quint8(found->mediaAssignment))));
    field.detail = detail;
    if (found->hostLanes == 0 || found->mediaLanes == 0 || found->hostAssignment == 0)
        warn(field, w(QT_TRANSLATE_NOOP("Sff", "The application names no lanes")));
}

void showLength(Field &field, int index, quint8 value, const Words &w)
{
    if (index == 0) {
        showNumber(field, (value & 0x3F) * ((value >> 6) == 0 ? 0.1 : 1.0), QT_TRANSLATE_NOOP("Sff", "km"), w,
                   (value >> 6) == 0 ? 1 : 0);
        if ((value >> 6) > 1)
            warn(field, w(QT_TRANSLATE_NOOP("Sff", "The length multiplier is not defined")));
        return;
    }
    static const int kUnits[5] = {0, 2, 2, 2, 1};
    showNumber(field, value * kUnits[index], QT_TRANSLATE_NOOP("Sff", "m"), w);
}

void decodeField(Field &field, const Entry &entry, const Context &c)
{
    const Words &w = c.w;
    const quint8 first = quint8(field.raw.at(0));
    const quint8 second = field.raw.size() > 1 ? quint8(field.raw.at(1)) : 0;
    const Diagnostics &d = c.diagnostics;
    switch (entry.kind) {
    case Kind::Identifier:
        showCode(field, identifierName(first, w), w);
        break;
    case Kind::Revision:
        field.value = first == 0 ? w(QT_TRANSLATE_NOOP("Sff", "not specified")) : revisionName(first);
        break;
    case Kind::MemoryModel:
        field.value = first & lower::kFlatMemory ? w(QT_TRANSLATE_NOOP("Sff", "flat: page 00h only"))
                                                 : w(QT_TRANSLATE_NOOP("Sff", "paged"));
        break;
    case Kind::ModuleState: {
        const int state = (first & lower::kStateMask) >> 1;
        showCode(field, moduleStateName(state, w), w);
        field.detail = moduleStateMeaning(state, w);
        if (state == 5)
            warn(field, w(QT_TRANSLATE_NOOP("Sff", "The module reports a fault")), Status::Error);
        if (!(first & lower::kInterruptDeasserted))
            field.detail += (field.detail.isEmpty() ? QString() : QStringLiteral("; "))
                            + w(QT_TRANSLATE_NOOP("Sff", "IntL asserted"));
        break;
    }
    case Kind::ModuleFlags: {
        static const char *const kFlags[8] = {
            QT_TRANSLATE_NOOP("Sff", "temperature high alarm"), QT_TRANSLATE_NOOP("Sff", "temperature low alarm"),
            QT_TRANSLATE_NOOP("Sff", "temperature high warning"), QT_TRANSLATE_NOOP("Sff", "temperature low warning"),
            QT_TRANSLATE_NOOP("Sff", "supply high alarm"), QT_TRANSLATE_NOOP("Sff", "supply low alarm"),
            QT_TRANSLATE_NOOP("Sff", "supply high warning"), QT_TRANSLATE_NOOP("Sff", "supply low warning")};
        BitNames bits;
        for (int bit = 0; bit < 8; ++bit)
            if (first & (1 << bit))
                bits.names.append(w(kFlags[bit]));
        showFlags(field, bits, first & 0x33, first & 0xCC, w);
        break;
    }
    case Kind::Value: {
        const int lane = qMax(entry.lane, 0);
        field.name = valueName(entry.index, entry.lane, d, w);
        showQuantity(field, entry.index, d.value(entry.index, lane), w);
        if (d.hasThresholds)
            judge(field, d.value(entry.index, lane), d.thresholds[entry.index], w);
        break;
    }
    case Kind::Threshold: {
        const int quantity = entry.index / a2::kLimitCount;
        field.name = entryName(entry, w);
        showQuantity(field, quantity, d.thresholds[quantity][entry.index % a2::kLimitCount], w);
        break;
    }
    case Kind::Opaque:
        showOpaque(field, w);
        break;
    case Kind::MediaType:
        showCode(field, mediaTypeName(first, w), w);
        break;
    case Kind::Application:
        showApplication(field, entry.index, c);
        break;
    case Kind::Text:
        showText(field, readText(field.raw), w);
        break;
    case Kind::Oui:
        showOui(field, w);
        break;
    case Kind::DateCode:
        showDateCode(field, w);
        break;
    case Kind::PowerClass:
        field.value = QString::number(powerClassOf(first));
        break;
    case Kind::MaxPower:
        showNumber(field, first * 0.25, QT_TRANSLATE_NOOP("Sff", "W"), w, 2);
        break;
    case Kind::CableLength:
        if ((first & 0x3F) == 0)
            field.value = w(QT_TRANSLATE_NOOP("Sff", "separable media"));
        else
            showNumber(field, cableLengthOf(first), QT_TRANSLATE_NOOP("Sff", "m"), w, first >> 6 == 0 ? 1 : 0);
        break;
    case Kind::Connector:
        showCode(field, connectorName(first, w), w);
        break;
    case Kind::MediaLanes: {
        const QList<int> supported = lanesOf(quint8(~first));
        field.value = supported.isEmpty() ? w(QT_TRANSLATE_NOOP("Sff", "none"))
                                          : w(QT_TRANSLATE_NOOP("Sff", "lanes %1 supported")).arg(laneList(supported));
        break;
    }
    case Kind::MediaTechnology:
        showCode(field, mediaTechnologyName(first, w), w);
        break;
    case Kind::CheckCode:
        showCheckCode(field, c.image, kCheckCodes[entry.index], w);
        break;
    case Kind::Version:
        field.value = QStringLiteral("%1.%2").arg(first).arg(second);
        break;
    case Kind::Length:
        showLength(field, entry.index, first, w);
        break;
    case Kind::Wavelength:
        showNumber(field, (first << 8 | second) * 0.05, QT_TRANSLATE_NOOP("Sff", "nm"), w, 2);
        break;
    case Kind::WavelengthTolerance:
        showNumber(field, (first << 8 | second) * 0.005, QT_TRANSLATE_NOOP("Sff", "nm"), w, 3);
        if (!field.unit.isEmpty())
            field.value.prepend(QStringLiteral("±"));
        break;
    case Kind::PagesAdvertised: {
        QStringList names;
        const int banks = (first & page01::kBanksMask) == page01::kBanksMask ? 0 : 1 << (first & page01::kBanksMask);
        if (banks == 1)
            names.append(w(QT_TRANSLATE_NOOP("Sff", "bank 0")));
        else if (banks > 1)
            names.append(w(QT_TRANSLATE_NOOP("Sff", "banks 0-%1")).arg(banks - 1));
        if (first & page01::kPage03Supported)
            names.append(w(QT_TRANSLATE_NOOP("Sff", "page 03h")));
        if (first & page01::kDiagnosticPagesSupported)
            names.append(w(QT_TRANSLATE_NOOP("Sff", "pages 13h-14h")));
        field.value = names.join(QLatin1String(", "));
        if (banks == 0)
            warn(field, w(QT_TRANSLATE_NOOP("Sff", "The number of banks is not defined")));
        break;
    }
    case Kind::Characteristics:
        field.value = first & page01::kAverageRxPower ? w(QT_TRANSLATE_NOOP("Sff", "average"))
                                                      : w(QT_TRANSLATE_NOOP("Sff", "OMA"));
        break;
    case Kind::DataPathStates: {
        static const char *const kStates[8] = {
            nullptr, "DPDeactivated", "DPInit", "DPDeinit", "DPActivated", "DPTxTurnOn", "DPTxTurnOff", "DPInitialized"};
        QStringList lanes;
        for (int lane = 0; lane < kLanes; ++lane) {
            const int state = (quint8(field.raw.at(lane / 2)) >> (lane % 2 * 4)) & 0x0F;
            lanes.append(state < 8 && kStates[state] ? QLatin1String(kStates[state]) : hexCode(quint8(state)));
        }
        field.value = lanes.count(lanes.first()) == lanes.size()
                          ? w(QT_TRANSLATE_NOOP("Sff", "every lane %1")).arg(lanes.first())
                          : lanes.join(QLatin1String(", "));
        break;
    }
    case Kind::Monitors: {
        static const char *const kModule[2] = {QT_TRANSLATE_NOOP("Sff", "temperature"),
                                               QT_TRANSLATE_NOOP("Sff", "supply voltage")};
        static const char *const kLane[3] = {QT_TRANSLATE_NOOP("Sff", "TX bias"), QT_TRANSLATE_NOOP("Sff", "TX power"),
                                             QT_TRANSLATE_NOOP("Sff", "RX power")};
        BitNames bits;
        const int count = entry.index == 0 ? 2 : 3;
        for (int bit = 0; bit < count; ++bit)
            if (first & (1 << bit))
                bits.names.append(w(entry.index == 0 ? kModule[bit] : kLane[bit]));
        showBits(field, bits, w);
        if (entry.index == 1 && (first & page01::kTxBiasMonitored))
            field.detail = w(QT_TRANSLATE_NOOP("Sff", "bias in units of %1 uA")).arg(2 * d.biasMultiplier);
        break;
    }
    }
}

}  // namespace

const QVector<Entry> &catalogue()
{
    static const QVector<Entry> entries = build();
    return entries;
}

const Entry *entryAt(const Address &address)
{
    if (address.device != kDevice)
        return nullptr;
    const Page page = address.offset < kHalfSize ? Page() : normalizedRegion(address.region(), Family::Cmis).page;
    for (const Entry &entry : catalogue())
        if (entry.page == page && entry.span.contains(address.offset))
            return &entry;
    return nullptr;
}

QString entryName(const Entry &entry, const Words &words)
{
    if (entry.name)
        return words(entry.name);
    if (entry.kind == Kind::Application)
        return words(QT_TRANSLATE_NOOP("Sff", "Application %1")).arg(entry.index + 1);
    const Diagnostics unknown;
    if (entry.kind == Kind::Value)
        return valueName(entry.index, entry.lane, unknown, words);
    return thresholdName(quantityName(entry.index / a2::kLimitCount, words), entry.index % a2::kLimitCount, words);
}

QVector<Application> applications(const ModuleImage &image)
{
    QVector<Application> list;
    for (int i = 0; i < kApplications + kMoreApplications; ++i) {
        const bool more = i >= kApplications;
        const Span span = more ? page01::application(i - kApplications) : lower::application(i);
        const Page page = more ? kPage01 : Page();
        if (!image.holds(kDevice, span, page))
            break;
        const QByteArray bytes = image.bytes(kDevice, span, page);
        const quint8 host = quint8(bytes.at(0));
        if (host == kEndOfApplications)
            break;
        if (host == 0)
            continue;
        const Span assignment{page01::kMediaLaneAssignment.offset + i, 1};
        list.append({i + 1, host, quint8(bytes.at(1)), quint8(bytes.at(2)) >> 4, quint8(bytes.at(2)) & 0x0F,
                     quint8(bytes.at(3)),
                     image.holds(kDevice, assignment, kPage01) ? int(image.byte(kDevice, assignment.offset, kPage01))
                                                               : -1});
    }
    return list;
}

Decoded decode(const ModuleImage &image, Language language)
{
    const Words w(language);
    const Context c{image, w, Diagnostics::of(image), applications(image)};
    // Entries after the end of the application list say nothing.
    int lastApplication = kApplications + kMoreApplications - 1;
    for (int i = 0; i < kApplications + kMoreApplications && lastApplication == kApplications + kMoreApplications - 1;
         ++i) {
        const Span span = i < kApplications ? lower::application(i) : page01::application(i - kApplications);
        const Page page = i < kApplications ? Page() : kPage01;
        if (image.holds(kDevice, span, page) && image.byte(kDevice, span.offset, page) == kEndOfApplications)
            lastApplication = i;
    }
    Decoded decoded;
    decoded.family = Family::Cmis;
    decoded.fields = catalogueFields(image, kDevice, catalogue(), w, [&](Field &field, const Entry &entry) {
        if (entry.kind == Kind::Application && entry.index > lastApplication)
            return false;
        decodeField(field, entry, c);
        return true;
    });
    decoded.findings = hostFindings(image, w);
    decoded.missing = missingRegions(image, Family::Cmis, w);
    return decoded;
}

QVector<Finding> hostFindings(const ModuleImage &image, const Words &w)
{
    QVector<Finding> candidates{
        checkCodeFinding(image, kCcBase, QStringLiteral("cc_page_00"),
                         QT_TRANSLATE_NOOP("Sff", "The check code of page 00h is %1 but should be %2: hosts may "
                                                  "refuse the module or ignore its identification."),
                         QT_TRANSLATE_NOOP("Sff", "Recompute the check code of page 00h"), w),
        checkCodeFinding(image, kCcPage01, QStringLiteral("cc_page_01"),
                         QT_TRANSLATE_NOOP("Sff", "The check code of page 01h is %1 but should be %2: hosts may "
                                                  "distrust what the module advertises."),
                         QT_TRANSLATE_NOOP("Sff", "Recompute the check code of page 01h"), w),
        checkCodeFinding(image, kCcPage02, QStringLiteral("cc_page_02"),
                         QT_TRANSLATE_NOOP("Sff", "The check code of page 02h is %1 but should be %2: hosts may "
                                                  "distrust the module's thresholds."),
                         QT_TRANSLATE_NOOP("Sff", "Recompute the check code of page 02h"), w),
        identifierCopyFinding(image, kDevice, lower::kIdentifier, page00::kIdentifier, kPage00, w)};
    for (const Span span : {page00::kVendorName, page00::kPartNumber, page00::kRevision, page00::kSerialNumber}) {
        const Entry *entry = entryAt(Address{kDevice, span.offset, kPage00});
        if (image.holds(kDevice, span, kPage00))
            candidates.append(
                paddingFinding(image, kDevice, kPage00, span, entry->key, entryName(*entry, w), {kCcBase}, w));
    }
    return findingsAmong(candidates);
}

}  // namespace cmis
}  // namespace sff
