#include "passwordoption.h"

#include "passwordlist.h"
#include "presetpasswords.h"
#include "settingskeys.h"

#include <QSettings>

QCommandLineOption PasswordOption::option()
{
    return QCommandLineOption(
        QStringLiteral("password"),
        tr("The module password: none (default), preset1, preset2, custom (the one stored in the settings), auto "
           "(the settings' password list in turn, the one a module of the same vendor and part number took last "
           "first, then no password), the name of an entry of that list (any case), or eight hexadecimal digits, "
           "which are taken as digits even where an entry has them for its name."),
        QStringLiteral("P"));
}

bool PasswordOption::parse(const QString &value, PasswordChoice *choice, QString *error)
{
    const QString key = value.trimmed().toLower();
    *choice = PasswordChoice();
    QByteArray &password = choice->password;
    if (key == QLatin1String("none"))
        return true;
    if (key == QLatin1String("preset1")) {
        appendZorvik1Password(password);
        return true;
    }
    if (key == QLatin1String("preset2")) {
        appendZorvik2Password(password);
        return true;
    }
    if (key == QLatin1String("custom")) {
        const QString stored = QSettings().value(kCustomPasswordKey, QString::fromLatin1(kDefaultCustomPassword)).toString();
        password = NamedPassword{QString(), stored, 0}.bytes();
        if (!password.isEmpty())
            return true;
        *error = tr("The custom password in the settings (\"%1\") is not four hexadecimal bytes").arg(stored);
        return false;
    }
    const PasswordList list = PasswordStore::load();
    if (key == QLatin1String("auto")) {
        choice->passwords = PasswordStore::candidates(list);
        return true;
    }
    password = NamedPassword{QString(), value, 0}.bytes();
    if (!password.isEmpty())
        return true;
    const int entry = PasswordStore::find(list, value);
    if (entry >= 0) {
        password = list.at(entry).bytes();
        return true;
    }
    QStringList names;
    for (const NamedPassword &named : list)
        names.append(named.name);
    *error = tr("Unknown password \"%1\": give none, preset1, preset2, custom, auto, eight hexadecimal digits or a "
                "name of the password list: %2")
                 .arg(value, names.join(QStringLiteral(", ")));
    return false;
}
