#pragma once
// Every field of the two devices as data: where it is, its key and name,
// its section and how it is decoded. The listing order is the order here.

#include "decoder.h"
#include "address.h"

#include <QVector>

namespace sff {

enum class Kind {
    Identifier, ExtendedIdentifier, Connector, Compliance, Encoding, NominalRate, RateIdentifier,
    Length, Text, ExtendedCompliance, Oui, WavelengthOrCable, FibreChannelSpeed2, CheckCode, Options,
    RateMax, RateMin, DateCode, DiagnosticType, EnhancedOptions, SffCompliance, Opaque,
    Threshold, RxPowerCoefficient, Slope, Offset, Value, StatusControl, AlarmFlags, WarningFlags,
    // Page 02h of tunable modules.
    TuningFeatures, Frequency, GridSpacing, ChannelSet, WavelengthSet, TuningControl, FrequencyError,
    WavelengthError, TuningStatus, TuningLatched
};

struct FieldEntry {
    FieldEntry(quint8 device, Span span, QString key, const char *name, const char *qualifier, Section section,
               Kind kind, int index, int page = kNoPage)
        : device(device), span(span), key(std::move(key)), name(name), qualifier(qualifier), section(section),
          kind(kind), index(index), page(page)
    {
    }

    quint8 device;
    Span span;
    QString key;
    const char *name;       // translatable
    const char *qualifier;  // translatable, or nullptr; shown as "name: qualifier"
    Section section;
    Kind kind;
    int index;              // which one of its kind: compliance byte, quantity, ...
    int page;               // of A2h's upper half, for fields of a page
};

const QVector<FieldEntry> &fieldCatalogue();
QString entryName(const FieldEntry &entry, const Words &words);
// The entry whose bytes hold that byte, or nullptr.
const FieldEntry *entryAt(const Address &address);
inline const FieldEntry *entryAt(quint8 device, int offset) { return entryAt(Address{device, offset, {}}); }

}  // namespace sff
