#pragma once
// The decode of a QSFP module (SFF-8636): its field catalogue as data, the
// decoded fields, the host findings and the JSON object. decode() and
// toJson() hand a QSFP image here; nothing else needs to ask for it.

#include "decoder.h"
#include "qsfpmap.h"

#include <QJsonObject>

namespace sff {
namespace qsfp {

enum class Kind {
    Identifier, RevisionCompliance, Status, LaneStatus, ModuleFlags, LaneFlags, Value, Control, Opaque,
    ExtendedIdentifier, Connector, Compliance, Encoding, NominalRate, RateIdentifier, Length, DeviceTechnology,
    Text, ExtendedModule, Oui, Wavelength, WavelengthTolerance, MaxCaseTemperature, CheckCode, ExtendedCompliance,
    Options, DateCode, DiagnosticType, EnhancedOptions, ExtendedRate, Threshold
};

struct Entry {
    Span span;
    int page;          // kNoPage for the lower page
    QString key;
    const char *name;  // translatable
    Section section;
    Kind kind;
    int index;         // which one of its kind: compliance byte, quantity, ...
    int lane;          // 0-3 for a lane's value, else -1
};

const QVector<Entry> &catalogue();
// The entry whose bytes hold that byte of device 0x50, or nullptr.
const Entry *entryAt(const Address &address);
QString entryName(const Entry &entry, const Words &words);

Decoded decode(const ModuleImage &image, Language language);
QVector<Finding> hostFindings(const ModuleImage &image, const Words &words);
QJsonObject toJson(const ModuleImage &image);

}  // namespace qsfp
}  // namespace sff
