#pragma once
// The state of a tunable transmitter (SFF-8690) from A2h page 02h: its
// range, the channel and wavelength set, the errors and the status, and the
// byte edits that tune it to another channel.

#include "decoder.h"
#include "fieldcatalogue.h"

#include <QStringList>
#include <QVector>

namespace sff {

struct Tuning {
    bool held = false;        // the image holds page 02h
    bool advertised = false;  // A0h says the transmitter is tunable
    quint8 features = 0;
    double firstThz = 0;
    double lastThz = 0;
    double spacingGhz = 0;
    int channel = 0;          // the channel set; 1 is the first frequency
    double wavelengthSetNm = 0;
    double frequencyErrorGhz = 0;
    double wavelengthErrorNm = 0;
    quint8 status = 0;
    quint8 latched = 0;

    static Tuning of(const ModuleImage &image);

    // Channels on the grid from the first frequency to the last.
    int channels() const;
    bool hasChannel(int number) const { return number >= 1 && number <= channels(); }
    double channelThz(int number) const;
    // The channel whose wavelength is within half a grid step of `nm`, or 0.
    int channelOfWavelength(double nm) const;
    // The edits of page 02h that tune to a channel: the channel set, and the
    // wavelength set that goes with it.
    QVector<ByteEdit> tuneTo(int number) const;
    // A fault the module reports: a TEC fault, or a setting it refused.
    bool faulted() const;
    // The module is still tuning, or not locked on its wavelength.
    bool settling() const;
};

// nm of a frequency in THz.
double wavelengthOfThz(double thz);
// Names of the set bits of the status or the latched status, and their keys.
QStringList tuningStatusNames(quint8 bits, bool latched, const Words &words);
QStringList tuningStatusKeys(quint8 bits, bool latched);

// The value of a field of page 02h.
void decodeTuningField(Field &field, Kind kind, int index, const ModuleImage &image, const Words &words);

}  // namespace sff
