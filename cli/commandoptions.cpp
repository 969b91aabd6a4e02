#include "commandoptions.h"

QCommandLineOption CommandOptions::programmer()
{
    return QCommandLineOption({QStringLiteral("p"), QStringLiteral("programmer")},
                              tr("The programmer's serial number; may be left out when only one is attached."),
                              QStringLiteral("SERIAL"));
}

QCommandLineOption CommandOptions::table(const QString &fallback)
{
    return QCommandLineOption({QStringLiteral("t"), QStringLiteral("table")},
                              tr("A table: a0-low, a0-high, a2-low, a2-high, a2-page-NN (a page of A2h), lower, "
                                 "page-NN and bank-N-page-NN (QSFP and CMIS modules), a0, a2 or all; may be "
                                 "repeated. Default: %1.")
                                  .arg(fallback),
                              QStringLiteral("TABLE"));
}

QCommandLineOption CommandOptions::device()
{
    return QCommandLineOption(QStringLiteral("device"),
                              tr("The device an i2cdump image is of, which the dump does not say: a0 (default) or a2."),
                              QStringLiteral("a0|a2"));
}

QCommandLineOption CommandOptions::help()
{
    return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, tr("Show this help."));
}
