#include "seriesrecord.h"

QStringList SeriesRecord::columns()
{
    return {QStringLiteral("time"),           QStringLiteral("programmer"),
            QStringLiteral("serial"),         QStringLiteral("vendor_before"),
            QStringLiteral("part_number_before"), QStringLiteral("vendor_after"),
            QStringLiteral("part_number_after"),  QStringLiteral("outcome"),
            QStringLiteral("message")};
}

QString SeriesRecord::outcomeName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Passed: return QStringLiteral("passed");
    case Outcome::VerifyFailed: return QStringLiteral("verify-failed");
    case Outcome::Failed: return QStringLiteral("failed");
    case Outcome::Pulled: return QStringLiteral("pulled");
    case Outcome::Refused: return QStringLiteral("refused");
    }
    return QString();
}

QString SeriesRecord::outcomeTitle(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Passed: return tr("Passed");
    case Outcome::VerifyFailed: return tr("Verify failed");
    case Outcome::Failed: return tr("Failed");
    case Outcome::Pulled: return tr("Pulled");
    case Outcome::Refused: return tr("Refused");
    }
    return QString();
}

QString SeriesRecord::outcomeTitle(const QString &name)
{
    for (Outcome outcome :
         {Outcome::Passed, Outcome::VerifyFailed, Outcome::Failed, Outcome::Pulled, Outcome::Refused})
        if (outcomeName(outcome) == name)
            return outcomeTitle(outcome);
    return name;
}

QStringList SeriesRecord::fields() const
{
    return {time.toUTC().toString(Qt::ISODate), programmer,   serial,
            vendorBefore,                      partNumberBefore, vendorAfter,
            partNumberAfter,                   outcomeName(outcome), message};
}
