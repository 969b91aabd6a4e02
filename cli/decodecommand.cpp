#include "commands.h"

#include "checkcodes.h"
#include "commandoptions.h"
#include "console.h"
#include "decodelisting.h"
#include "exitcodes.h"
#include "imageinput.h"
#include "json.h"
#include "programmerchoice.h"
#include "regionreader.h"
#include "transfersession.h"

#include <QJsonDocument>

namespace {

// The check codes that the image holds with their bytes and that are wrong.
QStringList wrongCheckCodes(const sff::ModuleImage &image)
{
    QStringList wrong;
    for (const sff::NamedCheckCode &code : sff::checkCodesOf(sff::familyOf(image))) {
        const sff::CheckCodeState state = sff::checkCode(image, code.span);
        if (state.held && !state.ok() && sff::isJudged(image, code.span))
            wrong.append(QLatin1String(code.name));
    }
    return wrong;
}

}  // namespace

QString DecodeCommand::summary() const
{
    return tr("Decode an image or the module");
}

QString DecodeCommand::description() const
{
    return tr("Decodes the identification and diagnostics of a module as the window's Module panel does: of the "
              "image FILE (- for standard input, so that \"ethtool -m eth0 hex on | vexa-modulant-cli decode -\" "
              "works), or, without FILE, of every table and page the module in the programmer advertises (-p may "
              "be left out when one programmer is attached). The findings come first, then every field with its "
              "value and unit; warnings and errors are spelt out. With --json the decode is one JSON object "
              "instead, in English whatever the language.\n\n"
              "Every byte is decoded at its address: a dump of A2h is A2h. A one-table image (128 raw bytes) is "
              "taken as A0 Low unless -t names its table. The exit status is 3 when a check code is wrong: "
              "CC_BASE, CC_EXT, or CC_DMI when there is A2h and A0h byte 92 says the module has digital diagnostics."
              "\n\n"
              "The first line names the module's family, which byte 0 (or the identifier in page 00h) tells: SFP "
              "modules (SFF-8472) or QSFP+ and QSFP28 modules (SFF-8636), whose identification is page 00h and "
              "whose diagnostics are the lower page's four lanes, judged against page 03h, or CMIS modules (QSFP-DD, "
              "OSFP, QSFP112), with their module state, application advertisement, page check codes and eight "
              "lanes of page 11h judged against page 02h.");
}

QList<QCommandLineOption> DecodeCommand::options() const
{
    return {CommandOptions::programmer(),
            QCommandLineOption(QStringLiteral("json"), tr("One JSON object instead of text, for other programs.")),
            CommandOptions::table(QStringLiteral("a0-low")), CommandOptions::device()};
}

int DecodeCommand::run(const QCommandLineParser &parser, Console &console)
{
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty() && parser.isSet(QStringLiteral("p"))) {
        console.message(tr("Decode a file or the module, not both: give FILE or -p SERIAL"));
        return kExitUsage;
    }
    sff::ModuleImage image;
    if (files.isEmpty()) {
        if (const int failed = readModule(parser.value(QStringLiteral("p")), console, &image))
            return failed;
    } else {
        RegionSelection selection;
        QString problem;
        if (!RegionSelection::parse(parser.values(QStringLiteral("t")), &selection, &problem)) {
            console.message(problem);
            return kExitUsage;
        }
        LoadedImage loaded;
        if (const int failed = ImageInput::load(files.first(), parser, console, &loaded))
            return failed;
        if (const int refused = ImageInput::placed(loaded, selection.named(), console, &image))
            return refused;
    }

    if (parser.isSet(QStringLiteral("json")))
        console.data(QJsonDocument(sff::toJson(image)).toJson(QJsonDocument::Indented));
    else
        console.print(DecodeListing::text(sff::decode(image), console.colourOut()));
    const QStringList wrong = wrongCheckCodes(image);
    if (wrong.isEmpty())
        return kExitSuccess;
    console.message(tr("Check codes that are wrong: %1").arg(wrong.join(QStringLiteral(", "))));
    return kExitDifferences;
}

int DecodeCommand::readModule(const QString &requested, Console &console, sff::ModuleImage *image)
{
    QString serial;
    if (const int refused = ProgrammerChoice::choose(requested, &serial, console))
        return refused;
    TransferSession session(console, serial, 1);
    const int outcome = RegionReader::read(session, console, RegionSelection::allRegions(), image);
    if (outcome == kExitInterrupted)
        console.message(tr("Interrupted."));
    return outcome;
}
