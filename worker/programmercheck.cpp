#include "programmercheck.h"

#include "modulebuses.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::uint8_t kModule = 0x50;
constexpr std::uint8_t kDiagnostics = 0x51;
constexpr int kTableSize = 128;

using Drive = BusLines::Drive;

// What the check saw, before any of it is judged.
struct Seen {
    BusFailure open;
    bool linesReadable = false;
    BusFailure lineFailure;
    BusLines::Levels letGo, sdaDrivenLow, sclDrivenLow, drivenHigh;
    enum class Answer { NotAsked, Yes, No, Swapped } module = Answer::NotAsked;
    BusFailure moduleFailure;
    bool diagnostics = false;
    BusFailure readFailure;
    std::vector<std::uint8_t> table;
    std::int64_t readUs = 0;

    bool stuck(bool sda) const { return sda ? !drivenHigh.sda : !drivenHigh.scl; }
    bool anyStuck() const { return linesReadable && !lineFailure && (stuck(true) || stuck(false)); }
    bool answers() const { return module == Answer::Yes || module == Answer::Swapped; }
};

BusFailure measureLines(BusLines &lines, Seen &seen)
{
    if (BusFailure f = lines.setLines(Drive::Released, Drive::Released, seen.letGo))
        return f;
    if (BusFailure f = lines.setLines(Drive::Low, Drive::Released, seen.sdaDrivenLow))
        return f;
    if (BusFailure f = lines.setLines(Drive::Released, Drive::Low, seen.sclDrivenLow))
        return f;
    // Last: both driven high is how the lines stay for the transfers.
    return lines.setLines(Drive::High, Drive::High, seen.drivenHigh);
}

void askModule(ModuleBus &bus, Seen &seen)
{
    bool answered = false;
    if ((seen.moduleFailure = bus.probe(kModule, answered)))
        return;
    seen.module = answered ? Seen::Answer::Yes : Seen::Answer::No;
    if (!answered && bus.lines()) {
        bus.lines()->swapLines(true);
        seen.moduleFailure = bus.probe(kModule, answered);
        bus.lines()->swapLines(false);
        if (answered)
            seen.module = Seen::Answer::Swapped;
    }
    if (seen.module != Seen::Answer::Yes || seen.moduleFailure)
        return;
    if ((seen.moduleFailure = bus.probe(kDiagnostics, seen.diagnostics)))
        return;
    const std::int64_t start = bus.nowUs();
    seen.readFailure = bus.read(kModule, 0, kTableSize, Attempts{}, seen.table);
    seen.readUs = bus.nowUs() - start;
}

Seen look(const QString &identity)
{
    Seen seen;
    const std::string id = identity.toStdString();
    std::unique_ptr<ModuleBus> bus = makeModuleBus(id, false);
    if ((seen.open = bus->open(id)))
        return seen;
    if (BusLines *lines = bus->lines()) {
        seen.linesReadable = true;
        seen.lineFailure = measureLines(*lines, seen);
    }
    if (!seen.lineFailure && !seen.anyStuck())
        askModule(*bus, seen);
    bus->close();
    return seen;
}

}  // namespace

QList<CheckStep> ProgrammerCheck::run(const QString &identity)
{
    const Seen seen = look(identity);
    QList<CheckStep> steps;
    const auto add = [&steps](const QString &title, CheckStep::Outcome outcome, const QString &finding) {
        steps.append({title, outcome, finding});
    };
    const QString notDone = tr("Not done: the step before failed.");

    const QString openTitle = tr("Open the programmer");
    const QString letGoTitle = tr("Lines let go");
    const QString drivenTitle = tr("Lines driven");
    const QString moduleTitle = tr("Module at 0x50");
    const QString diagnosticsTitle = tr("Diagnostics at 0x51");
    const QString readTitle = tr("Read of a table");

    if (seen.open) {
        add(openTitle, CheckStep::Failed,
            tr("%1. Is it plugged in, and may this user use it? The list of programmers shows what is attached.")
                .arg(QString::fromStdString(seen.open.detail)));
        for (const QString &title : {letGoTitle, drivenTitle, moduleTitle, diagnosticsTitle, readTitle})
            add(title, CheckStep::Skipped, notDone);
        return steps;
    }
    add(openTitle, CheckStep::Passed, tr("Opened."));

    // The lines, let go and driven.
    if (!seen.linesReadable) {
        const QString cannot = tr("This programmer cannot drive and read its lines one by one.");
        add(letGoTitle, CheckStep::Skipped, cannot);
        add(drivenTitle, CheckStep::Skipped, cannot);
    } else if (seen.lineFailure) {
        add(letGoTitle, CheckStep::Failed, QString::fromStdString(seen.lineFailure.detail));
        add(drivenTitle, CheckStep::Skipped, notDone);
    } else {
        QStringList causes;
        const bool sdaLow = !seen.letGo.sda, sclLow = !seen.letGo.scl;
        for (const bool sda : {true, false}) {
            if (seen.stuck(sda))
                causes << tr("%1 stays low even when driven high: it is shorted to ground, or the module holds "
                             "it. Check the wiring, and try without a module.")
                              .arg(sda ? "SDA" : "SCL");
        }
        if (causes.isEmpty() && (sdaLow || sclLow)) {
            const QString lines = sdaLow && sclLow ? tr("SDA and SCL") : sdaLow ? QStringLiteral("SDA") : QStringLiteral("SCL");
            if (seen.answers())
                causes << tr("Low when let go: %1. Yet the module answers: there is no pull-up. Fit 4.7 kΩ to "
                             "10 kΩ from each line to 3.3 V.")
                              .arg(lines);
            else
                causes << tr("Low when let go: %1. No module answers either: is the module powered (3.3 V on "
                             "its pins 15 and 16)? Are there pull-ups? They need that supply too.")
                              .arg(lines);
        }
        if (causes.isEmpty())
            add(letGoTitle, CheckStep::Passed, tr("SDA and SCL are high."));
        else
            add(letGoTitle, CheckStep::Failed, causes.join(QLatin1Char(' ')));

        QStringList problems;
        if (seen.sdaDrivenLow.sda)
            problems << tr("SDA stays high when driven low: something else drives it, or it is shorted to the "
                           "supply.");
        if (seen.sclDrivenLow.scl)
            problems << tr("SCL stays high when driven low: something else drives it, or it is shorted to the "
                           "supply.");
        if ((seen.letGo.scl && !seen.sdaDrivenLow.scl) || (seen.letGo.sda && !seen.sclDrivenLow.sda))
            problems << tr("One line goes low with the other: SDA and SCL are shorted together.");
        if (seen.anyStuck())
            add(drivenTitle, CheckStep::Skipped, tr("Not judged: a line is stuck low."));
        else if (problems.isEmpty())
            add(drivenTitle, CheckStep::Passed, tr("Each line follows the programmer; the other stays as it was."));
        else
            add(drivenTitle, CheckStep::Failed, problems.join(QLatin1Char(' ')));
    }

    // The module.
    if (seen.anyStuck() || seen.lineFailure) {
        for (const QString &title : {moduleTitle, diagnosticsTitle, readTitle})
            add(title, CheckStep::Skipped, tr("Not tried: a line is stuck low."));
        return steps;
    }
    if (seen.moduleFailure) {
        add(moduleTitle, CheckStep::Failed, failureText(seen.moduleFailure));
    } else if (seen.module == Seen::Answer::Yes) {
        add(moduleTitle, CheckStep::Passed, tr("The module answers."));
    } else if (seen.module == Seen::Answer::Swapped) {
        add(moduleTitle, CheckStep::Failed,
            tr("The module answers only with SDA and SCL exchanged: the two lines are swapped. Exchange the wires "
               "at the module's pins 4 (SDA) and 5 (SCL)."));
    } else {
        add(moduleTitle, CheckStep::Failed,
            seen.linesReadable ? tr("No module answers: is a module in the socket, all the way in, and powered?")
                               : tr("No module answers: is a module in the socket and powered? Are SDA and SCL "
                                    "pulled up and wired the right way round?"));
    }
    if (seen.module != Seen::Answer::Yes || seen.moduleFailure) {
        const QString noModule = tr("Not tried: the module does not answer as wired.");
        add(diagnosticsTitle, CheckStep::Skipped, noModule);
        add(readTitle, CheckStep::Skipped, noModule);
        return steps;
    }
    if (seen.diagnostics)
        add(diagnosticsTitle, CheckStep::Passed, tr("The module has diagnostics."));
    else
        add(diagnosticsTitle, CheckStep::Noted,
            tr("No answer: the module has no diagnostics, as many simple modules have not."));

    const bool allZero = !seen.table.empty()
                         && std::all_of(seen.table.begin(), seen.table.end(), [](std::uint8_t b) { return b == 0; });
    if (seen.readFailure)
        add(readTitle, CheckStep::Failed, failureText(seen.readFailure));
    else if (allZero)
        add(readTitle, CheckStep::Failed,
            tr("Every byte reads 00: SDA is held low, or has no pull-up, or the module has no supply."));
    else
        add(readTitle, CheckStep::Passed,
            tr("%1 bytes in %2 ms.").arg(kTableSize).arg(static_cast<double>(seen.readUs) / 1000, 0, 'f', 0));
    return steps;
}

QString ProgrammerCheck::failureText(const BusFailure &failure)
{
    switch (failure.kind) {
    case BusFailure::BusStuck:
        return tr("SCL stays low: the module holds it, or it is shorted to ground.");
    case BusFailure::RefusedSelection:
    case BusFailure::RefusedByte:
        return tr("The module stopped answering.");
    default:
        return QString::fromStdString(failure.detail);
    }
}

bool ProgrammerCheck::passed(const QList<CheckStep> &steps)
{
    return std::none_of(steps.begin(), steps.end(), [](const CheckStep &s) { return s.outcome == CheckStep::Failed; });
}

QString ProgrammerCheck::outcomeWord(CheckStep::Outcome outcome)
{
    switch (outcome) {
    case CheckStep::Passed: return tr("PASS");
    case CheckStep::Failed: return tr("FAIL");
    case CheckStep::Skipped: return tr("SKIP");
    case CheckStep::Noted: break;
    }
    return tr("NOTE");
}
