#include "programmerwarning.h"

#include <QCoreApplication>

QString ch341aVoltageWarning()
{
    return QCoreApplication::translate(
        "ProgrammerWarning",
        "Many CH341A boards put 5 V on the I2C lines, while SFP modules expect 3.3 V. Use a board switched or "
        "modified for 3.3 V, or a level shifter, or the module may be damaged.");
}
