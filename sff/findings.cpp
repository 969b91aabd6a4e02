#include "findings.h"

#include "checkcodes.h"
#include "codes.h"
#include "fieldcatalogue.h"
#include "fieldshow.h"

namespace sff {

using namespace fields;

QVector<Finding> hostFindings(const ModuleImage &image, const Words &w)
{
    QVector<Finding> candidates{
        checkCodeFinding(image, kCcBase, QStringLiteral("cc_base"),
                         QT_TRANSLATE_NOOP("Sff", "CC_BASE is %1 but should be %2: the Linux sfp driver refuses the module."),
                         QT_TRANSLATE_NOOP("Sff", "Recompute CC_BASE"), w),
        checkCodeFinding(image, kCcExt, QStringLiteral("cc_ext"),
                         QT_TRANSLATE_NOOP("Sff", "CC_EXT is %1 but should be %2: hosts ignore bytes 64-95 "
                                                  "(options, serial number, date code, diagnostics)."),
                         QT_TRANSLATE_NOOP("Sff", "Recompute CC_EXT"), w)};
    if (isJudged(image, kCcDmi))
        candidates.append(checkCodeFinding(image, kCcDmi, QStringLiteral("cc_dmi"),
                                           QT_TRANSLATE_NOOP("Sff", "CC_DMI is %1 but should be %2: hosts distrust the "
                                                                    "diagnostics thresholds and calibration."),
                                           QT_TRANSLATE_NOOP("Sff", "Recompute CC_DMI"), w));

    if (image.holds(kDeviceA0, a0::kIdentifier) && image.byte(kDeviceA0, 0) != a0::kIdentifierSfp) {
        candidates.append({QStringLiteral("identifier"), Status::Warning, kDeviceA0, a0::kIdentifier.offset,
                           w(QT_TRANSLATE_NOOP("Sff", "The identifier is %1, not SFP (03h): a host that expects an "
                                                      "SFP refuses the module."))
                               .arg(identifierName(image.byte(kDeviceA0, 0), w).text),
                           QString(), {}});
    }
    const quint8 extended = image.byte(kDeviceA0, a0::kExtendedIdentifier.offset);
    if (image.holds(kDeviceA0, a0::kExtendedIdentifier) && extended != a0::kExtendedIdentifierSfp) {
        candidates.append({QStringLiteral("extended_identifier"), Status::Warning, kDeviceA0,
                           a0::kExtendedIdentifier.offset,
                           w(QT_TRANSLATE_NOOP("Sff", "The extended identifier is %1, not 04h: hosts may not read the "
                                                      "module's identification.")).arg(hexCode(extended)),
                           QString(), {}});
    }
    const quint8 type = image.byte(kDeviceA0, a0::kDiagnosticType.offset);
    if (image.holds(kDeviceA0, a0::kDiagnosticType) && (type & a0::kAddressChangeRequired)) {
        candidates.append({QStringLiteral("address_change"), Status::Warning, kDeviceA0, a0::kDiagnosticType.offset,
                           w(QT_TRANSLATE_NOOP("Sff", "Byte 92 says an address change is required: most hosts then "
                                                      "ignore A2h and show no diagnostics.")),
                           QString(), {}});
    }
    for (const Span span : {a0::kVendorName, a0::kPartNumber, a0::kRevision, a0::kSerialNumber}) {
        const FieldEntry *entry = entryAt(kDeviceA0, span.offset);
        if (image.holds(kDeviceA0, span))
            candidates.append(
                paddingFinding(image, kDeviceA0, Page(), span, entry->key, entryName(*entry, w), {kCcBase, kCcExt}, w));
    }
    // The date code's own padding is its lot code's.
    const Span lot{a0::kDateCode.offset + 6, 2};
    if (image.holds(kDeviceA0, lot))
        candidates.append(paddingFinding(image, kDeviceA0, Page(), lot, QStringLiteral("date_code"),
                                         w(QT_TRANSLATE_NOOP("Sff", "The lot code")), {kCcBase, kCcExt}, w));
    return findingsAmong(candidates);
}

}  // namespace sff
