#pragma once
// The language of the tool's messages: the one chosen in the window's
// settings, unless --lang names another for this run. Installed for as long
// as the object lives.

#include <QString>
#include <QTranslator>

class Language
{
public:
    // "en" or "ru" from the settings store.
    static QString stored();
    static bool isOffered(const QString &code);

    explicit Language(const QString &code);
    ~Language();
    Language(const Language &) = delete;
    Language &operator=(const Language &) = delete;

private:
    QTranslator program_;
    QTranslator qt_;  // Qt's own texts, such as the argument parser's
};
