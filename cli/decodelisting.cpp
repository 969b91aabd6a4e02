#include "decodelisting.h"

#include "textwrap.h"

#include <QVector>

namespace {

constexpr int kLineWidth = 80;
constexpr int kIndent = 2;
// Values wrap under their column, but a column is never narrower than this.
constexpr int kMinValueWidth = 30;

enum class Ink { Title, Warning, Error };

QString inked(const QString &text, Ink ink, bool colour)
{
    if (!colour)
        return text;
    static const char *const kCodes[] = {"1", "33", "31"};  // bold, yellow, red
    return QStringLiteral("\x1b[%1m%2\x1b[0m").arg(QLatin1String(kCodes[int(ink)]), text);
}

Ink inkOf(sff::Status status)
{
    return status == sff::Status::Error ? Ink::Error : Ink::Warning;
}

}  // namespace

QString DecodeListing::marker(sff::Status status)
{
    switch (status) {
    case sff::Status::Ok: return QString();
    case sff::Status::Warning: return tr("[warning]");
    case sff::Status::Error: return tr("[error]");
    }
    return QString();
}

QString DecodeListing::text(const sff::Decoded &decoded, bool colour)
{
    const QString indent(kIndent, QLatin1Char(' '));
    QStringList blocks;
    blocks.append(tr("Module family: %1\n").arg(sff::familyTitle(decoded.family, sff::Words(sff::Language::Translated))));

    if (!decoded.findings.isEmpty()) {
        QString block = inked(tr("Findings"), Ink::Title, colour) + QLatin1Char('\n');
        for (const sff::Finding &finding : decoded.findings) {
            const QString mark = marker(finding.status);
            const int hanging = kIndent + mark.size() + 1;
            block += indent + inked(mark, inkOf(finding.status), colour) + QLatin1Char(' ')
                     + wrapped(finding.text, kLineWidth - hanging, hanging) + QLatin1Char('\n');
        }
        blocks.append(block);
    }
    if (!decoded.missing.isEmpty()) {
        QString block = inked(tr("Not in the image"), Ink::Title, colour) + QLatin1Char('\n');
        for (const QString &missing : decoded.missing)
            block += indent + wrapped(missing, kLineWidth - kIndent, kIndent) + QLatin1Char('\n');
        blocks.append(block);
    }

    // Each section once, in the order the fields come (CC_DMI joins the
    // check codes of A0h), its names in one column.
    QVector<sff::Section> sections;
    for (const sff::Field &field : decoded.fields)
        if (!sections.contains(field.section))
            sections.append(field.section);
    for (sff::Section section : sections) {
        QVector<const sff::Field *> fields;
        int nameWidth = 0;
        for (const sff::Field &field : decoded.fields)
            if (field.section == section) {
                fields.append(&field);
                nameWidth = qMax(nameWidth, int(field.name.size()));
            }
        const int valueColumn = kIndent + nameWidth + 2;
        QString block = inked(sff::sectionTitle(section), Ink::Title, colour) + QLatin1Char('\n');
        for (const sff::Field *field : fields) {
            QString line = indent + field->name.leftJustified(nameWidth + 2)
                           + wrapped(sff::shownValue(*field), qMax(kMinValueWidth, kLineWidth - valueColumn), valueColumn);
            if (field->status != sff::Status::Ok)
                line += QStringLiteral("  ") + inked(marker(field->status) + QLatin1Char(' ') + field->note,
                                                     inkOf(field->status), colour);
            block += line + QLatin1Char('\n');
        }
        blocks.append(block);
    }
    return blocks.join(QLatin1Char('\n'));
}
