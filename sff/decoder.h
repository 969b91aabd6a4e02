#pragma once
// From a module's bytes to decoded fields with judgements, and the findings
// a host acts on, each with its mechanical fix where there is one.
//
//   sff::ModuleImage image = sff::ModuleImage::fromBytes(dump);  // 128, 256 or 512 bytes
//   sff::Decoded decoded = sff::decode(image);
//   for (const sff::Field &field : decoded.fields) ...

#include "family.h"
#include "moduleimage.h"
#include "sfftext.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace sff {

enum class Status { Ok, Warning, Error };

// Groups of fields, in the order the fields are listed.
enum class Section {
    Identification, Vendor, Link, Compliance, Options, CheckCodes, VendorArea,
    Thresholds, Calibration, Values, StatusFlags, UserArea, Tuning, Controls
};

struct Field {
    quint8 device = 0;
    int page = kNoPage;  // of a field in a page of A2h
    int offset = 0;
    int length = 0;
    QString key;       // stable, e.g. "vendor_name"
    QString name;      // e.g. "Vendor name", in the language asked for
    Section section = Section::Identification;
    QByteArray raw;
    QString value;     // never empty: unknown codes show their hex value
    QString unit;      // empty for values without one
    QString detail;    // what follows the unit: "-2.00 dBm", "lot 3A", ...
    Status status = Status::Ok;
    QString note;      // why the status is not ok

    bool covers(quint8 dev, int byte) const { return dev == device && byte >= offset && byte < offset + length; }
    Address address() const { return Address{device, offset, Page{page}}; }
};

// Bytes to write, as a fix or any other edit.
struct ByteEdit {
    ByteEdit(quint8 device = 0, int offset = 0, QByteArray bytes = QByteArray(), Page page = Page())
        : device(device), offset(offset), bytes(std::move(bytes)), page(page)
    {
    }

    quint8 device;
    int offset;
    QByteArray bytes;
    Page page;  // for bytes of an upper page
};

// Something a host acts on (refusing the module, ignoring part of it).
struct Finding {
    QString key;            // e.g. "cc_base", "identifier", "text_padding:vendor_name"
    Status status = Status::Warning;
    quint8 device = 0;      // where it is
    int offset = 0;
    QString text;           // what is wrong and what a host does about it
    QString fixText;        // the fix's label; empty when no fix is mechanical
    QVector<ByteEdit> fix;  // including the check codes the fix changes
};

struct Decoded {
    Family family = Family::Sfp;  // whose memory map decoded the image
    QVector<Field> fields;      // in listing order
    QVector<Finding> findings;  // errors first
    QStringList missing;        // what the image lacks, and what was assumed for it
};

// Decodes every field whose bytes the image holds whole, by the memory map of
// the image's family. Translated texts come from the installed catalogue;
// English ones are for other programs.
Decoded decode(const ModuleImage &image, Language language = Language::Translated);
// One table as the window's buffer holds it.
Decoded decodeTable(int table, const QByteArray &bytes, Language language = Language::Translated);
Decoded decodeRegion(const Region &region, const QByteArray &bytes, Language language = Language::Translated);

QString sectionTitle(Section section, Language language = Language::Translated);
QString statusKey(Status status);  // "ok", "warning", "error"
// The value as the operator reads it: with its unit, and its detail in brackets.
QString shownValue(const Field &field);
// Writes the edits into the image where it holds their bytes.
void applyEdits(ModuleImage &image, const QVector<ByteEdit> &edits);

}  // namespace sff
