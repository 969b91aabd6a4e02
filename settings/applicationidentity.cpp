#include "applicationidentity.h"

#include <QCoreApplication>
#include <QString>

void setApplicationIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("Vexa Modulant"));
    QCoreApplication::setOrganizationName(QStringLiteral("Zorvik"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("zorvik.tech"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VEXA_VERSION).section(QLatin1Char('.'), 0, 1));
}
