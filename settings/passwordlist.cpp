#include "passwordlist.h"

#include "presetpasswords.h"

#include <QRegularExpression>
#include <QSettings>

namespace {

const char kListKey[] = "passwords/list";
const char kRememberedKey[] = "passwords/remembered";

struct Remembered {
    QString vendor;
    QString partNumber;
    QString name;
};

QVector<Remembered> loadRemembered(QSettings &settings)
{
    QVector<Remembered> all;
    const int size = settings.beginReadArray(kRememberedKey);
    for (int i = 0; i < size; ++i) {
        settings.setArrayIndex(i);
        all.append({settings.value("vendor").toString(), settings.value("part_number").toString(),
                    settings.value("name").toString()});
    }
    settings.endArray();
    return all;
}

void saveRemembered(QSettings &settings, const QVector<Remembered> &all)
{
    settings.remove(kRememberedKey);
    settings.beginWriteArray(kRememberedKey, all.size());
    for (int i = 0; i < all.size(); ++i) {
        settings.setArrayIndex(i);
        settings.setValue("vendor", all.at(i).vendor);
        settings.setValue("part_number", all.at(i).partNumber);
        settings.setValue("name", all.at(i).name);
    }
    settings.endArray();
}

}  // namespace

QByteArray NamedPassword::bytes() const
{
    QByteArray password;
    if (preset == 1)
        appendZorvik1Password(password);
    else if (preset == 2)
        appendZorvik2Password(password);
    static const QRegularExpression eightDigits(QStringLiteral("^[0-9A-Fa-f]{8}$"));
    QString hex = digits;
    hex.remove(QLatin1Char(' '));
    if (!preset && eightDigits.match(hex).hasMatch())
        password = QByteArray::fromHex(hex.toLatin1());
    return password;
}

PasswordList PasswordStore::load()
{
    QSettings settings;
    if (!settings.contains(QStringLiteral("%1/size").arg(kListKey))) {
        const PasswordList first{{QStringLiteral("Zorvik 1"), QString(), 1},
                                 {QStringLiteral("Zorvik 2"), QString(), 2},
                                 {tr("SFF-8472 default"), QStringLiteral("00001011"), 0}};
        save(first);
        return first;
    }
    PasswordList list;
    const int size = settings.beginReadArray(kListKey);
    for (int i = 0; i < size; ++i) {
        settings.setArrayIndex(i);
        const NamedPassword entry{settings.value("name").toString(), settings.value("digits").toString(),
                                  settings.value("preset").toInt()};
        if (!entry.name.isEmpty() && entry.isComplete())
            list.append(entry);
    }
    settings.endArray();
    return list;
}

void PasswordStore::save(const PasswordList &list)
{
    QSettings settings;
    settings.remove(kListKey);
    settings.beginWriteArray(kListKey);
    int index = 0;
    for (const NamedPassword &entry : list) {
        if (entry.name.isEmpty() || !entry.isComplete())
            continue;
        settings.setArrayIndex(index++);
        settings.setValue("name", entry.name);
        if (entry.preset)
            settings.setValue("preset", entry.preset);
        else
            settings.setValue("digits", QString::fromLatin1(entry.bytes().toHex().toUpper()));
    }
    settings.endArray();
}

PasswordCandidates PasswordStore::candidates(const PasswordList &list)
{
    PasswordCandidates candidates;
    for (const NamedPassword &entry : list)
        if (entry.isComplete())
            candidates.append({entry.name, entry.bytes()});
    return candidates;
}

int PasswordStore::find(const PasswordList &list, const QString &name)
{
    for (int i = 0; i < list.size(); ++i)
        if (list.at(i).name.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString PasswordStore::remembered(const QString &vendor, const QString &partNumber)
{
    QSettings settings;
    for (const Remembered &entry : loadRemembered(settings))
        if (entry.vendor == vendor && entry.partNumber == partNumber)
            return entry.name;
    return QString();
}

void PasswordStore::remember(const QString &vendor, const QString &partNumber, const QString &name)
{
    QSettings settings;
    QVector<Remembered> all = loadRemembered(settings);
    auto same = [&](const Remembered &entry) { return entry.vendor == vendor && entry.partNumber == partNumber; };
    all.erase(std::remove_if(all.begin(), all.end(), same), all.end());
    all.append({vendor, partNumber, name});
    saveRemembered(settings, all);
}

void PasswordStore::renameRemembered(const QString &from, const QString &to)
{
    QSettings settings;
    QVector<Remembered> all = loadRemembered(settings);
    bool renamed = false;
    for (Remembered &entry : all) {
        if (entry.name == from) {
            entry.name = to;
            renamed = true;
        }
    }
    if (renamed)
        saveRemembered(settings, all);
}
