#include "seriescommand.h"

#include "commandoptions.h"
#include "console.h"
#include "exitcodes.h"
#include "interrupt.h"
#include "passwordlist.h"
#include "passwordoption.h"
#include "programmerchoice.h"
#include "seriesrun.h"
#include "settingskeys.h"

#include <QEventLoop>
#include <QSettings>

namespace {

const char kDefaultJournal[] = "vexa-series.csv";

}  // namespace

QString SeriesCommand::summary() const
{
    return tr("Program a series of modules, each with its own serial number");
}

QString SeriesCommand::description() const
{
    return tr("Writes the image TEMPLATE into one module after another: it waits until a module answers in the "
              "socket, puts the next serial number and the date code into A0 Low, makes the check codes right, "
              "writes and verifies, adds a line to the journal and prints it, and waits until the module is "
              "pulled. A template of 128 bytes gives A0 Low, of 256 bytes A0h, of 512 bytes also the user area "
              "of A2h.\n\n"
              "The serial numbers are PREFIX followed by a counter as wide as START, up to LAST or the largest "
              "the counter holds: VX2612+0001..0500. A journal that holds numbers of the series already is "
              "continued after the highest; it takes one series at a time. A number is used up once it reached a "
              "module, even when the verify fails; a module that already carries a number of the series is "
              "refused unless --allow-reprogram is given, which writes it again with its own number.\n\n"
              "The series ends after --count modules (without waiting for the last to be pulled), after the "
              "counter's last value, or with Ctrl+C once the module under way is done. Exit status 0 when every "
              "module passed, 3 when some failed only their verify, 1 when any other failed.");
}

QList<QCommandLineOption> SeriesCommand::options() const
{
    return {CommandOptions::programmer(),
            QCommandLineOption(QStringLiteral("serial"), tr("The serial numbers: PREFIX+START or PREFIX+START..LAST."),
                               QStringLiteral("PREFIX+START[..LAST]")),
            QCommandLineOption(QStringLiteral("date"),
                               tr("today (default) sets the date code to the day of programming, keep leaves the "
                                  "template's."),
                               QStringLiteral("today|keep")),
            QCommandLineOption(QStringLiteral("journal"), tr("The journal, a CSV file. Default: %1.").arg(kDefaultJournal),
                               QStringLiteral("FILE")),
            PasswordOption::option(),
            QCommandLineOption(QStringLiteral("count"), tr("End after this many modules."), QStringLiteral("N")),
            QCommandLineOption(QStringLiteral("no-verify"), tr("Do not read the tables back.")),
            QCommandLineOption(QStringLiteral("allow-reprogram"),
                               tr("Write a module that carries a number of the series again, with that number."))};
}

int SeriesCommand::run(const QCommandLineParser &parser, Console &console)
{
    SeriesPlan plan;
    QString problem;
    if (!parser.isSet(QStringLiteral("serial"))) {
        console.message(tr("The serial numbers are missing: give --serial PREFIX+START[..LAST]"));
        return kExitUsage;
    }
    if (!SerialPattern::parse(parser.value(QStringLiteral("serial")), &plan.serials, &problem)) {
        console.message(problem);
        return kExitUsage;
    }
    const QString date = parser.isSet(QStringLiteral("date")) ? parser.value(QStringLiteral("date")) : QStringLiteral("today");
    if (date != QLatin1String("today") && date != QLatin1String("keep")) {
        console.message(tr("Unknown --date \"%1\": give today or keep").arg(date));
        return kExitUsage;
    }
    plan.todaysDate = date == QLatin1String("today");
    if (parser.isSet(QStringLiteral("count"))) {
        bool number = false;
        plan.count = parser.value(QStringLiteral("count")).toInt(&number);
        if (!number || plan.count <= 0) {
            console.message(tr("--count needs a number of modules greater than 0"));
            return kExitUsage;
        }
    }
    const QString password = parser.isSet(QStringLiteral("password")) ? parser.value(QStringLiteral("password"))
                                                                       : QStringLiteral("none");
    PasswordChoice choice;
    if (!PasswordOption::parse(password, &choice, &problem)) {
        console.message(problem);
        return kExitUsage;
    }
    plan.password = choice.password;
    plan.passwords = choice.passwords;
    plan.recall = &PasswordStore::remembered;
    if (!SeriesTemplate::load(parser.positionalArguments().first(), &plan.image, &problem)) {
        console.message(problem);
        return kExitFailure;
    }
    if (const int refused = ProgrammerChoice::choose(parser.value(QStringLiteral("p")), &plan.programmer, &problem)) {
        console.message(problem);
        return refused;
    }
    plan.journal = parser.isSet(QStringLiteral("journal")) ? parser.value(QStringLiteral("journal"))
                                                            : QString::fromLatin1(kDefaultJournal);
    plan.verify = !parser.isSet(QStringLiteral("no-verify"));
    plan.allowReprogram = parser.isSet(QStringLiteral("allow-reprogram"));
    plan.transferMode = qBound(0, QSettings().value(kTransferKey, kDefaultTransfer).toInt(), 1);

    SeriesRun series;
    QEventLoop loop;
    bool otherFailures = false;
    bool verifyFailures = false;
    SeriesRun::End end = SeriesRun::End::Stopped;
    QString endMessage;
    QObject::connect(&series, &SeriesRun::waitingForModule, &loop, [&console](const QString &next) {
        console.message(tr("Insert a module (next serial number %1)").arg(next));
    });
    QObject::connect(&series, &SeriesRun::waitingForPull, &loop,
                     [&console] { console.message(tr("Pull the module")); });
    QObject::connect(&series, &SeriesRun::moduleDone, &loop, [&](const SeriesRecord &record) {
        const QString serial = record.serial.isEmpty() ? QStringLiteral("-") : record.serial;
        console.print(QStringLiteral("%1  %2  %3\n")
                          .arg(serial.leftJustified(plan.serials.prefix().size() + plan.serials.width()),
                               SeriesRecord::outcomeName(record.outcome), record.message));
        // The module's line is on the journal; the operator would not see the next.
        if (console.outputFailed())
            series.stop();
        if (record.outcome == SeriesRecord::Outcome::VerifyFailed)
            verifyFailures = true;
        else if (!record.passed())
            otherFailures = true;
    });
    QObject::connect(&series, &SeriesRun::passwordAccepted, &loop,
                     [](const QString &name, const QString &vendor, const QString &partNumber) {
                         PasswordStore::remember(vendor, partNumber, name);
                     });
    QObject::connect(&series, &SeriesRun::finished, &loop, [&](SeriesRun::End how, const QString &message) {
        end = how;
        endMessage = message;
        loop.quit();
    });
    Interrupt &interrupt = Interrupt::instance();
    QObject::connect(&interrupt, &Interrupt::interrupted, &series, &SeriesRun::stop);
    if (interrupt.requested())
        return kExitInterrupted;

    if (!series.start(plan, &problem)) {
        console.message(problem);
        return kExitFailure;
    }
    loop.exec();

    switch (end) {
    case SeriesRun::End::Failed:
        console.message(tr("The series stopped: %1").arg(endMessage));
        break;
    case SeriesRun::End::Count:
        console.message(tr("Done: %1 modules").arg(plan.count));
        break;
    case SeriesRun::End::LastNumber:
        console.message(tr("Done: the last serial number, %1, is used").arg(plan.serials.serial(plan.serials.last())));
        break;
    case SeriesRun::End::Stopped:
        if (!console.outputFailed())
            console.message(tr("Interrupted between two modules"));
        break;
    }
    console.message(tr("Passed: %1, failed: %2").arg(series.passed()).arg(series.failed()));
    if (end == SeriesRun::End::Failed || otherFailures)
        return kExitFailure;
    if (verifyFailures)
        return kExitDifferences;
    return end == SeriesRun::End::Stopped ? kExitInterrupted : kExitSuccess;
}
