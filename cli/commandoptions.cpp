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
                              tr("A table: a0-low, a0-high, a2-low, a2-high, a0, a2 or all; may be repeated. "
                                 "Default: %1.")
                                  .arg(fallback),
                              QStringLiteral("TABLE"));
}

QCommandLineOption CommandOptions::help()
{
    return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, tr("Show this help."));
}
