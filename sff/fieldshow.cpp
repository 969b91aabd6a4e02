#include "fieldshow.h"

#include <algorithm>
#include <iterator>

namespace sff {
namespace fields {

void warn(Field &field, const QString &note, Status status)
{
    if (status > field.status) {
        field.status = status;
        field.note = note;
    }
}

void showBits(Field &field, const BitNames &bits, const Words &w)
{
    field.value = bits.names.isEmpty() ? w(QT_TRANSLATE_NOOP("Sff", "none")) : bits.names.join(QLatin1String(", "));
    if (!bits.unallocated.isEmpty()) {
        QStringList numbers;
        for (int bit : bits.unallocated)
            numbers.append(QString::number(bit));
        warn(field, w(QT_TRANSLATE_NOOP("Sff", "Bits without a meaning are set: %1")).arg(numbers.join(QLatin1String(", "))));
    }
}

void showFlags(Field &field, const BitNames &bits, bool alarms, bool warnings, const Words &w)
{
    showBits(field, bits, w);
    if (alarms)
        warn(field, w(QT_TRANSLATE_NOOP("Sff", "The module reports alarms")), Status::Error);
    else if (warnings)
        warn(field, w(QT_TRANSLATE_NOOP("Sff", "The module reports warnings")));
}

void showCode(Field &field, const CodeName &code, const Words &w)
{
    field.value = code.text;
    if (code.kind == CodeKind::Reserved)
        warn(field, w(QT_TRANSLATE_NOOP("Sff", "The code is not defined")));
}

void showNumber(Field &field, double number, const char *unit, const Words &w, int decimals)
{
    if (number == 0) {
        field.value = w(QT_TRANSLATE_NOOP("Sff", "not specified"));
        return;
    }
    field.value = QString::number(number, 'f', decimals);
    field.unit = w(unit);
}

void showText(Field &field, const TextField &text, const Words &w)
{
    switch (text.state) {
    case TextState::Unspecified:
        field.value = w(QT_TRANSLATE_NOOP("Sff", "unspecified"));
        return;
    case TextState::Blank:
        field.value = w(QT_TRANSLATE_NOOP("Sff", "blank"));
        return;
    case TextState::NulPadded:
        warn(field, w(QT_TRANSLATE_NOOP("Sff", "Padded with NULs instead of spaces")));
        break;
    case TextState::NotPrintable:
        warn(field, w(QT_TRANSLATE_NOOP("Sff", "Holds bytes outside printable ASCII")));
        break;
    case TextState::Clean:
        break;
    }
    field.value = text.text.isEmpty() ? w(QT_TRANSLATE_NOOP("Sff", "blank")) : text.text;
}

void showOui(Field &field, const Words &w)
{
    field.value = field.raw.count('\0') == field.raw.size() ? w(QT_TRANSLATE_NOOP("Sff", "unspecified"))
                                                            : QString::fromLatin1(field.raw.toHex(':').toUpper());
}

void showDateCode(Field &field, const Words &w)
{
    const DateCode code = readDateCode(field.raw);
    if (code.valid) {
        if (code.lot.state != TextState::Blank && code.lot.state != TextState::Unspecified)
            field.detail = w(QT_TRANSLATE_NOOP("Sff", "lot %1")).arg(code.lot.text);
        showText(field, code.lot, w);  // judges the lot code's padding
        field.value = code.date.toString(Qt::ISODate);
    } else {
        showText(field, readText(field.raw), w);
        warn(field, w(QT_TRANSLATE_NOOP("Sff", "Not a date")));
    }
}

void showOpaque(Field &field, const Words &w, bool shortAsHex)
{
    if (field.raw.count('\0') == field.raw.size())
        field.value = w(QT_TRANSLATE_NOOP("Sff", "all zero"));
    else if (field.raw.count('\xFF') == field.raw.size())
        field.value = w(QT_TRANSLATE_NOOP("Sff", "all FFh"));
    else if (readText(field.raw).state == TextState::Clean)
        field.value = QLatin1Char('"') + readText(field.raw).text + QLatin1Char('"');
    else
        field.value = shortAsHex && field.length <= 4 ? QString::fromLatin1(field.raw.toHex(' ').toUpper())
                                                      : w(QT_TRANSLATE_NOOP("Sff", "vendor data"));
}

void showCheckCode(Field &field, const ModuleImage &image, const CheckCodeSpan &code, const Words &w)
{
    const CheckCodeState state = checkCode(image, code);
    field.value = hexCode(quint8(field.raw.at(0)));
    if (!state.held)
        field.detail = w(QT_TRANSLATE_NOOP("Sff", "not checked: the bytes it covers are missing"));
    else if (state.ok())
        field.detail = w(QT_TRANSLATE_NOOP("Sff", "correct"));
    else
        warn(field, w(QT_TRANSLATE_NOOP("Sff", "Should be %1")).arg(hexCode(state.computed)), Status::Error);
}

void showQuantity(Field &field, int quantity, double value, const Words &w)
{
    field.value = formatQuantity(quantity, value);
    field.unit = quantityUnit(quantity, w);
    if (quantity >= a2::kTxPower)
        field.detail = formatDbm(value, w);
}

void judge(Field &field, double value, const double (&limits)[4], const Words &w)
{
    if (!thresholdsSet(limits))
        return;
    if (value > limits[a2::kHighAlarm])
        warn(field, w(QT_TRANSLATE_NOOP("Sff", "Above the high alarm threshold")), Status::Error);
    else if (value < limits[a2::kLowAlarm])
        warn(field, w(QT_TRANSLATE_NOOP("Sff", "Below the low alarm threshold")), Status::Error);
    else if (value > limits[a2::kHighWarning])
        warn(field, w(QT_TRANSLATE_NOOP("Sff", "Above the high warning threshold")));
    else if (value < limits[a2::kLowWarning])
        warn(field, w(QT_TRANSLATE_NOOP("Sff", "Below the low warning threshold")));
}

int listingRank(Section section)
{
    using S = Section;
    static const Section kOrder[] = {S::Identification, S::Vendor,   S::Link,       S::Compliance,
                                     S::Options,        S::CheckCodes, S::VendorArea, S::Values,
                                     S::StatusFlags,    S::Thresholds, S::Controls,   S::UserArea};
    return int(std::find(std::begin(kOrder), std::end(kOrder), section) - kOrder);
}

QString thresholdKey(int quantity, int limit)
{
    static const char *const kLimitKeys[4] = {"high_alarm", "low_alarm", "high_warning", "low_warning"};
    return quantityKey(quantity) + QLatin1Char('_') + QLatin1String(kLimitKeys[limit]);
}

QString thresholdName(const QString &quantity, int limit, const Words &w)
{
    static const char *const kLimitNames[4] = {
        QT_TRANSLATE_NOOP("Sff", "high alarm threshold"), QT_TRANSLATE_NOOP("Sff", "low alarm threshold"),
        QT_TRANSLATE_NOOP("Sff", "high warning threshold"), QT_TRANSLATE_NOOP("Sff", "low warning threshold")};
    return w(QT_TRANSLATE_NOOP("Sff", "%1: %2")).arg(quantity, w(kLimitNames[limit]));
}

QStringList missingRegions(const ModuleImage &image, Family family, const Words &w)
{
    QStringList missing;
    for (const Region &region : advertisedRegions(image))
        if (!image.holdsRegion(region))
            missing.append(w(QT_TRANSLATE_NOOP("Sff", "%1 is not in the image")).arg(regionTitle(region, family, w)));
    return missing;
}

QVector<Finding> findingsAmong(QVector<Finding> candidates)
{
    candidates.erase(std::remove_if(candidates.begin(), candidates.end(),
                                    [](const Finding &finding) { return finding.key.isEmpty(); }),
                     candidates.end());
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Finding &a, const Finding &b) { return a.status > b.status; });
    return candidates;
}

Finding checkCodeFinding(const ModuleImage &image, const CheckCodeSpan &code, const QString &key, const char *text,
                         const char *fix, const Words &w)
{
    const CheckCodeState state = checkCode(image, code);
    Finding finding;
    if (!state.held || state.ok())
        return finding;
    finding.key = key;
    finding.status = Status::Error;
    finding.device = code.device;
    finding.offset = code.at;
    finding.text = w(text).arg(hexCode(state.stored), hexCode(state.computed));
    finding.fixText = w(fix);
    finding.fix = {{code.device, code.at, QByteArray(1, char(state.computed)), Page{code.page}}};
    return finding;
}

Finding paddingFinding(const ModuleImage &image, quint8 device, Page page, Span text, const QString &key,
                       const QString &name, const QVector<CheckCodeSpan> &codes, const Words &w)
{
    Finding finding;
    const TextField field = readText(image.bytes(device, text, page));
    if (field.state != TextState::NulPadded)
        return finding;
    finding.key = QStringLiteral("text_padding:") + key;
    finding.device = device;
    finding.offset = text.offset;
    finding.text = w(QT_TRANSLATE_NOOP("Sff", "%1 is padded with NULs instead of spaces: hosts may show it cut short."))
                       .arg(name);
    finding.fixText = w(QT_TRANSLATE_NOOP("Sff", "Pad with spaces"));
    finding.fix = {{device, text.offset, field.repaired, page}};
    ModuleImage fixed = image;
    applyEdits(fixed, finding.fix);
    for (const CheckCodeSpan &code : codes)
        if (code.page == page.number && code.covered().contains(text.offset) && recomputeCheckCode(fixed, code))
            finding.fix.append({code.device, code.at, fixed.bytes(code.device, {code.at, 1}, page), page});
    return finding;
}

Finding identifierCopyFinding(const ModuleImage &image, quint8 device, Span identifier, Span copy, Page page,
                              const Words &w)
{
    if (!image.holds(device, identifier) || !image.holds(device, copy, page)
        || image.byte(device, identifier.offset) == image.byte(device, copy.offset, page))
        return Finding();
    return {QStringLiteral("identifier_copy"), Status::Warning, device, copy.offset,
            w(QT_TRANSLATE_NOOP("Sff", "Byte 0 says %1 but page 00h byte 128 says %2: hosts read either."))
                .arg(hexCode(image.byte(device, identifier.offset)), hexCode(image.byte(device, copy.offset, page))),
            QString(), {}};
}

}  // namespace fields
}  // namespace sff
