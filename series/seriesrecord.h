#pragma once
// What became of one module of a series: one line of the journal.

#include <QCoreApplication>
#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QStringList>

struct SeriesRecord {
    Q_DECLARE_TR_FUNCTIONS(SeriesRecord)

public:
    enum class Outcome {
        Passed,        // written and, unless verify is off, read back the same
        VerifyFailed,  // written, but read back different
        Failed,        // a transfer failed; `serial` says whether the number was used up
        Pulled,        // the module went away in the middle
        Refused,       // it carries a serial number of this series already
    };

    QDateTime time;  // UTC
    QString programmer;
    // The serial number the module carries: the one that reached it, or the
    // number of the series it came with; empty when nothing was written.
    QString serial;
    QString vendorBefore;
    QString partNumberBefore;
    // As read back, or as written without verify; empty when unknown.
    QString vendorAfter;
    QString partNumberAfter;
    Outcome outcome = Outcome::Failed;
    QString message;

    bool passed() const { return outcome == Outcome::Passed; }
    // The journal's columns, in the order of fields().
    static QStringList columns();
    // The journal's word for an outcome, "passed", the same in every language.
    static QString outcomeName(Outcome outcome);
    // The outcome for the operator, translated; also of a journal's word.
    static QString outcomeTitle(Outcome outcome);
    static QString outcomeTitle(const QString &name);
    QStringList fields() const;
};

Q_DECLARE_METATYPE(SeriesRecord)
