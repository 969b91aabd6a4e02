#pragma once
// The programmer check: does a programmer, its wiring and the module in its
// socket work? Step by step, each passed or failed with the likely cause in
// plain words and what to do about it.
//
// It opens the programmer. Where the programmer can drive and read the lines
// one by one, it reads them let go (a line low there has no pull-up, no
// supply, or is shorted), driven low and high (a line that does not follow
// is held by something else, or tied to the other). It asks for the module
// at 0x50, with SDA and SCL exchanged as well if no module answers, and for
// its diagnostics at 0x51, and times a read of a table. Causes are named
// from all of these together: a line low when let go is a missing pull-up
// if the module answers all the same, a missing supply if it does not.

#include <QCoreApplication>
#include <QList>
#include <QString>

struct BusFailure;

struct CheckStep {
    enum Outcome { Passed, Failed, Skipped, Noted };
    QString title;
    Outcome outcome;
    QString finding;
};

class ProgrammerCheck
{
    Q_DECLARE_TR_FUNCTIONS(ProgrammerCheck)

public:
    // Checks the programmer `identity`, blocking until done; FTDI chips in
    // the fast exchange.
    static QList<CheckStep> run(const QString &identity);
    // No step failed.
    static bool passed(const QList<CheckStep> &steps);
    // "PASS", "FAIL", "SKIP" or "NOTE", translated.
    static QString outcomeWord(CheckStep::Outcome outcome);

private:
    static QString failureText(const BusFailure &failure);
};
