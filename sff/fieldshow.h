#pragma once
// How every family's decoder shows its fields: codes, bit fields, flags,
// numbers, text, dates, opaque bytes, check codes and measured values, a
// value judged against its thresholds, and the host findings every family
// has (a wrong check code, text padded with NULs, and for the paged ones an
// identifier whose copy disagrees, and pages advertised but not held).

#include "checkcodes.h"
#include "codes.h"
#include "decoder.h"
#include "diagnosticvalues.h"
#include "family.h"
#include "textfields.h"

#include <algorithm>

namespace sff {
namespace fields {

// Raises the field's status to `status` with the note, never lowers it.
void warn(Field &field, const QString &note, Status status = Status::Warning);
void showBits(Field &field, const BitNames &bits, const Words &w);
// Flags the module raises: an error for an alarm, else a warning for a warning.
void showFlags(Field &field, const BitNames &bits, bool alarms, bool warnings, const Words &w);
void showCode(Field &field, const CodeName &code, const Words &w);
// "not specified" for 0.
void showNumber(Field &field, double number, const char *unit, const Words &w, int decimals = 0);
void showText(Field &field, const TextField &text, const Words &w);
void showOui(Field &field, const Words &w);
// The date, with the lot code as its detail and judged as text.
void showDateCode(Field &field, const Words &w);
// Bytes of no decoded meaning; up to four that are not text shown in hex
// where `shortAsHex`, otherwise as vendor data.
void showOpaque(Field &field, const Words &w, bool shortAsHex = true);
// The stored check code, said right, wrong (with the right one) or not checked.
void showCheckCode(Field &field, const ModuleImage &image, const CheckCodeSpan &code, const Words &w);
void showQuantity(Field &field, int quantity, double value, const Words &w);
// Warns of a value beyond its warning thresholds, errs beyond its alarms.
void judge(Field &field, double value, const double (&limits)[4], const Words &w);

// Where a paged family lists a section's fields: as an SFP module's are,
// identification first, live values after.
int listingRank(Section section);
// A paged family's catalogue in that order, each section's entries as built.
template <typename Entry>
void sortForListing(QVector<Entry> &catalogue)
{
    std::stable_sort(catalogue.begin(), catalogue.end(),
                     [](const Entry &a, const Entry &b) { return listingRank(a.section) < listingRank(b.section); });
}

// "temperature_high_alarm": a threshold's key, by its quantity and a2::Limit.
QString thresholdKey(int quantity, int limit);
// "Temperature: high alarm threshold", of a quantity named `quantity`.
QString thresholdName(const QString &quantity, int limit, const Words &w);

// A catalogue entry's field where the image holds its bytes: placed, keyed,
// named and with its bytes, still to be shown.
template <typename Entry>
Field entryField(const ModuleImage &image, quint8 device, Page page, const Entry &entry, const QString &name)
{
    Field field;
    field.device = device;
    field.page = page.number;
    field.offset = entry.span.offset;
    field.length = entry.span.length;
    field.key = entry.key;
    field.name = name;
    field.section = entry.section;
    field.raw = image.bytes(device, entry.span, page);
    return field;
}

// The fields of a paged family's catalogue whose bytes the image holds, in
// its order, named by the family's entryName() and shown by
// `show(field, entry)`, which returns false for a field that says nothing.
template <typename Entry, typename Show>
QVector<Field> catalogueFields(const ModuleImage &image, quint8 device, const QVector<Entry> &catalogue, const Words &w,
                               Show show)
{
    QVector<Field> fields;
    for (const Entry &entry : catalogue) {
        const Page page{entry.page};  // from a page number or a page
        if (!image.holds(device, entry.span, page))
            continue;
        Field field = entryField(image, device, page, entry, entryName(entry, w));
        if (show(field, entry))
            fields.append(field);
    }
    return fields;
}

// "Page 03h is not in the image" for each region the module advertises and
// the image lacks.
QStringList missingRegions(const ModuleImage &image, Family family, const Words &w);

// The candidates that are findings (the helpers below leave the key empty
// when there is nothing to find), errors first, otherwise in their order.
QVector<Finding> findingsAmong(QVector<Finding> candidates);
// A check code that is wrong, with its fix; an empty key when it is right or not held.
Finding checkCodeFinding(const ModuleImage &image, const CheckCodeSpan &code, const QString &key, const char *text,
                         const char *fix, const Words &w);
// A text field of `page` padded with NULs, with its fix and the check codes
// among `codes` that cover it; an empty key otherwise.
Finding paddingFinding(const ModuleImage &image, quint8 device, Page page, Span text, const QString &key,
                       const QString &name, const QVector<CheckCodeSpan> &codes, const Words &w);
// The identifier and its copy in `page` disagree; an empty key otherwise.
Finding identifierCopyFinding(const ModuleImage &image, quint8 device, Span identifier, Span copy, Page page,
                              const Words &w);

}  // namespace fields
}  // namespace sff
