#include "fieldnames.h"

QString fieldName(quint8, int)
{
    return QString();
}
