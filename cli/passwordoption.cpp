#include "passwordoption.h"

#include "presetpasswords.h"
#include "settingskeys.h"

#include <QRegularExpression>
#include <QSettings>

namespace {

// Four bytes from eight hex digits, spaces allowed between them.
bool fromHex(QString digits, QByteArray *password)
{
    digits.remove(QLatin1Char(' '));
    static const QRegularExpression eightDigits(QStringLiteral("^[0-9A-Fa-f]{8}$"));
    if (!eightDigits.match(digits).hasMatch())
        return false;
    *password = QByteArray::fromHex(digits.toLatin1());
    return true;
}

}  // namespace

bool PasswordOption::parse(const QString &value, QByteArray *password, QString *error)
{
    const QString key = value.trimmed().toLower();
    password->clear();
    if (key == QLatin1String("none"))
        return true;
    if (key == QLatin1String("preset1")) {
        appendZorvik1Password(*password);
        return true;
    }
    if (key == QLatin1String("preset2")) {
        appendZorvik2Password(*password);
        return true;
    }
    if (key == QLatin1String("custom")) {
        const QString stored = QSettings().value(kCustomPasswordKey, QString::fromLatin1(kDefaultCustomPassword)).toString();
        if (fromHex(stored, password))
            return true;
        *error = tr("The custom password in the settings (\"%1\") is not four hexadecimal bytes").arg(stored);
        return false;
    }
    if (fromHex(value, password))
        return true;
    *error = tr("Unknown password \"%1\": give none, preset1, preset2, custom or eight hexadecimal digits")
                 .arg(value);
    return false;
}
