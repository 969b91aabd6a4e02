#pragma once
// The decode of a CMIS module: its field catalogue as data, the decoded
// fields, the host findings and the JSON object. decode() and toJson() hand
// a CMIS image here; nothing else needs to ask for it.

#include "cmismap.h"
#include "decoder.h"

#include <QJsonObject>

namespace sff {
namespace cmis {

enum class Kind {
    Identifier, Revision, MemoryModel, ModuleState, ModuleFlags, Value, Opaque, MediaType, Application, Text, Oui,
    DateCode, PowerClass, MaxPower, CableLength, Connector, MediaLanes, MediaTechnology, CheckCode, Version, Length,
    Wavelength, WavelengthTolerance, PagesAdvertised, Characteristics, Monitors, Threshold, DataPathStates
};

struct Entry {
    Span span;
    Page page;         // unset for the lower page
    QString key;
    const char *name;  // translatable; nullptr for names made from the index
    Section section;
    Kind kind;
    int index;         // which one of its kind: application, quantity, ...
    int lane;          // 0-7 for a lane's value, else -1
};

const QVector<Entry> &catalogue();
// The entry whose bytes hold that byte of device 0x50, or nullptr.
const Entry *entryAt(const Address &address);
QString entryName(const Entry &entry, const Words &words);

// One application the module advertises, as far as the image holds it.
struct Application {
    int number;           // 1-15
    quint8 hostInterface;
    quint8 mediaInterface;
    int hostLanes;
    int mediaLanes;
    quint8 hostAssignment;   // bit n: a data path may start at host lane n + 1
    int mediaAssignment;     // the same for media lanes; -1 when page 01h is not held
};
// The applications up to the end of the list (host interface FFh); the
// lower page's eight, then page 01h's seven.
QVector<Application> applications(const ModuleImage &image);

Decoded decode(const ModuleImage &image, Language language);
QVector<Finding> hostFindings(const ModuleImage &image, const Words &words);
QJsonObject toJson(const ModuleImage &image);

}  // namespace cmis
}  // namespace sff
