#pragma once
// Every field of the two devices as data: where it is, its key and name,
// its section and how it is decoded. The listing order is the order here.

#include "decoder.h"
#include "memorymap.h"

#include <QVector>

namespace sff {

enum class Kind {
    Identifier, ExtendedIdentifier, Connector, Compliance, Encoding, NominalRate, RateIdentifier,
    Length, Text, ExtendedCompliance, Oui, WavelengthOrCable, FibreChannelSpeed2, CheckCode, Options,
    RateMax, RateMin, DateCode, DiagnosticType, EnhancedOptions, SffCompliance, Opaque,
    Threshold, RxPowerCoefficient, Slope, Offset, Value, StatusControl, AlarmFlags, WarningFlags
};

struct FieldEntry {
    quint8 device;
    Span span;
    QString key;
    const char *name;       // translatable
    const char *qualifier;  // translatable, or nullptr; shown as "name: qualifier"
    Section section;
    Kind kind;
    int index;              // which one of its kind: compliance byte, quantity, ...
};

const QVector<FieldEntry> &fieldCatalogue();
QString entryName(const FieldEntry &entry, const Words &words);
// The entry whose bytes hold that byte, or nullptr.
const FieldEntry *entryAt(quint8 device, int offset);

}  // namespace sff
