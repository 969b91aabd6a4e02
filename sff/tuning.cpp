#include "tuning.h"

#include <cmath>

namespace sff {

namespace {

constexpr double kLightNmThz = 299792.458;
const Page kTuningPage{tunable::kPage};

struct Bit {
    quint8 mask;
    const char *key;
    const char *name;
};

const Bit kStatusBits[] = {
    {tunable::kTecFault, "tec_fault", QT_TRANSLATE_NOOP("Sff", "TEC fault")},
    {tunable::kWavelengthUnlocked, "wavelength_unlocked", QT_TRANSLATE_NOOP("Sff", "wavelength unlocked")},
    {tunable::kTuning, "tuning", QT_TRANSLATE_NOOP("Sff", "tuning")},
};
const Bit kLatchedBits[] = {
    {tunable::kTecFault, "tec_fault", QT_TRANSLATE_NOOP("Sff", "TEC fault")},
    {tunable::kWavelengthUnlocked, "wavelength_unlocked", QT_TRANSLATE_NOOP("Sff", "wavelength unlocked")},
    {tunable::kBadChannel, "bad_channel", QT_TRANSLATE_NOOP("Sff", "bad channel")},
    {tunable::kNewChannel, "new_channel", QT_TRANSLATE_NOOP("Sff", "new channel")},
    {tunable::kDitherUnsupported, "dither_unsupported", QT_TRANSLATE_NOOP("Sff", "dither not supported")},
};

template <typename Pick>
QStringList bitsOf(quint8 bits, bool latched, Pick pick)
{
    QStringList list;
    const auto scan = [&](const auto &table) {
        for (const Bit &bit : table)
            if (bits & bit.mask)
                list.append(pick(bit));
    };
    if (latched)
        scan(kLatchedBits);
    else
        scan(kStatusBits);
    return list;
}

double frequencyAt(const ModuleImage &image, Span thz, Span tenthsGhz)
{
    return image.word(kDeviceA2, thz.offset, kTuningPage) + image.word(kDeviceA2, tenthsGhz.offset, kTuningPage) / 10000.0;
}

QString number(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

}  // namespace

double wavelengthOfThz(double thz)
{
    return thz > 0 ? kLightNmThz / thz : 0;
}

Tuning Tuning::of(const ModuleImage &image)
{
    Tuning t;
    t.advertised = image.byte(kDeviceA0, a0::kTunableByte) & a0::kTunableTransmitter;
    t.held = image.holdsRegion(Region::upperOf(kDeviceA2, kTuningPage));
    if (!t.held)
        return t;
    const auto word = [&image](Span span) { return image.word(kDeviceA2, span.offset, kTuningPage); };
    t.features = image.byte(kDeviceA2, tunable::kFeatures.offset, kTuningPage);
    t.firstThz = frequencyAt(image, tunable::kFirstFrequencyThz, tunable::kFirstFrequencyGhz);
    t.lastThz = frequencyAt(image, tunable::kLastFrequencyThz, tunable::kLastFrequencyGhz);
    t.spacingGhz = word(tunable::kGridSpacing) / 10.0;
    t.channel = word(tunable::kChannelSet);
    t.wavelengthSetNm = word(tunable::kWavelengthSet) * 0.05;
    t.frequencyErrorGhz = qint16(word(tunable::kFrequencyError)) / 10.0;
    t.wavelengthErrorNm = qint16(word(tunable::kWavelengthError)) * 0.005;
    t.status = image.byte(kDeviceA2, tunable::kStatus.offset, kTuningPage);
    t.latched = image.byte(kDeviceA2, tunable::kLatchedStatus.offset, kTuningPage);
    return t;
}

int Tuning::channels() const
{
    if (spacingGhz <= 0 || lastThz < firstThz)
        return 0;
    return int(std::floor((lastThz - firstThz) * 1000 / spacingGhz + 1e-6)) + 1;
}

double Tuning::channelThz(int number) const
{
    return firstThz + (number - 1) * spacingGhz / 1000;
}

int Tuning::channelOfWavelength(double nm) const
{
    if (nm <= 0 || spacingGhz <= 0)
        return 0;
    const int nearest = int(std::lround((kLightNmThz / nm - firstThz) * 1000 / spacingGhz)) + 1;
    return hasChannel(nearest) ? nearest : 0;
}

QVector<ByteEdit> Tuning::tuneTo(int number) const
{
    const int wavelength = int(std::lround(wavelengthOfThz(channelThz(number)) / 0.05));
    const auto word = [](int value) {
        QByteArray bytes(2, '\0');
        bytes[0] = char((value >> 8) & 0xFF);
        bytes[1] = char(value & 0xFF);
        return bytes;
    };
    return {ByteEdit{kDeviceA2, tunable::kChannelSet.offset, word(number), kTuningPage},
            ByteEdit{kDeviceA2, tunable::kWavelengthSet.offset, word(wavelength), kTuningPage}};
}

bool Tuning::faulted() const
{
    return (status & tunable::kTecFault) || (latched & (tunable::kTecFault | tunable::kBadChannel));
}

bool Tuning::settling() const
{
    return status & (tunable::kTuning | tunable::kWavelengthUnlocked);
}

QStringList tuningStatusNames(quint8 bits, bool latched, const Words &words)
{
    return bitsOf(bits, latched, [&words](const Bit &bit) { return words(bit.name); });
}

QStringList tuningStatusKeys(quint8 bits, bool latched)
{
    return bitsOf(bits, latched, [](const Bit &bit) { return QString::fromLatin1(bit.key); });
}

void decodeTuningField(Field &field, Kind kind, int index, const ModuleImage &image, const Words &w)
{
    const Tuning t = Tuning::of(image);
    const auto note = [&field](const QString &text, Status status) {
        if (status > field.status) {
            field.status = status;
            field.note = text;
        }
    };
    const auto word = [&field](int at) { return quint8(field.raw.at(at)) << 8 | quint8(field.raw.at(at + 1)); };
    switch (kind) {
    case Kind::TuningFeatures: {
        QStringList names;
        if (t.features & tunable::kTunesByChannel)
            names.append(w(QT_TRANSLATE_NOOP("Sff", "by channel")));
        if (t.features & tunable::kTunesByWavelength)
            names.append(w(QT_TRANSLATE_NOOP("Sff", "by wavelength")));
        if (t.features & tunable::kSelfTuning)
            names.append(w(QT_TRANSLATE_NOOP("Sff", "self-tuning")));
        if (t.features & tunable::kDitherSupported)
            names.append(w(QT_TRANSLATE_NOOP("Sff", "transmitter dither")));
        field.value = names.isEmpty() ? w(QT_TRANSLATE_NOOP("Sff", "none")) : names.join(QStringLiteral(", "));
        if (!t.advertised)
            note(w(QT_TRANSLATE_NOOP("Sff", "A0h byte 65 does not announce a tunable transmitter")), Status::Warning);
        break;
    }
    case Kind::Frequency: {
        const double thz = index == 0 ? t.firstThz : t.lastThz;
        field.value = number(thz, 4);
        field.unit = w(QT_TRANSLATE_NOOP("Sff", "THz"));
        field.detail = number(wavelengthOfThz(thz), 2) + QLatin1Char(' ') + w(QT_TRANSLATE_NOOP("Sff", "nm"));
        break;
    }
    case Kind::GridSpacing:
        field.value = number(t.spacingGhz, 1);
        field.unit = w(QT_TRANSLATE_NOOP("Sff", "GHz"));
        field.detail = w(QT_TRANSLATE_NOOP("Sff", "%1 channels")).arg(t.channels());
        break;
    case Kind::ChannelSet:
        field.value = QString::number(word(0));
        if (t.hasChannel(word(0)))
            field.detail = number(t.channelThz(word(0)), 4) + QLatin1Char(' ') + w(QT_TRANSLATE_NOOP("Sff", "THz"))
                           + QStringLiteral(", ") + number(wavelengthOfThz(t.channelThz(word(0))), 2)
                           + QLatin1Char(' ') + w(QT_TRANSLATE_NOOP("Sff", "nm"));
        else
            note(w(QT_TRANSLATE_NOOP("Sff", "Not a channel of the module's range (1 to %1)")).arg(t.channels()),
                 Status::Warning);
        break;
    case Kind::WavelengthSet:
        field.value = number(word(0) * 0.05, 2);
        field.unit = w(QT_TRANSLATE_NOOP("Sff", "nm"));
        break;
    case Kind::TuningControl:
        field.value = (quint8(field.raw.at(0)) & tunable::kDitherDisabled) ? w(QT_TRANSLATE_NOOP("Sff", "off"))
                                                                           : w(QT_TRANSLATE_NOOP("Sff", "on"));
        break;
    case Kind::FrequencyError:
        field.value = QString::asprintf("%+.1f", qint16(word(0)) / 10.0);
        field.unit = w(QT_TRANSLATE_NOOP("Sff", "GHz"));
        break;
    case Kind::WavelengthError:
        field.value = QString::asprintf("%+.3f", qint16(word(0)) * 0.005);
        field.unit = w(QT_TRANSLATE_NOOP("Sff", "nm"));
        break;
    case Kind::TuningStatus:
    case Kind::TuningLatched: {
        const bool latched = kind == Kind::TuningLatched;
        const QStringList names = tuningStatusNames(quint8(field.raw.at(0)), latched, w);
        field.value = names.isEmpty() ? w(QT_TRANSLATE_NOOP("Sff", "none")) : names.join(QStringLiteral(", "));
        const quint8 bits = quint8(field.raw.at(0));
        if (bits & tunable::kTecFault)
            note(w(QT_TRANSLATE_NOOP("Sff", "The laser's temperature control has failed")), Status::Error);
        else if (latched && (bits & tunable::kBadChannel))
            note(w(QT_TRANSLATE_NOOP("Sff", "The module refused a channel or wavelength out of its range")),
                 Status::Warning);
        else if (bits & tunable::kWavelengthUnlocked)
            note(w(QT_TRANSLATE_NOOP("Sff", "The wavelength is not locked")), Status::Warning);
        break;
    }
    default:
        break;
    }
}

}  // namespace sff
