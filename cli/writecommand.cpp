#include "commands.h"

#include "commandoptions.h"
#include "console.h"
#include "differences.h"
#include "exitcodes.h"
#include "identification.h"
#include "imageinput.h"
#include "passwordlist.h"
#include "passwordoption.h"
#include "programmerchoice.h"
#include "regionselection.h"
#include "transfersession.h"
#include "writerules.h"

QString WriteCommand::summary() const
{
    return tr("Write tables and pages of an image into the module");
}

QString WriteCommand::description() const
{
    return tr("Writes the tables and pages named with -t from the image FILE (- for standard input) into the "
              "module, after the module password, and reads each back to verify it. Without -t it writes A0 Low, "
              "which the image must hold; -t all writes every region the image holds. Each region goes to the "
              "address the image gives it; a region the image does not hold is refused before anything is "
              "written. A one-table image (128 raw bytes) goes where -t says, A0 Low by default.\n\n"
              "Bytes that are no data are never written: the page select (byte 127 of A2h) and the password entry. "
              "The verify compares what a module keeps as written: all of A0h, the thresholds, calibration and "
              "CC_DMI of A2 Low, the user memory of A2h's pages. A2 Low holds the diagnostics' thresholds and "
              "calibration; it is written only with --allow-diagnostics. Ctrl+C stops once the region under way "
              "is written: a region is never left half written.\n\n"
              "A QSFP module (SFF-8636) takes its password in its lower page, bytes 123-126; of the lower page only "
              "the controls and masks (bytes 86-106) are written, its upper pages whole, four bytes at a time with "
              "the write cycle waited out after each. Page 03h holds the thresholds: it too needs "
              "--allow-diagnostics.\n\n"
              "A CMIS module (QSFP-DD, OSFP, QSFP112) takes its password in its lower page, bytes 122-125; of the "
              "lower page only the controls and masks (bytes 26-36) are written, its upper pages whole, eight bytes "
              "at a time with the write cycle waited out after each. A banked page (bank-N-page-NN) is selected "
              "with its bank in one write of bytes 126 and 127, and the module's own bank and page are selected "
              "again after. Page 02h holds the thresholds: it needs --allow-diagnostics.");
}

QList<QCommandLineOption> WriteCommand::options() const
{
    return {CommandOptions::programmer(), CommandOptions::table(QStringLiteral("a0-low")), CommandOptions::device(),
            PasswordOption::option(),
            QCommandLineOption(QStringLiteral("no-verify"), tr("Do not read the tables back.")),
            QCommandLineOption(QStringLiteral("allow-diagnostics"),
                               tr("Allow writing A2 Low, a QSFP module's page 03h or a CMIS module's page 02h."))};
}

int WriteCommand::run(const QCommandLineParser &parser, Console &console)
{
    const QString file = parser.positionalArguments().first();
    RegionSelection selection;
    QString problem;
    if (!RegionSelection::parse(parser.values(QStringLiteral("t")), &selection, &problem)) {
        console.message(problem);
        return kExitUsage;
    }
    PasswordChoice password;
    const QString passwordValue = parser.isSet(QStringLiteral("password")) ? parser.value(QStringLiteral("password"))
                                                                            : QStringLiteral("none");
    if (!PasswordOption::parse(passwordValue, &password, &problem)) {
        console.message(problem);
        return kExitUsage;
    }
    LoadedImage loaded;
    sff::ModuleImage image;
    if (const int refused = ImageInput::load(file, parser, console, &loaded))
        return refused;
    if (const int refused = ImageInput::placed(loaded, selection.named(), console, &image))
        return refused;
    const sff::Family family = sff::familyOf(image);
    QList<sff::Region> regions;
    if (selection.isEmpty()) {
        if (!image.holdsRegion(sff::kRegionA0Low)) {
            console.message(tr("The image holds no A0 Low, which write takes without -t; name the tables to write "
                               "with -t. The image holds %1")
                                .arg(RegionSelection::keys(image.regions(), family)));
            return kExitUsage;
        }
        regions = {sff::kRegionA0Low};
    } else if (!selection.inImage(image, &regions, &problem)) {
        console.message(problem);
        return kExitUsage;
    }
    for (const sff::Region &region : regions) {
        if (sff::holdsDiagnosticsSettings(region, family) && !parser.isSet(QStringLiteral("allow-diagnostics"))) {
            console.message(tr("Writing %1 may upset the module's diagnostics and other settings; add "
                               "--allow-diagnostics to write it all the same.")
                                .arg(RegionSelection::title(region, family)));
            return kExitUsage;
        }
    }
    QString serial;
    if (const int refused = ProgrammerChoice::choose(parser.value(QStringLiteral("p")), &serial, console))
        return refused;

    const bool verify = !parser.isSet(QStringLiteral("no-verify"));
    TransferSession session(console, serial, regions.size());
    session.transfer().setModule(image);
    session.transfer().setPasswords(password.passwords, &PasswordStore::remembered, sff::identificationOf(family));
    QList<sff::Region> written;
    for (const sff::Region &region : regions) {
        const QString title = RegionSelection::title(region, family);
        session.starting(title);
        const QByteArray bytes = image.region(region);
        QByteArray readBack;
        const ModuleTransfer::Outcome outcome =
            session.transfer().write(region, bytes, sff::writtenSpans(region, family), password.password, verify,
                                     &readBack, sff::keptSpans(region, family));
        const QStringList accepted = session.transfer().acceptedPassword();
        if (!accepted.isEmpty()) {
            PasswordStore::remember(accepted.at(1), accepted.at(2), accepted.at(0));
            console.message(tr("%1: the module took the password \"%2\"").arg(title, accepted.at(0)));
            // The module is open now: the other regions go with the same one.
            session.transfer().setPasswords(withFirst(password.passwords, accepted.at(0)), &PasswordStore::remembered,
                                            sff::identificationOf(family));
        }
        if (outcome == ModuleTransfer::Outcome::Failed) {
            const QString error = session.transfer().error();
            console.message(session.transfer().wasWritten()
                                ? tr("%1 written, but reading it back failed: %2").arg(title, error)
                                : tr("Couldn't write %1: %2").arg(title, error));
            if (!written.isEmpty())
                console.message(tr("Written before: %1").arg(RegionSelection::titles(written, family)));
            return kExitFailure;
        }
        if (session.transfer().wasWritten())
            written.append(region);
        if (outcome == ModuleTransfer::Outcome::Canceled || session.interrupted()) {
            console.message(written.isEmpty()
                                ? tr("Interrupted: nothing was written.")
                                : tr("Interrupted: written whole: %1").arg(RegionSelection::titles(written, family)));
            return kExitInterrupted;
        }
        if (verify) {
            Differences differences;
            differences.compare(region, bytes, readBack, sff::keptSpans(region, family));
            if (!differences.isEmpty()) {
                console.print(differences.listing(tr("Written"), tr("Read back")));
                console.message(tr("%1 written, but bytes read back differ: %2").arg(title).arg(differences.count()));
                if (session.transfer().keptNothing())
                    console.message(QStringLiteral("%1: %2").arg(title, SFPThread::notKeptMessage()));
                return kExitDifferences;
            }
        }
        console.message(verify ? tr("%1 written and verified").arg(title) : tr("%1 written, not verified").arg(title));
        session.finished();
    }
    return kExitSuccess;
}
