#include "findings.h"

#include "checkcodes.h"
#include "codes.h"
#include "fieldcatalogue.h"
#include "textfields.h"

#include <algorithm>

namespace sff {

namespace {

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
    finding.fix = {{code.device, code.at, QByteArray(1, char(state.computed))}};
    return finding;
}

// A text field padded with NULs: the fix pads it with spaces and keeps the
// check code over it right. `text` is the span of the text itself, which for
// the date code is its lot code.
Finding paddingFinding(const ModuleImage &image, Span text, const QString &key, const QString &name, const Words &w)
{
    Finding finding;
    const TextField field = readText(image.bytes(kDeviceA0, text));
    if (field.state != TextState::NulPadded)
        return finding;
    finding.key = QStringLiteral("text_padding:") + key;
    finding.device = kDeviceA0;
    finding.offset = text.offset;
    finding.text = w(QT_TRANSLATE_NOOP("Sff", "%1 is padded with NULs instead of spaces: hosts may show it cut short."))
                       .arg(name);
    finding.fixText = w(QT_TRANSLATE_NOOP("Sff", "Pad with spaces"));
    finding.fix = {{kDeviceA0, text.offset, field.repaired}};
    ModuleImage fixed = image;
    applyEdits(fixed, finding.fix);
    for (const CheckCodeSpan &code : {kCcBase, kCcExt})
        if (code.covered().contains(text.offset) && recomputeCheckCode(fixed, code))
            finding.fix.append({code.device, code.at, fixed.bytes(code.device, {code.at, 1})});
    return finding;
}

}  // namespace

QVector<Finding> hostFindings(const ModuleImage &image, const Words &w)
{
    QVector<Finding> findings;
    const auto add = [&findings](const Finding &finding) {
        if (!finding.key.isEmpty())
            findings.append(finding);
    };
    add(checkCodeFinding(image, kCcBase, QStringLiteral("cc_base"),
                         QT_TRANSLATE_NOOP("Sff", "CC_BASE is %1 but should be %2: the Linux sfp driver refuses the module."),
                         QT_TRANSLATE_NOOP("Sff", "Recompute CC_BASE"), w));
    add(checkCodeFinding(image, kCcExt, QStringLiteral("cc_ext"),
                         QT_TRANSLATE_NOOP("Sff", "CC_EXT is %1 but should be %2: hosts ignore bytes 64-95 "
                                                  "(options, serial number, date code, diagnostics)."),
                         QT_TRANSLATE_NOOP("Sff", "Recompute CC_EXT"), w));
    if (isJudged(image, kCcDmi))
        add(checkCodeFinding(image, kCcDmi, QStringLiteral("cc_dmi"),
                             QT_TRANSLATE_NOOP("Sff", "CC_DMI is %1 but should be %2: hosts distrust the diagnostics "
                                                      "thresholds and calibration."),
                             QT_TRANSLATE_NOOP("Sff", "Recompute CC_DMI"), w));

    if (image.holds(kDeviceA0, a0::kIdentifier) && image.byte(kDeviceA0, 0) != a0::kIdentifierSfp) {
        Finding finding{QStringLiteral("identifier"), Status::Warning, kDeviceA0, a0::kIdentifier.offset,
                        w(QT_TRANSLATE_NOOP("Sff", "The identifier is %1, not SFP (03h): a host that expects an SFP "
                                                   "refuses the module."))
                            .arg(identifierName(image.byte(kDeviceA0, 0), w).text),
                        QString(), {}};
        add(finding);
    }
    const quint8 extended = image.byte(kDeviceA0, a0::kExtendedIdentifier.offset);
    if (image.holds(kDeviceA0, a0::kExtendedIdentifier) && extended != a0::kExtendedIdentifierSfp) {
        add({QStringLiteral("extended_identifier"), Status::Warning, kDeviceA0, a0::kExtendedIdentifier.offset,
             w(QT_TRANSLATE_NOOP("Sff", "The extended identifier is %1, not 04h: hosts may not read the module's "
                                        "identification.")).arg(hexCode(extended)),
             QString(), {}});
    }
    const quint8 type = image.byte(kDeviceA0, a0::kDiagnosticType.offset);
    if (image.holds(kDeviceA0, a0::kDiagnosticType) && (type & a0::kAddressChangeRequired)) {
        add({QStringLiteral("address_change"), Status::Warning, kDeviceA0, a0::kDiagnosticType.offset,
             w(QT_TRANSLATE_NOOP("Sff", "Byte 92 says an address change is required: most hosts then ignore A2h "
                                        "and show no diagnostics.")),
             QString(), {}});
    }
    for (const Span span : {a0::kVendorName, a0::kPartNumber, a0::kRevision, a0::kSerialNumber}) {
        const FieldEntry *entry = entryAt(kDeviceA0, span.offset);
        if (image.holds(kDeviceA0, span))
            add(paddingFinding(image, span, entry->key, entryName(*entry, w), w));
    }
    const Span lot{a0::kDateCode.offset + 6, 2};
    if (image.holds(kDeviceA0, lot))
        add(paddingFinding(image, lot, QStringLiteral("date_code"), w(QT_TRANSLATE_NOOP("Sff", "The lot code")), w));

    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding &a, const Finding &b) { return a.status > b.status; });
    return findings;
}

}  // namespace sff
