#include "language.h"

#include "settingskeys.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>

namespace {

// In the order of the settings dialog's language list, whose position is stored.
const char *const kLanguages[] = {"en", "ru"};

}  // namespace

QString Language::stored()
{
    const int index = QSettings().value(kLanguageKey, kDefaultLanguage).toInt();
    return QString::fromLatin1(index == 1 ? kLanguages[1] : kLanguages[0]);
}

bool Language::isOffered(const QString &code)
{
    for (const char *language : kLanguages)
        if (code == QLatin1String(language))
            return true;
    return false;
}

Language::Language(const QString &code)
{
    if (code == QLatin1String("en"))
        return;  // the source language
    if (program_.load(QStringLiteral(":/translations/%1.qm").arg(code)))
        QCoreApplication::installTranslator(&program_);
    if (qt_.load(QStringLiteral("qt_%1").arg(code), QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
}

Language::~Language()
{
    QCoreApplication::removeTranslator(&program_);
    QCoreApplication::removeTranslator(&qt_);
}
