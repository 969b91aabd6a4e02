#include "commands.h"

#include "commandoptions.h"
#include "console.h"
#include "exitcodes.h"
#include "programmerchoice.h"
#include "regionreader.h"
#include "transfersession.h"
#include "tuning.h"
#include "writerules.h"

#include <QElapsedTimer>

#include <cmath>

namespace {

const sff::Region kTuningPage = sff::Region::upperOf(sff::kDeviceA2, sff::Page{sff::tunable::kPage});
// A real laser may take seconds to settle; past this it has failed.
constexpr int kTuningTimeoutMs = 30000;
constexpr double kWavelengthStepNm = 0.05;

}  // namespace

QString TuneCommand::summary() const
{
    return tr("Tune a tunable DWDM module to a channel or a wavelength");
}

QString TuneCommand::description() const
{
    return tr("Sets the channel (--channel N, 1 being the module's first frequency) or the wavelength "
              "(--wavelength NM, which must be a channel of the module's grid) of a tunable module through A2h "
              "page 02h. The module's range is checked first; the tool then waits until the module reports that "
              "tuning is complete and prints the new channel, frequency and wavelength.\n\n"
              "The exit status is 1 when the module reports a tuning fault (a TEC fault, or a channel it refused) "
              "or does not settle, 2 when the channel or wavelength is outside the module's range.");
}

QList<QCommandLineOption> TuneCommand::options() const
{
    return {CommandOptions::programmer(),
            QCommandLineOption(QStringLiteral("channel"), tr("The channel to tune to."), QStringLiteral("N")),
            QCommandLineOption(QStringLiteral("wavelength"), tr("The wavelength to tune to, in nm."),
                               QStringLiteral("NM"))};
}

int TuneCommand::run(const QCommandLineParser &parser, Console &console)
{
    const bool byChannel = parser.isSet(QStringLiteral("channel"));
    if (byChannel == parser.isSet(QStringLiteral("wavelength"))) {
        console.message(tr("Give either --channel N or --wavelength NM"));
        return kExitUsage;
    }
    bool number = false;
    const double wanted = parser.value(byChannel ? QStringLiteral("channel") : QStringLiteral("wavelength"))
                              .toDouble(&number);
    if (!number || wanted <= 0 || (byChannel && wanted != int(wanted))) {
        console.message(byChannel ? tr("--channel needs a whole number from 1") : tr("--wavelength needs a number of nm"));
        return kExitUsage;
    }
    QString serial;
    if (const int refused = ProgrammerChoice::choose(parser.value(QStringLiteral("p")), &serial, console))
        return refused;

    TransferSession session(console, serial, 2);
    sff::ModuleImage image;
    int outcome = RegionReader::read(session, console, RegionSelection::of({sff::kRegionA0Low, kTuningPage}), &image);
    if (outcome != kExitSuccess)
        return outcome;
    const sff::Tuning before = sff::Tuning::of(image);
    if (!before.advertised)
        console.message(tr("A0h does not announce a tunable transmitter; tuning through page 02h all the same"));
    const int channel = byChannel ? int(wanted) : before.channelOfWavelength(wanted);
    if (!before.hasChannel(channel)) {
        console.message(tr("%1 is outside the module's range: channels 1 to %2, %3 to %4 THz (%5 to %6 nm)")
                            .arg(byChannel ? tr("Channel %1").arg(int(wanted)) : tr("%1 nm").arg(wanted))
                            .arg(before.channels())
                            .arg(before.firstThz, 0, 'f', 4)
                            .arg(before.lastThz, 0, 'f', 4)
                            .arg(sff::wavelengthOfThz(before.lastThz), 0, 'f', 2)
                            .arg(sff::wavelengthOfThz(before.firstThz), 0, 'f', 2));
        return kExitUsage;
    }
    // The wavelength register counts 0.05 nm: a setting further off is no channel.
    const double channelNm = sff::wavelengthOfThz(before.channelThz(channel));
    if (!byChannel && std::abs(channelNm - wanted) > kWavelengthStepNm) {
        console.message(tr("%1 nm is not on the module's grid; the nearest channel is %2, at %3 nm")
                            .arg(wanted)
                            .arg(channel)
                            .arg(channelNm, 0, 'f', 2));
        return kExitUsage;
    }

    sff::applyEdits(image, before.tuneTo(channel));
    session.setTotal(session.done() + 1);
    session.starting(tr("Tuning"));
    QByteArray readBack;
    const QVector<sff::Span> setting{sff::tunable::kChannelSet, sff::tunable::kWavelengthSet};
    if (session.transfer().write(kTuningPage, image.region(kTuningPage), setting, QByteArray(), false, &readBack)
        != ModuleTransfer::Outcome::Done) {
        console.message(tr("Couldn't set the channel: %1").arg(session.transfer().error()));
        return session.interrupted() ? kExitInterrupted : kExitFailure;
    }
    session.finished();

    // The latched bits clear when read: gather them over the polls.
    quint8 latched = 0;
    sff::Tuning now;
    QElapsedTimer waited;
    waited.start();
    do {
        QByteArray page;
        if (session.transfer().read(kTuningPage, &page) != ModuleTransfer::Outcome::Done) {
            if (session.interrupted())
                return kExitInterrupted;
            console.message(tr("Couldn't read the tuning page: %1").arg(session.transfer().error()));
            return kExitFailure;
        }
        image.putRegion(kTuningPage, page);
        now = sff::Tuning::of(image);
        latched |= now.latched;
        now.latched = latched;
    } while (now.settling() && !now.faulted() && waited.elapsed() < kTuningTimeoutMs);

    if (now.faulted()) {
        const QStringList faults = sff::tuningStatusNames((now.status | latched) & (sff::tunable::kTecFault
                                                                                  | sff::tunable::kBadChannel),
                                                          true, sff::Words(sff::Language::Translated));
        console.message(tr("The module reports a tuning fault: %1").arg(faults.join(QStringLiteral(", "))));
        return kExitFailure;
    }
    if (now.settling()) {
        console.message(tr("The module did not report tuning complete within %1 s").arg(kTuningTimeoutMs / 1000));
        return kExitFailure;
    }
    console.print(tr("Channel %1: %2 THz, %3 nm (wavelength error %4 nm)\n")
                      .arg(now.channel)
                      .arg(now.channelThz(now.channel), 0, 'f', 4)
                      .arg(sff::wavelengthOfThz(now.channelThz(now.channel)), 0, 'f', 2)
                      .arg(QString::asprintf("%+.3f", now.wavelengthErrorNm)));
    return kExitSuccess;
}
